// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/StartUp.h"

#include "core/common/Services.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <algorithm>
#include <functional>
#include <utility>

namespace vx {

namespace {

// What applyLanguage installed, taken out again when the language changes.
QList<QTranslator*> gTranslators;

bool installTranslator(const std::function<bool(QTranslator&)>& load) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!load(*translator) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    gTranslators.append(translator);
    return true;
}

// After the version, the terms in the words GNU programs use, which help2man turns into the
// manual page's copyright section.
constexpr char kLicenceNotice[] =
    "Copyright (C) 2026 the Vorlentix team\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

// The program's own options. Their texts are read when made, so they speak the language then in
// force.
struct ProgramOptions {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
                            QCoreApplication::translate("vx::StartUp", "Toont deze hulp.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QCoreApplication::translate("vx::StartUp", "Toont de versie en de licentie.")};
    QCommandLineOption lang{QStringLiteral("lang"),
                            QCoreApplication::translate(
                                "vx::StartUp",
                                "Spreek in deze run Engels (en) of Nederlands (nl); anders de taal die in "
                                "de instellingen gekozen is."),
                            QStringLiteral("en|nl")};
    QCommandLineOption home{
        QStringLiteral("home"),
        QCoreApplication::translate("vx::StartUp",
                                    "Bewaar Teams/ en Vorlentix.ini in MAP, met alle andere bestanden van de "
                                    "gebruiker, in plaats van in de mappen hieronder."),
        QCoreApplication::translate("vx::StartUp", "MAP")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             QCoreApplication::translate(
                                 "vx::StartUp",
                                 "Toon de vensters in deze run op 100, 125, 150 of 200 procent, of zo groot "
                                 "als het hoofdvenster op het scherm past (fit)."),
                             QStringLiteral("100|125|150|200|fit")};

    QList<QCommandLineOption> all() const { return {help, version, lang, home, scale}; }
};

QString Usage(const QString& program, const QString& usageWord, const QString& dirWord) {
    return QStringLiteral(
               "%1 %2 [--home %3] [--lang en|nl] [--scale 100|125|150|200|fit] [--help] [--version]\n")
        .arg(usageWord, program, dirWord);
}

// Before the application object exists, Qt's options are told from ours by their form alone:
// Qt writes its own with a single dash (-platform offscreen, -reverse), and the word after one
// is taken for its value unless it is an option itself. What Qt then does not take is refused
// once it has had its turn.
QStringList WithoutQtOptions(const QStringList& arguments, const QList<QCommandLineOption>& ours) {
    QStringList ourNames;
    for (const QCommandLineOption& option : ours)
        ourNames += option.names();
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        if (word == QStringLiteral("--")) {
            kept += arguments.mid(i);
            break;
        }
        const bool singleDash =
            i > 0 && word.size() > 1 && word.startsWith(u'-') && !word.startsWith(QStringLiteral("--"));
        if (!singleDash || ourNames.contains(word.mid(1).section(u'=', 0, 0))) {
            kept += word;
            continue;
        }
        if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-')) ++i;
    }
    return kept;
}

// Lines of at most 79 characters, the options' names in a column of their own.
QString OptionLines(const QList<QCommandLineOption>& options) {
    QStringList names;
    qsizetype width = 0;
    for (const QCommandLineOption& option : options) {
        QStringList dashed;
        for (const QString& name : option.names())
            dashed += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString column = dashed.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty()) column += QStringLiteral(" <%1>").arg(option.valueName());
        width = std::max(width, column.size());
        names += column;
    }
    const qsizetype indent = 2 + width + 2;
    QString text;
    for (qsizetype i = 0; i < options.size(); ++i) {
        QString line = QStringLiteral("  ") + names[i].leftJustified(width + 2);
        for (const QString& word : options[i].description().split(u' ')) {
            if (line.size() > indent && line.size() + 1 + word.size() > 79) {
                text += line + u'\n';
                line = QString(indent, u' ');
            } else if (line.size() > indent) {
                line += u' ';
            }
            line += word;
        }
        text += line + u'\n';
    }
    return text;
}

// A folder under the user's own folder is shown as ~/..., as the user knows it.
QString Shown(const QString& folder) {
    const QString home = QDir::homePath();
    const QString path = QDir::cleanPath(folder);
    if (path.startsWith(home + u'/')) return u'~' + path.mid(home.size());
    return QDir::toNativeSeparators(path);
}

} // namespace

StartOptions readCommandLine(const QStringList& arguments, QtOptions qt) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform offscreen), so ours are read that way too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const ProgramOptions ours;
    parser.addOptions(ours.all());

    // Before the application object exists the parser cannot name the program: we do.
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("Vorlentix"))).fileName();
    const QString usage = Usage(program, QStringLiteral("Usage:"), QStringLiteral("DIR"));
    StartOptions options;
    const bool parsed =
        parser.parse(qt == QtOptions::Pending ? WithoutQtOptions(arguments, ours.all()) : arguments);
    // The program takes no words of its own; a stray one would reach the application object,
    // which without a display ends the program before anything can be said.
    const QStringList stray = parsed ? parser.positionalArguments() : QStringList();
    if (parsed && parser.isSet(ours.lang)) options.language = languageFromCode(parser.value(ours.lang));
    if (parsed && parser.isSet(ours.scale)) options.scale = displayScaleFromCode(parser.value(ours.scale));
    const bool badScale = parsed && parser.isSet(ours.scale) && !options.scale;
    if (!parsed || !stray.isEmpty() || (parser.isSet(ours.lang) && !options.language) || badScale) {
        QString why = parser.errorText();
        if (parsed && !stray.isEmpty())
            why = QStringLiteral("Unexpected argument '%1'.").arg(stray.first());
        else if (badScale)
            why = QStringLiteral("Unknown scale '%1' after '--scale'; use 100, 125, 150, 200 or fit.")
                      .arg(parser.value(ours.scale));
        else if (parsed)
            why = QStringLiteral("Unknown language '%1' after '--lang'; use en or nl.")
                      .arg(parser.value(ours.lang));
        QTextStream(stderr) << program << ": " << why << '\n' << usage;
        options.run = false;
        options.exitCode = 2;
    } else if (parser.isSet(ours.help)) {
        options.help = true;
    } else if (parser.isSet(ours.version)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n'
                            << kLicenceNotice;
        options.run = false;
    }
    options.homeDir = parser.value(ours.home);
    return options;
}

QString helpText(const QString& program) {
    const ProgramOptions ours;
    const Folders& where = folders();
    return Usage(QFileInfo(program).fileName(), QCoreApplication::translate("vx::StartUp", "Gebruik:"),
                 ours.home.valueName()) +
           QCoreApplication::translate("vx::StartUp", "Vorlentix houdt de scores bij van dartwedstrijden.") +
           QStringLiteral("\n\n") + QCoreApplication::translate("vx::StartUp", "Opties:") + u'\n' +
           OptionLines(ours.all()) + u'\n' +
           QCoreApplication::translate(
               "vx::StartUp", "Qt's eigen opties, zoals -platform, -style en -geometry, gaan door naar Qt.") +
           QStringLiteral("\n\n") +
           QCoreApplication::translate("vx::StartUp", "De bestanden van de gebruiker in deze run:") + u'\n' +
           QCoreApplication::translate("vx::StartUp",
                                       "  instellingen (Vorlentix.ini, Vorlentix-opties.ini): %1")
               .arg(Shown(where.settingsFolder())) +
           u'\n' +
           QCoreApplication::translate("vx::StartUp", "  Teams/ en het herstelbestand: %1")
               .arg(Shown(where.homeDir)) +
           u'\n';
}

bool installQtTranslations() {
    return installTranslator([](QTranslator& translator) {
        return translator.load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                               QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
}

bool applyLanguage(Language language) {
    for (QTranslator* translator : std::exchange(gTranslators, {})) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    setUiLanguage(language);
    if (language == Language::Dutch) return installQtTranslations();
    // Compiled into the program: an installed copy cannot lose it.
    return installTranslator(
        [](QTranslator& translator) { return translator.load(QStringLiteral(":/i18n/vorlentix_en.qm")); });
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/StartUp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

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

// The options the application object takes for itself; known here so they are not refused.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("session"),
    QStringLiteral("display"),         QStringLiteral("geometry"),
    QStringLiteral("style"),           QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};

// After the version, the terms in the words GNU programs use, which help2man turns into the
// manual page's copyright section.
constexpr char kLicenceNotice[] =
    "Copyright (C) 2026 the Vorlentix team\n"
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace

StartOptions readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform offscreen), so ours are read that way too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral("Vorlentix - darts score keeper"));
    // Not addHelpOption(): its --help-all lists Qt's options, which only the application object
    // knows, and it does not exist yet.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Speak English (en) or Dutch (nl) in this run; the "
                                                 "default is the choice made in the settings."),
                                  QStringLiteral("en|nl"));
    parser.addOption(lang);
    const QCommandLineOption home(
        QStringLiteral("home"),
        QStringLiteral("Keep Teams/ and Vorlentix.ini in DIR instead of beside the program."),
        QStringLiteral("DIR"));
    parser.addOption(home);
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Draw the windows at 100, 125, 150 or 200 percent, or as "
                                                  "large as the main window fits the screen, in this run."),
                                   QStringLiteral("100|125|150|200|fit"));
    parser.addOption(scale);
    for (const QString& name : kQtOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString& name : kQtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Before the application object exists the parser cannot name the program: we do.
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("Vorlentix"))).fileName();
    const QString usage =
        QStringLiteral("Usage: %1 [--home DIR] [--lang en|nl] [--help] [--version]\n").arg(program);
    StartOptions options;
    const bool parsed = parser.parse(arguments);
    // The program takes no words of its own; a stray one would reach the application object,
    // which without a display ends the program before anything can be said.
    const QStringList stray = parsed ? parser.positionalArguments() : QStringList();
    if (parsed && parser.isSet(lang)) options.language = languageFromCode(parser.value(lang));
    if (parsed && parser.isSet(scale)) options.scale = displayScaleFromCode(parser.value(scale));
    const bool badScale = parsed && parser.isSet(scale) && !options.scale;
    if (!parsed || !stray.isEmpty() || (parser.isSet(lang) && !options.language) || badScale) {
        QString why = parser.errorText();
        if (parsed && !stray.isEmpty())
            why = QStringLiteral("Unexpected argument '%1'.").arg(stray.first());
        else if (badScale)
            why = QStringLiteral("Unknown scale '%1' after '--scale'; use 100, 125, 150, 200 or fit.")
                      .arg(parser.value(scale));
        else if (parsed)
            why =
                QStringLiteral("Unknown language '%1' after '--lang'; use en or nl.").arg(parser.value(lang));
        QTextStream(stderr) << program << ": " << why << '\n' << usage;
        options.run = false;
        options.exitCode = 2;
    } else if (parser.isSet(help)) {
        const QString text = parser.helpText();
        QTextStream(stdout) << usage << text.mid(text.indexOf(u'\n') + 1);
        options.run = false;
    } else if (parser.isSet(version)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n'
                            << kLicenceNotice;
        options.run = false;
    }
    options.homeDir = parser.value(home);
    return options;
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

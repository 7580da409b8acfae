#include "core/common/StartUp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

namespace vx {

namespace {

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
    const QCommandLineOption home(
        QStringLiteral("home"),
        QStringLiteral("Keep Teams/ and Vorlentix.ini in DIR instead of beside the program."),
        QStringLiteral("DIR"));
    parser.addOption(home);
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
    const QString usage = QStringLiteral("Usage: %1 [--home DIR] [--help] [--version]\n").arg(program);
    StartOptions options;
    if (!parser.parse(arguments)) {
        QTextStream(stderr) << program << ": " << parser.errorText() << '\n' << usage;
        options.run = false;
        options.exitCode = 2;
    } else if (parser.isSet(help)) {
        const QString text = parser.helpText();
        QTextStream(stdout) << usage << text.mid(text.indexOf(u'\n') + 1);
        options.run = false;
    } else if (parser.isSet(version)) {
        QTextStream(stdout) << QCoreApplication::applicationName() << ' '
                            << QCoreApplication::applicationVersion() << '\n';
        options.run = false;
    }
    options.homeDir = parser.value(home);
    return options;
}

bool installQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vx

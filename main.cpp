// Vorlentix: a score keeper for darts. Parses the command line, finds the program's folders
// and shows the start dialog.
#include "app/Services.h"
#include "setup/QtPrompts.h"
#include "setup/StartForm.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlentix"));
    QApplication::setOrganizationName(QStringLiteral("Vorlentix"));
    QApplication::setApplicationVersion(QStringLiteral(VORLENTIX_VERSION));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vorlentix - darts score keeper"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("Keep Teams/ and Vorlentix.ini in DIR instead of beside the program."),
        QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.process(app);

    vx::setFolders(
        vx::FoldersForExecutable(QCoreApplication::applicationDirPath(), parser.value(homeOption)));
    vx::QtPrompts prompts;
    vx::setPrompts(&prompts);

    vx::StartForm start;
    start.exec();
    vx::setPrompts(nullptr);
    return 0;
}

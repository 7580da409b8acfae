// Vorlentix: a score keeper for darts. Reads the command line, finds the program's folders and
// shows the start dialog.
#include "core/common/Services.h"
#include "core/common/StartUp.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/widgets/QtPromptService.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Vorlentix"));
    QApplication::setOrganizationName(QStringLiteral("Vorlentix"));
    QApplication::setApplicationVersion(QStringLiteral(VORLENTIX_VERSION));

    // Read before the application object connects to a display, which --help, --version and a
    // mistyped option must not need.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const vx::StartOptions options = vx::readCommandLine(arguments);
    if (!options.run) return options.exitCode;

    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    vx::installQtTranslations();

    vx::setFolders(vx::foldersForExecutable(QCoreApplication::applicationDirPath(), options.homeDir));
    vx::QtPromptService prompts;
    vx::setPrompts(&prompts);

    vx::StartDialog start;
    start.exec();
    vx::setPrompts(nullptr);
    return 0;
}

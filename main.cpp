// SPDX-License-Identifier: GPL-3.0-or-later
// Vorlentix: a score keeper for darts. Reads the command line, finds the program's folders and
// shows the start dialog, or first offers to play on a match that was not closed.
#include "core/common/Services.h"
#include "core/common/StartUp.h"
#include "core/files/Settings.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/history/HistoryImportRun.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/QtPromptService.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

namespace {

// The folders and the language of the run; --help names and speaks them too, but leaves the
// folders as they are.
void settle(const vx::StartOptions& options, bool prepare) {
    vx::setFolders(vx::foldersForExecutable(QCoreApplication::applicationDirPath(), options.homeDir));
    if (prepare)
        for (const QString& file : vx::prepareFolders(vx::folders()))
            qWarning("%s stays where it is: a file of that name is in its new place already",
                     qPrintable(file));
    vx::applyLanguage(options.language.value_or(vx::readLanguage()));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Vorlentix"));
    QApplication::setOrganizationName(QStringLiteral("Vorlentix"));
    QApplication::setApplicationVersion(QStringLiteral(VORLENTIX_VERSION));
    // On Wayland the window finds its menu entry, and so its icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.vorlentix.Vorlentix"));

    // Read before the application object connects to a display, which --help, --version and a
    // mistyped option must not need.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const vx::StartOptions options = vx::readCommandLine(arguments);
    if (!options.run) return options.exitCode;
    if (options.help) {
        // The program's folder and the translators need an application object, not a display.
        QCoreApplication core(argc, argv);
        settle(options, false);
        QTextStream(stdout) << vx::helpText(arguments.value(0));
        return 0;
    }

    // The options file holds the scale, which Qt takes only when the application object is made:
    // the folders are found first, from the executable as Qt itself finds it.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString exeDir = exe.exists() ? exe.canonicalPath() : QFileInfo(arguments.value(0)).absolutePath();
    vx::setFolders(vx::foldersForExecutable(exeDir, options.homeDir));
    const vx::DisplayScale scale = options.scale.value_or(vx::readDisplayScale());
    vx::applyScaleFactor(vx::scaleFactor(scale, vx::readFittedFactor()));

    QApplication app(argc, argv);
    // Qt has taken its own options out; a word it did not know is refused now.
    if (const vx::StartOptions left =
            vx::readCommandLine(QCoreApplication::arguments(), vx::QtOptions::Taken);
        !left.run)
        return left.exitCode;
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));

    settle(options, true);
    // "Passend" is measured on the screen of this run and fits from the next start on.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && scale == vx::DisplayScale::Fit)
        if (const double fitted = vx::fitFactorOn(*screen); fitted != vx::readFittedFactor())
            vx::writeFittedFactor(fitted);
    vx::QtPromptService prompts;
    vx::setPrompts(&prompts);

    // What was played before goes into the history before a match can write to it.
    vx::importHistoryAtFirstStart(nullptr);
    // A match that was not closed is offered before anything else; played on, its window comes
    // up over the start dialog, as if opened from it.
    vx::MainWindow* resumed = vx::offerToResumeMatch();
    vx::StartDialog start;
    if (resumed) QTimer::singleShot(0, &start, [&start, resumed] { start.showMainWindow(resumed); });
    start.exec();
    vx::setPrompts(nullptr);
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on after the program was ended without closing the match: the recovery file offered
// at start-up and the main window put back as it was after the last booked turn.
#include "core/common/Services.h"
#include "core/files/RecoveryWriter.h"
#include "core/history/HistoryRecorder.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/DuoPanel.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <utility>

namespace vx {

namespace {

// Told once per run, not once per window: a home that cannot be written stays so.
bool g_recoveryFailureTold = false;
bool g_historyFailureTold = false;

} // namespace

void MainWindow::connectRecovery() {
    connect(m_recovery, &RecoveryWriter::writeFailed, this, [](const QString& why) {
        if (std::exchange(g_recoveryFailureTold, true)) return;
        showMessage(tr("De wedstrijd die nu gespeeld wordt, kan niet worden bewaard voor het geval het "
                       "programma onverwacht stopt.\n%1\nU kunt gewoon verder spelen.")
                        .arg(why));
    });
    connect(m_history, &HistoryRecorder::failed, this, [](const QString& why) {
        if (!std::exchange(g_historyFailureTold, true)) showMessage(why);
    });
}

void MainWindow::resume(const Recovery& recovery) {
    const auto* duo = std::get_if<DuoRecovery>(&recovery.match);
    compose(duo ? MatchKind::Duo : MatchKind::Team);
    const RebuiltList list = rebuildScoreList(recovery);
    if (!list.problem.isEmpty()) {
        // The file about to be written anew holds the changes that could not be placed.
        QString copy;
        const FileResult kept = copyRecoveryAside(recoveryFilePath(), &copy);
        showMessage(list.problem + u'\n' +
                    (kept
                         ? tr("Het herstelbestand is bewaard als \"%1\".").arg(QDir::toNativeSeparators(copy))
                         : kept.error));
        if (list.baseUnreadable && recovery.base)
            m_unreadableFiles.insert(QFileInfo(recoveryBasePath(*recovery.base)).absoluteFilePath());
    }
    // The rows first: the recovery file is written anew as soon as the match is back, and must
    // never lose them in between.
    scoreList.replaceAll(list.rows);
    session.scoreListChanged = recovery.listChanged || !list.problem.isEmpty();
    m_recovery->listResumed(list.base, list.origins);
    if (duo) {
        restoreMatch(*duo, m_duo);
        session.duoFileName = duo->fileName;
        scoreList.setFirstHeader(QString());
        m_menus->showFileName(duo->fileName);
        m_duoPanel->showSetup(m_duo.setup());
        m_duoPanel->showMatch(m_duo);
        m_dartBoard->setDartButtonsEnabled(!m_duo.isLegOver());
    } else {
        restoreMatch(std::get<TeamRecovery>(recovery.match), m_team);
        scoreList.setFirstHeader(m_team.playerName());
        m_dartBoard->setAddEnabled(!m_team.leg().isWon());
    }
    if (recovery.scoreboard) reopenScoreboard(*recovery.scoreboard);
    m_history->resumed(duo != nullptr);
    // A restored duo match sends nothing the writer follows; the file is written in this
    // version's form at once either way.
    m_recovery->update();
}

MainWindow* offerToResumeMatch() {
    const QString path = recoveryFilePath();
    if (!QFile::exists(path)) return nullptr;
    Recovery recovery;
    QString why;
    if (const FileResult read = readRecovery(path, &recovery, &why); !read) {
        // Named as it is found from now on.
        QString movedTo;
        const FileResult aside = setRecoveryAside(path, &movedTo);
        showMessage(aside ? recoveryRefusal(movedTo, why)
                          : read.error + QStringLiteral("\r\n") + aside.error);
        return nullptr;
    }
    const QString when = recovery.savedAt.toString(QStringLiteral("d-M-yyyy HH:mm"));
    if (!prompts().question(
            QCoreApplication::translate("vx::MainWindow",
                                        "De vorige wedstrijd is niet afgesloten (%1). Wilt u verder spelen?")
                .arg(when),
            kAppTitle)) {
        if (const FileResult aside = setRecoveryAside(path); !aside) showMessage(aside.error);
        return nullptr;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto* main = new MainWindow;
    main->resume(recovery);
    QApplication::restoreOverrideCursor();
    return main;
}

} // namespace vx

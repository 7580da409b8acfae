// Playing on after the program was ended without closing the match: the recovery file offered
// at start-up and the main window put back as it was after the last booked turn.
#include "core/common/Services.h"
#include "core/files/RecoveryWriter.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/DuoPanel.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QFile>

namespace vx {

void MainWindow::resume(const Recovery& recovery) {
    const auto* duo = std::get_if<DuoRecovery>(&recovery.match);
    compose(duo ? MatchKind::Duo : MatchKind::Team);
    // The rows first: the recovery file is written anew as soon as the match is back, and must
    // never lose them in between.
    scoreList.replaceAll(recovery.rows);
    session.scoreListChanged = recovery.listChanged;
    if (duo) {
        restoreMatch(*duo, m_duo);
        session.duoFileName = duo->fileName;
        scoreList.setFirstHeader(QStringLiteral("Naam Speler"));
        m_menus->showFileName(duo->fileName);
        m_duoPanel->showSetup(m_duo.setup());
        m_duoPanel->showMatch(m_duo);
        m_dartBoard->setDartButtonsEnabled(!m_duo.isLegOver());
    } else {
        restoreMatch(std::get<TeamRecovery>(recovery.match), m_team);
        scoreList.setFirstHeader(m_team.playerName());
        m_dartBoard->setAddEnabled(!m_team.leg().isWon());
    }
}

MainWindow* offerToResumeMatch() {
    const QString path = recoveryFilePath();
    if (!QFile::exists(path)) return nullptr;
    Recovery recovery;
    if (const FileResult read = readRecovery(path, &recovery); !read) {
        const FileResult aside = setRecoveryAside(path);
        showMessage(aside ? read.error : read.error + QStringLiteral("\r\n") + aside.error);
        return nullptr;
    }
    const QString when = recovery.savedAt.toString(QStringLiteral("d-M-yyyy HH:mm"));
    if (!prompts().question(
            QStringLiteral("De vorige wedstrijd is niet afgesloten (%1). Wilt u verder spelen?").arg(when),
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

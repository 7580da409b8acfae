// SPDX-License-Identifier: GPL-3.0-or-later
// Team match play on the main window: darts, booking a turn, the end of a leg, calling the
// next player and taking over the one picked. The rules are the team match's.
#include "core/common/Services.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TeamPanel.h"

namespace vx {

void MainWindow::startTeamMatch(const TeamSetup& setup) {
    m_team.start(setup);
    // Also for a new team: the list on screen must be player 1's, or the rows of whoever threw
    // before would be saved into player 1's file. A missing file simply gives an empty list.
    scoreList.setFirstHeader(m_team.playerName());
    if (const FileResult loaded = loadPlayerList(); !loaded) showMessage(loaded.error);
}

void MainWindow::enterTeamDart(int points, const QString& dartCode) {
    TeamLeg& leg = m_team.leg();
    const TeamLeg::DartResult result = leg.enterDart(points, dartCode);
    if (result == TeamLeg::DartResult::Ignored) return;
    m_teamPanel->markDart(dartCode);
    if (result == TeamLeg::DartResult::Held) return;
    m_dartBoard->showTurnTotal(leg.turn().sum());
    if (result != TeamLeg::DartResult::LegWon) return;
    addTeamLegRow();
    showMessage(tr("Einde Leg, klik op 'Volgende Speler'..."));
}

void MainWindow::bookTeamTurn() {
    if (m_team.leg().bookTurn()) m_teamPanel->clearMarkers();
}

void MainWindow::offerNextPlayer() {
    if (!m_team.hasTeam()) return;
    m_teamPanel->clearMarkers();
    m_teamPanel->offerPlayers(m_team.setup().players);
}

void MainWindow::takeOverPlayer(int row) {
    // The player who threw stays at the board when the list cannot be written: switching now
    // would drop the finished legs that are only in memory.
    if (const FileResult saved = savePlayerList(); !saved) {
        showMessage(saved.error + QStringLiteral("\r\n") + tr("De speler is niet gewisseld."));
        return;
    }
    m_team.takeOver(row + 1);
    // An empty list after a failed load would be written over the player's file after the
    // next leg: say so now.
    if (const FileResult loaded = loadPlayerList(); !loaded) showMessage(loaded.error);
    scoreList.setFirstHeader(m_team.playerName());
}

} // namespace vx

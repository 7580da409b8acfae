// SPDX-License-Identifier: GPL-3.0-or-later
// Duo match play on the main window: booking a turn and what the match answers, the end of
// the match and a new one. Legs, sets, the winner and the starter are the duo match's.
#include "core/common/Services.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"

namespace vx {

void MainWindow::startDuoMatch(const DuoSetup& setup, const QString& fileName) {
    // Player 1 throws first; a match ended before leaves nothing of its last leg behind.
    m_duo.start(setup);
    scoreList.setFirstHeader(QString());
    session.duoFileName = fileName;
    // A new name has no file yet: the list is then empty until the match is saved.
    if (const FileResult loaded = loadDuoList(fileName); !loaded) showMessage(loaded.error);
    m_menus->showFileName(fileName);
}

void MainWindow::bookDuoTurn(int player) {
    if (player != m_duo.atTheThrow()) return;
    using Result = DuoMatch::BookResult;
    const Result result = m_duo.bookTurn();
    if (result == Result::TooHigh) showMessage(tr("Score is te hoog, klik op button 'Correctie'"));
    if (result < Result::LegWon) return;
    addDuoLegRows();
    showMessage(tr("Einde ronde, klik op 'Volgende Ronde'..."));
    if (result == Result::MatchWon) endDuoMatch();
}

void MainWindow::endDuoMatch() {
    // The winner's name as the table of sets and legs shows it, with its trailing blank.
    const QString text = tr("Einde Duo Match, %1  heeft gewonnen.").arg(m_duo.name(m_duo.winner())) +
                         QStringLiteral("\r\n") + tr("Wil je een nieuwe Match starten?");
    if (!prompts().question(text, tr("End Match"))) return;
    // A new match replaces the score list: keep the finished one on screen when it could not
    // be written, so it can still be saved another way.
    if (const FileResult saved = saveDuoList(session.duoFileName); !saved) {
        showMessage(saved.error);
        return;
    }
    DuoSetupDialog form(*this, this);
    showDialog(form);
}

} // namespace vx

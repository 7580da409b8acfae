// Team match play on the main window: booking a turn, the end of a leg, calling the next
// player and taking over the chosen one. The labels hold the state the scorer sees: Label7 is
// the remaining score before the turn, Label9 the player at the board ("?" before a team).
#include "core/common/Utilities.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QListWidget>

namespace vx {

namespace {

const QString kNoPlayer = QStringLiteral("?");

} // namespace

void MainWindow::TeamDartEntered() {
    // A won leg has Label7 at 0 until the next player is taken over; a miss entered then must
    // not end that leg a second time.
    if (Label9->text() == kNoPlayer || state.RemainingScore < 0 || Val(Label7->text()) == 0) return;
    const int sum = DartSlotSum();
    ShowCheckout(state.RemainingScore, 0);
    AddKnop->setToolTip(QStringLiteral(" Score van ") + QString::number(sum) + QStringLiteral(" toevoegen "));
    ++state.DartNumber;
    if (state.RemainingScore != 0) return;

    List1->addItem(QString::number(sum));
    Label7->setText(QStringLiteral("0"));
    AddKnop->setEnabled(false);
    AddTeamLegRow();
    showMessage(QStringLiteral("Einde Leg, klik op 'Volgende Speler'..."));
}

void MainWindow::AddKnopClick() {
    if (Label9->text() == kNoPlayer || state.RemainingScore < 0) return;
    ClearPic();
    List1->addItem(QString::number(DartSlotSum()));
    Label7->setText(QString::number(state.RemainingScore));
    for (int j = 1; j <= 3; ++j)
        Label5[j]->setText(QStringLiteral("0"));
    state.DartNumber = 1;
}

void MainWindow::NextPlayerKnopClick() {
    if (Label9->text() == kNoPlayer) return;
    ClearPic();
    SpelersList->clear();
    const int count = qBound(0, state.PlayerCount, MatchState::kMaxPlayers);
    for (int i = 1; i <= count; ++i)
        SpelersList->addItem(state.PlayerNames[i]);
    SpelersList->show();
    SpelersList->setFocus();
}

void MainWindow::SpelersListClick(int index) {
    if (SpelersList->isHidden() || index < 0 || index >= SpelersList->count()) return;
    const QString team = Label12->text();
    // The player who threw keeps the list on screen when it cannot be written: switching now
    // would drop the finished legs that are only in memory.
    if (const FileResult saved = SavePlayerList(team, Label9->text()); !saved) {
        SpelersList->hide();
        showMessage(saved.error + QStringLiteral("\r\nDe speler is niet gewisseld."));
        return;
    }

    const QString name = SpelersList->item(index)->text();
    Label9->setText(name);
    SpelersList->hide();
    Label18->setText(QString::number(index + 1));
    StartTeamLeg();
    // An empty list after a failed load would be written over the player's file after the
    // next leg: say so now.
    if (const FileResult loaded = LoadPlayerList(team, name); !loaded) showMessage(loaded.error);
    scoreList.setFirstHeader(name);
}

void MainWindow::StartTeamLeg() {
    List1->clear();
    ClearPic();
    for (int j = 1; j <= 3; ++j)
        Label5[j]->setText(QStringLiteral("0"));
    Label7->setText(QString::number(state.StartScore));
    UitgooiLabel->setText(QStringLiteral("Darts Checkout"));
    state.RemainingScore = state.StartScore;
    state.DartNumber = 1;
    AddKnop->setEnabled(true);
}

} // namespace vx

// Duo match play on the main window: booking a turn, the end of a leg, counting legs and sets,
// the end of the match and the next leg. The player at the throw is the one whose add button
// is enabled; there is no other record of it.
#include "core/common/Utilities.h"
#include "ui/widgets/FormLook.h"
#include "core/scorelist/LegRows.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QListWidget>

namespace vx {

namespace {

const QColor kAtTheThrow(150, 250, 120);
const QColor kWaiting(250, 250, 220);

int WholeNumber(const QString& text) {
    return int(RoundHalfEven(Val(text)));
}

} // namespace

void MainWindow::DuoDartEntered() {
    const int sum = DartSlotSum();
    const int w = AddKnopDuo[1]->isEnabled() ? 1 : 2;
    PuntenLabel[w]->setText(QString::number(sum));
    ShowCheckout(WholeNumber(ScoreLabel[w]->text()) - sum, w);
    ++state.DartNumber;
}

void MainWindow::AddKnopDuoClick(int p) {
    if (Val(ScoreLabel[p]->text()) < Val(PuntenLabel[p]->text())) {
        showMessage(QStringLiteral("Score is te hoog, klik op button 'Correctie'"));
        return;
    }
    const int sum = DartSlotSum();
    state.DuoRemaining[p] -= sum;
    ScoreLabel[p]->setText(QString::number(state.DuoRemaining[p]));
    ListSpeler[p]->addItem(QString::number(sum));
    PuntenLabel[p]->setText(QStringLiteral("0"));
    for (int j = 1; j <= 3; ++j)
        Label5[j]->setText(QStringLiteral("0"));

    const int other = 3 - p;
    AddKnopDuo[p]->setEnabled(false);
    AddKnopDuo[other]->setEnabled(true);
    SetBackColor(ListSpeler[p], kWaiting);
    SetBackColor(ListSpeler[other], kAtTheThrow);

    GemidLabel[p]->setText(AveragePerDart(ListEntries(ListSpeler[p])));
    if (ScoreLabel[p]->text() == QLatin1String("0")) EndOfLeg(p);
    CountLegs();
    state.DartNumber = 1;
}

void MainWindow::EndOfLeg(int p) {
    ScoreLabel[p]->setText(QStringLiteral("0"));
    NextKnop->setEnabled(true);
    AddDuoLegRows();
    SetDartButtons(false);
    // Until the next leg starts nobody books: a turn of 0 for the player next in line would
    // make CountLegs count this leg a second time.
    AddKnopDuo[1]->setEnabled(false);
    AddKnopDuo[2]->setEnabled(false);
    showMessage(QStringLiteral("Einde ronde, klik op 'Volgende Ronde'..."));
}

void MainWindow::CountLegs() {
    for (int q = 1; q <= 2; ++q) {
        if (Val(ScoreLabel[q]->text()) != 0) continue;
        int& legs = q == 1 ? state.LegsWon1 : state.LegsWon2;
        int& sets = q == 1 ? state.SetsWon1 : state.SetsWon2;
        ++legs;
        if (state.DuoMatchKind != 1) {
            if (legs == state.LegsToWin) {
                LegsLabel[q]->setText(QString::number(legs));
                EndOfMatch(q);
            }
        } else if (legs == 3) {
            // Only the set winner starts the next set from 0; the loser's legs carry on.
            legs = 0;
            ++sets;
            SetsLabel[q]->setText(QString::number(sets));
            if (sets == state.SetsToWin) {
                LegsLabel[q]->setText(QString::number(legs));
                EndOfMatch(q);
            }
        }
        LegsLabel[q]->setText(QString::number(legs));
    }
}

void MainWindow::EndOfMatch(int q) {
    SetDartButtons(false);
    // The match is decided: a further leg would count on past the target, and the other player
    // could then be announced as a second winner. A new match starts from the duo setup.
    NextKnop->setEnabled(false);
    const QString text = QStringLiteral("Einde Duo Match, ") + NaamLabel[q]->text() +
                         QStringLiteral(" heeft gewonnen.") + QStringLiteral("\r\n") +
                         QStringLiteral("Wil je een nieuwe Match starten?");
    if (!prompts().question(text, QStringLiteral("End Match"))) return;
    // A new match replaces the score list: keep the finished one on screen when it could not
    // be written, so it can still be saved another way.
    if (const FileResult saved = SaveDuoList(state.DuoFileName); !saved) {
        showMessage(saved.error);
        return;
    }
    DuoSetupDialog form(*this, this);
    showDialog(form);
}

void MainWindow::NextKnopClick() {
    // The starter alternates from leg to leg.
    StartDuoLeg(StartBol[1]->isHidden() ? 1 : 2);
}

void MainWindow::StartDuoLeg(int starter) {
    for (int k = 1; k <= 2; ++k) {
        ScoreLabel[k]->setText(QString::number(state.StartScore));
        state.DuoRemaining[k] = state.StartScore;
    }
    for (int j = 1; j <= 3; ++j)
        Label5[j]->setText(QStringLiteral("0"));
    ListSpeler[1]->clear();
    ListSpeler[2]->clear();
    state.DartNumber = 1;
    for (int k = 1; k <= 2; ++k) {
        PuntenLabel[k]->setText(QStringLiteral("0"));
        UitgooiSpeler[k]->setText(QStringLiteral("Checkout"));
        GemidLabel[k]->setText(QStringLiteral("0"));
    }
    const int other = 3 - starter;
    StartBol[other]->hide();
    StartBol[starter]->show();
    AddKnopDuo[other]->setEnabled(false);
    AddKnopDuo[starter]->setEnabled(true);
    SetBackColor(ListSpeler[other], kWaiting);
    SetBackColor(ListSpeler[starter], kAtTheThrow);
    NextKnop->setEnabled(false);
    SetDartButtons(true);
}

void MainWindow::UndoLastTurn(int p, int kind) {
    if (kind == 0) {
        // A finished leg is already two rows of the score list; taking a turn back now would
        // only make the panel disagree with them.
        if (ListSpeler[p]->count() == 0 || ScoreLabel[1]->text() == QLatin1String("0") ||
            ScoreLabel[2]->text() == QLatin1String("0"))
            return;
        // The darts in the slots are the other player's, who stays at the throw: they stay.
        QListWidget* turns = ListSpeler[p];
        ScoreLabel[p]->setText(QString::number(WholeNumber(ScoreLabel[p]->text()) +
                                               WholeNumber(turns->item(turns->count() - 1)->text())));
        delete turns->takeItem(turns->count() - 1);
        state.DuoRemaining[p] = WholeNumber(ScoreLabel[p]->text());
        // The average goes into the leg's row as shown.
        GemidLabel[p]->setText(AveragePerDart(ListEntries(turns)));
        return;
    }
    // The same for a won team leg, which leaves Label7 at 0 with its last turn still listed.
    if (Val(Label7->text()) == 0) return;
    // The darts of the turn in play were taken off the score of before that turn: they go
    // first, with their markers, or they would count again once the booked turn is back.
    CorrectieKnopClick();
    ClearPic();
    if (List1->count() == 0) return;
    Label7->setText(
        QString::number(WholeNumber(Label7->text()) + WholeNumber(List1->item(List1->count() - 1)->text())));
    delete List1->takeItem(List1->count() - 1);
    state.RemainingScore = WholeNumber(Label7->text());
}

} // namespace vx

// The main window's side of the score list: finished legs become rows, rows go to and come
// from their files, the checkout table answers remaining scores.
#include "app/Checkout.h"
#include "app/FormLook.h"
#include "app/LegRows.h"
#include "app/Main.h"
#include "app/Services.h"
#include "shell/VistaButton.h"

#include <QLabel>
#include <QListWidget>

namespace vx {

FileResult Main::LoadPlayerList(const QString& team, const QString& player) {
    const FileResult result = vx::LoadPlayerList(scoreList, team, player);
    if (result)
        ShowRowCount();
    return result;
}

FileResult Main::SavePlayerList(const QString& team, const QString& player) {
    if (player == QStringLiteral("?") || (List1->count() == 0 && !state.ScoreListChanged))
        return FileResult::success();
    const FileResult result = vx::SavePlayerList(scoreList, team, player);
    if (result)
        state.ScoreListChanged = false;
    return result;
}

FileResult Main::LoadDuoList(const QString& name) {
    const FileResult result = vx::LoadDuoList(scoreList, name);
    if (result)
        ShowRowCount();
    return result;
}

FileResult Main::SaveDuoList(const QString& name) {
    const FileResult result = vx::SaveDuoList(scoreList, name);
    if (result)
        state.ScoreListChanged = false;
    return result;
}

void Main::AddTeamLegRow() {
    scoreList.appendRow(TeamLegRow(ListEntries(List1), LegTimeStamp(clock().now())));
    state.ScoreListChanged = true;
    ShowRowCount();
}

void Main::AddDuoLegRows() {
    // Both turn lists are taken before any row is added.
    const std::array<QStringList, 3> turns = {QStringList(), ListEntries(ListSpeler[1]), ListEntries(ListSpeler[2])};
    for (int p = 1; p <= 2; ++p)
        scoreList.appendRow(DuoLegRow(SpelerLabel[p]->text(), ScoreLabel[p]->text() == QStringLiteral("0"), turns[p],
                                      GemidLabel[p]->text()));
    state.ScoreListChanged = true;
    ShowRowCount();
}

QStringList Main::checkoutTable() const { return ListEntries(UitgooiList); }

void Main::ShowCheckout(int score, int player) {
    UitgooiLabel->setText(QStringLiteral("Darts Checkout"));
    const std::optional<QString> suggestion = LookupCheckout(checkoutTable(), score);
    if (!Frame4->isHidden()) {
        if (suggestion)
            UitgooiLabel->setText(*suggestion);
    } else if (player == 1 || player == 2) {
        // A suggestion left over from an earlier score would point the player the wrong way.
        UitgooiSpeler[player]->setText(suggestion.value_or(QStringLiteral("Checkout")));
    }
}

void Main::SetDartButtons(bool enable) {
    for (int i = 1; i <= 20; ++i) {
        Knop1[i]->setEnabled(enable);
        Knop2[i]->setEnabled(enable);
        Knop3[i]->setEnabled(enable);
    }
    Bull25->setEnabled(enable);
    Bull50->setEnabled(enable);
    ZeroKnop->setEnabled(enable);
}

} // namespace vx

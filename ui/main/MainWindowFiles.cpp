// The main window's side of the score list: finished legs become rows, rows go to and come
// from their files, the checkout table answers remaining scores.
#include "core/match/Checkout.h"
#include "ui/widgets/FormLook.h"
#include "core/scorelist/LegRows.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/widgets/StyledButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace vx {

// A file that is there but could not be read (damaged, or not a score list) is never written
// over: the list on screen does not hold its rows, and replacing it would lose them for good.
// A file that is simply not there yet, or empty, is a new list.
FileResult MainWindow::AfterLoad(const FileResult& result, const QString& path) {
    const QFileInfo file(path);
    const bool unreadable = !result && file.exists() && file.size() > 0;
    if (unreadable)
        m_unreadableFiles.insert(file.absoluteFilePath());
    else
        m_unreadableFiles.remove(file.absoluteFilePath());
    // What is on screen now is what is on disk (or nothing at all): no unsaved changes.
    state.ScoreListChanged = false;
    return unreadable ? result : FileResult::success();
}

FileResult MainWindow::BeforeSave(const QString& path) const {
    if (m_unreadableFiles.contains(QFileInfo(path).absoluteFilePath()))
        return FileResult::failure(
            QStringLiteral("Het bestand %1 kon niet worden gelezen en wordt daarom niet overschreven.")
                .arg(QDir::toNativeSeparators(path)));
    return FileResult::success();
}

// A refused name is answered before its path is looked at.
FileResult MainWindow::LoadPlayerList(const QString& team, const QString& player) {
    if (const FileResult named = CheckName(team, NameKind::Team); !named) return named;
    if (const FileResult named = CheckName(player, NameKind::Player); !named) return named;
    return AfterLoad(vx::LoadPlayerList(scoreList, team, player), PlayerFilePath(team, player));
}

FileResult MainWindow::SavePlayerList(const QString& team, const QString& player) {
    if (player == QStringLiteral("?") || (List1->count() == 0 && !state.ScoreListChanged))
        return FileResult::success();
    if (const FileResult allowed = BeforeSave(PlayerFilePath(team, player)); !allowed) return allowed;
    const FileResult result = vx::SavePlayerList(scoreList, team, player);
    if (result) state.ScoreListChanged = false;
    return result;
}

FileResult MainWindow::LoadDuoList(const QString& name) {
    if (const FileResult named = CheckName(name, NameKind::Duo); !named) return named;
    return AfterLoad(vx::LoadDuoList(scoreList, name), DuoFilePath(name));
}

FileResult MainWindow::SaveDuoList(const QString& name) {
    if (const FileResult allowed = BeforeSave(DuoFilePath(name)); !allowed) return allowed;
    const FileResult result = vx::SaveDuoList(scoreList, name);
    if (result) state.ScoreListChanged = false;
    return result;
}

namespace {

// A row holds 25 turns; the scorer hears once per leg that the rest of a longer one is not kept.
void TellOfTurnsLeftOut(qsizetype mostTurns) {
    if (mostTurns > ScoreListModel::kTurnColumns)
        showMessage(QStringLiteral(
            "Deze leg had meer dan 25 beurten; beurt 26 en verder staan niet in de scorelijst."));
}

} // namespace

void MainWindow::AddTeamLegRow() {
    const QStringList turns = ListEntries(List1);
    scoreList.appendRow(TeamLegRow(turns, LegTimeStamp(clock().now())));
    state.ScoreListChanged = true;
    TellOfTurnsLeftOut(turns.size());
}

void MainWindow::AddDuoLegRows() {
    // Both turn lists are taken before any row is added.
    const std::array<QStringList, 3> turns = {QStringList(), ListEntries(ListSpeler[1]),
                                              ListEntries(ListSpeler[2])};
    for (int p = 1; p <= 2; ++p)
        scoreList.appendRow(DuoLegRow(SpelerLabel[p]->text(), ScoreLabel[p]->text() == QStringLiteral("0"),
                                      turns[p], GemidLabel[p]->text()));
    state.ScoreListChanged = true;
    TellOfTurnsLeftOut(std::max(turns[1].size(), turns[2].size()));
}

QStringList MainWindow::checkoutTable() const {
    return ListEntries(UitgooiList);
}

void MainWindow::ShowCheckout(int score, int player) {
    UitgooiLabel->setText(QStringLiteral("Darts Checkout"));
    const std::optional<QString> suggestion = LookupCheckout(checkoutTable(), score);
    if (!Frame4->isHidden()) {
        if (suggestion) UitgooiLabel->setText(*suggestion);
    } else if (player == 1 || player == 2) {
        // A suggestion left over from an earlier score would point the player the wrong way.
        UitgooiSpeler[player]->setText(suggestion.value_or(QStringLiteral("Checkout")));
    }
}

void MainWindow::SetDartButtons(bool enable) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the score list: finished legs become rows, rows go to and come
// from their files.
#include "core/common/Services.h"
#include "core/files/RecoveryWriter.h"
#include "core/scorelist/LegRows.h"
#include "ui/main/BackgroundWork.h"
#include "ui/main/MainWindow.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace vx {

// A file that is there but could not be read (damaged, or not a score list) is never written
// over: the list on screen does not hold its rows, and replacing it would lose them for good.
// A file that is simply not there yet, or empty, is a new list.
FileResult MainWindow::afterLoad(const FileResult& result, const QString& path) {
    const QFileInfo file(path);
    const bool unreadable = !result && file.exists() && file.size() > 0;
    if (unreadable)
        m_unreadableFiles.insert(file.absoluteFilePath());
    else
        m_unreadableFiles.remove(file.absoluteFilePath());
    // What is on screen now is what is on disk (or nothing at all): no unsaved changes.
    session.scoreListChanged = false;
    if (result)
        m_recovery->listOnDisk(path);
    else
        m_recovery->update();
    return unreadable ? result : FileResult::success();
}

FileResult MainWindow::beforeSave(const QString& path) const {
    if (m_unreadableFiles.contains(QFileInfo(path).absoluteFilePath()))
        return FileResult::failure(
            tr("Het bestand %1 kon niet worden gelezen en wordt daarom niet overschreven.")
                .arg(QDir::toNativeSeparators(path)));
    return FileResult::success();
}

// Read on a thread of its own, as a list of 50 MB takes seconds. On failure the list is left
// empty, as after any failed load. Cancelled, the list stays as it was; it is then not the
// file's, so the file is kept from being written over as one that could not be read.
FileResult MainWindow::loadList(const QString& path) {
    ScoreRows rows;
    FileResult read;
    const bool canceled = runWithProgress(this, tr("De scorelijst wordt geladen..."),
                                          [&](const Progress& progress) { read = readScoreListRows(path, &rows, progress); });
    if (canceled) {
        m_unreadableFiles.insert(QFileInfo(path).absoluteFilePath());
        return FileResult::failure(tr("Het laden van %1 is afgebroken; de scorelijst is niet veranderd.")
                                       .arg(QDir::toNativeSeparators(path)));
    }
    scoreList.replaceAll(std::move(rows));
    return afterLoad(read, path);
}

// Written on a thread of its own. The list cannot change meanwhile: the window takes no input
// until the writing is done.
FileResult MainWindow::saveList(const std::function<FileResult(const Progress&)>& save) {
    FileResult result;
    runWithProgress(this, tr("De scorelijst wordt opgeslagen..."),
                    [&](const Progress& progress) { result = save(progress); });
    return result;
}

// A refused name is answered before its path is looked at.
FileResult MainWindow::loadPlayerList() {
    const QString& team = m_team.setup().team;
    const QString player = m_team.playerName();
    if (const FileResult named = checkName(team, NameKind::Team); !named) return named;
    if (const FileResult named = checkName(player, NameKind::Player); !named) return named;
    return loadList(playerFilePath(team, player));
}

FileResult MainWindow::savePlayerList() {
    if (!m_team.hasTeam() || (m_team.leg().turns().isEmpty() && !session.scoreListChanged))
        return FileResult::success();
    const QString& team = m_team.setup().team;
    const QString player = m_team.playerName();
    if (const FileResult allowed = beforeSave(playerFilePath(team, player)); !allowed) return allowed;
    const FileResult result =
        saveList([&](const Progress& progress) { return vx::savePlayerList(scoreList, team, player, progress); });
    if (result) {
        session.scoreListChanged = false;
        m_recovery->listOnDisk(playerFilePath(team, player));
    }
    return result;
}

FileResult MainWindow::loadDuoList(const QString& name) {
    if (const FileResult named = checkName(name, NameKind::Duo); !named) return named;
    return loadList(duoFilePath(name));
}

FileResult MainWindow::saveDuoList(const QString& name) {
    if (const FileResult allowed = beforeSave(duoFilePath(name)); !allowed) return allowed;
    const FileResult result =
        saveList([&](const Progress& progress) { return vx::saveDuoList(scoreList, name, progress); });
    if (result) {
        session.scoreListChanged = false;
        m_recovery->listOnDisk(duoFilePath(name));
    }
    return result;
}

namespace {

// A row holds 25 turns; the scorer hears once per leg that the rest of a longer one is not kept.
void TellOfTurnsLeftOut(qsizetype mostTurns) {
    if (mostTurns > ScoreListModel::kTurnColumns)
        showMessage(MainWindow::tr(
            "Deze leg had meer dan 25 beurten; beurt 26 en verder staan niet in de scorelijst."));
}

} // namespace

void MainWindow::addTeamLegRow() {
    const QStringList turns = turnTexts(m_team.leg().turns());
    scoreList.appendRow(teamLegRow(turns, legTimeStamp(clock().now())));
    session.scoreListChanged = true;
    m_recovery->update();
    TellOfTurnsLeftOut(turns.size());
}

void MainWindow::addDuoLegRows() {
    for (int p = 1; p <= 2; ++p)
        scoreList.appendRow(
            duoLegRow(m_duo.name(p), m_duo.remaining(p) == 0, turnTexts(m_duo.turns(p)), m_duo.average(p)));
    session.scoreListChanged = true;
    m_recovery->update();
    TellOfTurnsLeftOut(std::max(m_duo.turns(1).size(), m_duo.turns(2).size()));
}

} // namespace vx

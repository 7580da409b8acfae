// SPDX-License-Identifier: GPL-3.0-or-later
// The score list files (".lib") under Teams/: one file per player inside a team folder, one
// file per duo match directly in Teams/. Each file is Windows-1252 text with CR LF line ends:
// three header lines (a title, the player's name or "Duomatch", 28 hyphens), then per row its
// 28 cells on 28 lines and the 28-hyphen separator.
//
// Nothing here throws and nothing fails silently: every routine that can fail answers with a
// FileResult whose error is a Dutch sentence a dialog can show as it is.
#pragma once

#include "core/scorelist/ScoreList.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vx {

struct FileResult {
    bool ok = true;
    QString error; // empty when ok

    static FileResult success() { return {}; }
    static FileResult failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

inline const QString kScoreListTitle = QStringLiteral("Vorlentix scorelijst");
inline const QString kDuoHeaderName = QStringLiteral("Duomatch");
inline const QString kRecordSeparator = QStringLiteral("----------------------------");

// Whether a team, player or duo match name can become part of a path under Teams/: no path
// separators, not "." or "..", no control characters, nothing another system's file names
// refuse, not too long, every character one Windows-1252 can hold (the name is written into
// the file). Player and duo match names may be empty (the file is then ".lib"); a team name
// may not, as the team folder would be Teams/ itself.
enum class NameKind { Team, Player, Duo };
FileResult checkName(const QString& name, NameKind kind);

QString teamFolderPath(const QString& team);
QString playerFilePath(const QString& team, const QString& player);
QString duoFilePath(const QString& name);

// Long work (a list of 100,000 rows) tells now and then how far it is, `done` out of `total`,
// and stops, failing, as soon as this answers false. Called on the thread doing the work.
using Progress = std::function<bool(qsizetype done, qsizetype total)>;

// The bytes of a score list file, without any file: the encoded lines of a whole file, and
// the rows read back from them. Encoding fails on a cell that does not fit a line, `badLine`
// then being its 0-based line (-1 when stopped by `progress`). Parsing skips the text of header
// lines 1 and 2, keeps a final record cut short with its missing cells empty and skips records
// whose first cell is blank. A text is a score list only when line 3 and the last line of
// every complete record are the separator, and a final record cut short does not end on one:
// anything else (a foreign text, a record that lost or gained a line) fails with no rows, and
// `badLine` gets the 0-based index of the line out of place (-1 when there are fewer than
// three lines, or when stopped). Without `rows`, parsing only checks.
bool encodeScoreList(const ScoreRows& rows, const QString& headerName, QByteArray* out,
                     qsizetype* badLine = nullptr, const Progress& progress = {});
bool parseScoreList(QByteArrayView bytes, ScoreRows* rows, qsizetype* badLine = nullptr,
                    const Progress& progress = {});

// The rows of a file, none on failure; safe on any thread.
FileResult readScoreListRows(const QString& path, ScoreRows* rows, const Progress& progress = {});
// Replaces the rows of the model by those of a file. On failure (no such file, not a score
// list, a refused name) the model is left empty; the caller then leaves its row counter as
// it was, and refreshes it only on success.
FileResult readScoreList(const QString& path, ScoreListModel& model);
FileResult loadPlayerList(ScoreListModel& model, const QString& team, const QString& player);
FileResult loadDuoList(ScoreListModel& model, const QString& name);

// Writes the whole model as a new file and replaces the old one only once the new one is
// complete: after a failure the old file is exactly as it was. A file that is no score list is
// never replaced. The player writer creates the
// team folder, the duo writer the Teams folder.
//
// These write unconditionally. The main window decides whether to call them: a player's list
// is written when the leg's turn list is not empty or the list has unsaved changes, and never
// for the "?" player. Stopped by `progress` before the write, they write nothing.
FileResult savePlayerList(const ScoreListModel& model, const QString& team, const QString& player,
                          const Progress& progress = {});
FileResult saveDuoList(const ScoreListModel& model, const QString& name, const Progress& progress = {});

// The files of a new team: the team folder and one header-only file per player. A player file
// that already exists keeps every line behind its header; only the header is written anew. A
// player file that cannot be read or is not a score list is left untouched; the others are
// still written, and the failure names every file left so.
FileResult createTeamFiles(const QString& team, const QStringList& players);

// Team folders in Teams/, the players (".lib" files) of a team and the duo match files in
// Teams/, sorted by name regardless of case, file names without ".lib". A missing folder
// gives an empty list.
QStringList listTeams();
QStringList listTeamPlayers(const QString& team);
QStringList listDuoFiles();

} // namespace vx

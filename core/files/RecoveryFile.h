// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file: the match in progress, written after every change that counts, so a
// crash, a dead battery or a killed program costs at most the darts of the turn not yet booked.
//
// It is JSON (UTF-8), one object:
//   "format"    "vorlentix-recovery"
//   "version"   3; versions 1 and 2 are read too (version 1 has no "booked": a player booked
//               when there are turns); a file of any other version is refused, never guessed at
//   "savedAt"   ISO 8601 date and time with the UTC offset, e.g. "2024-03-07T21:05:03.000+01:00"
//   "match"     "duo" or "team", and the object of that name:
//   "duo"       "names" [2 texts], "startScore", "kind" "sets" or "legs", "target",
//               "legsWon" [2], "setsWon" [2], "turns" [[turn totals of player 1], [of player 2]],
//               "booked" [2 true/false: the player booked a turn in the leg, also one taken
//               back since],
//               "atTheThrow" 1 or 2, "starter" 1 or 2, "fileName" (the match's score list file),
//               "matchId" (the key the match history knows the match by; optional)
//   "team"      "name", "players" [1 to 10 texts], "atTheBoard" (1-based), "startScore",
//               "turns" [turn totals of the leg in play], "matchId" (as for a duo)
//   "scoreList" "changed" (true while the list has changes not saved),
//               "base" (only when the list holds rows of a score list file): "file", the file
//               the list was last loaded from or saved to, relative to the home folder when it
//               is inside it; "rows", how many rows the list read from it then; "sha256", the
//               digest of those rows (scoreListDigest) in hexadecimal,
//               "rows" the list in order, each element either a row of its own [28 texts] (a
//               leg played, a row edited, any row of a list not on disk) or a run of rows of the
//               base file {"from": first row, 0-based, "count": how many}; runs come in the
//               order of the file and never overlap. Versions 1 and 2 have no "base" and no
//               runs: every row is in the file.
//   "scoreboard" (only while the audience scoreboard is open) "screen" (the screen's name),
//               "fullScreen" true/false, "geometry" [x, y, width, height] of the window on the
//               desktop (its size before full screen when full screen); copies that know no
//               scoreboard pass over it
// So the file grows with the work not yet saved, not with the list: after a save it holds the
// match and one run. Every number is a whole number. The remaining scores, averages, the leg's and the
// match's winner all follow from these: a player whose turns add up to the start score has won the leg, and a
// player who reached the target the match.
#pragma once

#include "core/files/ScoreListFiles.h"
#include "core/match/DuoMatch.h"
#include "core/match/SessionState.h"
#include "core/scorelist/ScoreList.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>
#include <variant>

namespace vx {

inline const QString kRecoveryFormat = QStringLiteral("vorlentix-recovery");
constexpr int kRecoveryVersion = 3;

// A duo match as it stands after its last booked turn; index 0 is player 1.
struct DuoRecovery {
    DuoSetup setup;
    std::array<QList<int>, 2> turns;
    std::array<bool, 2> booked{};
    std::array<int, 2> legsWon{};
    std::array<int, 2> setsWon{};
    int atTheThrow = 1;
    int starter = 1;
    QString fileName;
    QString matchId; // empty in files of older copies

    bool operator==(const DuoRecovery& other) const;
};

// A team evening as it stands after its last booked turn: the leg of the player at the board.
struct TeamRecovery {
    QString team;
    QStringList players;
    int atTheBoard = 1; // 1-based in players
    int startScore = 501;
    QList<int> turns;
    QString matchId; // empty in files of older copies

    bool operator==(const TeamRecovery& other) const;
};

// The score list file whose rows the recovery leaves out, as the list last read or wrote it.
struct RecoveryBase {
    QString file; // relative to the home folder when inside it, with "/"
    int rows = 0;
    QByteArray sha256; // scoreListDigest of those rows, in hexadecimal

    bool operator==(const RecoveryBase&) const = default;
};

// Rows first .. first + count - 1 of the base file.
struct BaseRows {
    int first = 0;
    int count = 0;

    bool operator==(const BaseRows&) const = default;
};

using RecoveryPiece = std::variant<ScoreListModel::Row, BaseRows>;

struct Recovery {
    QDateTime savedAt;
    std::variant<DuoRecovery, TeamRecovery> match;
    // The score list in order: rows of its own and runs of the base file's rows. Without a
    // base, every piece is a row.
    std::optional<RecoveryBase> base;
    QVector<RecoveryPiece> list;
    bool listChanged = false;
    std::optional<ScoreboardPlace> scoreboard; // none when it was closed

    bool operator==(const Recovery&) const = default;
};

// A digest of rows that any change of a cell, of their order or of their number changes.
QByteArray scoreListDigest(const ScoreListModel::Rows& rows);

// The base of a list that now holds exactly what `path` holds; none for an empty list, which
// needs no file to be rebuilt. Without `withDigest`, its sha256 is left for the caller (the
// digest of many rows takes a while).
std::optional<RecoveryBase> recoveryBase(const QString& path, const ScoreListModel::Rows& rows,
                                         bool withDigest = true);
QString recoveryBasePath(const RecoveryBase& base);

// The score list of a recovery put back together: the base file's rows as it holds them now,
// with the rows of the recovery's own in their places.
struct RebuiltList {
    ScoreListModel::Rows rows;
    // The base the rows still rest on, and for each row its row in that file, or -1.
    std::optional<RecoveryBase> base;
    QVector<int> origins;
    // Empty when the list is exactly as the scorer had it. Otherwise the base file is gone,
    // unreadable or no longer holds the rows it held (changed in between): nothing is then
    // guessed, the list is the file's rows as they are now followed by every row of the
    // recovery's own, in order, so that no row is lost, and `problem` says so in Dutch.
    QString problem;
    // The base file is there but could not be read as a score list: it must not be written
    // over.
    bool baseUnreadable = false;
};
RebuiltList rebuildScoreList(const Recovery& recovery);

// "Vorlentix-herstel.json" in the home folder.
QString recoveryFilePath();

// Writes the whole file anew and replaces the old one only once it is complete.
FileResult writeRecovery(const QString& path, const Recovery& recovery);
// The same with the pieces of the list already turned into their JSON text by
// recoveryPieceJson, in order; recovery.list is not looked at. A writer that keeps these texts
// turns only the rows that changed into JSON.
FileResult writeRecovery(const QString& path, const Recovery& recovery, const QList<QByteArray>& pieceTexts);
QByteArray recoveryPieceJson(const RecoveryPiece& piece);

// Reads and checks the whole file: anything missing, of the wrong kind, out of range or not
// possible in a match (a turn above 180, more turns than the start score, two winners) fails
// with a Dutch sentence that says what (recoveryRefusal), and leaves `out` alone. `why` gets
// the reason alone.
FileResult readRecovery(const QString& path, Recovery* out, QString* why = nullptr);
// "The recovery file `path` cannot be used: `why`."
QString recoveryRefusal(const QString& path, const QString& why);

// Moves a recovery file that is declined or damaged out of the way, to a name with the date and
// time (from the clock) in the same folder: "Vorlentix-herstel-2024-03-07-210503.json", with
// "-2", "-3", ... when that name is taken. Nothing is deleted. `movedTo` gets the new path.
FileResult setRecoveryAside(const QString& path, QString* movedTo = nullptr);
// The same, but a copy: the file stays where it is.
FileResult copyRecoveryAside(const QString& path, QString* copiedTo = nullptr);

} // namespace vx

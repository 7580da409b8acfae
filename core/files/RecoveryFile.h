// The recovery file: the match in progress, written after every change that counts, so a
// crash, a dead battery or a killed program costs at most the darts of the turn not yet booked.
//
// It is JSON (UTF-8), one object:
//   "format"    "vorlentix-recovery"
//   "version"   2; version 1 is read too (it has no "booked": a player booked when there are
//               turns); a file of any other version is refused, never guessed at
//   "savedAt"   ISO 8601 date and time with the UTC offset, e.g. "2024-03-07T21:05:03.000+01:00"
//   "match"     "duo" or "team", and the object of that name:
//   "duo"       "names" [2 texts], "startScore", "kind" "sets" or "legs", "target",
//               "legsWon" [2], "setsWon" [2], "turns" [[turn totals of player 1], [of player 2]],
//               "booked" [2 true/false: the player booked a turn in the leg, also one taken
//               back since],
//               "atTheThrow" 1 or 2, "starter" 1 or 2, "fileName" (the match's score list file)
//   "team"      "name", "players" [1 to 10 texts], "atTheBoard" (1-based), "startScore",
//               "turns" [turn totals of the leg in play]
//   "scoreList" "changed" (true while the list has changes not saved), "rows" [[28 texts], ...]
// Every number is a whole number. The remaining scores, averages, the leg's and the match's
// winner all follow from these: a player whose turns add up to the start score has won the
// leg, and a player who reached the target the match.
#pragma once

#include "core/files/ScoreListFiles.h"
#include "core/match/DuoMatch.h"
#include "core/scorelist/ScoreList.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <variant>

namespace vx {

inline const QString kRecoveryFormat = QStringLiteral("vorlentix-recovery");
constexpr int kRecoveryVersion = 2;

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

    bool operator==(const DuoRecovery& other) const;
};

// A team evening as it stands after its last booked turn: the leg of the player at the board.
struct TeamRecovery {
    QString team;
    QStringList players;
    int atTheBoard = 1; // 1-based in players
    int startScore = 501;
    QList<int> turns;

    bool operator==(const TeamRecovery& other) const;
};

struct Recovery {
    QDateTime savedAt;
    std::variant<DuoRecovery, TeamRecovery> match;
    // The score list as it stands: rows loaded from the file, edited ones and the legs played
    // since, for all of them are unsaved while listChanged holds.
    QVector<ScoreListModel::Row> rows;
    bool listChanged = false;

    bool operator==(const Recovery&) const = default;
};

// "Vorlentix-herstel.json" in the home folder.
QString recoveryFilePath();

// Writes the whole file anew and replaces the old one only once it is complete.
FileResult writeRecovery(const QString& path, const Recovery& recovery);
// The same with the rows already turned into their JSON text by recoveryRowJson, in order;
// recovery.rows is not looked at. A writer that keeps these texts turns only the rows that
// changed into JSON, not thousands of rows for every booked turn.
FileResult writeRecovery(const QString& path, const Recovery& recovery, const QList<QByteArray>& rowTexts);
QByteArray recoveryRowJson(const ScoreListModel::Row& row);

// Reads and checks the whole file: anything missing, of the wrong kind, out of range or not
// possible in a match (a turn above 180, more turns than the start score, two winners) fails
// with a Dutch sentence that says what, and leaves `out` alone.
FileResult readRecovery(const QString& path, Recovery* out);

// Moves a recovery file that is declined or damaged out of the way, to a name with the date and
// time (from the clock) in the same folder: "Vorlentix-herstel-2024-03-07-210503.json", with
// "-2", "-3", ... when that name is taken. Nothing is deleted. `movedTo` gets the new path.
FileResult setRecoveryAside(const QString& path, QString* movedTo = nullptr);

} // namespace vx

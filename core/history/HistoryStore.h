// SPDX-License-Identifier: GPL-3.0-or-later
// The match history: every booked turn with its darts, in one SQLite file beside the score
// lists. The score list files stay as they are; older copies of the program never look here.
//
// Every record has a natural key (the match's id, the leg's number in the match, the player and
// the turn's number in his leg), so writing a turn a second time, as after a resumed match,
// changes nothing. A store belongs to the thread that opened it: Qt SQL connections are not
// shared between threads.
#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <optional>

class QSqlQuery;

namespace vx {

// "Vorlentix-historie.sqlite" in the home folder.
QString historyFilePath();

struct HistoryMatch {
    QString key;  // the match's id (DuoMatch::matchId, TeamMatch::matchId)
    QString kind; // kMatchKind...
    int startScore = 501;
    int target = 0; // sets or legs to win; 0 for a team evening
    QString file;   // the duo match's score list file, or the team's name
};
inline const QString kMatchKindTeam = QStringLiteral("team");
inline const QString kMatchKindSets = QStringLiteral("sets");
inline const QString kMatchKindLegs = QStringLiteral("legs");

struct HistoryLeg {
    int number = 1; // in the match, from 1
    int set = 1;    // in a sets match; 1 otherwise
    QString starter;
};

struct HistoryDart {
    int slot = 1;
    QString code; // "T20", "D16", "20", "25", "50", "0"
    int points = 0;
    bool operator==(const HistoryDart&) const = default;
};

struct HistoryTurn {
    QString player;
    int number = 1; // the player's turn in the leg, from 1
    int total = 0;
    int remainingBefore = 0;
    QDateTime at;
    // The darts thrown; none known for a turn put back from a recovery or a score list file.
    std::optional<QList<HistoryDart>> darts;
};

// A time as the history keeps it: the scorer's wall clock, "2024-03-07T21:05:03.000", without an
// offset, so that an evening is the evening where it was played.
QString historyTimeText(const QDateTime& at);

// The code a dart is kept under, from the board's code ("E20", "T19", "B25", "B50", "" for a miss).
QString historyDartCode(const QString& boardCode);

class HistoryStore {
  public:
    // The file's schema, in PRAGMA user_version.
    static int schemaVersion();

    // `path` may be ":memory:". Nothing happens before open().
    explicit HistoryStore(QString path);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // How much of the file is read before it is trusted. Its header, its schema and the first
    // page of every table always: that much costs nothing at any size. Every page only when the
    // last program to write it never closed it (its write-ahead log is still there, as after a
    // crash or a kill): that reads the whole file, a second or more on a large history, so only
    // the recorder's own thread asks for it.
    enum class Check { Opening, WholeAfterCrash };

    // Opens the file, creating it, and brings its schema up to date. A file that is not a
    // database or fails its check is set aside under a dated name (setAsidePath()) and a new
    // one started. False with error() when it cannot be used at all.
    bool open(Check check = Check::Opening);
    // Brings a fresh file only up to `version`: how older copies left it.
    bool openAtVersion(int version, Check check = Check::Opening);
    QString error() const { return m_error; }
    QString setAsidePath() const { return m_setAside; }
    QSqlDatabase database() const;

    // Each of these is one transaction; false with error() when it did not happen at all.
    // A turn already there with the same total is left as it is (only darts it lacked added).
    // `board` is the club board a match fetched from the club server was played on; a match is
    // marked with it when it is first written, and is never sent back.
    bool recordTurn(const HistoryMatch& match, const HistoryLeg& leg, const HistoryTurn& turn,
                    const QString& board = {});
    bool removeTurn(const QString& matchKey, int leg, const QString& player, int number);
    // A resumed leg: the player's turns after the first `count` are not booked any more; a leg
    // left without turns goes.
    bool keepTurns(const QString& matchKey, int leg, const QString& player, int count);
    bool endLeg(const QString& matchKey, int leg, const QString& winner, int darts, const QDateTime& at);
    bool endMatch(const QString& matchKey, const QString& winner);

    // Brings the figures' sums of the match up to date, for those who write its legs and turns
    // themselves; in their transaction, as a part of it.
    bool sumUpMatch(qint64 match) {
        return sumUp(QStringLiteral("match = ?"), QStringLiteral("legs.match = ?"), {match});
    }

    // The player's row, made when the name (in any case) is new.
    std::optional<qint64> playerId(const QString& name);

    struct LastLeg {
        int number = 0;
        bool ended = false;
        QString starter;
    };
    // The match's leg with the highest number; none before its first turn.
    std::optional<LastLeg> lastLeg(const QString& matchKey);

  private:
    bool openFile();
    bool migrate(int upTo, bool whole);
    // Reads the first page of every table: a damaged header, schema or table root shows here.
    bool touchTables();
    bool setAside();
    bool fail(const QString& what);
    // Runs the query (prepared, or `statement`); on failure keeps its error.
    bool run(QSqlQuery& query, const QString& statement = {});
    std::optional<qint64> legId(const QString& matchKey, int leg);
    // Drops the player's turns of the leg whose number matches `numbers` ("= ?", "> ?") with
    // `number`; the leg too, if asked, when no turn is left in it.
    bool dropTurns(const QString& matchKey, int leg, const QString& player, const QString& numbers,
                   int number, bool dropEmptyLeg);
    // Brings each player's part of the legs (player_legs) up to date with their turns: the rows
    // that `rows` picks in player_legs and `turns` among the turns (joined with their legs).
    bool sumUp(const QString& rows, const QString& turns, const QVariantList& values);
    // Works out which darts kept before there were columns for it were at a double.
    bool fillDoubles();
    template <typename Work> bool transaction(Work&& work);

    QString m_path;
    QString m_connection;
    QString m_error;
    QString m_setAside;
    QSqlError m_sqlError;
};

} // namespace vx

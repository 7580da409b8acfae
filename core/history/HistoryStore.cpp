// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryStore.h"

#include "core/common/Services.h"
#include "core/history/HistoryFigures.h"
#include "core/history/ClubOutbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace vx {

namespace {

const QString kFileName = QStringLiteral("Vorlentix-historie.sqlite");

// The evening a time belongs to, as the figures count them: until six in the morning.
QString EveningOf(const char* time) {
    return QStringLiteral("date(%1, '-6 hours')").arg(QLatin1String(time));
}

// Each step brings the file from the version before it to its own; a file is only ever moved
// forward, one step after the other, each in a transaction of its own.
const QList<QStringList> kMigrations = {
    // 1: the tables
    {
        QStringLiteral("CREATE TABLE players (id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
                       " folded TEXT NOT NULL UNIQUE)"),
        QStringLiteral("CREATE TABLE matches (id INTEGER PRIMARY KEY, key TEXT NOT NULL UNIQUE,"
                       " kind TEXT NOT NULL, start_score INTEGER NOT NULL, target INTEGER NOT NULL,"
                       " file TEXT NOT NULL, started_at TEXT NOT NULL, ended_at TEXT,"
                       " winner INTEGER REFERENCES players(id))"),
        QStringLiteral("CREATE TABLE legs (id INTEGER PRIMARY KEY,"
                       " match INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,"
                       " number INTEGER NOT NULL, set_number INTEGER NOT NULL,"
                       " starter INTEGER NOT NULL REFERENCES players(id),"
                       " winner INTEGER REFERENCES players(id), darts INTEGER, UNIQUE (match, number))"),
        QStringLiteral("CREATE TABLE turns (id INTEGER PRIMARY KEY,"
                       " leg INTEGER NOT NULL REFERENCES legs(id) ON DELETE CASCADE,"
                       " player INTEGER NOT NULL REFERENCES players(id), number INTEGER NOT NULL,"
                       " total INTEGER NOT NULL, remaining_before INTEGER NOT NULL,"
                       " bust INTEGER NOT NULL DEFAULT 0, thrown_at TEXT NOT NULL,"
                       " UNIQUE (leg, player, number))"),
        QStringLiteral("CREATE TABLE darts (id INTEGER PRIMARY KEY,"
                       " turn INTEGER NOT NULL REFERENCES turns(id) ON DELETE CASCADE,"
                       " slot INTEGER NOT NULL CHECK (slot BETWEEN 1 AND 3), code TEXT NOT NULL,"
                       " points INTEGER NOT NULL, UNIQUE (turn, slot))"),
    },
    // 2: the figures look turns up by player and legs by winner
    {
        QStringLiteral("CREATE INDEX turns_by_player ON turns (player)"),
        QStringLiteral("CREATE INDEX legs_by_winner ON legs (winner)"),
    },
    // 3: the figures of an evening or a period look turns up by their time
    {
        QStringLiteral("CREATE INDEX turns_by_time ON turns (thrown_at)"),
    },
    // 4: what the figures add up, kept as the turns are written, so that a view reads a row per
    // leg or per spot and evening instead of every dart. A turn's darts (none when known by its
    // total only), those at a double and whether one finished are filled in by fillDoubles().
    {
        // The darts kept in the order of their turns, without a row id and an index of their
        // own beside it: a third less on disk, and a turn's darts are read in one go. They are
        // deleted before their turn (dropTurns()), not with it: a cascade into a table without
        // row ids costs every turn deleted, the many of a re-import without darts too.
        QStringLiteral("CREATE TABLE darts_by_turn (turn INTEGER NOT NULL REFERENCES turns(id),"
                       " slot INTEGER NOT NULL CHECK (slot BETWEEN 1 AND 3), code TEXT NOT NULL,"
                       " points INTEGER NOT NULL, PRIMARY KEY (turn, slot)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO darts_by_turn SELECT turn, slot, code, points FROM darts"),
        QStringLiteral("DROP TABLE darts"),
        QStringLiteral("ALTER TABLE darts_by_turn RENAME TO darts"),
        QStringLiteral("ALTER TABLE turns ADD COLUMN darts INTEGER"),
        QStringLiteral("ALTER TABLE turns ADD COLUMN at_double INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE turns ADD COLUMN checkout INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral(
            "UPDATE turns SET darts = (SELECT nullif(count(*), 0) FROM darts WHERE darts.turn = turns.id)"),
        // Each player's part of a leg, with whether he won it and in how many darts; a leg belongs
        // to the evening its first turn was in. Kept in the order of the player's evenings, which
        // is how the figures read it. Like the darts, deleted before what they belong to.
        QStringLiteral(
            "CREATE TABLE player_legs (leg INTEGER NOT NULL REFERENCES legs(id),"
            " player INTEGER NOT NULL REFERENCES players(id), match INTEGER NOT NULL,"
            " evening TEXT NOT NULL, turns INTEGER NOT NULL, turns_with_darts INTEGER NOT NULL,"
            " points INTEGER NOT NULL, darts INTEGER NOT NULL, nine_points INTEGER NOT NULL,"
            " nine_darts INTEGER NOT NULL, one_eighties INTEGER NOT NULL, at_double INTEGER NOT NULL,"
            " checkouts INTEGER NOT NULL, finish INTEGER NOT NULL, won INTEGER NOT NULL, leg_darts INTEGER,"
            " PRIMARY KEY (player, evening, leg)) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX player_legs_by_leg ON player_legs (leg, player)"),
        QStringLiteral("CREATE INDEX player_legs_by_match ON player_legs (match)"),
        QStringLiteral("CREATE INDEX matches_by_file ON matches (file, kind)"),
        // A player's darts per spot and evening, kept by triggers on the darts; a dart counts off
        // while its turn is still there to say whose it was.
        QStringLiteral(
            "CREATE TABLE spots (player INTEGER NOT NULL, evening TEXT NOT NULL, code TEXT NOT NULL,"
            " darts INTEGER NOT NULL, PRIMARY KEY (player, evening, code)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO spots SELECT turns.player, %1, darts.code, count(*) FROM darts"
                       " JOIN turns ON turns.id = darts.turn GROUP BY 1, 2, 3")
            .arg(EveningOf("turns.thrown_at")),
        QStringLiteral("CREATE TRIGGER spots_add AFTER INSERT ON darts BEGIN"
                       " INSERT INTO spots SELECT player, %1, NEW.code, 1 FROM turns WHERE id = NEW.turn"
                       " ON CONFLICT (player, evening, code) DO UPDATE SET darts = darts + 1; END")
            .arg(EveningOf("thrown_at")),
        QStringLiteral("CREATE TRIGGER spots_remove BEFORE DELETE ON darts BEGIN"
                       " UPDATE spots SET darts = darts - 1 WHERE code = OLD.code AND (player, evening) ="
                       " (SELECT player, %1 FROM turns WHERE id = OLD.turn); END")
            .arg(EveningOf("thrown_at")),
        // The darts thrown at a double, few and scattered among the others, once more in the order
        // of their player's turns, so that the checkout figures read them in one go.
        QStringLiteral(
            "CREATE TABLE darts_at_double (player INTEGER NOT NULL, thrown_at TEXT NOT NULL,"
            " turn INTEGER NOT NULL, slot INTEGER NOT NULL, left INTEGER NOT NULL, points INTEGER NOT NULL,"
            " PRIMARY KEY (player, thrown_at, turn, slot),"
            " FOREIGN KEY (turn, slot) REFERENCES darts (turn, slot) ON DELETE CASCADE) WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX darts_at_double_by_turn ON darts_at_double (turn, slot)"),
        // The figures no longer look turns up by time.
        QStringLiteral("DROP INDEX turns_by_time"),
    },
    // 5: what is done once for a history, such as putting the score lists of before in it
    {
        QStringLiteral("CREATE TABLE done_once (what TEXT PRIMARY KEY, at TEXT NOT NULL)"),
    },
    // 6: what the club server has not had yet
    ClubOutbox::schema(),
    // 7: how far the turns other boards took back have been fetched (the server's ids)
    {
        QStringLiteral("ALTER TABLE club_fetched ADD COLUMN gone INTEGER NOT NULL DEFAULT 0"),
    },
};
// The step after whose statements fillDoubles() runs.
constexpr int kDoublesStep = 4;

// The turns' darts at a double and checkouts, from darts_at_double, for the turns the condition picks.
QString CountDoubles(const QString& where) {
    return QStringLiteral(
               "UPDATE turns SET at_double = (SELECT count(*) FROM darts_at_double WHERE turn = turns.id),"
               " checkout = (SELECT count(*) FROM darts_at_double WHERE turn = turns.id AND points = left)"
               " WHERE %1")
        .arg(where);
}

// Each player's part of the legs the condition picks, from their turns, as player_legs keeps it.
QString SumUpLegs(const QString& where) {
    return QStringLiteral("INSERT INTO player_legs (leg, player, match, evening, turns, turns_with_darts,"
                          " points, darts, nine_points, nine_darts, one_eighties, at_double, checkouts, "
                          "finish, won, leg_darts)"
                          " SELECT turns.leg, turns.player, legs.match, %1, count(*), count(turns.darts),"
                          " sum(total), sum(coalesce(turns.darts, 3)),"
                          " coalesce(sum(total) FILTER (WHERE turns.number <= 3), 0),"
                          " coalesce(sum(coalesce(turns.darts, 3)) FILTER (WHERE turns.number <= 3), 0),"
                          " count(*) FILTER (WHERE total = 180), sum(at_double), sum(checkout),"
                          " coalesce(max(total) FILTER (WHERE total = remaining_before), 0), legs.winner IS "
                          "turns.player,"
                          " legs.darts"
                          " FROM turns JOIN legs ON legs.id = turns.leg %2 GROUP BY turns.leg, turns.player")
        .arg(EveningOf("min(turns.thrown_at)"), where);
}

// SQLITE_CORRUPT and SQLITE_NOTADB: the file is damaged or not a database at all.
bool IsDamage(const QSqlError& error) {
    return error.nativeErrorCode() == QLatin1String("11") || error.nativeErrorCode() == QLatin1String("26");
}

} // namespace

QString historyFilePath() {
    return QDir(folders().homeDir).filePath(kFileName);
}

QString historyTimeText(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"));
}

QString historyDartCode(const QString& boardCode) {
    if (boardCode.isEmpty()) return QStringLiteral("0");
    if (boardCode.startsWith(u'B') || boardCode.startsWith(u'E')) return boardCode.mid(1);
    return boardCode;
}

int HistoryStore::schemaVersion() {
    return int(kMigrations.size());
}

HistoryStore::HistoryStore(QString path) : m_path(std::move(path)) {
    static std::atomic_int count = 0;
    m_connection = QStringLiteral("vx-history-%1").arg(++count);
}

HistoryStore::~HistoryStore() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase HistoryStore::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool HistoryStore::run(QSqlQuery& query, const QString& statement) {
    if (statement.isEmpty() ? query.exec() : query.exec(statement)) return true;
    m_sqlError = query.lastError();
    return fail(m_sqlError.text());
}

bool HistoryStore::fail(const QString& what) {
    m_error = what;
    return false;
}

bool HistoryStore::openFile() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection) ? database()
                                                           : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    if (!db.open()) return fail(db.lastError().text());
    return true;
}

bool HistoryStore::open(Check check) {
    return openAtVersion(schemaVersion(), check);
}

bool HistoryStore::openAtVersion(int version, Check check) {
    // SQLite removes the log when the last connection closes; one left over is a writer that
    // never got that far.
    const bool whole = check == Check::WholeAfterCrash && QFileInfo::exists(m_path + QStringLiteral("-wal"));
    if (!openFile()) return false;
    if (migrate(version, whole)) return true;
    if (m_setAside.isEmpty() && m_path != QLatin1String(":memory:") && IsDamage(m_sqlError))
        return setAside() && openFile() && migrate(version, false);
    return false;
}

bool HistoryStore::touchTables() {
    QSqlQuery q(database());
    if (!run(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) return false;
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    for (const QString& table : tables)
        if (!run(q, QStringLiteral("SELECT 1 FROM \"%1\" NOT INDEXED LIMIT 1").arg(table))) return false;
    return true;
}

bool HistoryStore::migrate(int upTo, bool whole) {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    // WAL: a reader (the history window) never waits for the writer, and a killed writer leaves
    // the file as it was after its last commit. NORMAL syncs at checkpoints, which is enough
    // for a program killed; a power cut may cost the last turns, never the file.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL",
                               "PRAGMA foreign_keys = ON", "PRAGMA busy_timeout = 2000"})
        if (!run(q, QLatin1String(pragma))) return false;
    if (!touchTables()) return false;
    if (whole) {
        if (!run(q, QStringLiteral("PRAGMA quick_check")) || !q.next()) return false;
        if (q.value(0).toString() != QLatin1String("ok")) {
            // Not an error of the query: say it the way a damaged page would.
            m_error = q.value(0).toString();
            return !m_setAside.isEmpty() ? false : (setAside() && openFile() && migrate(upTo, false));
        }
    }
    if (!run(q, QStringLiteral("PRAGMA user_version")) || !q.next()) return false;
    int version = q.value(0).toInt();
    if (version > schemaVersion())
        return fail(QCoreApplication::translate("vx::HistoryStore", "het bestand is van een nieuwere versie van het programma (schema %1)").arg(version));
    for (; version < upTo; ++version) {
        const bool done = transaction([&] {
            for (const QString& statement : kMigrations.at(version))
                if (!run(q, statement)) return false;
            if (version + 1 == kDoublesStep && !fillDoubles()) return false;
            return run(q, QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        });
        if (!done) return false;
    }
    return true;
}

bool HistoryStore::setAside() {
    database().close();
    const QString stamp = clock().now().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QFileInfo info(m_path);
    QString target;
    for (int n = 1; target.isEmpty() || QFileInfo::exists(target); ++n)
        target = info.dir().filePath(QStringLiteral("%1-beschadigd-%2%3.%4")
                                         .arg(info.completeBaseName(), stamp,
                                              n == 1 ? QString() : QStringLiteral("-%1").arg(n), info.suffix()));
    if (!QFile::rename(m_path, target))
        return fail(QCoreApplication::translate("vx::HistoryStore", "het beschadigde bestand kan niet opzij worden gezet als \"%1\"").arg(target));
    // The journal belongs with the file it was written for.
    for (const QString& side : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(m_path + side)) QFile::rename(m_path + side, target + side);
    m_setAside = target;
    return true;
}

template <typename Work> bool HistoryStore::transaction(Work&& work) {
    QSqlDatabase db = database();
    if (!db.transaction()) return fail(db.lastError().text());
    m_error.clear();
    if (work()) {
        if (db.commit()) return true;
        m_error = db.lastError().text();
    }
    // The first error is the one that says why; the rollback's own would only hide it.
    const QString why = m_error;
    db.rollback();
    return fail(why);
}

std::optional<qint64> HistoryStore::playerId(const QString& name) {
    QSqlQuery q(database());
    const QString folded = name.toCaseFolded();
    q.prepare(QStringLiteral("INSERT INTO players (name, folded) VALUES (?, ?) ON CONFLICT (folded) DO NOTHING"));
    q.addBindValue(name);
    q.addBindValue(folded);
    if (!run(q)) return std::nullopt;
    q.prepare(QStringLiteral("SELECT id FROM players WHERE folded = ?"));
    q.addBindValue(folded);
    if (!run(q) || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

std::optional<qint64> HistoryStore::legId(const QString& matchKey, int leg) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT legs.id FROM legs JOIN matches ON matches.id = legs.match"
                             " WHERE matches.key = ? AND legs.number = ?"));
    q.addBindValue(matchKey);
    q.addBindValue(leg);
    if (!run(q) || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

bool HistoryStore::recordTurn(const HistoryMatch& match, const HistoryLeg& leg, const HistoryTurn& turn,
                              const QString& board) {
    return transaction([&] {
        QSqlQuery q(database());
        q.prepare(
            QStringLiteral("INSERT INTO matches (key, kind, start_score, target, file, started_at, board)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (key) DO NOTHING"));
        for (const QVariant& v :
             {QVariant(match.key), QVariant(match.kind), QVariant(match.startScore), QVariant(match.target),
              QVariant(match.file.isNull() ? QStringLiteral("") : match.file),
              QVariant(historyTimeText(turn.at)),
              board.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(board)})
            q.addBindValue(v);
        if (!run(q)) return false;
        const std::optional<qint64> starter = playerId(leg.starter);
        const std::optional<qint64> player = playerId(turn.player);
        if (!starter || !player) return false;
        q.prepare(QStringLiteral("INSERT INTO legs (match, number, set_number, starter)"
                                 " SELECT id, ?, ?, ? FROM matches WHERE key = ?"
                                 " ON CONFLICT (match, number) DO NOTHING"));
        for (const QVariant& v : {QVariant(leg.number), QVariant(leg.set), QVariant(*starter), QVariant(match.key)})
            q.addBindValue(v);
        if (!run(q)) return false;
        const std::optional<qint64> legRow = legId(match.key, leg.number);
        if (!legRow) return false;

        q.prepare(QStringLiteral(
            "SELECT id, total, darts IS NOT NULL FROM turns WHERE leg = ? AND player = ? AND number = ?"));
        for (const QVariant& v : {QVariant(*legRow), QVariant(*player), QVariant(turn.number)})
            q.addBindValue(v);
        if (!run(q)) return false;
        const bool known = q.next();
        const bool same = known && q.value(1).toInt() == turn.total;
        // Darts already kept for the same total are the darts of this very turn.
        if (same && (!turn.darts || q.value(2).toBool())) return true;
        qint64 turnRow = known ? q.value(0).toLongLong() : 0;
        if (!same) {
            // The darts go before the turn's time changes: their spots are counted under it.
            q.prepare(QStringLiteral("DELETE FROM darts WHERE turn = ?"));
            q.addBindValue(turnRow);
            if (!run(q)) return false;
            q.prepare(QStringLiteral(
                "INSERT INTO turns (leg, player, number, total, remaining_before, thrown_at)"
                " VALUES (?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (leg, player, number) DO UPDATE SET total = excluded.total,"
                " remaining_before = excluded.remaining_before, thrown_at = excluded.thrown_at, darts = NULL,"
                " at_double = 0, checkout = 0"));
            for (const QVariant& v : {QVariant(*legRow), QVariant(*player), QVariant(turn.number),
                                      QVariant(turn.total), QVariant(turn.remainingBefore), QVariant(historyTimeText(turn.at))})
                q.addBindValue(v);
            if (!run(q)) return false;
            if (!known) turnRow = q.lastInsertId().toLongLong();
        }
        if (turn.darts && !turn.darts->isEmpty()) {
            QSqlQuery doubles(database());
            q.prepare(QStringLiteral("INSERT INTO darts (turn, slot, code, points) VALUES (?, ?, ?, ?)"));
            doubles.prepare(QStringLiteral("INSERT INTO darts_at_double VALUES (?, ?, ?, ?, ?, ?)"));
            int left = turn.remainingBefore;
            for (const HistoryDart& dart : *turn.darts) {
                for (const QVariant& v :
                     {QVariant(turnRow), QVariant(dart.slot), QVariant(dart.code), QVariant(dart.points)})
                    q.addBindValue(v);
                if (!run(q)) return false;
                if (atDouble(left)) {
                    for (const QVariant& v :
                         {QVariant(*player), QVariant(historyTimeText(turn.at)), QVariant(turnRow),
                          QVariant(dart.slot), QVariant(left), QVariant(dart.points)})
                        doubles.addBindValue(v);
                    if (!run(doubles)) return false;
                }
                left -= dart.points;
            }
            q.prepare(QStringLiteral("UPDATE turns SET darts = ? WHERE id = ?"));
            q.addBindValue(turn.darts->size());
            q.addBindValue(turnRow);
            if (!run(q)) return false;
            q.prepare(CountDoubles(QStringLiteral("id = ?")));
            q.addBindValue(turnRow);
            if (!run(q)) return false;
        }
        return sumUp(QStringLiteral("leg = ? AND player = ?"),
                     QStringLiteral("turns.leg = ? AND turns.player = ?"), {*legRow, *player});
    });
}

bool HistoryStore::removeTurn(const QString& matchKey, int leg, const QString& player, int number) {
    return dropTurns(matchKey, leg, player, QStringLiteral("= ?"), number, false);
}

bool HistoryStore::keepTurns(const QString& matchKey, int leg, const QString& player, int count) {
    return dropTurns(matchKey, leg, player, QStringLiteral("> ?"), count, true);
}

bool HistoryStore::dropTurns(const QString& matchKey, int leg, const QString& player, const QString& numbers,
                             int number, bool dropEmptyLeg) {
    return transaction([&] {
        const std::optional<qint64> legRow = legId(matchKey, leg);
        if (!legRow) return true;
        QSqlQuery q(database());
        q.prepare(QStringLiteral("SELECT id FROM players WHERE folded = ?"));
        q.addBindValue(player.toCaseFolded());
        if (!run(q)) return false;
        if (!q.next()) return true;
        const qint64 playerRow = q.value(0).toLongLong();
        for (const QString& statement :
             {QStringLiteral(
                  "DELETE FROM darts WHERE turn IN (SELECT id FROM turns WHERE leg = ? AND player = ?"
                  " AND number %1)")
                  .arg(numbers),
              QStringLiteral("DELETE FROM turns WHERE leg = ? AND player = ? AND number ") + numbers}) {
            q.prepare(statement);
            for (const QVariant& v : {QVariant(*legRow), QVariant(playerRow), QVariant(number)})
                q.addBindValue(v);
            if (!run(q)) return false;
        }
        if (!sumUp(QStringLiteral("leg = ? AND player = ?"),
                   QStringLiteral("turns.leg = ? AND turns.player = ?"), {*legRow, playerRow}))
            return false;
        if (!dropEmptyLeg) return true;
        q.prepare(QStringLiteral("DELETE FROM legs WHERE id = ? AND NOT EXISTS (SELECT 1 FROM turns WHERE leg = ?)"));
        q.addBindValue(*legRow);
        q.addBindValue(*legRow);
        return run(q);
    });
}

bool HistoryStore::sumUp(const QString& rows, const QString& turns, const QVariantList& values) {
    QSqlQuery q(database());
    for (const QString& statement : {QStringLiteral("DELETE FROM player_legs WHERE ") + rows,
                                     SumUpLegs(QStringLiteral("WHERE ") + turns)}) {
        q.prepare(statement);
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!run(q)) return false;
    }
    return true;
}

bool HistoryStore::fillDoubles() {
    // A turn begun above 170 has more than 50 left before each of its darts: none at a double.
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!run(q, QStringLiteral(
                    "SELECT turns.player, turns.thrown_at, darts.turn, darts.slot, turns.remaining_before,"
                    " darts.points FROM darts JOIN turns ON turns.id = darts.turn"
                    " WHERE turns.remaining_before <= 170 ORDER BY darts.turn, darts.slot")))
        return false;
    QList<QVariantList> rows;
    qint64 turn = -1;
    int left = 0;
    while (q.next()) {
        if (q.value(2).toLongLong() != turn) {
            turn = q.value(2).toLongLong();
            left = q.value(4).toInt();
        }
        const int points = q.value(5).toInt();
        if (atDouble(left)) rows.append({q.value(0), q.value(1), q.value(2), q.value(3), left, points});
        left -= points;
    }
    q.finish();
    q.prepare(QStringLiteral("INSERT INTO darts_at_double VALUES (?, ?, ?, ?, ?, ?)"));
    for (const QVariantList& row : rows) {
        for (const QVariant& v : row)
            q.addBindValue(v);
        if (!run(q)) return false;
    }
    return run(q, CountDoubles(QStringLiteral("id IN (SELECT turn FROM darts_at_double)"))) &&
           run(q, SumUpLegs(QString()));
}

bool HistoryStore::endLeg(const QString& matchKey, int leg, const QString& winner, int darts, const QDateTime& at) {
    return transaction([&] {
        const std::optional<qint64> winnerRow = playerId(winner);
        if (!winnerRow) return false;
        QSqlQuery q(database());
        q.prepare(QStringLiteral("UPDATE legs SET winner = ?, darts = ? WHERE number = ? AND match ="
                                 " (SELECT id FROM matches WHERE key = ?)"));
        for (const QVariant& v : {QVariant(*winnerRow), QVariant(darts), QVariant(leg), QVariant(matchKey)})
            q.addBindValue(v);
        if (!run(q)) return false;
        // A team evening has no winner; its end is its last leg's.
        q.prepare(QStringLiteral("UPDATE matches SET ended_at = ? WHERE key = ?"));
        q.addBindValue(historyTimeText(at));
        q.addBindValue(matchKey);
        const std::optional<qint64> legRow = legId(matchKey, leg);
        return run(q) &&
               (!legRow || sumUp(QStringLiteral("leg = ?"), QStringLiteral("turns.leg = ?"), {*legRow}));
    });
}

bool HistoryStore::endMatch(const QString& matchKey, const QString& winner) {
    return transaction([&] {
        const std::optional<qint64> winnerRow = playerId(winner);
        if (!winnerRow) return false;
        QSqlQuery q(database());
        q.prepare(QStringLiteral("UPDATE matches SET winner = ? WHERE key = ?"));
        q.addBindValue(*winnerRow);
        q.addBindValue(matchKey);
        return run(q);
    });
}

std::optional<HistoryStore::LastLeg> HistoryStore::lastLeg(const QString& matchKey) {
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT legs.number, legs.winner IS NOT NULL, players.name FROM legs"
                             " JOIN matches ON matches.id = legs.match JOIN players ON players.id = legs.starter"
                             " WHERE matches.key = ? ORDER BY legs.number DESC LIMIT 1"));
    q.addBindValue(matchKey);
    if (!run(q) || !q.next()) return std::nullopt;
    return LastLeg{q.value(0).toInt(), q.value(1).toBool(), q.value(2).toString()};
}

} // namespace vx

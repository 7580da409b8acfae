// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/ClubOutbox.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>

namespace vx {

QStringList ClubOutbox::schema() {
    // Built here, not at file scope: the store's migration list is made at start-up from this.
    // A turn the server may hold in an older form: it is taken off there before it is sent again.
    const QString serverCopyStale =
        QStringLiteral("INSERT INTO club_gone (match_key, leg, player, number)"
                       " SELECT match_key, leg, player, number FROM club_sent WHERE turn = %1;"
                       " DELETE FROM club_sent WHERE turn = %1;");
    const QString waits = QStringLiteral("INSERT INTO club_waiting (turn) VALUES (%1) ON CONFLICT (turn) DO "
                                         "UPDATE SET version = version + 1;");
    // Only this board's own play goes to the server: what was fetched from it (a match with a
    // board) came from there.
    const QString ownLeg = QStringLiteral(
        "(SELECT board FROM matches WHERE id = (SELECT match FROM legs WHERE id = %1)) IS NULL");
    return {
        // The board a match was fetched from; NULL for this board's own.
        QStringLiteral("ALTER TABLE matches ADD COLUMN board TEXT"),
        // How far the other boards' play has been fetched: the server's ids of turns and of
        // ends, and when something last came in.
        QStringLiteral("CREATE TABLE club_fetched (turns INTEGER NOT NULL, ends INTEGER NOT NULL, at TEXT)"),
        QStringLiteral("INSERT INTO club_fetched VALUES (0, 0, NULL)"),
        QStringLiteral(
            "CREATE TABLE club_waiting (turn INTEGER PRIMARY KEY, version INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE club_sent (turn INTEGER PRIMARY KEY, match_key TEXT NOT NULL,"
                       " leg INTEGER NOT NULL, player TEXT NOT NULL, number INTEGER NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE club_gone (id INTEGER PRIMARY KEY AUTOINCREMENT, match_key TEXT NOT NULL,"
            " leg INTEGER NOT NULL, player TEXT, number INTEGER)"),
        QStringLiteral("CREATE TABLE club_ends (kind TEXT NOT NULL, row INTEGER NOT NULL,"
                       " version INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (kind, row))"),
        QStringLiteral("INSERT INTO club_waiting (turn) SELECT id FROM turns"),
        QStringLiteral(
            "INSERT INTO club_ends (kind, row) SELECT 'leg', id FROM legs WHERE winner IS NOT NULL"),
        QStringLiteral("INSERT INTO club_ends (kind, row) SELECT 'match', id FROM matches"
                       " WHERE ended_at IS NOT NULL OR winner IS NOT NULL"),
        QStringLiteral("CREATE TRIGGER club_turn_added AFTER INSERT ON turns WHEN %1 BEGIN %2 END")
            .arg(ownLeg.arg(QLatin1String("new.leg")), waits.arg(QLatin1String("new.id"))),
        QStringLiteral(
            "CREATE TRIGGER club_turn_changed AFTER UPDATE OF total, remaining_before, thrown_at ON turns"
            " WHEN %1 BEGIN %2 %3 END")
            .arg(ownLeg.arg(QLatin1String("new.leg")), waits.arg(QLatin1String("new.id")),
                 serverCopyStale.arg(QLatin1String("old.id"))),
        QStringLiteral("CREATE TRIGGER club_darts_added AFTER INSERT ON darts WHEN %1 BEGIN %2 %3 END")
            .arg(ownLeg.arg(QLatin1String("(SELECT leg FROM turns WHERE id = new.turn)")),
                 waits.arg(QLatin1String("new.turn")), serverCopyStale.arg(QLatin1String("new.turn"))),
        QStringLiteral("CREATE TRIGGER club_turn_removed AFTER DELETE ON turns"
                       " BEGIN DELETE FROM club_waiting WHERE turn = old.id; %1 END")
            .arg(serverCopyStale.arg(QLatin1String("old.id"))),
        QStringLiteral("CREATE TRIGGER club_leg_removed AFTER DELETE ON legs"
                       " WHEN (SELECT board FROM matches WHERE id = old.match) IS NULL BEGIN"
                       " DELETE FROM club_ends WHERE kind = 'leg' AND row = old.id;"
                       " INSERT INTO club_gone (match_key, leg)"
                       " SELECT key, old.number FROM matches WHERE id = old.match; END"),
        QStringLiteral(
            "CREATE TRIGGER club_leg_ended AFTER UPDATE OF winner, darts ON legs WHEN new.winner IS NOT NULL"
            " AND (SELECT board FROM matches WHERE id = new.match) IS NULL"
            " BEGIN INSERT INTO club_ends (kind, row) VALUES ('leg', new.id)"
            " ON CONFLICT (kind, row) DO UPDATE SET version = version + 1; END"),
        QStringLiteral(
            "CREATE TRIGGER club_match_ended AFTER UPDATE OF winner, ended_at ON matches"
            " WHEN new.board IS NULL BEGIN INSERT INTO club_ends (kind, row) VALUES ('match', new.id)"
            " ON CONFLICT (kind, row) DO UPDATE SET version = version + 1; END"),
    };
}

ClubTurn ClubTurn::read(const QSqlQuery& q) {
    ClubTurn turn;
    turn.row = q.value(0).toLongLong();
    turn.match = {q.value(2).toString(), q.value(3).toString(), q.value(4).toInt(), q.value(5).toInt(),
                  q.value(6).toString()};
    turn.matchStartedAt = q.value(7).toString();
    turn.leg = {q.value(8).toInt(), q.value(9).toInt(), q.value(10).toString()};
    turn.player = q.value(11).toString();
    turn.number = q.value(12).toInt();
    turn.total = q.value(13).toInt();
    turn.remainingBefore = q.value(14).toInt();
    turn.bust = q.value(15).toInt();
    turn.thrownAt = q.value(16).toString();
    return turn;
}

void ClubBatch::addDarts(QSqlQuery& q) {
    while (q.next()) {
        const qint64 row = q.value(0).toLongLong();
        const auto at = std::lower_bound(turns.begin(), turns.end(), row,
                                         [](const ClubTurn& turn, qint64 r) { return turn.row < r; });
        if (at != turns.end() && at->row == row)
            at->darts.append({q.value(1).toInt(), q.value(2).toString(), q.value(3).toInt()});
    }
}

ClubOutbox::ClubOutbox(QString path) : m_path(std::move(path)) {
    static std::atomic_int count = 0;
    m_connection = QStringLiteral("vx-club-outbox-%1").arg(++count);
}

ClubOutbox::~ClubOutbox() {
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid()) db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool ClubOutbox::fail(const QSqlError& error) {
    m_error = error.text();
    return false;
}

bool ClubOutbox::open() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isOpen()) {
        db.setDatabaseName(m_path);
        if (!db.open()) return fail(db.lastError());
    }
    QSqlQuery q(db);
    // The recorder writes one turn at a time; a send only ever waits for one of them.
    if (!q.exec(QStringLiteral("PRAGMA busy_timeout = 5000"))) return fail(q.lastError());
    if (!q.exec(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'club_waiting'")))
        return fail(q.lastError());
    if (!q.next()) {
        m_error = QStringLiteral("no club_waiting table");
        return false;
    }
    return true;
}

std::optional<int> ClubOutbox::waiting() {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM club_waiting")) || !q.next()) {
        fail(q.lastError());
        return std::nullopt;
    }
    return q.value(0).toInt();
}

std::optional<ClubBatch> ClubOutbox::next(int limit) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // One read transaction: the turns, their darts and the ends as of one moment.
    if (!db.transaction()) {
        fail(db.lastError());
        return std::nullopt;
    }
    ClubBatch batch;
    QSqlQuery q(db);
    const auto done = [&](bool ok) -> std::optional<ClubBatch> {
        if (!ok) fail(q.lastError());
        db.commit();
        return ok ? std::optional(batch) : std::nullopt;
    };
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT id, match_key, leg, player, number FROM club_gone ORDER BY id")))
        return done(false);
    while (q.next()) {
        batch.lastGone = q.value(0).toLongLong();
        batch.gone.append(
            {q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(), q.value(4).toInt()});
    }
    q.prepare(QStringLiteral(
        "SELECT w.turn, w.version, m.key, m.kind, m.start_score, m.target, m.file, m.started_at, l.number,"
        " l.set_number, s.name, p.name, t.number, t.total, t.remaining_before, t.bust, t.thrown_at"
        " FROM club_waiting w JOIN turns t ON t.id = w.turn JOIN legs l ON l.id = t.leg"
        " JOIN matches m ON m.id = l.match JOIN players s ON s.id = l.starter"
        " JOIN players p ON p.id = t.player ORDER BY w.turn LIMIT ?"));
    q.addBindValue(limit);
    if (!q.exec()) return done(false);
    while (q.next()) {
        ClubTurn turn = ClubTurn::read(q);
        turn.version = q.value(1).toInt();
        batch.turns.append(std::move(turn));
    }
    if (!batch.turns.isEmpty()) {
        q.prepare(QStringLiteral(
            "SELECT turn, slot, code, points FROM darts WHERE turn BETWEEN ? AND ? ORDER BY turn, slot"));
        q.addBindValue(batch.turns.first().row);
        q.addBindValue(batch.turns.last().row);
        if (!q.exec()) return done(false);
        batch.addDarts(q);
    }
    if (!q.exec(QStringLiteral("SELECT e.row, e.version, m.key, l.number, p.name, l.darts FROM club_ends e"
                               " JOIN legs l ON l.id = e.row JOIN matches m ON m.id = l.match"
                               " JOIN players p ON p.id = l.winner WHERE e.kind = 'leg' ORDER BY e.row")))
        return done(false);
    while (q.next())
        batch.ends.append({true,
                           q.value(0).toLongLong(),
                           q.value(1).toInt(),
                           q.value(2).toString(),
                           q.value(3).toInt(),
                           q.value(4).toString(),
                           q.value(5).toInt(),
                           {}});
    if (!q.exec(QStringLiteral("SELECT e.row, e.version, m.key, p.name, m.ended_at FROM club_ends e"
                               " JOIN matches m ON m.id = e.row LEFT JOIN players p ON p.id = m.winner"
                               " WHERE e.kind = 'match' ORDER BY e.row")))
        return done(false);
    while (q.next())
        batch.ends.append({false, q.value(0).toLongLong(), q.value(1).toInt(), q.value(2).toString(), 0,
                           q.value(3).toString(), 0, q.value(4).toString()});
    return done(true);
}

bool ClubOutbox::markSent(const ClubBatch& batch) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) return fail(db.lastError());
    QSqlQuery q(db);
    const auto run = [&](const QString& sql, const QVariantList& values) {
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        return q.exec();
    };
    const auto work = [&] {
        if (!run(QStringLiteral("DELETE FROM club_gone WHERE id <= ?"), {batch.lastGone})) return false;
        for (const ClubTurn& turn : batch.turns) {
            const QVariantList key{turn.match.key, turn.leg.number, turn.player.toCaseFolded(), turn.number};
            if (!run(QStringLiteral("DELETE FROM club_waiting WHERE turn = ? AND version = ?"),
                     {turn.row, turn.version}))
                return false;
            // Changed or taken back while it was on its way: what the server got is out of date.
            const bool current = q.numRowsAffected() == 1;
            if (!run(current
                         ? QStringLiteral(
                               "INSERT OR REPLACE INTO club_sent (turn, match_key, leg, player, number)"
                               " VALUES (%1, ?, ?, ?, ?)")
                               .arg(turn.row)
                         : QStringLiteral(
                               "INSERT INTO club_gone (match_key, leg, player, number) VALUES (?, ?, ?, ?)"),
                     key))
                return false;
        }
        for (const ClubEnd& end : batch.ends)
            if (end.applied &&
                !run(QStringLiteral("DELETE FROM club_ends WHERE kind = ? AND row = ? AND version = ?"),
                     {end.isLeg ? QStringLiteral("leg") : QStringLiteral("match"), end.row, end.version}))
                return false;
        return true;
    };
    if (work() && db.commit()) return true;
    const QSqlError error = q.lastError().isValid() ? q.lastError() : db.lastError();
    db.rollback();
    return fail(error);
}

} // namespace vx

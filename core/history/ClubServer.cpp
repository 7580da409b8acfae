// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/ClubServer.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace vx {

namespace {

// As the board's own file, one step after the other, plus the board on every row. Times stay
// text in the file's form, so that the figures read them alike from either.
const QList<QStringList> kMigrations = {
    // 1: the tables
    {
        QStringLiteral("CREATE TABLE players (id BIGSERIAL PRIMARY KEY, name TEXT NOT NULL,"
                       " folded TEXT NOT NULL UNIQUE)"),
        QStringLiteral(
            "CREATE TABLE matches (id BIGSERIAL PRIMARY KEY, board TEXT NOT NULL, key TEXT NOT NULL,"
            " kind TEXT NOT NULL, start_score INTEGER NOT NULL, target INTEGER NOT NULL,"
            " file TEXT NOT NULL, started_at TEXT NOT NULL, ended_at TEXT,"
            " winner BIGINT REFERENCES players(id), UNIQUE (board, key))"),
        QStringLiteral("CREATE TABLE legs (id BIGSERIAL PRIMARY KEY, board TEXT NOT NULL,"
                       " match BIGINT NOT NULL REFERENCES matches(id) ON DELETE CASCADE,"
                       " number INTEGER NOT NULL, set_number INTEGER NOT NULL,"
                       " starter BIGINT NOT NULL REFERENCES players(id),"
                       " winner BIGINT REFERENCES players(id), darts INTEGER, UNIQUE (match, number))"),
        QStringLiteral(
            "CREATE TABLE turns (id BIGSERIAL PRIMARY KEY, board TEXT NOT NULL,"
            " leg BIGINT NOT NULL REFERENCES legs(id) ON DELETE CASCADE,"
            " player BIGINT NOT NULL REFERENCES players(id), number INTEGER NOT NULL,"
            " total INTEGER NOT NULL, remaining_before INTEGER NOT NULL,"
            " bust INTEGER NOT NULL DEFAULT 0, thrown_at TEXT NOT NULL, UNIQUE (leg, player, number))"),
        QStringLiteral("CREATE TABLE darts (id BIGSERIAL PRIMARY KEY, board TEXT NOT NULL,"
                       " turn BIGINT NOT NULL REFERENCES turns(id) ON DELETE CASCADE,"
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
    // 4: boards fetch each other's leg and match ends by when they came, counted in club_change
    {
        QStringLiteral("CREATE SEQUENCE club_change"),
        QStringLiteral("ALTER TABLE legs ADD COLUMN change BIGINT"),
        QStringLiteral("ALTER TABLE matches ADD COLUMN change BIGINT"),
        QStringLiteral("UPDATE legs SET change = nextval('club_change') WHERE winner IS NOT NULL"),
        QStringLiteral("UPDATE matches SET change = nextval('club_change') WHERE winner IS NOT NULL"),
        QStringLiteral("CREATE INDEX legs_by_change ON legs (change)"),
        QStringLiteral("CREATE INDEX matches_by_change ON matches (change)"),
    },
    // 5: the turns a board took back after sending them, for the boards that fetched them
    {
        QStringLiteral("CREATE TABLE gone (id BIGSERIAL PRIMARY KEY, board TEXT NOT NULL,"
                       " match_key TEXT NOT NULL, leg INTEGER NOT NULL, player TEXT NOT NULL,"
                       " number INTEGER NOT NULL)"),
    },
};

// Boards connecting at the same moment to a new server take turns at creating its tables.
constexpr qint64 kSchemaLock = 0x56584c55'42534348;
// Sends take turns too: the server's ids and changes then become visible in the order they were
// given out, so a board that fetched up to one of them has everything before it.
constexpr qint64 kSendLock = kSchemaLock + 1;

// A fetched match's key in the board's file: a match key is only unique on its own board.
constexpr const char* kFetchedKey = "m.board || '/' || m.key";

} // namespace

int ClubServer::schemaVersion() {
    return int(kMigrations.size());
}

ClubServer::ClubServer(ClubSettings settings) : m_settings(std::move(settings)) {
    static std::atomic_int count = 0;
    m_connection = QStringLiteral("vx-club-server-%1").arg(++count);
}

ClubServer::~ClubServer() {
    disconnect();
    QSqlDatabase::removeDatabase(m_connection);
}

QSqlDatabase ClubServer::database() const {
    return QSqlDatabase::database(m_connection, false);
}

bool ClubServer::isConnected() const {
    return database().isOpen();
}

void ClubServer::disconnect() {
    QSqlDatabase db = database();
    if (db.isValid()) db.close();
}

bool ClubServer::fail(const QString& what, const QString& reason) {
    m_error = reason.trimmed().isEmpty() ? what : QStringLiteral("%1: %2").arg(what, reason.trimmed());
    return false;
}

bool ClubServer::connect() {
    return connectAtVersion(schemaVersion());
}

bool ClubServer::connectAtVersion(int version) {
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connection);
        if (!db.isValid())
            return fail(QCoreApplication::translate(
                            "vx::ClubServer",
                            "De clubserver kan niet worden gebruikt: het stuurprogramma voor PostgreSQL"
                            " (libqt6sql6-psql) ontbreekt"),
                        {});
    }
    QSqlDatabase db = database();
    db.setHostName(m_settings.host);
    db.setPort(m_settings.port);
    db.setDatabaseName(m_settings.database);
    db.setUserName(m_settings.user);
    // A server that does not answer is given up on soon: the sender tries again anyway. The
    // name lets the club's volunteer see the boards among the server's connections.
    db.setConnectOptions(QStringLiteral("connect_timeout=5;application_name=Vorlentix"));
    if (!db.open())
        return fail(QCoreApplication::translate("vx::ClubServer", "Clubserver \"%1\" is niet bereikbaar")
                        .arg(m_settings.host),
                    db.lastError().text());
    if (migrate(version)) return true;
    db.close();
    return false;
}

bool ClubServer::migrate(int upTo) {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    const auto failed = [&] {
        const QString why = q.lastError().text();
        db.rollback();
        return fail(QCoreApplication::translate("vx::ClubServer",
                                                "De historie op clubserver \"%1\" kan niet worden bijgewerkt")
                        .arg(m_settings.host),
                    why);
    };
    if (!db.transaction())
        return fail(QCoreApplication::translate("vx::ClubServer", "Clubserver \"%1\" is niet bereikbaar")
                        .arg(m_settings.host),
                    db.lastError().text());
    if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSchemaLock)) ||
        !q.exec(QStringLiteral("SELECT to_regclass('club_schema') IS NULL")) || !q.next())
        return failed();
    if (q.value(0).toBool() && !q.exec(QStringLiteral("CREATE TABLE club_schema (version INTEGER NOT NULL)")))
        return failed();
    if (!q.exec(QStringLiteral("SELECT max(version) FROM club_schema")) || !q.next()) return failed();
    int version = q.value(0).toInt();
    const bool fresh = q.value(0).isNull();
    if (version > schemaVersion()) {
        db.rollback();
        return fail(
            QCoreApplication::translate(
                "vx::ClubServer",
                "De historie op clubserver \"%1\" is van een nieuwere versie van het programma (schema %2,"
                " dit programma kent %3). De historie blijft op deze computer")
                .arg(m_settings.host)
                .arg(version)
                .arg(schemaVersion()),
            {});
    }
    for (int step = version; step < upTo; ++step)
        for (const QString& statement : kMigrations.at(step))
            if (!q.exec(statement)) return failed();
    if (upTo > version) {
        if (!q.exec(fresh ? QStringLiteral("INSERT INTO club_schema (version) VALUES (%1)").arg(upTo)
                          : QStringLiteral("UPDATE club_schema SET version = %1").arg(upTo)))
            return failed();
    }
    if (!db.commit()) return failed();
    return true;
}

bool ClubServer::send(ClubBatch& batch) {
    QSqlDatabase db = database();
    if (!db.transaction())
        return fail(QCoreApplication::translate("vx::ClubServer", "Clubserver \"%1\" is niet bereikbaar")
                        .arg(m_settings.host),
                    db.lastError().text());
    QSqlQuery lock(db);
    bool done = lock.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kSendLock));
    if (done)
        done = sendTurns(batch);
    else
        m_error = lock.lastError().text();
    if (done && db.commit()) return true;
    const QString why = m_error.isEmpty() ? db.lastError().text() : m_error;
    db.rollback();
    for (ClubEnd& end : batch.ends)
        end.applied = false;
    return fail(
        QCoreApplication::translate("vx::ClubServer", "Clubserver \"%1\" heeft de beurten niet aangenomen")
            .arg(m_settings.host),
        why);
}

bool ClubServer::sendTurns(ClubBatch& batch) {
    m_error.clear();
    const QSqlDatabase db = database();
    const QString& board = m_settings.board;
    // Prepared once for the batch: a round trip per row is what a send costs.
    const auto prepared = [&](const char* sql) {
        QSqlQuery q(db);
        q.prepare(QLatin1String(sql));
        return q;
    };
    QSqlQuery goneLeg = prepared("DELETE FROM legs WHERE number = ? AND match ="
                                 " (SELECT id FROM matches WHERE board = ? AND key = ?)");
    QSqlQuery goneTurn =
        prepared("DELETE FROM turns WHERE number = ? AND player = (SELECT id FROM players WHERE folded = ?)"
                 " AND leg = (SELECT l.id FROM legs l JOIN matches m ON m.id = l.match"
                 " WHERE m.board = ? AND m.key = ? AND l.number = ?)");
    QSqlQuery recordGone =
        prepared("INSERT INTO gone (board, match_key, leg, player, number) VALUES (?, ?, ?, ?, ?)");
    QSqlQuery addPlayer =
        prepared("INSERT INTO players (name, folded) VALUES (?, ?) ON CONFLICT (folded) DO NOTHING");
    QSqlQuery findPlayer = prepared("SELECT id FROM players WHERE folded = ?");
    QSqlQuery addMatch =
        prepared("INSERT INTO matches (board, key, kind, start_score, target, file, started_at)"
                 " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (board, key) DO NOTHING");
    QSqlQuery findMatch = prepared("SELECT id FROM matches WHERE board = ? AND key = ?");
    QSqlQuery addLeg =
        prepared("INSERT INTO legs (board, match, number, set_number, starter) VALUES (?, ?, ?, ?, ?)"
                 " ON CONFLICT (match, number) DO NOTHING");
    QSqlQuery findLeg = prepared("SELECT id FROM legs WHERE match = ? AND number = ?");
    // A turn and its darts in one statement: the darts go only with a turn the server did not
    // have yet, as one it had came with its darts the first time. Slots not thrown are NULL.
    QSqlQuery addTurn = prepared(
        "WITH t AS (INSERT INTO turns (board, leg, player, number, total, remaining_before, bust, thrown_at)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (leg, player, number) DO NOTHING RETURNING id)"
        " INSERT INTO darts (board, turn, slot, code, points)"
        " SELECT ?, t.id, d.slot, d.code, d.points FROM t, (VALUES"
        " (CAST(? AS int), CAST(? AS text), CAST(? AS int)),"
        " (CAST(? AS int), CAST(? AS text), CAST(? AS int)),"
        " (CAST(? AS int), CAST(? AS text), CAST(? AS int))) AS d (slot, code, points)"
        " WHERE d.slot IS NOT NULL");
    QSqlQuery endLeg =
        prepared("UPDATE legs SET winner = ?, darts = ?, change = nextval('club_change')"
                 " WHERE number = ? AND match = (SELECT id FROM matches WHERE board = ? AND key = ?)");
    QSqlQuery endMatch =
        prepared("UPDATE matches SET winner = ?, ended_at = ?, change = nextval('club_change')"
                 " WHERE board = ? AND key = ?");

    QSqlError error;
    const auto exec = [&](QSqlQuery& q, const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (q.exec()) return true;
        error = q.lastError();
        return false;
    };
    // Looked up once a batch: the ids a row of the batch refers to.
    QHash<QString, qint64> players, matches;
    QHash<QPair<qint64, int>, qint64> legs;
    const auto idOf = [&](QSqlQuery& find, const QVariantList& key) -> std::optional<qint64> {
        if (!exec(find, key)) return std::nullopt;
        if (!find.next()) {
            error = QSqlError(QStringLiteral("row not found"), {}, QSqlError::UnknownError);
            return std::nullopt;
        }
        return find.value(0).toLongLong();
    };
    const auto playerId = [&](const QString& name) -> std::optional<qint64> {
        const QString folded = name.toCaseFolded();
        if (const auto at = players.constFind(folded); at != players.cend()) return *at;
        if (!exec(addPlayer, {name, folded})) return std::nullopt;
        const std::optional<qint64> id = idOf(findPlayer, {folded});
        if (id) players.insert(folded, *id);
        return id;
    };
    const auto failed = [&] {
        m_error = error.text();
        return false;
    };

    for (const ClubGone& gone : batch.gone) {
        if (gone.player.isEmpty()) {
            if (!exec(goneLeg, {gone.leg, board, gone.matchKey})) return failed();
            continue;
        }
        if (!exec(goneTurn, {gone.number, gone.player, board, gone.matchKey, gone.leg})) return failed();
        // Other boards may have fetched it: they take it back when they fetch this. (A leg goes
        // only once its turns have gone, each with its own record.)
        if (goneTurn.numRowsAffected() > 0 &&
            !exec(recordGone, {board, gone.matchKey, gone.leg, gone.player, gone.number}))
            return failed();
    }
    for (const ClubTurn& turn : batch.turns) {
        const std::optional<qint64> player = playerId(turn.player);
        const std::optional<qint64> starter = playerId(turn.leg.starter);
        if (!player || !starter) return failed();
        qint64 match = matches.value(turn.match.key);
        if (match == 0) {
            const HistoryMatch& m = turn.match;
            if (!exec(addMatch, {board, m.key, m.kind, m.startScore, m.target, m.file, turn.matchStartedAt}))
                return failed();
            const std::optional<qint64> id = idOf(findMatch, {board, m.key});
            if (!id) return failed();
            matches.insert(m.key, match = *id);
        }
        qint64 leg = legs.value({match, turn.leg.number});
        if (leg == 0) {
            if (!exec(addLeg, {board, match, turn.leg.number, turn.leg.set, *starter})) return failed();
            const std::optional<qint64> id = idOf(findLeg, {match, turn.leg.number});
            if (!id) return failed();
            legs.insert({match, turn.leg.number}, leg = *id);
        }
        QVariantList values{board,     leg,           *player, turn.number, turn.total, turn.remainingBefore,
                            turn.bust, turn.thrownAt, board};
        for (int slot = 0; slot < 3; ++slot) {
            const bool thrown = slot < turn.darts.size();
            const HistoryDart dart = thrown ? turn.darts[slot] : HistoryDart();
            values << (thrown ? QVariant(dart.slot) : QVariant(QMetaType::fromType<int>()))
                   << (thrown ? QVariant(dart.code) : QVariant(QMetaType::fromType<QString>()))
                   << (thrown ? QVariant(dart.points) : QVariant(QMetaType::fromType<int>()));
        }
        if (!exec(addTurn, values)) return failed();
    }
    for (ClubEnd& end : batch.ends) {
        QVariant winner{QMetaType::fromType<qint64>()};
        if (!end.winner.isEmpty()) {
            const std::optional<qint64> id = playerId(end.winner);
            if (!id) return failed();
            winner = *id;
        }
        QSqlQuery& q = end.isLeg ? endLeg : endMatch;
        if (!(end.isLeg
                  ? exec(q, {winner, end.darts, end.leg, board, end.matchKey})
                  : exec(q, {winner,
                             end.endedAt.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : end.endedAt,
                             board, end.matchKey})))
            return failed();
        // A leg or match the server does not have yet waits for its turns.
        end.applied = q.numRowsAffected() > 0;
    }
    return true;
}

std::optional<ClubBatch> ClubServer::fetch(qint64 turnsAfter, qint64 endsAfter, qint64 goneAfter, int limit) {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto failed = [&]() -> std::optional<ClubBatch> {
        fail(QCoreApplication::translate("vx::ClubServer", "Clubserver \"%1\" is niet bereikbaar")
                 .arg(m_settings.host),
             q.lastError().text());
        db.rollback();
        return std::nullopt;
    };
    const auto exec = [&](const QString& sql, const QVariantList& values) {
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        return q.exec();
    };
    // The turns and the ends as of one moment: an end read is never of a leg whose turns are not.
    if (!db.transaction() || !q.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ")))
        return failed();
    ClubBatch batch;
    // Taken back before the turns are written: a turn taken back and thrown again comes after.
    if (!exec(QStringLiteral("SELECT id, board || '/' || match_key, leg, player, number FROM gone"
                             " WHERE id > ? AND board <> ? ORDER BY id"),
              {goneAfter, m_settings.board}))
        return failed();
    while (q.next()) {
        batch.lastGone = q.value(0).toLongLong();
        batch.gone.append({q.value(1).toString(), q.value(2).toInt(), q.value(3).toString(), q.value(4).toInt()});
    }
    if (!exec(QStringLiteral(
                  "SELECT t.id, m.board, %1, m.kind, m.start_score, m.target, m.file, m.started_at, l.number,"
                  " l.set_number, s.name, p.name, t.number, t.total, t.remaining_before, t.bust,"
                  " t.thrown_at FROM turns t JOIN legs l ON l.id = t.leg"
                  " JOIN matches m ON m.id = l.match JOIN players s ON s.id = l.starter"
                  " JOIN players p ON p.id = t.player WHERE t.id > ? AND t.board <> ?"
                  " ORDER BY t.id LIMIT ?")
                  .arg(QLatin1String(kFetchedKey)),
              {turnsAfter, m_settings.board, limit}))
        return failed();
    while (q.next()) {
        ClubTurn turn = ClubTurn::read(q);
        turn.board = q.value(1).toString();
        batch.turns.append(std::move(turn));
    }
    if (!batch.turns.isEmpty()) {
        if (!exec(QStringLiteral("SELECT turn, slot, code, points FROM darts WHERE turn BETWEEN ? AND ?"
                                 " AND board <> ? ORDER BY turn, slot"),
                  {batch.turns.first().row, batch.turns.last().row, m_settings.board}))
            return failed();
        batch.addDarts(q);
    }
    // Ends only once every turn is in: the next fetch goes on where this one stopped.
    if (batch.turns.size() < limit) {
        if (!exec(QStringLiteral("SELECT l.change, %1, l.number, p.name, l.darts,"
                                 " (SELECT max(thrown_at) FROM turns WHERE leg = l.id) FROM legs l"
                                 " JOIN matches m ON m.id = l.match JOIN players p ON p.id = l.winner"
                                 " WHERE l.change > ? AND l.board <> ? ORDER BY l.change")
                      .arg(QLatin1String(kFetchedKey)),
                  {endsAfter, m_settings.board}))
            return failed();
        while (q.next())
            batch.ends.append({true, q.value(0).toLongLong(), 0, q.value(1).toString(), q.value(2).toInt(),
                               q.value(3).toString(), q.value(4).toInt(), q.value(5).toString()});
        if (!exec(QStringLiteral("SELECT m.change, %1, p.name, m.ended_at FROM matches m"
                                 " JOIN players p ON p.id = m.winner WHERE m.change > ? AND m.board <> ?"
                                 " ORDER BY m.change")
                      .arg(QLatin1String(kFetchedKey)),
                  {endsAfter, m_settings.board}))
            return failed();
        while (q.next())
            batch.ends.append({false, q.value(0).toLongLong(), 0, q.value(1).toString(), 0,
                               q.value(2).toString(), 0, q.value(3).toString()});
    }
    if (!db.commit()) return failed();
    return batch;
}

} // namespace vx

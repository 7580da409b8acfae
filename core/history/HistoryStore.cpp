// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryStore.h"

#include "core/common/Services.h"
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
    // 4: what the club server has not had yet
    ClubOutbox::schema(),
};

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

bool HistoryStore::open() {
    return openAtVersion(schemaVersion());
}

bool HistoryStore::openAtVersion(int version) {
    if (!openFile()) return false;
    if (migrate(version)) return true;
    if (m_setAside.isEmpty() && m_path != QLatin1String(":memory:") && IsDamage(m_sqlError))
        return setAside() && openFile() && migrate(version);
    return false;
}

bool HistoryStore::migrate(int upTo) {
    QSqlDatabase db = database();
    QSqlQuery q(db);
    // WAL: a reader (the history window) never waits for the writer, and a killed writer leaves
    // the file as it was after its last commit. NORMAL syncs at checkpoints, which is enough
    // for a program killed; a power cut may cost the last turns, never the file.
    for (const char* pragma : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL",
                               "PRAGMA foreign_keys = ON", "PRAGMA busy_timeout = 2000"})
        if (!run(q, QLatin1String(pragma))) return false;
    if (!run(q, QStringLiteral("PRAGMA quick_check")) || !q.next()) return false;
    if (q.value(0).toString() != QLatin1String("ok")) {
        // Not an error of the query: say it the way a damaged page would.
        m_error = q.value(0).toString();
        return !m_setAside.isEmpty() ? false : (setAside() && openFile() && migrate(upTo));
    }
    if (!run(q, QStringLiteral("PRAGMA user_version")) || !q.next()) return false;
    int version = q.value(0).toInt();
    if (version > schemaVersion())
        return fail(QCoreApplication::translate("vx::HistoryStore", "het bestand is van een nieuwere versie van het programma (schema %1)").arg(version));
    for (; version < upTo; ++version) {
        const bool done = transaction([&] {
            for (const QString& statement : kMigrations.at(version))
                if (!run(q, statement)) return false;
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

bool HistoryStore::recordTurn(const HistoryMatch& match, const HistoryLeg& leg, const HistoryTurn& turn) {
    return transaction([&] {
        QSqlQuery q(database());
        q.prepare(QStringLiteral("INSERT INTO matches (key, kind, start_score, target, file, started_at)"
                                 " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (key) DO NOTHING"));
        for (const QVariant& v : {QVariant(match.key), QVariant(match.kind), QVariant(match.startScore),
                                  QVariant(match.target), QVariant(match.file.isNull() ? QStringLiteral("") : match.file),
                                  QVariant(historyTimeText(turn.at))})
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

        q.prepare(QStringLiteral("SELECT id, total, (SELECT count(*) FROM darts WHERE darts.turn = turns.id)"
                                 " FROM turns WHERE leg = ? AND player = ? AND number = ?"));
        for (const QVariant& v : {QVariant(*legRow), QVariant(*player), QVariant(turn.number)})
            q.addBindValue(v);
        if (!run(q)) return false;
        const bool known = q.next();
        const bool same = known && q.value(1).toInt() == turn.total;
        // Darts already kept for the same total are the darts of this very turn.
        if (same && (!turn.darts || q.value(2).toInt() > 0)) return true;
        qint64 turnRow = known ? q.value(0).toLongLong() : 0;
        if (!same) {
            q.prepare(QStringLiteral(
                "INSERT INTO turns (leg, player, number, total, remaining_before, thrown_at) VALUES (?, ?, ?, ?, ?, ?)"
                " ON CONFLICT (leg, player, number) DO UPDATE SET total = excluded.total,"
                " remaining_before = excluded.remaining_before, thrown_at = excluded.thrown_at"));
            for (const QVariant& v : {QVariant(*legRow), QVariant(*player), QVariant(turn.number),
                                      QVariant(turn.total), QVariant(turn.remainingBefore), QVariant(historyTimeText(turn.at))})
                q.addBindValue(v);
            if (!run(q)) return false;
            if (!known) turnRow = q.lastInsertId().toLongLong();
            q.prepare(QStringLiteral("DELETE FROM darts WHERE turn = ?"));
            q.addBindValue(turnRow);
            if (!run(q)) return false;
        }
        if (!turn.darts) return true;
        q.prepare(QStringLiteral("INSERT INTO darts (turn, slot, code, points) VALUES (?, ?, ?, ?)"));
        for (const HistoryDart& dart : *turn.darts) {
            for (const QVariant& v : {QVariant(turnRow), QVariant(dart.slot), QVariant(dart.code), QVariant(dart.points)})
                q.addBindValue(v);
            if (!run(q)) return false;
        }
        return true;
    });
}

bool HistoryStore::removeTurn(const QString& matchKey, int leg, const QString& player, int number) {
    return transaction([&] {
        QSqlQuery q(database());
        q.prepare(QStringLiteral("DELETE FROM turns WHERE number = ? AND player = (SELECT id FROM players"
                                 " WHERE folded = ?) AND leg = (SELECT legs.id FROM legs JOIN matches"
                                 " ON matches.id = legs.match WHERE matches.key = ? AND legs.number = ?)"));
        for (const QVariant& v : {QVariant(number), QVariant(player.toCaseFolded()), QVariant(matchKey), QVariant(leg)})
            q.addBindValue(v);
        return run(q);
    });
}

bool HistoryStore::keepTurns(const QString& matchKey, int leg, const QString& player, int count) {
    return transaction([&] {
        const std::optional<qint64> legRow = legId(matchKey, leg);
        if (!legRow) return true;
        QSqlQuery q(database());
        q.prepare(QStringLiteral("DELETE FROM turns WHERE leg = ? AND number > ? AND player ="
                                 " (SELECT id FROM players WHERE folded = ?)"));
        for (const QVariant& v : {QVariant(*legRow), QVariant(count), QVariant(player.toCaseFolded())})
            q.addBindValue(v);
        if (!run(q)) return false;
        q.prepare(QStringLiteral("DELETE FROM legs WHERE id = ? AND NOT EXISTS (SELECT 1 FROM turns WHERE leg = ?)"));
        q.addBindValue(*legRow);
        q.addBindValue(*legRow);
        return run(q);
    });
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
        return run(q);
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

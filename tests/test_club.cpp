// SPDX-License-Identifier: GPL-3.0-or-later
// The history on a club server, against a real PostgreSQL started for the test alone: what a
// board's file says is waiting, the server's schema moving forward, and boards whose every turn
// arrives exactly once however the server or the connection comes and goes.
#include "core/history/ClubFetch.h"
#include "core/history/ClubSender.h"
#include "core/history/HistoryFigures.h"
#include "pgserver.h"
#include "testsupport.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace vx;
using namespace vxtest;

namespace {

// Fast enough for a test; the defaults are for a club and run in wrongPassword().
const ClubTiming kQuick{50, 50, 200, 500};

QVariant One(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next()) return QStringLiteral("error: ") + q.lastError().text();
    return q.value(0);
}

// A board: its own history file and, once started, its sender.
struct Board {
    Board(const QTemporaryDir& dir, const QString& name)
        : store(dir.filePath(name + QStringLiteral(".sqlite"))) {
        QVERIFY2(store.open(), qPrintable(store.error()));
    }
    void start(const ClubSettings& settings, ClubTiming timing = kQuick) {
        sender = std::make_unique<ClubSender>(settings, store.database().databaseName(), timing);
        // Queued to this thread, as the main window gets them: the sender sends from its own.
        QObject::connect(sender.get(), &ClubSender::statusChanged, &receiver,
                         [this](const ClubStatus& status) { seen.append(status); });
    }
    ClubStatus last() const { return seen.isEmpty() ? ClubStatus() : seen.last(); }
    // Turns `from` to `to` of an evening: Anna and Bert take turns, 60 each with three darts;
    // every twentieth turn ends a leg, won by Anna.
    void play(const QString& match, int from, int to) {
        for (int n = from; n <= to; ++n) {
            const int leg = (n - 1) / 20 + 1;
            const int inLeg = (n - 1) % 20;
            const QString player = inLeg % 2 ? QStringLiteral("Bert") : QStringLiteral("Anna");
            const HistoryTurn turn{player,
                                   inLeg / 2 + 1,
                                   60,
                                   501 - 60 * (inLeg / 2),
                                   QDateTime(QDate(2026, 12, 9), QTime(20, 0).addSecs(n)),
                                   QList<HistoryDart>{{1, QStringLiteral("T20"), 60},
                                                      {2, QStringLiteral("0"), 0},
                                                      {3, QStringLiteral("0"), 0}}};
            QVERIFY2(store.recordTurn({match, kMatchKindTeam, 501, 0, QStringLiteral("De Pijlen")},
                                      {leg, 1, QStringLiteral("Anna")}, turn),
                     qPrintable(store.error()));
            if (inLeg == 19) QVERIFY(store.endLeg(match, leg, QStringLiteral("Anna"), 30, turn.at));
        }
    }
    HistoryStore store;
    std::unique_ptr<ClubSender> sender;
    QObject receiver;
    QList<ClubStatus> seen;
};

// The league table as it reads, one line a player.
QString League(const QSqlDatabase& db) {
    QStringList lines;
    for (const LeagueRow& r : leagueTable(db, QStringLiteral("De Pijlen")))
        lines << QStringLiteral("%1 %2/%3 %4 %5 %6 %7/%8 %9 %10")
                     .arg(r.player)
                     .arg(r.legsWon)
                     .arg(r.legs)
                     .arg(r.average, 0, 'f', 2)
                     .arg(r.firstNine, 0, 'f', 2)
                     .arg(r.oneEighties)
                     .arg(r.checkouts)
                     .arg(r.dartsAtDouble)
                     .arg(r.bestLeg)
                     .arg(r.highestFinish);
    return lines.join(u'\n');
}

} // namespace

class ClubTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void statusText_data();
    void statusText();
    void sourceText_data();
    void sourceText();
    void account_data();
    void account();
    void schema_data();
    void schema();
    void twoBoards();
    void fetched();
    void serverStopped();
    void fileSetAside();
    void connectionCut();
    void wrongPassword();

  private:
    // A database of its own for the test function, and the test's connection to it.
    QSqlDatabase freshDatabase();
    ClubSettings settings(const QString& board) const;
    std::unique_ptr<PgServer> m_server;
    QTemporaryDir m_dir;
    QString m_database;
    int m_databases = 0;
};

void ClubTest::initTestCase() {
    if (PgServer::binaries().isEmpty())
        QSKIP(
            "PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb); ./setup.sh test installs it");
    m_server = std::make_unique<PgServer>();
    QVERIFY2(m_server->ok(), qPrintable(m_server->error()));
    // The password as a board finds it: libpq reads it from the pgpass file by itself.
    const QString pgpass = m_dir.filePath(QStringLiteral("pgpass"));
    QFile file(pgpass);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("*:*:*:") + PgServer::kUser + ':' + PgServer::kPassword + '\n');
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PGPASSFILE", pgpass.toLocal8Bit());
}

QSqlDatabase ClubTest::freshDatabase() {
    m_database = QStringLiteral("club%1").arg(++m_databases);
    if (!m_server->psql(QStringLiteral("CREATE DATABASE %1").arg(m_database)))
        qWarning() << m_server->error();
    QSqlDatabase db = QSqlDatabase::contains(QStringLiteral("test"))
                          ? QSqlDatabase::database(QStringLiteral("test"), false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("test"));
    db.close();
    db.setHostName(m_server->socketDir());
    db.setPort(PgServer::kPort);
    db.setDatabaseName(m_database);
    db.setUserName(QString::fromLatin1(PgServer::kUser));
    if (!db.open()) qWarning() << db.lastError().text();
    return db;
}

ClubSettings ClubTest::settings(const QString& board) const {
    return {m_server->socketDir(), PgServer::kPort, m_database, QString::fromLatin1(PgServer::kUser), board};
}

void ClubTest::statusText_data() {
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("text");
    QTest::newRow("down, twelve") << false << 12
                                  << QStringLiteral("Clubserver: niet bereikbaar — 12 beurten wachten");
    QTest::newRow("down, one") << false << 1 << QStringLiteral("Clubserver: niet bereikbaar — 1 beurt wacht");
    QTest::newRow("down, none") << false << 0 << QStringLiteral("Clubserver: niet bereikbaar");
    QTest::newRow("up, sending") << true << 3 << QStringLiteral("Clubserver: verbonden — 3 beurten wachten");
    QTest::newRow("up, all there") << true << 0 << QStringLiteral("Clubserver: bijgewerkt");
}

void ClubTest::statusText() {
    QFETCH(bool, reachable);
    QFETCH(int, waiting);
    QFETCH(QString, text);
    QCOMPARE(clubStatusText({reachable, waiting, {}}), text);
}

void ClubTest::sourceText_data() {
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QDateTime>("fetched");
    QTest::addColumn<QString>("text");
    const QDateTime evening(QDate(2026, 12, 9), QTime(21, 14));
    QTest::newRow("up") << true << evening << QStringLiteral("Alle borden, bijgewerkt om 21:14");
    QTest::newRow("up, nothing yet") << true << QDateTime()
                                     << QStringLiteral("Alle borden: worden opgehaald");
    QTest::newRow("down") << false << evening
                          << QStringLiteral("Clubserver niet bereikbaar: alleen wat om 21:14 is opgehaald");
    QTest::newRow("down since yesterday")
        << false << evening.addDays(-1)
        << QStringLiteral("Clubserver niet bereikbaar: alleen wat om 08-12-2026 21:14 is opgehaald");
    QTest::newRow("down, nothing fetched")
        << false << QDateTime() << QStringLiteral("Clubserver niet bereikbaar: alleen dit bord");
}

void ClubTest::sourceText() {
    QFETCH(bool, reachable);
    QFETCH(QDateTime, fetched);
    QFETCH(QString, text);
    QCOMPARE(clubSourceText(reachable, fetched, QDate(2026, 12, 9)), text);
}

// The account in the board's file alone: what waits, and what the server must give up again.
// A step is "book N", "send" (read and marked sent), "read" (read, not yet marked), "mark" (the
// read batch marked), "undo N" (the turn with id N taken back), "change N" (its total changed).
void ClubTest::account_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<int>("gone");
    QTest::addColumn<int>("ends");
    QTest::newRow("booked") << QStringList{"book 3"} << 3 << 0 << 0;
    QTest::newRow("sent") << QStringList{"book 3", "send"} << 0 << 0 << 0;
    QTest::newRow("undone before sending") << QStringList{"book 3", "undo 3"} << 2 << 0 << 0;
    QTest::newRow("undone after sending") << QStringList{"book 3", "send", "undo 3", "book 1"} << 1 << 1 << 0;
    QTest::newRow("changed after sending") << QStringList{"book 2", "send", "change 2"} << 1 << 1 << 0;
    QTest::newRow("undone on its way") << QStringList{"book 2", "read", "undo 2", "mark"} << 0 << 1 << 0;
    QTest::newRow("changed on its way") << QStringList{"book 2", "read", "change 1", "mark"} << 1 << 1 << 0;
    QTest::newRow("booked on its way") << QStringList{"book 2", "read", "book 1", "mark"} << 1 << 0 << 0;
    // A leg end waits until the server has the leg: here it never has one.
    QTest::newRow("leg end") << QStringList{"book 20", "send"} << 0 << 0 << 2;
}

void ClubTest::account() {
    QFETCH(QStringList, steps);
    QTemporaryDir dir;
    Board board(dir, QStringLiteral("bord"));
    ClubOutbox outbox(board.store.database().databaseName());
    QVERIFY2(outbox.open(), qPrintable(outbox.error()));
    int booked = 0;
    std::optional<ClubBatch> read;
    for (const QString& step : steps) {
        const QStringList words = step.split(u' ');
        const int n = words.value(1).toInt();
        QSqlQuery q(board.store.database());
        if (words[0] == u"book") {
            board.play(QStringLiteral("m"), booked + 1, booked + n);
            booked += n;
        } else if (words[0] == u"undo") {
            // Taken back as the recorder does it, darts and sums first.
            QVERIFY(q.exec(QStringLiteral("SELECT matches.key, legs.number, players.name, turns.number FROM turns"
                                          " JOIN legs ON legs.id = turns.leg JOIN matches ON matches.id = legs.match"
                                          " JOIN players ON players.id = turns.player WHERE turns.id = %1")
                               .arg(n)));
            QVERIFY(q.next());
            QVERIFY(board.store.removeTurn(q.value(0).toString(), q.value(1).toInt(), q.value(2).toString(),
                                           q.value(3).toInt()));
        } else if (words[0] == u"change") {
            QVERIFY(q.exec(QStringLiteral("UPDATE turns SET total = 1 WHERE id = %1").arg(n)));
        } else if (words[0] == u"read" || words[0] == u"send") {
            read = outbox.next(100);
            QVERIFY(read);
        }
        if (words[0] == u"mark" || words[0] == u"send")
            QVERIFY2(outbox.markSent(*read), qPrintable(outbox.error()));
    }
    QFETCH(int, waiting);
    QFETCH(int, gone);
    QFETCH(int, ends);
    QCOMPARE(outbox.waiting(), std::optional<int>(waiting));
    QCOMPARE(One(board.store.database(), QStringLiteral("SELECT count(*) FROM club_gone")).toInt(), gone);
    QCOMPARE(One(board.store.database(), QStringLiteral("SELECT count(*) FROM club_ends")).toInt(), ends);
}

// The server's schema: made on a new server, moved on from an older one, refused when newer.
void ClubTest::schema_data() {
    QTest::addColumn<int>("before"); // the version left by an earlier board; 0 for none
    QTest::addColumn<bool>("connects");
    QTest::newRow("new server") << 0 << true;
    QTest::newRow("one version older") << ClubServer::schemaVersion() - 1 << true;
    QTest::newRow("the same") << ClubServer::schemaVersion() << true;
    QTest::newRow("newer") << ClubServer::schemaVersion() + 1 << false;
}

void ClubTest::schema() {
    QFETCH(int, before);
    QFETCH(bool, connects);
    QSqlDatabase db = freshDatabase();
    if (before > 0) {
        ClubServer older(settings(QStringLiteral("Bord 2")));
        QVERIFY2(older.connectAtVersion(std::min(before, ClubServer::schemaVersion())),
                 qPrintable(older.error()));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("UPDATE club_schema SET version = %1").arg(before)));
    }
    ClubServer server(settings(QStringLiteral("Bord 1")));
    QCOMPARE(server.connect(), connects);
    QCOMPARE(One(db, QStringLiteral("SELECT version FROM club_schema")).toInt(),
             connects ? ClubServer::schemaVersion() : before);
    if (connects) {
        QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM club_schema")).toInt(), 1);
        // The last step's index is there whether the server was new or one step behind.
        QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM pg_indexes WHERE indexname = 'legs_by_change'"))
                     .toInt(),
                 1);
    } else {
        QVERIFY2(server.error().contains(QStringLiteral("nieuwere versie")), qPrintable(server.error()));
        QVERIFY(server.error().contains(QStringLiteral("De historie blijft op deze computer")));
        QVERIFY(!server.isConnected());
    }
}

// Two boards play one evening at the same time: the server has every leg once, each with its
// board, and the league table (legs won per player) counts both boards' legs.
void ClubTest::twoBoards() {
    QSqlDatabase db = freshDatabase();
    QTemporaryDir dir;
    Board one(dir, QStringLiteral("een")), two(dir, QStringLiteral("twee"));
    one.start(settings(QStringLiteral("Bord 1")));
    two.start(settings(QStringLiteral("Bord 2")));
    // Both boards keep the same match key: a match's key is only unique on its own board.
    for (int n = 1; n <= 100; n += 10) {
        one.play(QStringLiteral("avond"), n, n + 9);
        two.play(QStringLiteral("avond"), n, n + 9);
    }
    QTRY_COMPARE_WITH_TIMEOUT(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 200, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(
        One(db, QStringLiteral("SELECT count(*) FROM legs WHERE winner IS NOT NULL")).toInt(), 10, 20000);
    QCOMPARE(One(db, QStringLiteral("SELECT string_agg(board || ':' || n, ' ' ORDER BY board) FROM"
                                    " (SELECT board, count(*) AS n FROM legs GROUP BY board) AS b")),
             QVariant(QStringLiteral("Bord 1:5 Bord 2:5")));
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM darts")).toInt(), 600);
    QCOMPARE(
        One(db, QStringLiteral("SELECT string_agg(name || ':' || n, ' ') FROM (SELECT p.name, count(*) AS n"
                               " FROM legs l JOIN players p ON p.id = l.winner GROUP BY p.name) AS w")),
        QVariant(QStringLiteral("Anna:10")));
    QTRY_COMPARE(one.last(), (ClubStatus{true, 0, {}}));
}

// Two boards fetch each other's evening: a board's league table is that of one file holding both
// boards' legs, nothing fetched goes back, a fetch done again counts nothing twice, and a board
// cut off from the server keeps what it fetched.
void ClubTest::fetched() {
    QSqlDatabase db = freshDatabase();
    QTemporaryDir dir;
    Board one(dir, QStringLiteral("een")), two(dir, QStringLiteral("twee")),
        both(dir, QStringLiteral("beide"));
    one.start(settings(QStringLiteral("Bord 1")));
    two.start(settings(QStringLiteral("Bord 2")));
    one.play(QStringLiteral("avond"), 1, 40);
    two.play(QStringLiteral("avond"), 1, 50);
    both.play(QStringLiteral("een"), 1, 40);
    both.play(QStringLiteral("twee"), 1, 50);
    const QSqlDatabase mine = one.store.database();
    const QString legsEnded = QStringLiteral("SELECT count(*) FROM legs WHERE winner IS NOT NULL");
    for (const Board* board : {&one, &two}) {
        QTRY_COMPARE_WITH_TIMEOUT(
            One(board->store.database(), QStringLiteral("SELECT count(*) FROM turns")).toInt(), 90, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(One(board->store.database(), legsEnded).toInt(), 4, 20000);
    }
    const QString expected = League(both.store.database());
    QVERIFY(expected.startsWith(QStringLiteral("Anna 4/5 ")));
    QCOMPARE(League(mine), expected);
    QCOMPARE(League(two.store.database()), expected);
    QCOMPARE(One(mine, QStringLiteral("SELECT count(*) FROM matches WHERE board = 'Bord 2'")).toInt(), 1);

    ClubOutbox outbox(mine.databaseName());
    QVERIFY(outbox.open());
    QCOMPARE(outbox.waiting(), std::optional<int>(0));
    QCOMPARE(One(mine, QStringLiteral("SELECT count(*) FROM club_ends")).toInt(), 0);
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 90);
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM matches")).toInt(), 2);

    // Bert's last turn taken back on board 2 after board 1 fetched it: board 1 takes it back too.
    QVERIFY(two.store.removeTurn(QStringLiteral("avond"), 3, QStringLiteral("Bert"), 5));
    QVERIFY(both.store.removeTurn(QStringLiteral("twee"), 3, QStringLiteral("Bert"), 5));
    QTRY_COMPARE_WITH_TIMEOUT(One(mine, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 89, 20000);
    const QString takenBack = League(both.store.database());
    QCOMPARE(League(mine), takenBack);

    // Everything fetched again from the start.
    QSqlQuery q(mine);
    QVERIFY(q.exec(QStringLiteral("UPDATE club_fetched SET turns = 0, ends = 0")));
    QTRY_VERIFY_WITH_TIMEOUT(One(mine, QStringLiteral("SELECT turns FROM club_fetched")).toInt() > 0, 20000);
    QTRY_VERIFY_WITH_TIMEOUT(One(mine, QStringLiteral("SELECT ends FROM club_fetched")).toInt() > 0, 20000);
    QCOMPARE(League(mine), takenBack);
    QCOMPARE(One(mine, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 89);

    const QDateTime fetchedAt = clubFetchedAt(mine);
    QVERIFY(fetchedAt.isValid());
    db.close();
    QVERIFY2(m_server->stop(), qPrintable(m_server->error()));
    one.play(QStringLiteral("avond"), 41, 60);
    QTRY_VERIFY_WITH_TIMEOUT(!one.last().reachable, 10000);
    QCOMPARE(clubFetchedAt(mine), fetchedAt);
    both.play(QStringLiteral("een"), 41, 60);
    QCOMPARE(League(mine), League(both.store.database()));
    QVERIFY2(m_server->start(), qPrintable(m_server->error()));
    QVERIFY(db.open());
}

// The server stopped in the middle of the evening and started again: every turn arrives once,
// also one taken back while the server was away, and the status line counts what waits.
void ClubTest::serverStopped() {
    QSqlDatabase db = freshDatabase();
    QTemporaryDir dir;
    Board board(dir, QStringLiteral("bord"));
    board.start(settings(QStringLiteral("Bord 1")));
    board.play(QStringLiteral("avond"), 1, 30);
    QTRY_COMPARE_WITH_TIMEOUT(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 30, 20000);
    db.close();
    QVERIFY2(m_server->stop(), qPrintable(m_server->error()));
    board.play(QStringLiteral("avond"), 31, 42);
    QVERIFY(board.store.removeTurn(QStringLiteral("avond"), 1, QStringLiteral("Anna"), 10)); // sent already
    QTRY_COMPARE_WITH_TIMEOUT(clubStatusText(board.last()),
                              QStringLiteral("Clubserver: niet bereikbaar — 12 beurten wachten"), 10000);
    QVERIFY2(m_server->start(), qPrintable(m_server->error()));
    QVERIFY(db.open());
    QTRY_COMPARE_WITH_TIMEOUT(board.last(), (ClubStatus{true, 0, {}}), 20000);
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 41);
    QCOMPARE(
        One(db, QStringLiteral(
                    "SELECT count(*) FROM turns t JOIN players p ON p.id = t.player"
                    " JOIN legs l ON l.id = t.leg WHERE l.number = 1 AND p.name = 'Anna' AND t.number = 10")),
        QVariant(0));
    QCOMPARE(One(db, QStringLiteral("SELECT sum(total) FROM turns")).toInt(), 41 * 60);
}

// The recorder sets a damaged history aside and starts a new file under the same name: the
// sender goes on with the new file without a restart.
void ClubTest::fileSetAside() {
    QSqlDatabase db = freshDatabase();
    QTemporaryDir dir;
    Board board(dir, QStringLiteral("bord"));
    board.start(settings(QStringLiteral("Bord 1")));
    board.play(QStringLiteral("avond"), 1, 10);
    QTRY_COMPARE_WITH_TIMEOUT(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 10, 20000);
    const QString path = board.store.database().databaseName();
    board.store.database().close();
    QVERIFY(QFile::rename(path, path + QStringLiteral(".beschadigd")));
    Board started(dir, QStringLiteral("bord")); // the new file, written on by the recorder
    started.play(QStringLiteral("avond2"), 1, 5);
    QTRY_COMPARE_WITH_TIMEOUT(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 15, 20000);
}

// The connection cut while a large backlog is on its way: the transaction under way is lost as
// a whole and sent again, and nothing arrives twice.
void ClubTest::connectionCut() {
    QSqlDatabase db = freshDatabase();
    QTemporaryDir dir;
    Board board(dir, QStringLiteral("bord"));
    board.play(QStringLiteral("avond"), 1, 1500);
    // A server slowed down to a millisecond a turn: the cut surely comes in the middle.
    ClubServer made(settings(QStringLiteral("Bord 1")));
    QVERIFY2(made.connect(), qPrintable(made.error()));
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("CREATE FUNCTION slow() RETURNS trigger LANGUAGE plpgsql AS"
                                  " 'BEGIN PERFORM pg_sleep(0.001); RETURN NEW; END'")));
    QVERIFY(q.exec(
        QStringLiteral("CREATE TRIGGER slow BEFORE INSERT ON turns FOR EACH ROW EXECUTE FUNCTION slow()")));
    made.disconnect();
    board.start(settings(QStringLiteral("Bord 1")), {50, 50, 200, 100});
    QTRY_VERIFY_WITH_TIMEOUT(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt() > 0, 20000);
    QString cut;
    QVERIFY(m_server->psql(QStringLiteral("SELECT count(pg_terminate_backend(pid)) FROM pg_stat_activity"
                                          " WHERE application_name = 'Vorlentix' AND datname = '%1'")
                               .arg(m_database),
                           &cut));
    QCOMPARE(cut, QStringLiteral("1"));
    QVERIFY(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt() < 1500);
    QTRY_COMPARE_WITH_TIMEOUT(board.last(), (ClubStatus{true, 0, {}}), 30000);
    QVERIFY(std::any_of(board.seen.cbegin(), board.seen.cend(),
                        [](const ClubStatus& s) { return !s.reachable; }));
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM turns")).toInt(), 1500);
    QCOMPARE(One(db, QStringLiteral("SELECT count(*) FROM darts")).toInt(), 4500);
}

// A password the server refuses: the board says why in Dutch, keeps writing its own file, and
// counts what waits. Run with the club's own timing.
void ClubTest::wrongPassword() {
    freshDatabase();
    QTemporaryDir dir;
    Board board(dir, QStringLiteral("bord"));
    const QString pgpass = dir.filePath(QStringLiteral("pgpass"));
    QFile file(pgpass);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("*:*:*:") + PgServer::kUser + ":niet-goed\n");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray right = qgetenv("PGPASSFILE");
    qputenv("PGPASSFILE", pgpass.toLocal8Bit());
    board.play(QStringLiteral("avond"), 1, 5);
    board.start(settings(QStringLiteral("Bord 1")), ClubTiming());
    QTRY_VERIFY_WITH_TIMEOUT(!board.seen.isEmpty(), 10000);
    board.play(QStringLiteral("avond"), 6, 12);
    QTRY_COMPARE_WITH_TIMEOUT(board.last().waiting, 12, 10000);
    const ClubStatus status = board.last();
    board.sender.reset();
    qputenv("PGPASSFILE", right);
    QVERIFY(!status.reachable);
    QVERIFY2(status.why.startsWith(
                 QStringLiteral("Clubserver \"%1\" is niet bereikbaar: ").arg(m_server->socketDir())),
             qPrintable(status.why));
    QVERIFY2(status.why.contains(QStringLiteral("password")), qPrintable(status.why));
    QCOMPARE(One(board.store.database(), QStringLiteral("SELECT count(*) FROM turns")).toInt(), 12);
}

QTEST_GUILESS_MAIN(ClubTest)
#include "test_club.moc"

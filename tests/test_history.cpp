// SPDX-License-Identifier: GPL-3.0-or-later
// The match history: the store's keys make every write count once, its schema moves forward,
// a damaged file is set aside, and the recorder keeps what the match models booked, also
// across a resume and a process killed at any moment.
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryFigures.h"
#include "core/history/HistoryImport.h"
#include "core/history/HistoryRecorder.h"
#include "core/match/DuoMatch.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"
#include "core/scorelist/LegRows.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <cstdio>

using namespace vx;

namespace {

QVariant One(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next()) return {};
    return q.value(0);
}

// "player:number:total:darts" for every turn, in order.
QStringList Turns(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT players.name, turns.number, turns.total, (SELECT group_concat(code, ' ')"
                          " FROM (SELECT code FROM darts WHERE darts.turn = turns.id ORDER BY slot))"
                          " FROM turns JOIN players ON players.id = turns.player ORDER BY turns.leg, turns.id"));
    QStringList out;
    while (q.next())
        out << QStringLiteral("%1:%2:%3:%4").arg(q.value(0).toString(), q.value(1).toString(),
                                               q.value(2).toString(), q.value(3).toString());
    return out;
}

const HistoryMatch kMatch{QStringLiteral("m1"), kMatchKindLegs, 501, 3, QStringLiteral("duo.lib")};
const HistoryLeg kLeg{1, 1, QStringLiteral("Anna")};

HistoryTurn MakeTurn(const QString& player, int number, int total, std::optional<QList<HistoryDart>> darts) {
    return {player, number, total, 501, QDateTime(QDate(2024, 3, 7), QTime(21, 0)), std::move(darts)};
}

const QList<HistoryDart> kT20s{{1, QStringLiteral("T20"), 60}, {2, QStringLiteral("T20"), 60}, {3, QStringLiteral("20"), 20}};

// Enters darts given as board codes ("T20", "D16", "E5", "B50", "" for a miss).
void Throw(DuoMatch& m, const QStringList& codes) {
    for (const QString& code : codes) {
        const int factor = code.startsWith(u'T') ? 3 : code.startsWith(u'D') ? 2 : 1;
        m.enterDart(code.isEmpty() ? 0 : code.mid(1).toInt() * factor, code);
    }
    m.bookTurn();
}

int ChildMain(const QString& path);

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void rewriteCountsOnce_data();
    void rewriteCountsOnce();
    void undoAndPlayerNames();
    void migratesFromVersion1();
    void damagedFileSetAside_data();
    void damagedFileSetAside();
    void recorderKeepsDuoMatch();
    void recorderKeepsTeamEvening();
    void resumeRecordsNothingTwice_data();
    void resumeRecordsNothingTwice();
    void failureToldOnce();
    void importsScoreListsOnce();
    void checkoutAndShares_data();
    void checkoutAndShares();
    void survivesKill();
};

// A second write of a turn: the same turn changes nothing, darts it lacked are added, another
// total (after an undo the file never saw) replaces the turn and its darts.
void HistoryTest::rewriteCountsOnce_data() {
    QTest::addColumn<bool>("firstDarts");
    QTest::addColumn<int>("secondTotal");
    QTest::addColumn<bool>("secondDarts");
    QTest::addColumn<QString>("expected");
    QTest::newRow("same turn again") << true << 140 << true << "Anna:1:140:T20 T20 20";
    QTest::newRow("again without darts") << true << 140 << false << "Anna:1:140:T20 T20 20";
    QTest::newRow("darts come later") << false << 140 << true << "Anna:1:140:T20 T20 20";
    QTest::newRow("other total, no darts") << true << 45 << false << "Anna:1:45:";
}

void HistoryTest::rewriteCountsOnce() {
    QFETCH(bool, firstDarts);
    QFETCH(int, secondTotal);
    QFETCH(bool, secondDarts);
    QFETCH(QString, expected);
    HistoryStore store(QStringLiteral(":memory:"));
    QVERIFY2(store.open(), qPrintable(store.error()));
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, 140, firstDarts ? std::optional(kT20s) : std::nullopt)));
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, secondTotal, secondDarts ? std::optional(kT20s) : std::nullopt)));
    QCOMPARE(Turns(store.database()), QStringList{expected});
    QCOMPARE(One(store.database(), "SELECT count(*) FROM legs").toInt(), 1);
}

void HistoryTest::undoAndPlayerNames() {
    HistoryStore store(QStringLiteral(":memory:"));
    QVERIFY(store.open());
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, 140, kT20s)));
    // Names are one player whatever their case, also beyond ASCII.
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("ÉMILE", 1, 60, std::nullopt)));
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("émile", 2, 41, std::nullopt)));
    QVERIFY(store.removeTurn(kMatch.key, 1, QStringLiteral("Émile"), 2));
    QVERIFY(store.removeTurn(kMatch.key, 1, QStringLiteral("anna"), 1));
    QCOMPARE(Turns(store.database()), QStringList{"ÉMILE:1:60:"});
    QCOMPARE(One(store.database(), "SELECT count(*) FROM darts").toInt(), 0); // went with their turn
    QVERIFY(store.keepTurns(kMatch.key, 1, QStringLiteral("Émile"), 0));
    QCOMPARE(One(store.database(), "SELECT count(*) FROM legs").toInt(), 0);
    QCOMPARE(One(store.database(), "SELECT count(*) FROM players").toInt(), 2);
}

void HistoryTest::migratesFromVersion1() {
    vxtest::TempHome home;
    const QString path = home.file("h.sqlite");
    {
        HistoryStore old(path);
        QVERIFY(old.openAtVersion(1));
        QVERIFY(old.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, 140, kT20s)));
        QCOMPARE(One(old.database(), "PRAGMA user_version").toInt(), 1);
    }
    HistoryStore store(path);
    QVERIFY2(store.open(), qPrintable(store.error()));
    QCOMPARE(One(store.database(), "PRAGMA user_version").toInt(), HistoryStore::schemaVersion());
    QCOMPARE(One(store.database(), "SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = 'turns_by_player'").toInt(), 1);
    QCOMPARE(Turns(store.database()), QStringList{"Anna:1:140:T20 T20 20"});
    QCOMPARE(One(store.database(), "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(One(store.database(), "PRAGMA foreign_keys").toInt(), 1);
}

void HistoryTest::damagedFileSetAside_data() {
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<int>("at");
    QTest::newRow("not a database") << QByteArray("Dit is geen historie.\r\n") << 0;
    QTest::newRow("header overwritten") << QByteArray(100, 'x') << 0;
    QTest::newRow("page of a table overwritten") << QByteArray(4096, '\xff') << 4096;
}

void HistoryTest::damagedFileSetAside() {
    QFETCH(QByteArray, damage);
    QFETCH(int, at);
    vxtest::TempHome home;
    vxtest::FixedClock clock(QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3)));
    const QString path = home.file("Vorlentix-historie.sqlite");
    {
        HistoryStore store(path);
        QVERIFY(store.open());
        for (int n = 1; n <= 50; ++n)
            QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", n, 60, kT20s)));
        QVERIFY(QSqlQuery(store.database()).exec("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    if (at == 0) file.resize(0);
    file.seek(at);
    file.write(damage);
    file.close();
    const QByteArray damaged = home.read("Vorlentix-historie.sqlite");

    HistoryStore store(path);
    QVERIFY2(store.open(), qPrintable(store.error()));
    QCOMPARE(store.setAsidePath(), home.file("Vorlentix-historie-beschadigd-2024-03-07-210503.sqlite"));
    QCOMPARE(home.read("Vorlentix-historie-beschadigd-2024-03-07-210503.sqlite"), damaged);
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, 140, kT20s)));
    QCOMPARE(Turns(store.database()).size(), 1);
}

// A duo leg as the scorer plays it: darts as entered, a turn taken back, the leg and match won.
void HistoryTest::recorderKeepsDuoMatch() {
    vxtest::TempHome home;
    TeamMatch team;
    DuoMatch duo;
    SessionState session;
    session.duoFileName = QStringLiteral("finale.lib");
    HistoryRecorder recorder(team, duo, session);
    duo.start({{QStringLiteral("Anna"), QStringLiteral("Bert")}, 101, DuoSetup::Kind::Legs, 1});
    Throw(duo, {"T20", "E1", ""});
    Throw(duo, {"T19"});
    duo.undoLastTurn(); // Bert's turn; Anna stays at the throw
    Throw(duo, {"E20", "D10"});
    recorder.flush();
    HistoryStore store(historyFilePath());
    QVERIFY(store.open());
    QCOMPARE(Turns(store.database()), (QStringList{"Anna:1:61:T20 1 0", "Anna:2:40:20 D10"}));
    QCOMPARE(One(store.database(), "SELECT legs.darts || ' ' || players.name FROM legs JOIN players ON players.id = legs.winner").toString(),
             QStringLiteral("5 Anna"));
    QCOMPARE(One(store.database(), "SELECT kind || ' ' || file || ' ' || players.name FROM matches JOIN players ON players.id = matches.winner").toString(),
             QStringLiteral("legs finale.lib Anna"));
    QCOMPARE(One(store.database(), "SELECT group_concat(remaining_before, ' ') FROM turns").toString(), QStringLiteral("101 40"));
}

// One team evening is one match; every take-over starts a leg of its own.
void HistoryTest::recorderKeepsTeamEvening() {
    vxtest::TempHome home;
    TeamMatch team;
    DuoMatch duo;
    SessionState session;
    HistoryRecorder recorder(team, duo, session);
    team.start({QStringLiteral("De Pijlen"), {QStringLiteral("Anna"), QStringLiteral("Bert")}, 60});
    team.leg().enterDart(20, QStringLiteral("E20"));
    team.leg().bookTurn();
    team.takeOver(2); // Anna's leg dropped, Bert's begins
    team.leg().enterDart(20, QStringLiteral("E20"));
    team.leg().enterDart(60, QStringLiteral("T20")); // a bust: held, not booked
    team.leg().undoLastTurn();
    team.leg().enterDart(60, QStringLiteral("T20")); // wins at once
    recorder.flush();
    HistoryStore store(historyFilePath());
    QVERIFY(store.open());
    QCOMPARE(Turns(store.database()), (QStringList{"Anna:1:20:20", "Bert:1:60:T20"}));
    QCOMPARE(One(store.database(), "SELECT group_concat(number || '/' || ifnull(darts, '-'), ' ') FROM legs").toString(),
             QStringLiteral("1/- 2/1"));
    QCOMPARE(One(store.database(), "SELECT count(*) FROM matches").toInt(), 1);
}

// A resumed match (after "Ja" at the recovery question) goes on under its own key: what the
// recovery file kept is what counts, whether the history was behind it or ahead of it.
void HistoryTest::resumeRecordsNothingTwice_data() {
    QTest::addColumn<int>("historyTurns"); // turns the history got before the "crash"
    QTest::addColumn<int>("recoveredTurns");
    QTest::newRow("both alike") << 3 << 3;
    QTest::newRow("history behind") << 2 << 3;
    QTest::newRow("history ahead") << 4 << 3;
}

void HistoryTest::resumeRecordsNothingTwice() {
    QFETCH(int, historyTurns);
    QFETCH(int, recoveredTurns);
    vxtest::TempHome home;
    const QList<QStringList> turns{{"T20", "T20", "T20"}, {"E20"}, {"T19"}, {"E1"}};
    DuoMatch played;
    TeamMatch team;
    SessionState session;
    {
        HistoryRecorder recorder(team, played, session);
        played.start({{QStringLiteral("Anna"), QStringLiteral("Bert")}, 501, DuoSetup::Kind::Sets, 1});
        for (int i = 0; i < historyTurns; ++i)
            Throw(played, turns[i]);
    }
    const QList<int> totals{180, 20, 57, 1};
    DuoMatch resumed;
    std::array<QList<int>, 2> split;
    for (int i = 0; i < recoveredTurns; ++i)
        split[i % 2].append(totals[i]);
    HistoryRecorder recorder(team, resumed, session);
    resumed.restore(played.setup(), split, {true, true}, {0, 0}, {0, 0}, recoveredTurns % 2 + 1, 1, played.matchId());
    recorder.resumed(true);
    Throw(resumed, {"E5"});
    recorder.flush();
    HistoryStore store(historyFilePath());
    QVERIFY(store.open());
    QStringList expected{"Anna:1:180:T20 T20 T20", "Bert:1:20:20", "Anna:2:57:T19"};
    if (historyTurns < 3) expected[2] = "Anna:2:57:";
    expected << "Bert:2:5:5";
    QCOMPARE(Turns(store.database()), expected);
    QCOMPARE(One(store.database(), "SELECT count(*) FROM matches").toInt(), 1);
}

// A history that cannot be written: play goes on, the scorer hears of it once, in Dutch.
void HistoryTest::failureToldOnce() {
    vxtest::TempHome home;
    TeamMatch team;
    DuoMatch duo;
    SessionState session;
    const QString path = home.file("geen/map/h.sqlite"); // a folder that is not there
    HistoryRecorder recorder(team, duo, session, path);
    QSignalSpy told(&recorder, &HistoryRecorder::failed);
    duo.start({{QStringLiteral("Anna"), QStringLiteral("Bert")}, 101, DuoSetup::Kind::Legs, 1});
    for (int i = 0; i < 4; ++i)
        Throw(duo, {"E20"});
    recorder.flush();
    QTRY_COMPARE(told.size(), 1);
    QVERIFY2(told[0][0].toString().startsWith(QStringLiteral("De historie \"%1\" kan niet worden geopend: ").arg(path)),
             qPrintable(told[0][0].toString()));
    QCOMPARE(duo.turns(1), (QList<int>{20, 20}));
    QTest::qWait(50);
    QCOMPARE(told.size(), 1);
}

// A child process plays and writes; it is killed at random moments. Every turn it saw written
// is there, none twice, and the file is whole. Only the one step it had started and not seen
// written may have gone either way.
void HistoryTest::survivesKill() {
    vxtest::TempHome home;
    const QString path = home.file("kill.sqlite");
    QMap<QString, int> kept; // "match leg player number" -> total
    QRandomGenerator random(20240307);
    for (int round = 0; round < 6; ++round) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), path});
        QVERIFY(child.waitForStarted());
        QTest::qWait(150 + random.bounded(400));
        child.kill();
        QVERIFY(child.waitForFinished());
        QString open; // the step started and not seen written
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            const QStringList f = QString::fromUtf8(line).split(u'|');
            if (f.size() < 2) continue;
            if (f[0] == QLatin1String("?")) {
                open = f[1];
                continue;
            }
            open.clear();
            const QStringList step = f[1].split(u' ');
            const QString key = step.mid(1, 4).join(u' ');
            if (step[0] == QLatin1String("T")) kept[key] = step[5].toInt();
            else kept.remove(key);
        }
        QVERIFY2(!kept.isEmpty() || round > 0, "the child wrote nothing before it was killed");
        HistoryStore store(path);
        QVERIFY2(store.open(), qPrintable(store.error()));
        QVERIFY(store.setAsidePath().isEmpty());
        QCOMPARE(One(store.database(), "PRAGMA integrity_check").toString(), QStringLiteral("ok"));
        QCOMPARE(One(store.database(), "SELECT count(*) FROM (SELECT 1 FROM turns GROUP BY leg, player, number HAVING count(*) > 1)").toInt(), 0);
        QSqlQuery q(store.database());
        QVERIFY(q.exec("SELECT matches.key, legs.number, players.name, turns.number, turns.total FROM turns"
                       " JOIN legs ON legs.id = turns.leg JOIN matches ON matches.id = legs.match"
                       " JOIN players ON players.id = turns.player"));
        QMap<QString, int> found;
        while (q.next())
            found[QStringLiteral("%1 %2 %3 %4").arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                                    q.value(3).toString())] = q.value(4).toInt();
        const QString openKey = open.split(u' ').mid(1, 4).join(u' ');
        for (auto it = kept.begin(); it != kept.end(); ++it)
            if (it.key() != openKey) QCOMPARE(found.value(it.key(), -1), it.value());
        for (auto it = found.begin(); it != found.end(); ++it)
            if (it.key() != openKey) QVERIFY2(kept.contains(it.key()), qPrintable(it.key()));
        // What the file has now is what the next round starts from.
        kept = found;
    }
}

// Score list files as the program writes them: a team player's legs dated by their first cell,
// a duo file's rows two to a leg. A second import changes nothing; a cancel keeps whole files.
void HistoryTest::importsScoreListsOnce() {
    vxtest::TempHome home;
    ScoreListModel anna, duo, foreign;
    anna.appendRow(teamLegRow({"100", "1"}, legTimeStamp(QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3)))));
    anna.appendRow(teamLegRow({"60", "41"}, "geen datum"));
    QVERIFY(savePlayerList(anna, "De Pijlen", "Anna"));
    duo.appendRow(duoLegRow("Anna", false, {"60"}, "20,0"));
    duo.appendRow(duoLegRow("Bert", true, {"81", "20"}, "16,8"));
    duo.appendRow(duoLegRow("Bert", false, {}, "0"));
    QVERIFY(saveDuoList(duo, "Finale"));
    home.write("Teams/Vreemd.lib", "geen scorelijst\r\n");

    HistoryStore store(historyFilePath());
    QVERIFY(store.open());
    QList<int> seen;
    const auto progress = [&](int done, int total) {
        seen << done << total;
        return true;
    };
    for (int pass = 0; pass < 2; ++pass) {
        const HistoryImport done = importScoreLists(store, progress);
        QVERIFY2(done.error.isEmpty(), qPrintable(done.error));
        QCOMPARE(done.files, 2);
        QCOMPARE(done.rows, 5);
    }
    QCOMPARE(seen, (QList<int>{0, 5, 2, 5, 5, 5, 0, 5, 2, 5, 5, 5}));
    QCOMPARE(Turns(store.database()), (QStringList{"Anna:1:100:", "Anna:2:1:", "Anna:1:60:", "Anna:2:41:",
                                                   "Anna:1:60:", "Bert:1:81:", "Bert:2:20:"}));
    QCOMPARE(One(store.database(), "SELECT group_concat(remaining_before, ' ') FROM turns").toString(),
             QStringLiteral("101 1 101 41 101 101 20"));
    QCOMPARE(One(store.database(), "SELECT group_concat(w, ' ') FROM (SELECT ifnull(players.name, '-') AS w FROM legs"
                 " LEFT JOIN players ON players.id = legs.winner ORDER BY legs.id)").toString(),
             QStringLiteral("Anna Anna Bert -"));
    QCOMPARE(One(store.database(), "SELECT min(thrown_at) FROM turns").toString(), QStringLiteral("2024-03-07T21:05:03.000"));

    const HistoryImport cancelled = importScoreLists(store, [](int done, int) { return done == 0; });
    QVERIFY(cancelled.cancelled);
    QCOMPARE(cancelled.files, 1);
    QCOMPARE(Turns(store.database()).size(), 7);
}

// Turns by hand: "remaining before:dart codes", one turn after the other (";").
void HistoryTest::checkoutAndShares_data() {
    QTest::addColumn<QString>("turns");
    QTest::addColumn<int>("atDouble");
    QTest::addColumn<int>("checkouts");
    QTest::addColumn<QString>("perDouble"); // "left:darts/hits"
    QTest::addColumn<QString>("shares");
    QTest::newRow("out at the third dart") << "40:0 20 D10" << 3 << 1 << "20:1/1 40:2/0" << "0=0.33 20=0.33 D10=0.33";
    QTest::newRow("odd or above 40: no double") << "51:T17;41:1;42:T14" << 0 << 0 << "" << "1=0.33 T14=0.33 T17=0.33";
    QTest::newRow("bull missed, then odd") << "50:25 25" << 1 << 0 << "50:1/0" << "25=1.00";
    QTest::newRow("bull out") << "50:50" << 1 << 1 << "50:1/1" << "50=1.00";
    QTest::newRow("over two turns") << "32:0 0 0;32:D16" << 4 << 1 << "32:4/1" << "0=0.75 D16=0.25";
    QTest::newRow("set up from odd") << "3:1 D1" << 1 << 1 << "2:1/1" << "1=0.50 D1=0.50";
}

void HistoryTest::checkoutAndShares() {
    QFETCH(QString, turns);
    QFETCH(int, atDouble);
    QFETCH(int, checkouts);
    QFETCH(QString, perDouble);
    QFETCH(QString, shares);
    HistoryStore store(QStringLiteral(":memory:"));
    QVERIFY(store.open());
    int number = 0;
    for (const QString& turn : turns.split(u';')) {
        QList<HistoryDart> darts;
        for (const QString& code : turn.section(u':', 1).split(u' ')) {
            const int factor = code.startsWith(u'T') ? 3 : code.startsWith(u'D') ? 2 : 1;
            darts.append({int(darts.size()) + 1, code, code.right(code.size() - (factor > 1)).toInt() * factor});
        }
        HistoryTurn t = MakeTurn("Anna", ++number, 0, darts);
        t.remainingBefore = turn.section(u':', 0, 0).toInt();
        for (const HistoryDart& d : darts)
            t.total += d.points;
        QVERIFY(store.recordTurn(kMatch, kLeg, t));
    }
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Bert", 1, 40, QList<HistoryDart>{{1, "D20", 40}})));
    const CheckoutFigures figures = checkoutFigures(store.database(), QStringLiteral("ANNA"));
    QCOMPARE(figures.dartsAtDouble, atDouble);
    QCOMPARE(figures.checkouts, checkouts);
    QStringList each;
    for (auto it = figures.perDouble.begin(); it != figures.perDouble.end(); ++it)
        each << QStringLiteral("%1:%2/%3").arg(it.key()).arg(it->darts).arg(it->hits);
    QCOMPARE(each.join(u' '), perDouble);
    QStringList share;
    const QMap<QString, double> found = dartShares(store.database(), QStringLiteral("anna"));
    for (auto it = found.begin(); it != found.end(); ++it)
        share << QStringLiteral("%1=%2").arg(it.key()).arg(it.value(), 0, 'f', 2);
    QCOMPARE(share.join(u' '), shares);
}

namespace {

// Plays duo legs of random darts for ever, taking a turn back now and then. Each step is
// announced ("?|T match leg player number total" or "?|U ...") before it is made and repeated
// with "!" once it is written.
int ChildMain(const QString& path) {
    TeamMatch team;
    DuoMatch duo;
    SessionState session;
    HistoryRecorder recorder(team, duo, session, path);
    QRandomGenerator random = QRandomGenerator::securelySeeded();
    int leg = 0;
    const auto say = [](const char* mark, const QString& step) {
        std::printf("%s|%s\n", mark, qPrintable(step));
        std::fflush(stdout);
    };
    for (;;) {
        if (!duo.isStarted() || duo.isMatchOver()) {
            duo.start({{QStringLiteral("Anna"), QStringLiteral("Bert")}, 301, DuoSetup::Kind::Legs, 3});
            leg = 1;
        } else if (duo.isLegOver()) {
            duo.nextLeg();
            ++leg;
        }
        const int p = duo.atTheThrow();
        QString step;
        if (random.bounded(8) == 0 && !duo.turns(3 - p).isEmpty()) {
            step = QStringLiteral("U %1 %2 %3 %4").arg(duo.matchId()).arg(leg).arg(duo.name(3 - p)).arg(duo.turns(3 - p).size());
            say("?", step);
            duo.undoLastTurn();
        } else {
            // Near the end a single that fits, so that legs and matches end.
            for (int d = 0; d < 3 && duo.turnSum(p) < duo.remaining(p); ++d) {
                const int left = duo.remaining(p) - duo.turnSum(p);
                int n = 1 + int(random.bounded(20)), factor = 1 + int(random.bounded(3));
                if (n * factor > left) n = std::min(left, 20), factor = 1;
                duo.enterDart(n * factor, QStringLiteral("%1%2").arg(QChar("EDT"[factor - 1])).arg(n));
            }
            step = QStringLiteral("T %1 %2 %3 %4 %5").arg(duo.matchId()).arg(leg).arg(duo.name(p))
                       .arg(duo.turns(p).size() + 1).arg(duo.turnSum(p));
            say("?", step);
            duo.bookTurn();
        }
        recorder.flush();
        say("!", step);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        QCoreApplication app(argc, argv);
        return ChildMain(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    HistoryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_history.moc"

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
#include <QSqlError>
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

// The darts of a turn from their codes ("T20 0 D16").
QList<HistoryDart> Darts(const QString& codes) {
    QList<HistoryDart> darts;
    for (const QString& code : codes.split(u' ')) {
        const int factor = code.startsWith(u'T') ? 3 : code.startsWith(u'D') ? 2 : 1;
        darts.append({int(darts.size()) + 1, code, code.right(code.size() - (factor > 1)).toInt() * factor});
    }
    return darts;
}

// Two team evenings of "De Pijlen" (the first going on past midnight), one of another team and
// two duo matches, worked out by hand in the figures' tests below. A turn is "match leg player
// remaining-before darts-or-=total day time"; each leg is won by the turn that reaches 0.
HistoryStore& PlayedStore() {
    static HistoryStore store(QStringLiteral(":memory:"));
    if (store.database().isOpen()) return store;
    store.open();
    const QHash<QString, HistoryMatch> matches{
        {"t1", {"t1", kMatchKindTeam, 301, 0, "De Pijlen"}}, {"t2", {"t2", kMatchKindTeam, 101, 0, "De Pijlen"}},
        {"t3", {"t3", kMatchKindTeam, 501, 0, "De Darters"}}, {"d1", {"d1", kMatchKindLegs, 101, 2, "finale.lib"}},
        {"d2", {"d2", kMatchKindSets, 101, 1, "beker.lib"}}};
    const QStringList turns{
        "t1 1 Anna 301 T20_T20_T20 07 21:00", "t1 1 Anna 121 20_20_20 07 21:01", "t1 1 Anna 61 T17_D5 07 21:02",
        "t1 2 Bert 301 T20_20_20 07 21:30", "t1 2 Bert 201 T20_20_20 07 21:31", "t1 2 Bert 101 T19_4_D20 07 21:32",
        "t1 3 Anna 101 20_20_20 08 00:30", "t1 3 Anna 41 1_0_0 08 00:31", "t1 3 Anna 40 0_0_0 08 00:32",
        "t1 3 Anna 40 D20 08 00:33", "t3 1 Carl 501 T20_T20_T20 07 21:00",
        "d1 1 Anna 101 T20_1_D20 10 20:00", "d1 2 Bert 101 20_20_20 10 20:10", "d1 2 Anna 101 0_0_0 10 20:11",
        "d1 2 Bert 41 1_D20 10 20:12", "d1 3 Anna 101 T19_4_D20 10 20:20",
        "d2 1 Bert 101 20_20_20 12 20:00", "d2 1 Carl 101 T20_1_D20 12 20:01",
        "t2 1 Bert 101 =45 14 20:00", "t2 1 Bert 56 =56 14 20:01", "t2 2 Anna 101 T5_5_6 14 20:30"};
    QHash<QString, int> numbers, darts;
    for (const QString& line : turns) {
        const QStringList f = line.split(u' ');
        const HistoryMatch& match = matches[f[0]];
        const HistoryLeg leg{f[1].toInt(), 1, f[2]};
        const QString legKey = f[0] + f[1];
        HistoryTurn turn{f[2], ++numbers[legKey + f[2]], 0, f[3].toInt(),
                         QDateTime(QDate(2024, 3, f[5].toInt()), QTime::fromString(f[6], "hh:mm")), std::nullopt};
        if (f[4].startsWith(u'=')) {
            turn.total = f[4].mid(1).toInt();
            darts[legKey] += 3;
        } else {
            turn.darts = Darts(QString(f[4]).replace(u'_', u' '));
            for (const HistoryDart& d : *turn.darts)
                turn.total += d.points;
            darts[legKey] += int(turn.darts->size());
        }
        store.recordTurn(match, leg, turn);
        if (turn.total == turn.remainingBefore) store.endLeg(f[0], leg.number, f[2], darts[legKey], turn.at);
    }
    store.endMatch("d1", "Anna");
    store.endMatch("d2", "Carl");
    return store;
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void rewriteCountsOnce_data();
    void rewriteCountsOnce();
    void undoAndPlayerNames();
    void migratesWithRows_data();
    void migratesWithRows();
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
    void eveningFigures_data();
    void eveningFigures();
    void periodFigures_data();
    void periodFigures();
    void headToHead_data();
    void headToHead();
    void lists();
    void leagueTable_data();
    void leagueTable();
    void survivesKill();
};

// A second write of a turn: the same turn changes nothing, darts it lacked are added, another
// total (after an undo the file never saw) replaces the turn and its darts, also in the figures.
void HistoryTest::rewriteCountsOnce_data() {
    QTest::addColumn<bool>("firstDarts");
    QTest::addColumn<int>("secondTotal");
    QTest::addColumn<bool>("secondDarts");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("t20");
    QTest::newRow("same turn again") << true << 140 << true << "Anna:1:140:T20 T20 20" << 2 / 3.0;
    QTest::newRow("again without darts") << true << 140 << false << "Anna:1:140:T20 T20 20" << 2 / 3.0;
    QTest::newRow("darts come later") << false << 140 << true << "Anna:1:140:T20 T20 20" << 2 / 3.0;
    QTest::newRow("other total, no darts") << true << 45 << false << "Anna:1:45:" << 0.0;
}

void HistoryTest::rewriteCountsOnce() {
    QFETCH(bool, firstDarts);
    QFETCH(int, secondTotal);
    QFETCH(bool, secondDarts);
    QFETCH(QString, expected);
    QFETCH(double, t20);
    HistoryStore store(QStringLiteral(":memory:"));
    QVERIFY2(store.open(), qPrintable(store.error()));
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, 140, firstDarts ? std::optional(kT20s) : std::nullopt)));
    QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", 1, secondTotal, secondDarts ? std::optional(kT20s) : std::nullopt)));
    QCOMPARE(Turns(store.database()), QStringList{expected});
    QCOMPARE(One(store.database(), "SELECT count(*) FROM legs").toInt(), 1);
    QCOMPARE(trebleRates(dartShares(store.database(), "Anna")).t20, t20);
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
    QVERIFY(dartShares(store.database(), "Anna").isEmpty());
    QVERIFY(store.keepTurns(kMatch.key, 1, QStringLiteral("Émile"), 0));
    QCOMPARE(One(store.database(), "SELECT count(*) FROM legs").toInt(), 0);
    QCOMPARE(One(store.database(), "SELECT count(*) FROM players").toInt(), 2);
    // A checkout taken back leaves the checkout figures.
    HistoryTurn out = MakeTurn("Bert", 1, 40, QList<HistoryDart>{{1, "D20", 40}});
    out.remainingBefore = 40;
    QVERIFY(store.recordTurn(kMatch, kLeg, out));
    QCOMPARE(checkoutFigures(store.database(), "Bert").checkouts, 1);
    QVERIFY(store.removeTurn(kMatch.key, 1, QStringLiteral("Bert"), 1));
    QCOMPARE(checkoutFigures(store.database(), "Bert").dartsAtDouble, 0);
}

// A file of an older version, with rows as that version wrote them, moved forward: the turns
// stay as they were and the figures count them as if written now. Anna's leg of 180: 140 in
// three darts, then 40 with a miss and D20, both darts at a double; Bert's 60 known by its total
// only.
void HistoryTest::migratesWithRows_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("from the first") << 1;
    QTest::newRow("from the one before the sums") << 3;
}

void HistoryTest::migratesWithRows() {
    QFETCH(int, version);
    vxtest::TempHome home;
    const QString path = home.file("h.sqlite");
    {
        HistoryStore old(path);
        QVERIFY(old.openAtVersion(version));
        QSqlQuery q(old.database());
        for (const char* sql :
             {"INSERT INTO players VALUES (1, 'Anna', 'anna'), (2, 'Bert', 'bert')",
              "INSERT INTO matches (id, key, kind, start_score, target, file, started_at)"
              " VALUES (1, 'm1', 'legs', 180, 3, 'duo.lib', '2024-03-07T21:00:00.000')",
              "INSERT INTO legs VALUES (1, 1, 1, 1, 1, 1, 5)",
              "INSERT INTO turns (id, leg, player, number, total, remaining_before, thrown_at) VALUES"
              " (1, 1, 1, 1, 140, 180, '2024-03-07T21:00:00.000'), (2, 1, 1, 2, 40, 40, "
              "'2024-03-08T00:10:00.000'),"
              " (3, 1, 2, 1, 60, 180, '2024-03-07T21:01:00.000')",
              "INSERT INTO darts (turn, slot, code, points) VALUES (1, 1, 'T20', 60), (1, 2, 'T20', 60),"
              " (1, 3, '20', 20), (2, 1, '0', 0), (2, 2, 'D20', 40)"})
            QVERIFY2(q.exec(QLatin1String(sql)), qPrintable(q.lastError().text()));
    }
    HistoryStore store(path);
    QVERIFY2(store.open(), qPrintable(store.error()));
    const QSqlDatabase db = store.database();
    QCOMPARE(One(db, "PRAGMA user_version").toInt(), HistoryStore::schemaVersion());
    QCOMPARE(Turns(db), (QStringList{"Anna:1:140:T20 T20 20", "Anna:2:40:0 D20", "Bert:1:60:"}));
    QCOMPARE(One(db, "SELECT group_concat(ifnull(darts, '-') || '/' || at_double || '/' || checkout, ' ')"
                     " FROM (SELECT * FROM turns ORDER BY id)")
                 .toString(),
             QStringLiteral("3/0/0 2/2/1 -/0/0"));
    const CheckoutFigures checkout = checkoutFigures(db, "anna");
    const QList<EveningFigures> anna = vx::eveningFigures(db, "Anna"), bert = vx::eveningFigures(db, "Bert");
    QCOMPARE(QStringLiteral("%1/%2 %3 %4:%5 %6 %7")
                 .arg(checkout.dartsAtDouble)
                 .arg(checkout.checkouts)
                 .arg(dartShares(db, "Anna").value("T20"), 0, 'f', 2)
                 .arg(anna.value(0).evening.toString(Qt::ISODate))
                 .arg(anna.value(0).legs)
                 .arg(anna.value(0).average, 0, 'f', 2)
                 .arg(bert.value(0).average, 0, 'f', 2),
             QStringLiteral("2/1 0.40 2024-03-07:1 108.00 60.00"));
    QCOMPARE(One(db, "PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(One(db, "PRAGMA foreign_keys").toInt(), 1);
}

// Damage in the header or a table's first page shows at every open; damage deeper in (an
// index's page) only to the whole check after a crash, which a log left behind tells.
void HistoryTest::damagedFileSetAside_data() {
    QTest::addColumn<QByteArray>("damage");
    QTest::addColumn<int>("at"); // -1: the first page of an index
    QTest::addColumn<bool>("crashed");
    QTest::newRow("not a database") << QByteArray("Dit is geen historie.\r\n") << 0 << false;
    QTest::newRow("header overwritten") << QByteArray(100, 'x') << 0 << false;
    QTest::newRow("page of a table overwritten") << QByteArray(4096, '\xff') << 4096 << false;
    QTest::newRow("index overwritten, then a crash") << QByteArray(4096, '\xff') << -1 << true;
}

void HistoryTest::damagedFileSetAside() {
    QFETCH(QByteArray, damage);
    QFETCH(int, at);
    QFETCH(bool, crashed);
    vxtest::TempHome home;
    vxtest::FixedClock clock(QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3)));
    const QString path = home.file("Vorlentix-historie.sqlite");
    {
        HistoryStore store(path);
        QVERIFY(store.open());
        for (int n = 1; n <= 50; ++n)
            QVERIFY(store.recordTurn(kMatch, kLeg, MakeTurn("Anna", n, 60, kT20s)));
        QVERIFY(QSqlQuery(store.database()).exec("PRAGMA wal_checkpoint(TRUNCATE)"));
        const int root =
            One(store.database(), "SELECT rootpage FROM sqlite_master WHERE name = 'turns_by_player'")
                .toInt();
        if (at < 0) at = 4096 * (root - 1);
    }
    QVERIFY(!QFile::exists(path + "-wal"));
    // An empty log, as a kill just after a checkpoint leaves it.
    if (crashed) home.write("Vorlentix-historie.sqlite-wal", "");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    if (at == 0) file.resize(0);
    file.seek(at);
    file.write(damage);
    file.close();
    const QByteArray damaged = home.read("Vorlentix-historie.sqlite");

    HistoryStore store(path);
    QVERIFY2(store.open(HistoryStore::Check::WholeAfterCrash), qPrintable(store.error()));
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
    const DartsKnown known = dartsKnown(store.database(), "anna"); // the figures count what was imported
    QCOMPARE(QStringLiteral("%1/%2").arg(known.turns).arg(known.turnsWithDarts), QStringLiteral("5/0"));

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
        const QList<HistoryDart> darts = Darts(turn.section(u':', 1));
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

// "evening:legs:average:first nine" in the period, from the turns of PlayedStore() by hand:
// Anna on the 7th 301 + 101 points in 8 + 10 darts, her first nine 301 + 61 in 8 + 9 darts.
void HistoryTest::eveningFigures_data() {
    QTest::addColumn<QString>("player");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("everything") << "anna" << QDate() << QDate()
                                << "2024-03-07:2:67.00:63.88 2024-03-10:3:67.33:67.33 2024-03-14:1:26.00:26.00";
    QTest::newRow("past midnight is the evening before") << "Anna" << QDate(2024, 3, 7) << QDate(2024, 3, 7)
                                                           << "2024-03-07:2:67.00:63.88";
    QTest::newRow("open start") << "Anna" << QDate() << QDate(2024, 3, 10) << "2024-03-07:2:67.00:63.88 2024-03-10:3:67.33:67.33";
    QTest::newRow("turn totals count three darts") << "Bert" << QDate(2024, 3, 11) << QDate()
                                                     << "2024-03-12:1:60.00:60.00 2024-03-14:1:50.50:50.50";
    QTest::newRow("nobody") << "Dirk" << QDate() << QDate() << "";
}

void HistoryTest::eveningFigures() {
    QFETCH(QString, player);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, expected);
    QStringList found;
    for (const EveningFigures& e : vx::eveningFigures(PlayedStore().database(), player, {from, to}))
        found << QStringLiteral("%1:%2:%3:%4").arg(e.evening.toString(Qt::ISODate)).arg(e.legs)
                     .arg(e.average, 0, 'f', 2).arg(e.firstNine, 0, 'f', 2);
    QCOMPARE(found.join(u' '), expected);
}

// "turns/with darts at-double/checkouts T20-rate T19-rate" over a period of PlayedStore(): Anna
// on the 7th has 18 darts, three of them T20, and seven at a double (2 + 3 + 1 at 40, and D5).
void HistoryTest::periodFigures_data() {
    QTest::addColumn<QString>("player");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("everything, some turns by total only")
        << "Bert" << QDate() << QDate() << "8/6 2/2 0.12 0.06";
    QTest::newRow("an evening of totals only")
        << "bert" << QDate(2024, 3, 14) << QDate(2024, 3, 14) << "2/0 0/0 0.00 0.00";
    QTest::newRow("one evening") << "Anna" << QDate(2024, 3, 10) << QDate(2024, 3, 10) << "3/3 2/2 0.11 0.11";
    QTest::newRow("past midnight is the evening before")
        << "Anna" << QDate() << QDate(2024, 3, 8) << "7/7 7/2 0.17 0.00";
    QTest::newRow("nothing in the period") << "Carl" << QDate(2024, 3, 13) << QDate() << "0/0 0/0 0.00 0.00";
}

void HistoryTest::periodFigures() {
    QFETCH(QString, player);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, expected);
    const QSqlDatabase db = PlayedStore().database();
    const DartsKnown known = dartsKnown(db, player, {from, to});
    const CheckoutFigures checkout = checkoutFigures(db, player, {from, to});
    const TrebleRates rates = trebleRates(dartShares(db, player, {from, to}));
    QCOMPARE(QStringLiteral("%1/%2 %3/%4 %5 %6")
                 .arg(known.turns)
                 .arg(known.turnsWithDarts)
                 .arg(checkout.dartsAtDouble)
                 .arg(checkout.checkouts)
                 .arg(rates.t20, 0, 'f', 2)
                 .arg(rates.t19, 0, 'f', 2),
             expected);
}

// "matches won-won legs won-won average-average"; team evenings do not count.
void HistoryTest::headToHead_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three legs of the final") << "Anna" << "BERT" << QDate() << "1 1-0 2-1 67.33-60.60";
    QTest::newRow("the other way round") << "Bert" << "Anna" << QDate() << "1 0-1 1-2 60.60-67.33";
    QTest::newRow("the cup") << "Bert" << "Carl" << QDate(2024, 3, 12) << "1 0-1 0-1 60.00-101.00";
    QTest::newRow("the final before the period") << "Anna" << "Bert" << QDate(2024, 3, 11) << "0 0-0 0-0 0.00-0.00";
    QTest::newRow("only a team evening together") << "Anna" << "Carl" << QDate() << "0 0-0 0-0 0.00-0.00";
    QTest::newRow("one player") << "Anna" << "anna" << QDate() << "0 0-0 0-0 0.00-0.00";
}

void HistoryTest::headToHead() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QDate, from);
    QFETCH(QString, expected);
    const HeadToHead h = vx::headToHead(PlayedStore().database(), first, second, {from, {}});
    QCOMPARE(QStringLiteral("%1 %2-%3 %4-%5 %6-%7").arg(h.matches).arg(h.matchesWon[0]).arg(h.matchesWon[1])
                 .arg(h.legsWon[0]).arg(h.legsWon[1]).arg(h.average[0], 0, 'f', 2).arg(h.average[1], 0, 'f', 2),
             expected);
}

void HistoryTest::lists() {
    const QSqlDatabase db = PlayedStore().database();
    QCOMPARE(historyPlayers(db), (QStringList{"Anna", "Bert", "Carl"}));
    QCOMPARE(historyTeams(db), (QStringList{"De Darters", "De Pijlen"}));
    QCOMPARE(teamEvenings(db, "De Pijlen"), (QList<QDate>{QDate(2024, 3, 7), QDate(2024, 3, 14)}));
}

// Rows "player legs won average first-nine 180s checkout% best-leg highest-finish" in the
// order asked. Anna over both evenings: 428 points in 21 darts, first nine 388 in 20, seven
// darts at a double for two legs; Bert's second evening has no darts, so no checkout figure.
void HistoryTest::leagueTable_data() {
    QTest::addColumn<QList<QDate>>("evenings");
    QTest::addColumn<LeagueColumn>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("expected");
    const QString anna = "Anna 3 2 61.14 58.20 1 28.6 8 61", bert = "Bert 2 2 80.40 80.40 0 100.0 6 101";
    QTest::newRow("by name") << QList<QDate>{} << LeagueColumn::Player << Qt::AscendingOrder << anna + " | " + bert;
    QTest::newRow("by average") << QList<QDate>{} << LeagueColumn::Average << Qt::DescendingOrder << bert + " | " + anna;
    QTest::newRow("tie goes by name") << QList<QDate>{} << LeagueColumn::LegsWon << Qt::DescendingOrder << anna + " | " + bert;
    QTest::newRow("by 180s") << QList<QDate>{} << LeagueColumn::OneEighties << Qt::DescendingOrder << anna + " | " + bert;
    QTest::newRow("by checkout") << QList<QDate>{} << LeagueColumn::Checkout << Qt::AscendingOrder << anna + " | " + bert;
    QTest::newRow("by best leg") << QList<QDate>{} << LeagueColumn::BestLeg << Qt::AscendingOrder << bert + " | " + anna;
    QTest::newRow("by highest finish") << QList<QDate>{} << LeagueColumn::HighestFinish << Qt::AscendingOrder << anna + " | " + bert;
    QTest::newRow("the first evening, past midnight too") << QList<QDate>{QDate(2024, 3, 7)} << LeagueColumn::Legs
                                                           << Qt::DescendingOrder
                                                           << "Anna 2 2 67.00 63.88 1 28.6 8 61 | Bert 1 1 100.33 100.33 0 100.0 9 101";
    QTest::newRow("unknown best leg last, both ways") << QList<QDate>{QDate(2024, 3, 14)} << LeagueColumn::BestLeg
                                                      << Qt::DescendingOrder
                                                      << "Bert 1 1 50.50 50.50 0 0.0 6 56 | Anna 1 0 26.00 26.00 0 0.0 0 0";
    QTest::newRow("an evening without the team") << QList<QDate>{QDate(2024, 3, 10)} << LeagueColumn::Player
                                                 << Qt::AscendingOrder << "";
}

void HistoryTest::leagueTable() {
    QFETCH(QList<QDate>, evenings);
    QFETCH(LeagueColumn, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, expected);
    QList<LeagueRow> rows = vx::leagueTable(PlayedStore().database(), QStringLiteral("De Pijlen"), evenings);
    sortLeague(rows, column, order);
    QStringList found;
    for (const LeagueRow& r : rows)
        found << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9").arg(r.player).arg(r.legs).arg(r.legsWon)
                     .arg(r.average, 0, 'f', 2).arg(r.firstNine, 0, 'f', 2).arg(r.oneEighties)
                     .arg(r.checkoutPercentage(), 0, 'f', 1).arg(r.bestLeg).arg(r.highestFinish);
    QCOMPARE(found.join(QStringLiteral(" | ")), expected);
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

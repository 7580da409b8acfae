// SPDX-License-Identifier: GPL-3.0-or-later
// A team match on the real main window: booking turns, the end of a leg, calling the next
// player, the player files written and read on every change of player, and taking back a turn.
#include "playsupport.h"
#include "testsupport.h"
#include "ui/main/MainWindow.h"

#include <QDir>
#include <QListWidget>
#include <QTest>

using namespace vx;
using namespace vxtest;

namespace {

const QString kLegOver = QStringLiteral("Einde Leg, klik op 'Volgende Speler'...");
const QString kTooLong =
    QStringLiteral("Deze leg had meer dan 25 beurten; beurt 26 en verder staan niet in de scorelijst.");
const QString kStamp = QStringLiteral("07-03-2024 / 9:05:03");

// One turn: its darts, then AddKnop.
void turn(MainWindow& m, const QStringList& buttons) {
    darts(m, buttons);
    click(m, "AddKnop");
}

void pickPlayer(MainWindow& m, const QString& name) {
    click(m, "NextPlayerKnop");
    auto* list = control<QListWidget>(m, "SpelersList");
    QVERIFY(!list->isHidden());
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QRect at = list->visualItemRect(found.first());
    QVERIFY(at.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at.center());
}

// A player file as it must be on disk: three header lines, then per leg its 28 cells and the
// separator, every line ending in CR LF.
QByteArray playerFile(const QString& player, const QList<QStringList>& legs) {
    QByteArray out = "Vorlentix scorelijst\r\n" + player.toLatin1() + "\r\n----------------------------\r\n";
    for (const QStringList& cells : legs) {
        if (cells.size() != 28) qFatal("a leg row has 28 cells");
        for (const QString& cell : cells)
            out += cell.toLatin1() + "\r\n";
        out += "----------------------------\r\n";
    }
    return out;
}

// The 28 cells of a team leg row.
QStringList legRow(const QStringList& turns, const QString& average) {
    QStringList cells = {kStamp, QString()};
    cells << turns;
    while (cells.size() < 27)
        cells << QStringLiteral("-");
    cells << average;
    return cells;
}

QStringList rowCells(const MainWindow& m, int r) {
    QStringList out;
    for (const QString& c : m.scoreList.row(r))
        out << c;
    return out;
}

} // namespace

class TeamPlayTest : public QObject, private PlaySession {
    Q_OBJECT
  private slots:
    void init() { startSession(); }
    void cleanup() { endSession(); }

    void aLegOf301EndsOnASingleOne() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 301);
        turn(m, {"Knop3(20)", "Knop2(20)"});
        turn(m, {"Knop3(20)", "Knop1(20)", "Knop1(20)"});
        turn(m, {"Knop2(20)", "Knop3(20)", "ZeroKnop"});
        QCOMPARE(caption(m, "Label7"), QString("1"));
        QCOMPARE(entries(m, "List1"), QStringList({"100", "100", "100"}));
        QVERIFY(prompts->seen.isEmpty());

        darts(m, {"Knop1(1)"});
        QCOMPARE(entries(m, "List1"), QStringList({"100", "100", "100", "1"}));
        QCOMPARE(caption(m, "Label7"), QString("0"));
        QVERIFY(!control<StyledButton>(m, "AddKnop")->isEnabled());
        QCOMPARE(prompts->texts(), QStringList{kLegOver});
        QCOMPARE(prompts->seen.first().title, kAppTitle);
        QCOMPARE(m.scoreList.count(), 1);
        QCOMPARE(rowCells(m, 0), legRow({"100", "100", "100", "1"}, "25.1"));
        QCOMPARE(caption(m, "Label19"), QString("1 Items"));
        QVERIFY(m.session.scoreListChanged);
    }

    void turnsAndTheirEndings_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("turns");
        QTest::addColumn<QString>("label7");
        QTest::addColumn<int>("rows");
        QTest::newRow("D10 on 20 ends at once")
            << 20 << QStringList{"Knop2(10)"} << QStringList{"20"} << "0" << 1;
        QTest::newRow("single 3 on 3") << 3 << QStringList{"Knop1(3)"} << QStringList{"3"} << "0" << 1;
        QTest::newRow("one dart booked")
            << 501 << QStringList{"Knop3(19)"} << QStringList{"57"} << "444" << 0;
        QTest::newRow("no dart booked") << 501 << QStringList{} << QStringList{"0"} << "501" << 0;
        QTest::newRow("T20 on 50 is not booked")
            << 50 << QStringList{"Knop3(20)"} << QStringList{} << "50" << 0;
        QTest::newRow("leaving 1 is booked")
            << 61 << QStringList{"Knop3(20)"} << QStringList{"60"} << "1" << 0;
    }
    // The darts, then AddKnop (which a finished leg has disabled).
    void turnsAndTheirEndings() {
        QFETCH(int, remaining);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, turns);
        QFETCH(QString, label7);
        QFETCH(int, rows);
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.teamMatch().leg().start(remaining);
        turn(m, buttons);
        QCOMPARE(entries(m, "List1"), turns);
        QCOMPARE(caption(m, "Label7"), label7);
        QCOMPARE(m.scoreList.count(), rows);
        QCOMPARE(prompts->texts().count(kLegOver), rows);
    }

    void aBustWaitsForCorrectie() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.teamMatch().leg().start(50);
        turn(m, {"Knop3(20)"});
        QCOMPARE(remainingScore(m), -10);
        QCOMPARE(dartSlots(m), QStringList({"60", "0", "0"}));
        click(m, "CorrectieKnop");
        QCOMPARE(remainingScore(m), 50);
        turn(m, {"Knop3(10)"});
        QCOMPARE(entries(m, "List1"), QStringList{"30"});
        QCOMPARE(caption(m, "Label7"), QString("20"));
    }

    // A miss after the winning dart leaves the remaining score at 0; it must not finish the
    // same leg a second time.
    void aFinishedLegIsRecordedOnce() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.teamMatch().leg().start(40);
        darts(m, {"Knop2(20)", "ZeroKnop", "ZeroKnop"});
        click(m, "AddKnop");
        QCOMPARE(m.scoreList.count(), 1);
        QCOMPARE(entries(m, "List1"), QStringList{"40"});
        QCOMPARE(prompts->texts(), QStringList{kLegOver});
        m.undoLastTurn();
        QCOMPARE(entries(m, "List1"), QStringList{"40"});
        QCOMPARE(caption(m, "Label7"), QString("0"));
    }

    void undoTakesBackTheLastBookedTurn() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.undoLastTurn(); // nothing booked yet
        QCOMPARE(caption(m, "Label7"), QString("501"));
        turn(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        turn(m, {"Knop1(5)"});
        darts(m, {"Knop1(20)"});
        const QImage marked = m.teamPanel()->markedBoard();
        m.undoLastTurn();
        QCOMPARE(entries(m, "List1"), QStringList{"180"});
        QCOMPARE(caption(m, "Label7"), QString("321"));
        QCOMPARE(remainingScore(m), 321);
        // The dart of the turn in play went first, with its marker.
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(nextDartSlot(m), 1);
        QVERIFY(m.teamPanel()->markedBoard() != marked);
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage());
    }

    void undoInTheMiddleOfATurn_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("turns");
        QTest::addColumn<int>("rows");
        QTest::newRow("a dart in play") << 501 << "T20 ADD T20 UNDO T20 ADD" << QStringList{"60"} << 0;
        QTest::newRow("the leg still adds up")
            << 501 << "T20 ADD T20 UNDO T20 ADD T20 T20 T20 ADD T20 T20 T20 ADD T19 20 4"
            << QStringList{"60", "180", "180", "81"} << 1;
        QTest::newRow("after Correctie") << 501 << "T20 ADD T20 COR UNDO T20 ADD" << QStringList{"60"} << 0;
        QTest::newRow("nothing booked yet") << 501 << "T20 UNDO T20 ADD" << QStringList{"60"} << 0;
        QTest::newRow("two turns back")
            << 301 << "T20 ADD 5 ADD 1 UNDO UNDO T20 T20 T20 ADD T20 T20 1" << QStringList{"180", "121"} << 1;
        QTest::newRow("a bust in play") << 301 << "T20 T20 T20 ADD T20 T20 T20 UNDO T20 T20 T20 ADD T20 T20 1"
                                        << QStringList{"180", "121"} << 1;
    }
    // Whatever the order of darts, Correctie, ADD and undo, the turns and what is left make
    // the start score, and a finished leg is stored as that.
    void undoInTheMiddleOfATurn() {
        QFETCH(int, start);
        QFETCH(QString, script);
        QFETCH(QStringList, turns);
        QFETCH(int, rows);
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, start);
        play(m, script);
        QCOMPARE(entries(m, "List1"), turns);
        int booked = 0;
        for (const QString& t : turns)
            booked += t.toInt();
        QCOMPARE(caption(m, "Label7"), QString::number(start - booked));
        QCOMPARE(remainingScore(m), start - booked);
        QCOMPARE(m.scoreList.count(), rows);
        if (rows == 0) return;
        int stored = 0;
        for (int c = 2; c < 27; ++c)
            stored += m.scoreList.cell(0, c).toInt();
        QCOMPARE(stored, start);
    }

    void noPlayerNoNextPlayer() {
        MainWindow m;
        m.compose(MatchKind::Team);
        click(m, "NextPlayerKnop");
        QVERIFY(control<QListWidget>(m, "SpelersList")->isHidden());
        click(m, "AddKnop");
        QCOMPARE(control<QListWidget>(m, "List1")->count(), 0);
    }

    void theNextPlayerStartsAFreshLeg() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob", "Cas"}, 301);
        turn(m, {"Knop3(20)"});
        darts(m, {"Knop1(7)", "Knop1(8)"});
        click(m, "NextPlayerKnop");
        QCOMPARE(entries(m, "SpelersList"), QStringList({"Ann", "Bob", "Cas"}));
        pickPlayer(m, "Cas");
        QVERIFY(control<QListWidget>(m, "SpelersList")->isHidden());
        QCOMPARE(caption(m, "Label9"), QString("Cas"));
        QCOMPARE(caption(m, "Label18"), QString("3"));
        QCOMPARE(caption(m, "Label7"), QString("301"));
        QCOMPARE(caption(m, "UitgooiLabel"), QString("Darts Checkout"));
        QCOMPARE(control<QListWidget>(m, "List1")->count(), 0);
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(remainingScore(m), 301);
        QCOMPARE(nextDartSlot(m), 1);
        QCOMPARE(m.scoreList.headerData(0, Qt::Horizontal).toString(), QString("Cas"));
    }

    // Three players at 301: Ann and Bob finish legs, Cas is taken off in the middle of one,
    // Ann finishes another. Every file holds exactly the finished legs of its player.
    void aTeamEvening() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob", "Cas"}, 301);
        turn(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        turn(m, {"Knop3(20)", "Knop3(20)", "Knop1(1)"}); // 121 -> 0 after T20 T20 and a single 1
        QCOMPARE(m.scoreList.count(), 1);
        pickPlayer(m, "Bob");
        QCOMPARE(home->read("Teams/Club/Ann.lib"), playerFile("Ann", {legRow({"180", "121"}, "50.2")}));
        QCOMPARE(caption(m, "Label19"), QString("0 Items"));

        turn(m, {"Knop3(19)", "Knop3(19)", "Knop3(19)"});
        turn(m, {"Knop3(20)", "Knop2(16)", "Knop1(18)"});
        turn(m, {"Knop1(1)", "Knop1(2)"}); // 17 left
        turn(m, {"Knop1(17)"});
        QCOMPARE(m.scoreList.count(), 1);
        pickPlayer(m, "Cas");
        QCOMPARE(home->read("Teams/Club/Bob.lib"),
                 playerFile("Bob", {legRow({"171", "110", "3", "17"}, "25.1")}));

        turn(m, {"Knop3(20)"});
        darts(m, {"Knop1(5)"});
        pickPlayer(m, "Ann"); // Cas's leg is dropped
        QCOMPARE(home->read("Teams/Club/Cas.lib"), playerFile("Cas", {}));
        QCOMPARE(m.scoreList.count(), 1);
        QCOMPARE(caption(m, "Label19"), QString("1 Items"));

        clock->at = QDateTime(QDate(2024, 3, 7), QTime(21, 40, 0));
        turn(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        turn(m, {"Knop3(20)", "Knop3(20)", "Knop1(1)"});
        pickPlayer(m, "Bob");
        QStringList second = legRow({"180", "121"}, "50.2");
        second[0] = "07-03-2024 / 21:40:00";
        QCOMPARE(home->read("Teams/Club/Ann.lib"),
                 playerFile("Ann", {legRow({"180", "121"}, "50.2"), second}));
        QCOMPARE(prompts->texts().count(kLegOver), 3);
        QCOMPARE(prompts->texts().size(), 3);
    }

    void aLegOfMoreThan25Turns() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 301);
        for (int t = 0; t < 25; ++t)
            turn(m, {"Knop1(10)"});
        darts(m, {"Knop3(17)"});
        QCOMPARE(m.scoreList.count(), 1);
        QCOMPARE(control<QListWidget>(m, "List1")->count(), 26);
        QStringList expected = {kStamp, QString()};
        for (int t = 0; t < 25; ++t)
            expected << "10";
        expected << "3.9"; // 301 over all 26 turns
        QCOMPARE(rowCells(m, 0), expected);
        QCOMPARE(prompts->texts(), QStringList({kTooLong, kLegOver}));
    }

    // The list of the player who threw cannot be written: the player stays at the board with
    // the finished legs on screen, and the scorer is told.
    void aFailedSaveKeepsThePlayer() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob"}, 301);
        QVERIFY(QFile::remove(home->file("Teams/Club/Ann.lib")));
        QVERIFY(QDir().mkpath(home->file("Teams/Club/Ann.lib")));
        m.teamMatch().leg().start(40);
        darts(m, {"Knop2(20)"});
        prompts->clear();
        pickPlayer(m, "Bob");
        QCOMPARE(prompts->seen.size(), 1);
        QVERIFY(prompts->seen.first().text.endsWith("De speler is niet gewisseld."));
        QVERIFY(prompts->seen.first().text.startsWith("De scorelijst is niet opgeslagen"));
        QCOMPARE(caption(m, "Label9"), QString("Ann"));
        QVERIFY(control<QListWidget>(m, "SpelersList")->isHidden());
        QCOMPARE(m.scoreList.count(), 1);
        QVERIFY(m.session.scoreListChanged);
        QCOMPARE(home->read("Teams/Club/Bob.lib"), playerFile("Bob", {}));
    }

    // A file under the next player's name that is no score list is named when he comes to the
    // board, and a leg he finishes is not written over it when the next player is called.
    void aFailedLoadIsReported_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no complete header") << QByteArray("not a score list");
        QTest::newRow("foreign text of three lines") << QByteArray("Boodschappen\r\nmelk\r\nbrood\r\n");
        QStringList cells = legRow({"100", "140"}, "40.0");
        QByteArray lineLost = playerFile("Bob", {cells, cells});
        lineLost.remove(lineLost.indexOf("140\r\n"), 5);
        QTest::newRow("a list missing a line") << lineLost;
    }
    void aFailedLoadIsReported() {
        QFETCH(QByteArray, bytes);
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob"}, 301);
        home->write("Teams/Club/Bob.lib", bytes);
        pickPlayer(m, "Bob");
        QCOMPARE(caption(m, "Label9"), QString("Bob"));
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(prompts->seen.size(), 1);
        QVERIFY(prompts->seen.first().text.contains("Bob.lib"));

        m.teamMatch().leg().start(40);
        darts(m, {"Knop2(20)"});
        QCOMPARE(m.scoreList.count(), 1);
        prompts->clear();
        pickPlayer(m, "Ann");
        QCOMPARE(prompts->seen.size(), 1);
        QVERIFY2(prompts->seen.first().text.contains("niet overschreven") &&
                     prompts->seen.first().text.endsWith("De speler is niet gewisseld."),
                 qPrintable(prompts->seen.first().text));
        QCOMPARE(caption(m, "Label9"), QString("Bob"));
        QCOMPARE(home->read("Teams/Club/Bob.lib"), bytes);
    }
};

QTEST_MAIN(TeamPlayTest)
#include "test_teamplay.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The dart level of the main window: slots, the dart counter, the remaining score, Correctie,
// the board markers, and the hand-over to the rules of the match type.
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/CheckoutChartDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreboardWindow.h"

#include <QAction>
#include <QListWidget>
#include <QTest>

using namespace vx;
using namespace vxtest;

namespace {

const QColor kDot(120, 120, 120);

// A team leg in play at the given remaining score, the dart slots empty.
void RemainingBeforeTurn(MainWindow& m, int remaining) {
    m.teamMatch().leg().start(remaining);
}

} // namespace

class DartsTest : public QObject, private PlaySession {
    Q_OBJECT
  private slots:
    void init() { startSession(); }
    void cleanup() { endSession(); }

    void dartButtonsAreInertUntilAMatchIsSetUp() {
        MainWindow m;
        m.compose(MatchKind::Team);
        const int before = remainingScore(m);
        darts(m, {"Knop3(20)", "Bull50", "ZeroKnop"});
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(remainingScore(m), before);
    }

    void aFourthDartChangesNothing() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        darts(m, {"Knop3(20)", "Knop3(19)", "Knop1(1)"});
        QCOMPARE(nextDartSlot(m), 4);
        const QImage before = m.teamPanel()->markedBoard();
        darts(m, {"Knop3(18)", "Bull50", "ZeroKnop"});
        QCOMPARE(dartSlots(m), QStringList({"60", "57", "1"}));
        QCOMPARE(remainingScore(m), 501 - 118);
        QCOMPARE(nextDartSlot(m), 4);
        QVERIFY(m.teamPanel()->markedBoard() == before);
    }

    // The darts of one turn, entered from a given remaining score: what the slots, the
    // remaining score and the dart counter show afterwards.
    void teamTurn_data() {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("slotTexts");
        QTest::addColumn<int>("after");
        QTest::addColumn<int>("dartNumber");
        QTest::newRow("three darts") << 501 << QStringList{"Knop3(20)", "Knop2(16)", "Bull25"}
                                     << QStringList{"60", "32", "25"} << 384 << 4;
        // A bust keeps the slot: the next dart overwrites it and is subtracted as well.
        QTest::newRow("bust overwrites slot 1")
            << 40 << QStringList{"Knop3(20)", "Knop1(5)"} << QStringList{"5", "0", "0"} << -25 << 1;
        QTest::newRow("bust on the second dart")
            << 50 << QStringList{"Knop1(20)", "Knop3(20)"} << QStringList{"20", "60", "0"} << -30 << 2;
        QTest::newRow("a miss advances")
            << 301 << QStringList{"ZeroKnop", "ZeroKnop"} << QStringList{"0", "0", "0"} << 301 << 3;
        QTest::newRow("bull's eye") << 301 << QStringList{"Bull50"} << QStringList{"50", "0", "0"} << 251
                                    << 2;
    }
    void teamTurn() {
        QFETCH(int, remaining);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, slotTexts);
        QFETCH(int, after);
        QFETCH(int, dartNumber);
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        RemainingBeforeTurn(m, remaining);
        darts(m, buttons);
        QCOMPARE(dartSlots(m), slotTexts);
        QCOMPARE(remainingScore(m), after);
        QCOMPARE(nextDartSlot(m), dartNumber);
        QCOMPARE(caption(m, "Label7"), QString::number(remaining));
    }

    void correctieRestoresTheScoreBeforeTheTurn() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        RemainingBeforeTurn(m, 40);
        darts(m, {"Knop3(20)", "Knop1(5)"});
        QCOMPARE(remainingScore(m), -25);
        click(m, "CorrectieKnop");
        QCOMPARE(remainingScore(m), 40);
        QCOMPARE(nextDartSlot(m), 1);
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        darts(m, {"Knop2(20)"});
        QCOMPARE(remainingScore(m), 0);
        QCOMPARE(entries(m, "List1"), QStringList{"40"});
    }

    void aDartWithoutAPlayerIsNotTakenUp() {
        MainWindow m;
        m.compose(MatchKind::Team);
        QCOMPARE(caption(m, "Label9"), QString("?"));
        m.dartBoard()->setDartButtonsEnabled(true);
        const int before = remainingScore(m);
        darts(m, {"Knop1(20)", "Knop1(19)"});
        QCOMPARE(remainingScore(m), before - 39);
        QCOMPARE(nextDartSlot(m), 1);
        QCOMPARE(dartSlots(m), QStringList({"19", "0", "0"}));
    }

    void theAddTooltipShowsTheTurnSoFar() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        darts(m, {"Knop1(20)", "Knop2(20)"});
        QCOMPARE(control<StyledButton>(m, "AddKnop")->toolTip(), QString(" Score van 60 toevoegen "));
    }

    // The advice is for the score and the darts left after each dart.
    void theSuggestionFollowsEveryDart() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.setCheckoutTable({"100,T20 D20", "60,20 D20"});
        RemainingBeforeTurn(m, 160);
        darts(m, {"Knop3(20)"});
        QCOMPARE(caption(m, "UitgooiLabel"), QString("T20 D20"));
        darts(m, {"Knop1(20)"});
        QCOMPARE(caption(m, "UitgooiLabel"), QString("Darts Checkout"));
        click(m, "CorrectieKnop");
        darts(m, {"Knop3(20)", "Knop3(20)"});
        QCOMPARE(caption(m, "UitgooiLabel"), QString("D20"));
    }

    // Where the table puts each marker: the dot in its middle, inside the ring of the marker.
    void markerPositions_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("T20") << "Knop3(20)" << QPoint(135, 72);
        QTest::newRow("D20") << "Knop2(20)" << QPoint(136, 31);
        QTest::newRow("E20") << "Knop1(20)" << QPoint(135, 50);
        QTest::newRow("B25") << "Bull25" << QPoint(142, 136);
        QTest::newRow("B50") << "Bull50" << QPoint(136, 136);
        QTest::newRow("E7") << "Knop1(7)" << QPoint(83, 205);
        QTest::newRow("D11") << "Knop2(11)" << QPoint(30, 136);
        QTest::newRow("T3") << "Knop3(3)" << QPoint(135, 200);
        QTest::newRow("D6") << "Knop2(6)" << QPoint(239, 136);
    }
    void markerPositions() {
        QFETCH(QString, button);
        QFETCH(QPoint, at);
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        QVERIFY(!m.teamPanel()->boardImage().isNull());
        QVERIFY(m.teamPanel()->markedBoard().pixelColor(at) != kDot);
        darts(m, {button});
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at), kDot);
        QCOMPARE(control<QLabel>(m, "Pic")->pixmap().toImage().pixelColor(at), kDot);
        // Around the dot the marker's fill, three pixels out its outline.
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at + QPoint(1, 0)), QColor(255, 255, 0));
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at + QPoint(0, 1)), QColor(255, 255, 0));
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at + QPoint(3, 0)), QColor(155, 155, 110));
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at + QPoint(-3, 0)), QColor(155, 155, 110));
        // Nothing further away was touched.
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(at + QPoint(6, 0)),
                 m.teamPanel()->boardImage().pixelColor(at + QPoint(6, 0)));
    }

    void aMissLeavesNoMarker() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        darts(m, {"ZeroKnop"});
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage());
    }

    void markersStayAfterCorrectieAndGoWithTheTurn() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob"}, 501);
        const QPoint t20(135, 72), d16(50, 196);
        darts(m, {"Knop3(20)"});
        click(m, "CorrectieKnop");
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(t20), kDot);
        darts(m, {"Knop2(16)"});
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(t20), kDot);
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(d16), kDot);
        click(m, "AddKnop");
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage());
        QCOMPARE(control<QLabel>(m, "Pic")->pixmap().toImage().pixelColor(t20),
                 m.teamPanel()->boardImage().pixelColor(t20));

        darts(m, {"Knop2(16)"});
        QCOMPARE(m.teamPanel()->markedBoard().pixelColor(d16), kDot);
        click(m, "NextPlayerKnop");
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage());
    }

    // A booked turn leaves a whole turn in hand, and the advice for it shows at once: in the
    // window (a duo player's own label, the one who booked too) and on the scoreboard.
    void theAdviceAfterABooking_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("labels"); // team: UitgooiLabel; duo: UitgooiSpeler(1), (2)
        QTest::addColumn<QString>("board");
        // From 160; the table knows 100, 60 and 40.
        // clang-format off
        QTest::newRow("team, a full turn") << false << "T20 20 20" << QStringList{"Darts Checkout"} << "";
        QTest::newRow("team, booked") << false << "T20 20 20 ADD" << QStringList{"20 D20"} << "20 D20";
        QTest::newRow("team, booked after a dart") << false << "T20 ADD" << QStringList{"T20 D20"} << "T20 D20";
        QTest::newRow("team, a bust") << false << "T20 ADD T20 T20" << QStringList{"Darts Checkout"} << "";
        QTest::newRow("duo, booked") << true << "T20 20 20 ADD" << QStringList{"20 D20", "Checkout"} << "";
        QTest::newRow("duo, both booked") << true << "T20 20 20 ADD T20 ADD"
                                          << QStringList{"20 D20", "T20 D20"} << "20 D20";
        QTest::newRow("duo, a dart after") << true << "T20 20 20 ADD T20 ADD 20"
                                           << QStringList{"D20", "T20 D20"} << "D20";
        QTest::newRow("duo, the leg won") << true << "T20 20 20 ADD T20 ADD 20 D20 ADD"
                                          << QStringList{"Checkout", "Checkout"} << "";
        // clang-format on
    }
    void theAdviceAfterABooking() {
        QFETCH(bool, duo);
        QFETCH(QString, script);
        QFETCH(QStringList, labels);
        QFETCH(QString, board);
        MainWindow m;
        if (duo)
            StartDuoMatch(m, "Koos", "Fred", false, 3, 160, "duo");
        else
            StartTeamMatch(m, "Club", {"Ann"}, 160);
        m.setCheckoutTable({"100,T20 D20", "60,20 D20", "40,D20"});
        control<QAction>(m, "ToolsScorebord")->trigger();
        play(m, script);
        QStringList shown;
        for (const QString& name :
             duo ? QStringList{"UitgooiSpeler(1)", "UitgooiSpeler(2)"} : QStringList{"UitgooiLabel"})
            shown << caption(m, name);
        QCOMPARE(shown, labels);
        QCOMPARE(m.scoreboard()->texts().checkout, board);
    }

    void withoutABoardPictureTheMarkersStillShow() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        m.teamPanel()->setBoardImage(QImage());
        QVERIFY(control<QLabel>(m, "Pic")->pixmap().isNull());
        darts(m, {"Bull50"});
        QCOMPARE(control<QLabel>(m, "Pic")->pixmap().toImage().pixelColor(136, 136), kDot);
        click(m, "AddKnop");
        QVERIFY(control<QLabel>(m, "Pic")->pixmap().isNull());
    }

    void duoDartsGoToThePlayerAtTheThrow() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        m.setCheckoutTable({"441,T20 T20 T20 ...", "401,T20 T20"});
        darts(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        QCOMPARE(caption(m, "PuntenLabel(1)"), QString("180"));
        QCOMPARE(caption(m, "UitgooiSpeler(1)"), QString("Checkout"));
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("501"));
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage()); // no markers in a duo match
        click(m, "AddKnopDuo(1)");
        darts(m, {"Knop3(20)", "Knop1(20)", "Knop1(20)"});
        QCOMPARE(caption(m, "PuntenLabel(2)"), QString("100"));
        // No dart left in the turn: no advice.
        QCOMPARE(caption(m, "UitgooiSpeler(2)"), QString("Checkout"));
        QCOMPARE(caption(m, "PuntenLabel(1)"), QString("0"));

        click(m, "CorrectieKnop");
        QCOMPARE(caption(m, "PuntenLabel(2)"), QString("0"));
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(nextDartSlot(m), 1);
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("501"));
    }

    void theCheckoutChart() {
        CheckoutChartDialog shown;
        QCOMPARE(shown.windowTitle(), QString("Darts Checkout Lijst"));
        QCOMPARE(shown.size(), QSize(656, 495)); // 9840 x 7425 twips
        QVERIFY(!shown.chartLabel->pixmap().isNull());
        QCOMPARE(shown.chartLabel->pixmap().size(), QSize(656, 495));

        Folders where = folders();
        where.dataDir = home->file("EmptyData");
        setFolders(where);
        CheckoutChartDialog missing;
        QVERIFY(missing.chartLabel->pixmap().isNull());
        QVERIFY(missing.chartLabel->text().startsWith("De checkout lijst kan niet worden getoond"));
        QVERIFY(missing.chartLabel->text().contains("Dart Checkout.jpg"));
    }
};

QTEST_MAIN(DartsTest)
#include "test_darts.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The audience scoreboard: what it shows of a duo and a team match played through the model,
// that it repaints on the model's signals alone, digits that fill their box at a television's
// and a small window's size, and opening and closing it with F9, the menu, F11 and Esc.
#include "playsupport.h"
#include "testsupport.h"
#include "core/files/RecoveryWriter.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreboardWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>

using namespace vx;
using namespace vxtest;

namespace {

// Counts the paint events of one widget.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted = static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    int paints = 0;
    QRegion painted;
};

void turn(DuoMatch& duo, const QList<int>& darts) {
    for (int points : darts)
        duo.enterDart(points, QString::number(points));
    duo.bookTurn();
}

QStringList sideTexts(const ScoreboardTexts::Side& s) {
    return {s.name, s.remaining, s.sets, s.legs, s.turns.join(u' ')};
}

} // namespace

class ScoreboardTest : public QObject {
    Q_OBJECT
    PlaySession session;
    std::unique_ptr<MainWindow> main;

    ScoreboardWindow& openBoard() {
        control<QAction>(*main, QStringLiteral("ToolsScorebord"))->trigger();
        return *main->scoreboard();
    }
    void startDuo(DuoSetup::Kind kind, int target, int startScore) {
        main->compose(MatchKind::Duo);
        main->startDuoMatch({{QStringLiteral("Koos"), QStringLiteral("Fred")}, startScore, kind, target},
                            QStringLiteral("Clubavond"));
    }
    void startTeam() {
        main->compose(MatchKind::Team);
        main->startTeamMatch(
            {QStringLiteral("De Pijlen"), {QStringLiteral("Ans"), QStringLiteral("Bert")}, 501});
    }

  private slots:
    void init() {
        session.startSession();
        main = std::make_unique<MainWindow>();
    }
    void cleanup() {
        main.reset();
        session.endSession();
    }

    void duoTexts() {
        startDuo(DuoSetup::Kind::Sets, 3, 301);
        DuoMatch& duo = main->duoMatch();
        const ScoreboardWindow& board = openBoard();
        turn(duo, {60, 60, 60});
        turn(duo, {26});
        duo.enterDart(60, QStringLiteral("T20"));
        ScoreboardTexts t = board.texts();
        QCOMPARE(t.heading, QStringLiteral("First to 3 Sets"));
        QCOMPARE(sideTexts(t.sides.at(0)), QStringList({"Koos", "61", "0", "0", "180"})); // 121 less the dart
        QCOMPARE(sideTexts(t.sides.at(1)), QStringList({"Fred", "275", "0", "0", "26"}));
        QCOMPARE(t.atTheThrow, 1);
        QCOMPARE(t.darts, QStringList({"60"}));
        QCOMPARE(t.checkout, QStringLiteral("T15 D8")); // 121 less the 60 in progress

        duo.correct();
        turn(duo, {60, 60, 1}); // 121 left: the leg, Fred at the throw for the next
        t = board.texts();
        QCOMPARE(sideTexts(t.sides.at(0)), QStringList({"Koos", "0", "0", "1", "121"}));
        QCOMPARE(t.atTheThrow, 0);
        QCOMPARE(t.darts, QStringList());
        QCOMPARE(t.checkout, QString());

        duo.nextLeg();
        turn(duo, {20});
        duo.undoLastTurn();
        t = board.texts();
        QCOMPARE(sideTexts(t.sides.at(1)), QStringList({"Fred", "301", "0", "0", ""}));
        QCOMPARE(t.atTheThrow, 1);

        startDuo(DuoSetup::Kind::Legs, 5, 501);
        t = board.texts();
        QCOMPARE(t.heading, QStringLiteral("First to 5 Legs"));
        QCOMPARE(sideTexts(t.sides.at(0)), QStringList({"Koos", "501", "", "0", ""}));
    }

    void teamTexts() {
        startTeam();
        TeamLeg& leg = main->teamMatch().leg();
        const ScoreboardWindow& board = openBoard();
        for (int total : {60, 45, 100, 26, 41, 85}) {
            leg.enterDart(total, QString::number(total));
            leg.bookTurn();
        }
        leg.enterDart(44, QStringLiteral("44"));
        ScoreboardTexts t = board.texts();
        QCOMPARE(t.heading, QStringLiteral("De Pijlen"));
        QCOMPARE(t.sides.size(), 1);
        QCOMPARE(sideTexts(t.sides.at(0)), QStringList({"Ans", "100", "", "", "45 100 26 41 85"}));
        QCOMPARE(t.average, QStringLiteral("19.8")); // 357 in 18 darts
        QCOMPARE(t.darts, QStringList({"44"}));
        QCOMPARE(t.checkout, QStringLiteral("T20 D20")); // 100 left with two darts in hand
        QCOMPARE(t.atTheThrow, 1);

        main->teamMatch().takeOver(2);
        t = board.texts();
        QCOMPARE(sideTexts(t.sides.at(0)), QStringList({"Bert", "501", "", "", ""}));
        QCOMPARE(t.average, QStringLiteral("0.0"));
    }

    // A scripted turn from `start`: the score left after each dart, and a bust shown over the
    // score as it stood before the turn until the turn is corrected.
    void countsDownDartByDart_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("darts");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<bool>>("bust");
        for (const bool duo : {true, false}) {
            const char* kind = duo ? "duo" : "team";
            QTest::addRow("%s 141", kind) << duo << 141 << QList<int>{57, 60, 20}
                                          << QStringList{"84", "24", "4"} << QList<bool>{false, false, false};
            QTest::addRow("%s past the score", kind) << duo << 40 << QList<int>{20, 60}
                                                     << QStringList{"20", "40"} << QList<bool>{false, true};
        }
    }
    void countsDownDartByDart() {
        QFETCH(bool, duo);
        QFETCH(int, start);
        QFETCH(QList<int>, darts);
        QFETCH(QStringList, shown);
        QFETCH(QList<bool>, bust);
        if (duo) {
            startDuo(DuoSetup::Kind::Legs, 3, start);
        } else {
            main->compose(MatchKind::Team);
            main->startTeamMatch({QStringLiteral("De Pijlen"), {QStringLiteral("Ans")}, start});
        }
        const ScoreboardWindow& board = openBoard();
        const auto side = [&] { return board.texts().sides.at(0); };
        for (int i = 0; i < darts.size(); ++i) {
            duo ? void(main->duoMatch().enterDart(darts[i], QString::number(darts[i])))
                : void(main->teamMatch().leg().enterDart(darts[i], QString::number(darts[i])));
            QCOMPARE(side().remaining, shown[i]);
            QCOMPARE(side().bust, bust[i]);
        }
        duo ? main->duoMatch().correct() : main->teamMatch().leg().correct();
        QCOMPARE(side().remaining, QString::number(start));
        QVERIFY(!side().bust);
    }

    // The banner names the most the last leg decided and its winner, and goes at the next dart.
    void bannerPerWin_data() {
        QTest::addColumn<int>("sets");  // the target in sets, 0 for a legs match
        QTest::addColumn<int>("legs");  // the target in legs
        QTest::addColumn<int>("won");   // legs Koos wins in a row
        QTest::addColumn<QStringList>("banner");
        QTest::newRow("a leg") << 0 << 3 << 1 << QStringList{"Game shot!", "Leg: Koos"};
        QTest::newRow("a set") << 2 << 0 << 3 << QStringList{"Game shot!", "Set: Koos"};
        QTest::newRow("the match in legs") << 0 << 2 << 2 << QStringList{"Game shot!", "Wedstrijd: Koos"};
        QTest::newRow("the match in sets") << 1 << 0 << 3 << QStringList{"Game shot!", "Wedstrijd: Koos"};
    }
    void bannerPerWin() {
        QFETCH(int, sets);
        QFETCH(int, legs);
        QFETCH(int, won);
        QFETCH(QStringList, banner);
        startDuo(sets ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs, sets ? sets : legs, 60);
        DuoMatch& duo = main->duoMatch();
        const ScoreboardWindow& board = openBoard();
        for (int leg = 0; leg < won; ++leg) {
            if (leg > 0) duo.nextLeg();
            if (duo.atTheThrow() == 2) turn(duo, {0});
            turn(duo, {60});
        }
        QCOMPARE(board.texts().banner, banner);
        if (duo.canStartNextLeg()) {
            duo.nextLeg();
            duo.enterDart(1, QStringLiteral("E1"));
            QCOMPARE(board.texts().banner, QStringList());
        }
    }

    // Left alone, the banner goes after its four seconds and its place is painted again.
    void bannerGoesByItself() {
        startDuo(DuoSetup::Kind::Legs, 3, 60);
        ScoreboardWindow& board = openBoard();
        turn(main->duoMatch(), {60});
        auto* timer = board.findChild<QTimer*>(QStringLiteral("bannerTimer"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 4000);
        QVERIFY(!board.texts().banner.isEmpty());
        PaintCounter counter(board);
        timer->start(10); // the wait, not the four seconds, is what is shortened
        QTRY_VERIFY(board.texts().banner.isEmpty());
        QTRY_VERIFY(QRegion(board.bannerBox()).subtracted(counter.painted).isEmpty());
    }

    void teamGameShotAndBustInEnglish() {
        startTeam();
        const ScoreboardWindow& board = openBoard();
        main->teamMatch().leg().restore(501, {180, 180});
        main->teamMatch().leg().enterDart(141, QStringLiteral("141"));
        QCOMPARE(board.texts().banner, QStringList({"Game shot!", "Leg: Ans"}));
        QCOMPARE(bustText(), QStringLiteral("GEEN SCORE"));
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/vorlentix_en.qm")));
        QCoreApplication::installTranslator(&english);
        QCOMPARE(gameShotBanner(GameShot::Set, QStringLiteral("Fred")), QStringList({"Game shot!", "Set: Fred"}));
        QCOMPARE(gameShotBanner(GameShot::Match, QStringLiteral("Fred")),
                 QStringList({"Game shot!", "Match: Fred"}));
        QCOMPARE(bustText(), QStringLiteral("BUST"));
        QCoreApplication::removeTranslator(&english);
    }

    // Opened again after a crash where it stood: its place goes into the recovery file while
    // it is open, and out when it is closed.
    void placeKeptForAResumedMatch() {
        startDuo(DuoSetup::Kind::Legs, 3, 501);
        ScoreboardWindow& board = openBoard();
        board.showFullScreen();
        QVERIFY(main->session.scoreboard);
        const ScoreboardPlace place = *main->session.scoreboard;
        QCOMPARE(place.fullScreen, true);
        QCOMPARE(place.screen, board.screen()->name());
        const std::optional<Recovery> snapshot = recoverySnapshot(true, main->teamMatch(), main->duoMatch(),
                                                                  main->scoreList, main->session);
        QVERIFY(snapshot && snapshot->scoreboard == place);
        board.close();
        QVERIFY(!main->session.scoreboard);

        MainWindow resumed;
        resumed.resume(*snapshot);
        QVERIFY(resumed.scoreboard() && resumed.scoreboard()->isVisible());
        QVERIFY(resumed.scoreboard()->isFullScreen());
        QVERIFY(control<QAction>(resumed, QStringLiteral("ToolsScorebord"))->isChecked());
    }

    // The board repaints for every change of the match, whatever kind, and for nothing else.
    void repaintsOnTheModelsSignals() {
        startDuo(DuoSetup::Kind::Sets, 3, 501);
        ScoreboardWindow& board = openBoard();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        PaintCounter counter(board);
        const auto paintsAfter = [&](const std::function<void()>& step) {
            QApplication::processEvents();
            counter.paints = 0;
            step();
            QApplication::processEvents();
            return counter.paints;
        };
        QCOMPARE(paintsAfter([] {}), 0);
        QCOMPARE(paintsAfter([&] { main->duoMatch().correct(); }), 0); // nothing changed
        QCOMPARE(paintsAfter([&] { main->duoMatch().enterDart(20, QStringLiteral("E20")); }), 1);
        QVERIFY(counter.painted.intersects(board.remainingBox(1))); // the big digits count down
        QCOMPARE(paintsAfter([&] { main->duoMatch().bookTurn(); }), 1);
        QCOMPARE(paintsAfter([&] { main->duoMatch().undoLastTurn(); }), 1);
        QCOMPARE(paintsAfter([&] { startTeam(); }), 1);
        QCOMPARE(paintsAfter([&] { main->teamMatch().leg().enterDart(20, QStringLiteral("E20")); }), 1);
        QCOMPARE(paintsAfter([&] { main->teamMatch().takeOver(2); }), 1);
        QCOMPARE(paintsAfter([&] { main->compose(MatchKind::Duo); }), 1);
    }

    // Only the boxes that changed are painted again; what is on the screen after every step is
    // still what a full paint of the board gives: darts, a bust, a booked turn, a won leg and
    // its banner, the next leg.
    void partialPaintsShowTheWholeBoard_data() {
        QTest::addColumn<bool>("duo");
        QTest::newRow("duo") << true;
        QTest::newRow("team") << false;
    }
    void partialPaintsShowTheWholeBoard() {
        QFETCH(bool, duo);
        duo ? startDuo(DuoSetup::Kind::Legs, 3, 101) : startTeam();
        ScoreboardWindow& board = openBoard();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        DuoMatch& d = main->duoMatch();
        TeamLeg& leg = main->teamMatch().leg();
        const QList<std::function<void()>> steps =
            duo ? QList<std::function<void()>>{[&] { d.enterDart(20, "E20"); }, [&] { d.enterDart(60, "T20"); },
                                               [&] { d.enterDart(60, "T20"); }, [&] { d.bookTurn(); },
                                               [&] { turn(d, {1, 1}); },        [&] { turn(d, {60, 41}); },
                                               [&] { d.nextLeg(); },            [&] { d.enterDart(5, "E5"); }}
                : QList<std::function<void()>>{[&] { leg.enterDart(60, "T20"); },
                                               [&] { leg.enterDart(1, "E1"); },
                                               [&] { leg.restore(501, {180, 180}); },
                                               [&] { leg.enterDart(60, "T20"); },
                                               [&] { leg.enterDart(81, "81"); },
                                               [&] { main->teamMatch().takeOver(2); }};
        for (int i = 0; i < steps.size(); ++i) {
            steps[i]();
            QCoreApplication::processEvents();
            const QImage shown = board.screen()->grabWindow(board.winId()).toImage();
            QVERIFY2(shown == board.grab().toImage().convertToFormat(shown.format()),
                     qPrintable(QStringLiteral("after step %1").arg(i + 1)));
        }
    }

    // The remaining score's digits stand at least half as tall as their box, and inside it.
    void digitsFillTheirBox_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QSize>("size");
        for (const QSize size : {QSize(1920, 1080), QSize(800, 450)})
            for (const bool duo : {true, false})
                QTest::addRow("%s %dx%d", duo ? "duo" : "team", size.width(), size.height()) << duo << size;
    }
    void digitsFillTheirBox() {
        QFETCH(bool, duo);
        QFETCH(QSize, size);
        duo ? startDuo(DuoSetup::Kind::Sets, 3, 501) : startTeam();
        ScoreboardWindow& board = openBoard();
        board.resize(size);
        const QImage shot = board.grab().toImage();
        QCOMPARE(shot.size(), size);
        for (int side = 1; side <= (duo ? 2 : 1); ++side) {
            const QRect box = board.remainingBox(side);
            const QRgb ground = shot.pixel(box.topLeft());
            QRect digits;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    if (shot.pixel(x, y) != ground) digits |= QRect(x, y, 1, 1);
            QVERIFY2(
                digits.height() * 2 > box.height(),
                qPrintable(
                    QStringLiteral("digits %1 px in a box of %2").arg(digits.height()).arg(box.height())));
            QVERIFY(digits.left() > box.left() && digits.right() < box.right());
        }
    }

    // F9 on the main window opens and closes the board, the menu's check follows, the scorer's
    // keys stay with the main window, and closing the board leaves the match alone.
    void f9AndTheMenu() {
        startDuo(DuoSetup::Kind::Sets, 3, 501);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        auto* action = control<QAction>(*main, QStringLiteral("ToolsScorebord"));
        QTest::keyClick(main.get(), Qt::Key_F9);
        QVERIFY(main->scoreboard() && main->scoreboard()->isVisible());
        QVERIFY(action->isChecked());
        QCOMPARE(main->scoreboard()->windowTitle(), QStringLiteral("Vorlentix Scorebord"));
        play(*main, "T20 T20 T20 ADD");
        QTest::keyClick(main.get(), Qt::Key_F9);
        QVERIFY(!main->scoreboard()->isVisible());
        QVERIFY(!action->isChecked());

        action->trigger();
        QVERIFY(main->scoreboard()->isVisible());
        main->scoreboard()->close();
        QVERIFY(!action->isChecked());
        QCOMPARE(main->duoMatch().remaining(1), 321);
        QCOMPARE(main->duoMatch().atTheThrow(), 2);
    }

    void f11AndEsc() {
        ScoreboardWindow& board = openBoard();
        QVERIFY(!board.isFullScreen());
        QTest::keyClick(&board, Qt::Key_F11);
        QVERIFY(board.isFullScreen());
        QTest::keyClick(&board, Qt::Key_Escape);
        QVERIFY(!board.isFullScreen());
        QVERIFY(board.isVisible());
        QTest::keyClick(&board, Qt::Key_F11);
        QTest::keyClick(&board, Qt::Key_F11);
        QVERIFY(!board.isFullScreen());
    }

    // The board goes below "Instellingen"; what the menu had keeps its place.
    void menuPlace() {
        QStringList names;
        for (const QAction* menu : main->menuBar()->actions())
            if (menu->text() == QStringLiteral("Tools"))
                for (const QAction* a : menu->menu()->actions())
                    names << a->objectName();
        QCOMPARE(names.indexOf(QStringLiteral("ToolsScorebord")),
                 names.indexOf(QStringLiteral("ToolsConfig")) + 1);
    }
};

QTEST_MAIN(ScoreboardTest)
#include "test_scoreboard.moc"

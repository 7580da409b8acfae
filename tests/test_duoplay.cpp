// SPDX-License-Identifier: GPL-3.0-or-later
// A duo match on the real main window: booking turns, the end of a leg, legs and sets, the
// winner's question, the next leg with the other starter, and taking back a turn.
#include "core/files/ScoreListFiles.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/main/MainWindow.h"

#include <QTest>
#include <array>

using namespace vx;
using namespace vxtest;

namespace {

const QString kLegOver = QStringLiteral("Einde ronde, klik op 'Volgende Ronde'...");
const QString kTooLong =
    QStringLiteral("Deze leg had meer dan 25 beurten; beurt 26 en verder staan niet in de scorelijst.");
const QString kTooHigh = QStringLiteral("Score is te hoog, klik op button 'Correctie'");

QString winnerQuestion(const QString& name) {
    return "Einde Duo Match, " + name + " heeft gewonnen.\r\nWil je een nieuwe Match starten?";
}

int atTheThrow(MainWindow& m) {
    return control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled() ? 1 : 2;
}

void book(MainWindow& m, int p) {
    click(m, QStringLiteral("AddKnopDuo(%1)").arg(p));
}

// Plays a leg of 301 that `winner` takes with 180 and 121 while the other scores nothing.
void playLeg(MainWindow& m, int winner) {
    const QString winnerScore = QStringLiteral("ScoreLabel(%1)").arg(winner);
    for (int turns = 0; turns < 4 && caption(m, winnerScore) != "0"; ++turns) {
        const int p = atTheThrow(m);
        if (p == winner) {
            if (caption(m, QStringLiteral("ScoreLabel(%1)").arg(p)) == "301")
                darts(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
            else
                darts(m, {"Knop3(20)", "Knop3(20)", "Knop1(1)"});
        }
        book(m, p);
    }
    if (caption(m, winnerScore) != "0") qFatal("the leg did not end");
}

struct Counters {
    QString legs1, legs2, sets1, sets2;
};

Counters counters(MainWindow& m) {
    return {caption(m, "LegsLabel(1)"), caption(m, "LegsLabel(2)"), caption(m, "SetsLabel(1)"),
            caption(m, "SetsLabel(2)")};
}

} // namespace

class DuoPlayTest : public QObject, private PlaySession {
    Q_OBJECT
  private slots:
    void init() {
        startSession(QDateTime(QDate(2024, 3, 7), QTime(20, 0, 0)));
        dialogsShown.clear();
        MainWindow::runDialog = [this](QDialog& dialog) {
            dialogsShown << dialog.objectName();
            return int(QDialog::Rejected);
        };
    }
    void cleanup() {
        MainWindow::runDialog = nullptr;
        endSession();
    }

    void aTurnIsBookedAndTheThrowPasses() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        darts(m, {"Knop3(20)", "Knop1(20)", "Knop1(5)"});
        book(m, 1);
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("416"));
        QCOMPARE(m.duoMatch().remaining(1), 416);
        QCOMPARE(entries(m, "ListSpeler(1)"), QStringList{"85"});
        QCOMPARE(caption(m, "GemidLabel(1)"), QString("28.3"));
        QCOMPARE(caption(m, "PuntenLabel(1)"), QString("0"));
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QVERIFY(!control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
        QVERIFY(control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        QCOMPARE(control<QListWidget>(m, "ListSpeler(1)")->palette().color(QPalette::Base),
                 QColor(250, 250, 220));
        QCOMPARE(control<QListWidget>(m, "ListSpeler(2)")->palette().color(QPalette::Base),
                 QColor(150, 250, 120));
        QCOMPARE(nextDartSlot(m), 1);
        // A turn without darts is a turn of 0.
        book(m, 2);
        QCOMPARE(entries(m, "ListSpeler(2)"), QStringList{"0"});
        QCOMPARE(caption(m, "GemidLabel(2)"), QString("0.0"));
        QVERIFY(prompts->seen.isEmpty());
    }

    void d20OnFortyWinsTheLeg() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        m.setCheckoutTable({"40,D20", "20,D10"});
        darts(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        book(m, 1);
        book(m, 2);
        darts(m, {"Knop3(20)", "Knop3(20)", "Knop3(20)"});
        book(m, 1);
        book(m, 2);
        darts(m, {"Knop3(20)", "Knop2(20)", "Knop1(1)"});
        book(m, 1);
        book(m, 2);
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("40"));
        darts(m, {"Knop1(20)"});
        QCOMPARE(caption(m, "UitgooiSpeler(1)"), QString("D10"));
        click(m, "CorrectieKnop");
        darts(m, {"Knop2(20)"});
        QCOMPARE(caption(m, "PuntenLabel(1)"), QString("40"));
        QCOMPARE(caption(m, "UitgooiSpeler(1)"), QString("Checkout"));
        QVERIFY(prompts->seen.isEmpty());
        book(m, 1);

        QCOMPARE(prompts->texts(), QStringList{kLegOver});
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("0"));
        QCOMPARE(m.scoreList.count(), 2);
        QStringList koos = {"Koos", "v", "180", "180", "101", "40"};
        QStringList fred = {"Fred", "-", "0", "0", "0"};
        while (koos.size() < 27)
            koos << "-";
        while (fred.size() < 27)
            fred << "-";
        koos << "41.8";
        fred << "0.0";
        for (int c = 0; c < 28; ++c) {
            QCOMPARE(m.scoreList.cell(0, c), koos[c]);
            QCOMPARE(m.scoreList.cell(1, c), fred[c]);
        }
        QCOMPARE(caption(m, "Label19"), QString("2 Items"));
        QCOMPARE(caption(m, "LegsLabel(1)"), QString("1"));
        QCOMPARE(caption(m, "LegsLabel(2)"), QString("0"));
        QVERIFY(control<StyledButton>(m, "NextKnop")->isEnabled());
        QVERIFY(!control<StyledButton>(m, "Knop1(20)")->isEnabled());
        QVERIFY(!control<StyledButton>(m, "ZeroKnop")->isEnabled());
    }

    void aTurnAboveTheRemainingScoreIsRefused() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 10, "duo");
        book(m, 1);
        darts(m, {"Knop1(20)"});
        book(m, 2);
        QCOMPARE(prompts->texts(), QStringList{kTooHigh});
        QCOMPARE(prompts->seen.first().title, kAppTitle);
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("10"));
        QCOMPARE(control<QListWidget>(m, "ListSpeler(2)")->count(), 0);
        QCOMPARE(dartSlots(m), QStringList({"20", "0", "0"}));
        QVERIFY(control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        click(m, "CorrectieKnop");
        darts(m, {"Knop1(10)"});
        book(m, 2);
        QCOMPARE(prompts->texts(), QStringList({kTooHigh, kLegOver}));
        QCOMPARE(caption(m, "LegsLabel(2)"), QString("1"));
    }

    // Between the end of a leg and the next one nothing can be booked or taken back: a turn
    // of 0 would count the finished leg a second time.
    void aFinishedLegStaysAsItIs() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 301, "duo");
        playLeg(m, 1);
        QVERIFY(!control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
        QVERIFY(!control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        book(m, 1);
        book(m, 2);
        QTest::keyClick(&m, Qt::Key_Return);
        QCOMPARE(m.duoMatch().legsWon(1), 1);
        QCOMPARE(caption(m, "LegsLabel(1)"), QString("1"));
        QCOMPARE(m.scoreList.count(), 2);
        QCOMPARE(prompts->texts(), QStringList{kLegOver});
        const QStringList turns1 = entries(m, "ListSpeler(1)"), turns2 = entries(m, "ListSpeler(2)");
        m.duoMatch().undoLastTurn(1);
        m.duoMatch().undoLastTurn(2);
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("0"));
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("301"));
        QCOMPARE(entries(m, "ListSpeler(1)"), turns1);
        QCOMPARE(entries(m, "ListSpeler(2)"), turns2);

        click(m, "NextKnop");
        QVERIFY(control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        QVERIFY(!control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
        QVERIFY(control<StyledButton>(m, "Knop1(20)")->isEnabled());
    }

    void undoTakesBackTheLastTurnOfThatPlayer() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        darts(m, {"Knop3(20)", "Knop3(19)"});
        book(m, 1);
        darts(m, {"Knop1(5)"});
        book(m, 2);
        darts(m, {"Knop2(10)"});
        book(m, 1);
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("364"));
        QCOMPARE(caption(m, "GemidLabel(1)"), QString("22.8"));
        m.duoMatch().undoLastTurn(1);
        QCOMPARE(caption(m, "ScoreLabel(1)"), QString("384"));
        QCOMPARE(m.duoMatch().remaining(1), 384);
        QCOMPARE(entries(m, "ListSpeler(1)"), QStringList{"117"});
        // Player 2 is still the one to throw; the average is that of the turns left.
        QVERIFY(control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        QVERIFY(!control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
        QCOMPARE(caption(m, "GemidLabel(1)"), QString("39.0"));
        m.duoMatch().undoLastTurn(2);
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("501"));
        QCOMPARE(control<QListWidget>(m, "ListSpeler(2)")->count(), 0);
        m.duoMatch().undoLastTurn(2);
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("501"));
    }

    void undoAmidDartsAndCorrecties_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("turns1");
        QTest::addColumn<QStringList>("turns2");
        QTest::addColumn<QString>("average1");
        QTest::addColumn<QString>("average2");
        QTest::newRow("Koos's only turn") << "20 ADD UNDO" << QStringList{} << QStringList{} << "0"
                                          << "0";
        QTest::newRow("the turns left")
            << "T20 ADD ADD 20 ADD UNDO" << QStringList{"60"} << QStringList{"0"} << "20.0"
            << "0.0";
        QTest::newRow("twice") << "T20 ADD ADD 20 ADD UNDO UNDO" << QStringList{} << QStringList{"0"} << "0"
                               << "0.0";
        // The darts in the slots are Fred's, and Koos's turn is the one taken back.
        QTest::newRow("Fred's darts in play")
            << "T20 ADD T20 T20 UNDO ADD" << QStringList{} << QStringList{"120"} << "0"
            << "40.0";
        QTest::newRow("Correctie, then undo")
            << "T20 ADD T20 COR UNDO 5 ADD" << QStringList{} << QStringList{"5"} << "0"
            << "1.7";
        QTest::newRow("stored after undo")
            << "ADD T20 T20 T20 ADD ADD T20 T20 T20 ADD 20 ADD UNDO T20 T19 D12 ADD" << QStringList{"0", "0"}
            << QStringList{"180", "180", "141"} << "0.0"
            << "55.7";
    }
    // Each player's turns and remaining score make the start score, and the average shown
    // (and stored at the end of the leg) is that of the turns listed.
    void undoAmidDartsAndCorrecties() {
        QFETCH(QString, script);
        QFETCH(QStringList, turns1);
        QFETCH(QStringList, turns2);
        QFETCH(QString, average1);
        QFETCH(QString, average2);
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        play(m, script);
        const std::array<QStringList, 3> turns = {QStringList(), turns1, turns2};
        const std::array<QString, 3> averages = {QString(), average1, average2};
        const bool legOver = m.scoreList.count() == 2;
        for (int p = 1; p <= 2; ++p) {
            QCOMPARE(entries(m, QStringLiteral("ListSpeler(%1)").arg(p)), turns[p]);
            int left = 501;
            for (const QString& t : turns[p])
                left -= t.toInt();
            QCOMPARE(caption(m, QStringLiteral("ScoreLabel(%1)").arg(p)), QString::number(left));
            QCOMPARE(m.duoMatch().remaining(p), left);
            QCOMPARE(caption(m, QStringLiteral("GemidLabel(%1)").arg(p)), averages[p]);
            if (legOver) QCOMPARE(m.scoreList.cell(p - 1, 27), averages[p]);
        }
    }

    // A player without a turn in a finished leg has the average of one who never threw, on his
    // label and in his row, however his turns went; a turn of 0 is a turn.
    void aLegWithoutTurnsAveragesZero_data() {
        QTest::addColumn<QString>("script"); // legs of 40 apart, NEXT between them
        QTest::addColumn<QString>("average1");
        QTest::addColumn<QString>("average2");
        QTest::newRow("Fred starts and goes out at once") << "D20 ADD NEXT D20 ADD"
                                                          << "0"
                                                          << "13.3";
        QTest::newRow("Koos's only turn taken back") << "20 ADD UNDO D20 ADD"
                                                     << "0"
                                                     << "13.3";
        QTest::newRow("each of Koos's turns taken back") << "20 ADD UNDO ADD 5 ADD UNDO D20 ADD"
                                                         << "0"
                                                         << "6.7";
        QTest::newRow("a turn of 0 is a turn") << "ADD D20 ADD"
                                               << "0.0"
                                               << "13.3";
    }
    void aLegWithoutTurnsAveragesZero() {
        QFETCH(QString, script);
        QFETCH(QString, average1);
        QFETCH(QString, average2);
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 40, "duo");
        for (const QString& leg : script.split(" NEXT ")) {
            if (m.scoreList.count() > 0) click(m, "NextKnop");
            play(m, leg);
        }
        QVERIFY(m.duoMatch().isLegOver());
        const int last = m.scoreList.count() - 2;
        QCOMPARE(QStringList({m.scoreList.cell(last, 27), m.scoreList.cell(last + 1, 27)}),
                 QStringList({average1, average2}));
        QCOMPARE(QStringList({caption(m, "GemidLabel(1)"), caption(m, "GemidLabel(2)")}),
                 QStringList({average1, average2}));
    }

    void firstToTwoLegsAskedOnceAfterTheLegMessage_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: nothing saved") << false;
        QTest::newRow("Yes: saved, setup opened") << true;
    }
    void firstToTwoLegsAskedOnceAfterTheLegMessage() {
        QFETCH(bool, yes);
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 2, 301, "Finale");
        prompts->answers = {yes};
        playLeg(m, 1);
        click(m, "NextKnop");
        playLeg(m, 2);
        click(m, "NextKnop");
        QVERIFY(prompts->texts().count(kLegOver) == 2);
        playLeg(m, 1);
        QCOMPARE(prompts->texts(), QStringList({kLegOver, kLegOver, kLegOver, winnerQuestion("Koos ")}));
        QCOMPARE(prompts->seen.last().kind, Prompt::Question);
        QCOMPARE(prompts->seen.last().title, QString("End Match"));
        QCOMPARE(caption(m, "LegsLabel(1)"), QString("2"));
        QVERIFY(!control<StyledButton>(m, "Bull50")->isEnabled());
        if (!yes) {
            QVERIFY(home->read("Teams/Finale.lib").isEmpty());
            QVERIFY(dialogsShown.isEmpty());
            // A decided match plays no further leg: another one could crown a second winner.
            QVERIFY(!control<StyledButton>(m, "NextKnop")->isEnabled());
            QVERIFY(!control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled() &&
                    !control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
            QVERIFY(m.session.scoreListChanged);
            return;
        }
        QCOMPARE(dialogsShown, QStringList{"DuoForm"});
        ScoreListModel saved;
        QVERIFY(vx::loadDuoList(saved, "Finale"));
        QCOMPARE(saved.count(), 6);
        for (int r = 0; r < 6; ++r)
            QVERIFY(saved.row(r) == m.scoreList.row(r));
        QVERIFY(!m.session.scoreListChanged);
    }

    void nextKnopAlternatesTheStarter() {
        // First to 3 Legs, the legs shared out so that the match runs its full five legs.
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 301, "duo");
        const std::array<int, 5> winners = {1, 2, 1, 2, 1};
        for (int leg = 1; leg <= 5; ++leg) {
            const int starter = leg % 2 == 1 ? 1 : 2;
            QVERIFY(!control<QLabel>(m, QStringLiteral("StartBol(%1)").arg(starter))->isHidden());
            QVERIFY(control<QLabel>(m, QStringLiteral("StartBol(%1)").arg(3 - starter))->isHidden());
            QCOMPARE(atTheThrow(m), starter);
            QCOMPARE(control<QListWidget>(m, QStringLiteral("ListSpeler(%1)").arg(starter))
                         ->palette()
                         .color(QPalette::Base),
                     QColor(150, 250, 120));
            QCOMPARE(control<QListWidget>(m, QStringLiteral("ListSpeler(%1)").arg(3 - starter))
                         ->palette()
                         .color(QPalette::Base),
                     QColor(250, 250, 220));
            playLeg(m, winners[leg - 1]);
            if (leg == 5) break;
            click(m, "NextKnop");
            QVERIFY(!control<StyledButton>(m, "NextKnop")->isEnabled());
            QCOMPARE(caption(m, "ScoreLabel(1)"), QString("301"));
            QCOMPARE(caption(m, "ScoreLabel(2)"), QString("301"));
            QCOMPARE(m.duoMatch().remaining(1), 301);
            QCOMPARE(control<QListWidget>(m, "ListSpeler(1)")->count() +
                         control<QListWidget>(m, "ListSpeler(2)")->count(),
                     0);
            QCOMPARE(caption(m, "GemidLabel(1)"), QString("0"));
            QCOMPARE(caption(m, "UitgooiSpeler(1)"), QString("Checkout"));
        }
        QCOMPARE(caption(m, "LegsLabel(1)"), QString("3"));
        QCOMPARE(caption(m, "LegsLabel(2)"), QString("2"));
        QCOMPARE(prompts->seen.last().text, winnerQuestion("Koos "));
    }

    // Whole matches on the panel: the legs and sets shown after every leg (every set starting
    // at 0-0), one question at the very end, and the score list saved on Yes.
    void wholeMatches_data() {
        QTest::addColumn<bool>("sets");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("winners"); // of the legs in order
        QTest::addColumn<QString>("shown");   // legs (and sets) after each leg
        // clang-format off
        QTest::newRow("first to 3 legs") << false << 3 << "2 1 2 1 1"
            << "legs 0-1 | legs 1-1 | legs 1-2 | legs 2-2 | legs 3-2";
        QTest::newRow("first to 1 set, 3-0") << true << 1 << "1 1 1"
            << "legs 1-0 sets 0-0 | legs 2-0 sets 0-0 | legs 0-0 sets 1-0";
        QTest::newRow("first to 2 sets, each 3-2 for Koos") << true << 2 << "2 2 1 1 1 2 1 1 2 1"
            << "legs 0-1 sets 0-0 | legs 0-2 sets 0-0 | legs 1-2 sets 0-0 | legs 2-2 sets 0-0 | "
               "legs 0-0 sets 1-0 | legs 0-1 sets 1-0 | legs 1-1 sets 1-0 | legs 2-1 sets 1-0 | "
               "legs 2-2 sets 1-0 | legs 0-0 sets 2-0";
        QTest::newRow("first to 2 sets, Koos's two legs of a lost set count for nothing")
            << true << 2 << "1 1 2 2 2 1 1 2 2 2"
            << "legs 1-0 sets 0-0 | legs 2-0 sets 0-0 | legs 2-1 sets 0-0 | legs 2-2 sets 0-0 | "
               "legs 0-0 sets 0-1 | legs 1-0 sets 0-1 | legs 2-0 sets 0-1 | legs 2-1 sets 0-1 | "
               "legs 2-2 sets 0-1 | legs 0-0 sets 0-2";
        // clang-format on
    }
    void wholeMatches() {
        QFETCH(bool, sets);
        QFETCH(int, target);
        QFETCH(QString, winners);
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", sets, target, 301, "Finale");
        prompts->answers = {true};
        const QStringList order = winners.split(u' ');
        QStringList shown;
        for (int i = 0; i < order.size(); ++i) {
            if (i > 0) click(m, "NextKnop");
            playLeg(m, order[i].toInt());
            const Counters c = counters(m);
            shown << "legs " + c.legs1 + '-' + c.legs2 +
                         (sets ? " sets " + c.sets1 + '-' + c.sets2 : QString());
            const bool last = i == order.size() - 1;
            QCOMPARE(prompts->seen.size(), i + 1 + (last ? 1 : 0));
        }
        QTEST(shown.join(" | "), "shown");
        QCOMPARE(m.duoMatch().winner(), order.last().toInt());
        QCOMPARE(prompts->seen.last().text, winnerQuestion(order.last() == "1" ? "Koos " : "Fred "));
        QCOMPARE(dialogsShown, QStringList{"DuoForm"});
        QCOMPARE(m.scoreList.count(), 2 * order.size());
        const QByteArray file = home->read("Teams/Finale.lib");
        QCOMPARE(file.count("\r\n"), 3 + 2 * order.size() * 29);
        QVERIFY(file.startsWith("Vorlentix scorelijst\r\nDuomatch\r\n----------------------------\r\n"
                                "Koos\r\n" +
                                QByteArray(order.first() == "1" ? "v" : "-") + "\r\n"));
    }

    void aLegOfMoreThan25TurnsIsToldOnce_data() {
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("winnerTurns");
        QTest::addColumn<bool>("told");
        QTest::newRow("25 turns fit") << 1 << 25 << false;
        QTest::newRow("Koos wins on turn 26") << 1 << 26 << true;
        QTest::newRow("both past 25") << 2 << 26 << true;
    }
    void aLegOfMoreThan25TurnsIsToldOnce() {
        QFETCH(int, winner);
        QFETCH(int, winnerTurns);
        QFETCH(bool, told);
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 301, "duo");
        // The winner scores 12 a turn and checks out on the last; the other misses every turn.
        const int last = 301 - 12 * (winnerTurns - 1);
        for (int t = 1; t <= winnerTurns; ++t) {
            if (atTheThrow(m) != winner) book(m, 3 - winner);
            click(m, QStringLiteral("Knop1(%1)").arg(t < winnerTurns ? 12 : last));
            book(m, winner);
        }
        QCOMPARE(m.scoreList.count(), 2);
        QCOMPARE(m.scoreList.cell(winner - 1, 26), QString::number(winnerTurns == 25 ? last : 12));
        QCOMPARE(prompts->texts(), told ? QStringList({kTooLong, kLegOver}) : QStringList{kLegOver});
    }

  private:
    QStringList dialogsShown;
};

QTEST_MAIN(DuoPlayTest)
#include "test_duoplay.moc"

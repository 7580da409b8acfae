// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of play on the match model alone: whole team legs and duo matches played from
// scripts, and what no sequence of darts, Correctie, booking and undo may ever break.
#include "core/match/DuoMatch.h"
#include "core/match/KeyboardEntry.h"
#include "core/match/TeamLeg.h"
#include "core/match/TeamMatch.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <numeric>

using namespace vx;

namespace {

using Result = DuoMatch::BookResult;

// A script is words: a dart as typed on the keyboard ("T20", "D16", "5", "25", "50", "0" a
// miss), "add" books the turn, "c" is Correctie, "undo" takes a turn back; in a duo match also
// "undo1"/"undo2" for one player, "next" for the next leg, and "win1"/"win2": that player wins
// a leg of 60 with T20, the other booking a turn of 0 first when at the throw.
template <class Model> void enter(Model& model, const QString& word) {
    const TypedDart d = parseTypedDart(word).value(); // throws on a word that is not a dart
    model.enterDart(d.points, d.dartCode);
}

int total(const QList<int>& turns) {
    return std::accumulate(turns.begin(), turns.end(), 0);
}

void playTeam(TeamLeg& leg, const QString& script) {
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        if (word == "add")
            leg.bookTurn();
        else if (word == "c")
            leg.correct();
        else if (word == "undo")
            leg.undoLastTurn();
        else
            enter(leg, word);
    }
}

const QStringList kCheckouts = {"100,T20 D20", "60,20 D20", "130,T20 T20 D5"};

QString checkout(const std::optional<QString>& suggestion) {
    return suggestion ? " co " + *suggestion : QString();
}

// [Turns], the score before the turn, the remaining score, the next slot, won, the checkout.
QString describe(const TeamLeg& leg) {
    return QStringLiteral("[%1] %2 %3 slot %4%5%6")
        .arg(turnTexts(leg.turns()).join(u' '))
        .arg(leg.remainingBeforeTurn())
        .arg(leg.remaining())
        .arg(leg.turn().nextSlot())
        .arg(leg.isWon() ? " won" : "", checkout(leg.checkout()));
}

// Plays the script and answers what the match said: every booking that was not plain (by
// the player who booked: "leg1", "set2", "match1"), the starter of every next leg, refusals.
QString playDuo(DuoMatch& m, const QString& script) {
    static const QStringList kResults = {"refused", "too high", "", "leg", "set", "match"}; // BookResult
    QStringList told;
    const auto book = [&] {
        const int p = m.atTheThrow();
        const Result r = m.bookTurn();
        told << kResults[int(r)] + (r >= Result::LegWon ? QString::number(p) : QString());
    };
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        if (word == "add") {
            book();
        } else if (word == "c") {
            m.correct();
        } else if (word.startsWith("undo")) {
            word == "undo" ? m.undoLastTurn() : m.undoLastTurn(word.right(1).toInt());
        } else if (word == "next") {
            told << (m.nextLeg() ? QStringLiteral("starts%1").arg(m.starter()) : "no next");
        } else if (word.startsWith("win")) {
            if (m.atTheThrow() != word.right(1).toInt()) book();
            m.enterDart(60, "T20");
            book();
        } else {
            enter(m, word);
        }
    }
    told.removeAll(QString());
    return told.join(u' ');
}

DuoSetup setup(int start, DuoSetup::Kind kind = DuoSetup::Kind::Legs, int target = 3) {
    return {{"Koos", "Fred"}, start, kind, target};
}

// Per player the remaining score, [turns], average, +the turn in progress and the checkout;
// who is at the throw.
QString describe(const DuoMatch& m) {
    QString text;
    for (int p : {1, 2})
        text += QStringLiteral("%1 [%2] %3 +%4%5 | ")
                    .arg(m.remaining(p))
                    .arg(turnTexts(m.turns(p)).join(u' '), m.average(p))
                    .arg(m.turnSum(p))
                    .arg(checkout(m.checkout(p)));
    return text + QStringLiteral("at %1").arg(m.atTheThrow());
}

} // namespace

class MatchTest : public QObject {
    Q_OBJECT
  private slots:
    void teamLeg_data() {
        QTest::addColumn<int>("start"); // 0: no leg started, no player at the board
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("after"); // [turns] score before the turn, remaining, next slot
        // clang-format off
        QTest::newRow("301 ends on a single 1")
            << 301 << "T20 D20 add T20 20 20 add D20 T20 0 add 1" << "[100 100 100 1] 0 0 slot 2 won";
        QTest::newRow("D10 on 20 wins without add") << 20 << "D10" << "[20] 0 0 slot 2 won";
        QTest::newRow("after the win darts are held") << 40 << "D20 0 T20 add" << "[40] 0 -60 slot 2 won";
        QTest::newRow("one dart booked") << 501 << "T19 add" << "[57] 444 444 slot 1";
        QTest::newRow("a turn of 0") << 501 << "add" << "[0] 501 501 slot 1";
        QTest::newRow("leaving 1 is booked") << 61 << "T20 add" << "[60] 1 1 slot 1";
        QTest::newRow("a bust is not booked") << 50 << "T20 add" << "[] 50 -10 slot 1";
        QTest::newRow("a bust's slot is overwritten") << 40 << "T20 5" << "[] 40 -25 slot 1";
        QTest::newRow("Correctie clears a bust") << 50 << "T20 c T10 add" << "[30] 20 20 slot 1";
        QTest::newRow("a fourth dart is ignored") << 501 << "T20 T19 1 50" << "[] 501 383 slot 4";
        QTest::newRow("undo") << 501 << "T20 T20 T20 add 5 add undo" << "[180] 321 321 slot 1";
        QTest::newRow("undo mid-turn drops the darts first")
            << 501 << "T20 add T20 undo T20 add" << "[60] 441 441 slot 1";
        QTest::newRow("undo with nothing booked") << 501 << "T20 undo" << "[] 501 501 slot 1";
        QTest::newRow("undo in a bust") << 100 << "T20 add T20 undo" << "[] 100 100 slot 1 co T20 D20";
        QTest::newRow("undo twice mid-turn, then the finish")
            << 101 << "T20 add 20 add 5 undo undo T20 D20 1" << "[101] 0 0 slot 4 won";
        QTest::newRow("a won leg is not undone") << 40 << "D20 undo" << "[40] 0 0 slot 2 won";
        QTest::newRow("no player: darts held") << 0 << "20 19 add undo" << "[] 0 -39 slot 1";
        QTest::newRow("the checkout is for the score and the darts left")
            << 160 << "T20" << "[] 160 100 slot 2 co T20 D20";
        QTest::newRow("no route of the table with one dart left") << 180 << "T20 20" << "[] 180 100 slot 3";
        QTest::newRow("one dart left, a double") << 120 << "T20 20" << "[] 120 40 slot 3 co D20";
        QTest::newRow("a full turn has no dart left") << 200 << "T20 T20 20" << "[] 200 60 slot 4";
        // clang-format on
    }
    void teamLeg() {
        QFETCH(int, start);
        QFETCH(QString, script);
        TeamLeg leg;
        leg.setCheckoutTable(kCheckouts);
        if (start) leg.start(start);
        QSignalSpy booked(&leg, &TeamLeg::turnBooked), undone(&leg, &TeamLeg::turnUndone),
            won(&leg, &TeamLeg::legWon);
        playTeam(leg, script);
        QTEST(describe(leg), "after");
        QCOMPARE(won.size(), leg.isWon() ? 1 : 0);
        QCOMPARE(booked.size() - undone.size(), leg.turns().size());
        // What is gone from the start score is in the turn list: all of it once the leg is won.
        QCOMPARE(total(leg.turns()) + leg.remainingBeforeTurn(), start);
    }

    // Picking players: a fresh leg for whoever is picked, never a player the team lacks.
    void teamMatch_data() {
        QTest::addColumn<QString>("script"); // "startN": Ann and Bob from N; "pickN": player N to the board
        QTest::addColumn<QString>("after");  // the player at the board and the leg
        QTest::addColumn<int>("changes");    // playerChanged() signals
        // clang-format off
        QTest::newRow("no team, nobody to pick") << "pick1 T20" << "0  [] 0 -60 slot 1" << 0;
        QTest::newRow("player 1 starts") << "start301 T20" << "1 Ann [] 301 241 slot 2" << 1;
        QTest::newRow("a leg not finished is dropped") << "start301 T20 add pick2" << "2 Bob [] 301 301 slot 1" << 2;
        QTest::newRow("the same player again") << "start301 T20 add T20 pick1" << "1 Ann [] 301 301 slot 1" << 2;
        QTest::newRow("no such player") << "start301 T20 add pick3 pick0" << "1 Ann [60] 241 241 slot 1" << 1;
        QTest::newRow("after a won leg") << "start60 T20 pick2 20" << "2 Bob [] 60 40 slot 2 co D20" << 2;
        // clang-format on
    }
    void teamMatch() {
        QFETCH(QString, script);
        TeamMatch match;
        QSignalSpy changes(&match, &TeamMatch::playerChanged);
        for (const QString& word : script.split(u' ')) {
            if (word.startsWith("start"))
                match.start({"Club", {"Ann", "Bob"}, word.mid(5).toInt()});
            else if (word.startsWith("pick")) {
                const bool taken = match.takeOver(word.mid(4).toInt());
                QCOMPARE(taken, match.player() == word.mid(4).toInt());
            } else
                playTeam(match.leg(), word);
        }
        QTEST(QStringLiteral("%1 %2 ").arg(match.player()).arg(match.playerName()) + describe(match.leg()),
              "after");
        QTEST(int(changes.size()), "changes");
        if (changes.size()) QCOMPARE(changes.last().first().toInt(), match.player());
    }

    void duoLeg_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("after"); // per player: remaining [turns] average +turn so far
        // clang-format off
        QTest::newRow("darts") << 501 << "T20 20 5" << "" << "501 [] 0 +85 | 501 [] 0 +0 | at 1";
        QTest::newRow("booked") << 501 << "T20 20 5 add" << "" << "416 [85] 28.3 +0 | 501 [] 0 +0 | at 2";
        QTest::newRow("turns of 0") << 501 << "add add" << "" << "501 [0] 0.0 +0 | 501 [0] 0.0 +0 | at 1";
        QTest::newRow("a fourth dart is ignored")
            << 501 << "T20 T20 T20 T20 add" << "" << "321 [180] 60.0 +0 | 501 [] 0 +0 | at 2";
        QTest::newRow("too high keeps the darts")
            << 30 << "20 add 20 add 20 add" << "too high" << "10 [20] 6.7 +20 | 10 [20] 6.7 +0 | at 1";
        QTest::newRow("too high, Correctie, the finish")
            << 30 << "20 add 20 add 20 add c 10 add" << "too high leg1"
            << "0 [20 10] 5.0 +0 | 10 [20] 6.7 +0 | at 2";
        QTest::newRow("undo: who threw last, the average follows")
            << 501 << "T20 T19 add 5 add D10 add undo" << "" << "384 [117] 39.0 +0 | 496 [5] 1.7 +0 | at 2";
        QTest::newRow("undo per player, the throw stays")
            << 501 << "T20 T19 add 5 add D10 add undo undo2 undo2" << ""
            << "384 [117] 39.0 +0 | 501 [] 0 +0 | at 2";
        QTest::newRow("undo mid-turn keeps the darts of the one at the throw")
            << 501 << "20 add T20 undo" << "" << "501 [] 0 +0 | 501 [] 0 +60 | at 2";
        QTest::newRow("undone to no turns, no stale average")
            << 40 << "20 add undo D20 add" << "leg2" << "40 [] 0 +0 | 0 [40] 13.3 +0 | at 1";
        QTest::newRow("a finished leg: no undo, booking or dart")
            << 60 << "T20 add undo undo1 undo2 add 20" << "leg1 refused"
            << "0 [60] 20.0 +0 | 60 [] 0 +0 co 20 D20 | at 2";
        QTest::newRow("the checkout is for the score and the darts left")
            << 160 << "add T20" << "" << "160 [0] 0.0 +0 | 160 [] 0 +60 co T20 D20 | at 2";
        QTest::newRow("no route of the table with one dart left")
            << 180 << "add T20 20" << "" << "180 [0] 0.0 +0 | 180 [] 0 +80 | at 2";
        QTest::newRow("the player not at the throw has a whole turn")
            << 130 << "add 10" << "" << "130 [0] 0.0 +0 co T20 T20 D5 | 130 [] 0 +10 | at 2";
        // clang-format on
    }
    void duoLeg() {
        QFETCH(int, start);
        QFETCH(QString, script);
        DuoMatch m;
        m.setCheckoutTable(kCheckouts);
        m.start(setup(start));
        QTEST(playDuo(m, script), "told");
        QTEST(describe(m), "after");
    }

    // Whole matches, leg by leg: what the leg's booking said and the counters after it
    // ("legs 1-legs 2", in a sets match "/sets 1-sets 2"), the starter alternating throughout.
    void duoMatch_data() {
        QTest::addColumn<bool>("sets");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("winners"); // of the legs in order
        QTest::addColumn<QString>("legs");    // after each leg
        // clang-format off
        QTest::newRow("first to 1 leg") << false << 1 << "2" << "match 0-1";
        QTest::newRow("first to 2 legs, 2-1")
            << false << 2 << "1 2 1" << "leg 1-0 | leg 1-1 | match 2-1";
        QTest::newRow("legs: no sets, however many legs")
            << false << 4 << "1 1 1 2 2 2 1" << "leg 1-0 | leg 2-0 | leg 3-0 | leg 3-1 | leg 3-2 | leg 3-3 | match 4-3";
        QTest::newRow("first to 1 set, 3-0")
            << true << 1 << "1 1 1" << "leg 1-0/0-0 | leg 2-0/0-0 | match 0-0/1-0";
        // The loser of a set 2-3 starts the next at 0: one leg does not win him that set.
        QTest::newRow("a set lost 2-3, the next one starts 0-0")
            << true << 2 << "1 1 2 2 2 1 2 2 2"
            << "leg 1-0/0-0 | leg 2-0/0-0 | leg 2-1/0-0 | leg 2-2/0-0 | set 0-0/0-1 | "
               "leg 1-0/0-1 | leg 1-1/0-1 | leg 1-2/0-1 | match 0-0/0-2";
        QTest::newRow("sets 3-0, 2-3, 3-0")
            << true << 2 << "1 1 1 2 1 2 1 2 1 1 1"
            << "leg 1-0/0-0 | leg 2-0/0-0 | set 0-0/1-0 | leg 0-1/1-0 | leg 1-1/1-0 | "
               "leg 1-2/1-0 | leg 2-2/1-0 | set 0-0/1-1 | leg 1-0/1-1 | leg 2-0/1-1 | match 0-0/2-1";
        QTest::newRow("every set 3-2, the last one deciding")
            << true << 2 << "2 2 1 1 1 1 1 2 2 2 2 1 2 1 1"
            << "leg 0-1/0-0 | leg 0-2/0-0 | leg 1-2/0-0 | leg 2-2/0-0 | set 0-0/1-0 | "
               "leg 1-0/1-0 | leg 2-0/1-0 | leg 2-1/1-0 | leg 2-2/1-0 | set 0-0/1-1 | "
               "leg 0-1/1-1 | leg 1-1/1-1 | leg 1-2/1-1 | leg 2-2/1-1 | match 0-0/2-1";
        // clang-format on
    }
    void duoMatch() {
        QFETCH(bool, sets);
        QFETCH(int, target);
        QFETCH(QString, winners);
        DuoMatch m;
        m.start(setup(60, sets ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs, target));
        QSignalSpy legsWon(&m, &DuoMatch::legWon), setsWon(&m, &DuoMatch::setWon),
            won(&m, &DuoMatch::matchWon);
        QStringList legs;
        const QStringList order = winners.split(u' ');
        for (int i = 0; i < order.size(); ++i) {
            if (i > 0) QCOMPARE(playDuo(m, "next"), QStringLiteral("starts%1").arg(i % 2 + 1));
            const QString told = playDuo(m, "win" + order[i]);
            QCOMPARE(told.right(1), order[i]);
            QString counters = QStringLiteral("%1-%2").arg(m.legsWon(1)).arg(m.legsWon(2));
            if (sets) counters += QStringLiteral("/%1-%2").arg(m.setsWon(1)).arg(m.setsWon(2));
            legs << told.chopped(1) + ' ' + counters;
        }
        QTEST(legs.join(" | "), "legs");
        // The signals say what the answers said.
        QCOMPARE(legsWon.size(), order.size());
        QCOMPARE(setsWon.size(), m.setsWon(1) + m.setsWon(2));
        QCOMPARE(won.size(), 1);
        QCOMPARE(won.first().first().toInt(), order.last().toInt());
        QCOMPARE(m.winner(), order.last().toInt());
        // Decided: no further leg, dart, booking or undo.
        const QString before = describe(m);
        QCOMPARE(playDuo(m, "next T20 add undo undo1 undo2"), QStringLiteral("no next refused"));
        QCOMPARE(describe(m), before);
    }

    // A match put back from what a recovery file keeps stands exactly where the played one
    // stood, says only changed(), and plays on the same: the same script after it gives the same.
    void restore_data() {
        QTest::addColumn<bool>("sets");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("then");
        // clang-format off
        QTest::newRow("fresh") << false << 501 << "" << "T20 add 5 add";
        QTest::newRow("turns and an undo") << false << 501 << "T20 T19 add 5 add D10 add undo" << "T20 add add";
        QTest::newRow("every turn of a player taken back") << false << 501 << "T20 add undo" << "5 add";
        QTest::newRow("player 2 to throw after a 0") << false << 60 << "add" << "20 add T20 add";
        QTest::newRow("leg won, next leg to start") << false << 60 << "win1" << "next win2 next win2";
        QTest::newRow("the match decided") << false << 60 << "win1 next win1 next win1" << "next T20 add";
        QTest::newRow("a set just won")
            << true << 60 << "win1 next win1 next win2 next win1" << "next win2 next win2 next win2";
        QTest::newRow("in the set after one") << true << 60 << "win1 next win1 next win2 next win1 next win2 next 20 add"
                                              << "win1 next win1";
        // clang-format on
    }
    void restore() {
        QFETCH(bool, sets);
        QFETCH(int, start);
        QFETCH(QString, script);
        QFETCH(QString, then);
        DuoMatch played;
        played.setCheckoutTable(kCheckouts);
        played.start(setup(start, sets ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs, 2));
        playDuo(played, script);

        DuoMatch back;
        back.setCheckoutTable(kCheckouts);
        QSignalSpy changed(&back, &DuoMatch::changed), started(&back, &DuoMatch::legStarted),
            booked(&back, &DuoMatch::turnBooked), won(&back, &DuoMatch::legWon);
        back.restore(played.setup(), {played.turns(1), played.turns(2)},
                     {played.hasBooked(1), played.hasBooked(2)}, {played.legsWon(1), played.legsWon(2)},
                     {played.setsWon(1), played.setsWon(2)}, played.atTheThrow(), played.starter());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(started.size() + booked.size() + won.size(), 0);
        const auto state = [](const DuoMatch& m) {
            return describe(m) + QStringLiteral(" starter %1 legs %2-%3 sets %4-%5 leg %6 winner %7 next %8")
                                     .arg(m.starter())
                                     .arg(m.legsWon(1))
                                     .arg(m.legsWon(2))
                                     .arg(m.setsWon(1))
                                     .arg(m.setsWon(2))
                                     .arg(m.legWinner())
                                     .arg(m.winner())
                                     .arg(m.canStartNextLeg());
        };
        QCOMPARE(state(back), state(played));
        QCOMPARE(playDuo(back, then), playDuo(played, then));
        QCOMPARE(state(back), state(played));
    }

    // Files of a copy that let the loser's legs of a set count on: one written right after the
    // set was won starts the next set at 0-0; one of a leg in play keeps its counters.
    void restoreLegsOfAnEarlierCopy_data() {
        QTest::addColumn<QList<int>>("turns1"); // player 2 has one turn of 0
        QTest::addColumn<QList<int>>("legsWon");
        QTest::addColumn<int>("setsWon1");
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("counters"); // legs/sets after the restore | after `then`
        // clang-format off
        QTest::newRow("the set just won") << QList<int>{60} << QList<int>{0, 2} << 1 << "next win2"
                                          << "0-0/1-0 | 0-1/1-0";
        QTest::newRow("the match just won") << QList<int>{60} << QList<int>{0, 2} << 2 << "next"
                                            << "0-0/2-0 | 0-0/2-0";
        QTest::newRow("a leg in play") << QList<int>{20} << QList<int>{0, 2} << 1 << "win2"
                                       << "0-2/1-0 | 0-0/1-1";
        QTest::newRow("a leg won within the set") << QList<int>{60} << QList<int>{1, 2} << 0 << "next win2"
                                                  << "1-2/0-0 | 0-0/0-1";
        // clang-format on
    }
    void restoreLegsOfAnEarlierCopy() {
        QFETCH(QList<int>, turns1);
        QFETCH(QList<int>, legsWon);
        QFETCH(int, setsWon1);
        QFETCH(QString, then);
        DuoMatch m;
        m.restore(setup(60, DuoSetup::Kind::Sets, 2), {turns1, {0}}, {true, true}, {legsWon[0], legsWon[1]},
                  {setsWon1, 0}, 2, 1);
        const auto counters = [&m] {
            return QStringLiteral("%1-%2/%3-%4")
                .arg(m.legsWon(1))
                .arg(m.legsWon(2))
                .arg(m.setsWon(1))
                .arg(m.setsWon(2));
        };
        const QString restored = counters();
        playDuo(m, then);
        QTEST(restored + " | " + counters(), "counters");
    }

    void restoreTeam_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("then");
        QTest::newRow("fresh") << 501 << ""
                               << "T20 add";
        QTest::newRow("turns booked") << 301 << "T20 D20 add T20 20 20 add"
                                      << "T20 20 add 1 undo 20";
        QTest::newRow("a won leg") << 40 << "D20"
                                   << "T20 add undo";
    }
    void restoreTeam() {
        QFETCH(int, start);
        QFETCH(QString, script);
        QFETCH(QString, then);
        TeamMatch played;
        played.setCheckoutTable(kCheckouts);
        played.start({"Club", {"Ann", "Bob", "Cees"}, start});
        played.takeOver(2);
        playTeam(played.leg(), script);

        TeamMatch back;
        back.setCheckoutTable(kCheckouts);
        QSignalSpy changed(&back.leg(), &TeamLeg::changed), started(&back.leg(), &TeamLeg::legStarted),
            booked(&back.leg(), &TeamLeg::turnBooked), won(&back.leg(), &TeamLeg::legWon);
        back.restore(played.setup(), played.player(), played.leg().turns());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(started.size() + booked.size() + won.size(), 0);
        QCOMPARE(back.playerName(), QStringLiteral("Bob"));
        // The winning dart stays in its slot on the board; a restored leg has no darts in play.
        const QRegularExpression slot(" slot \\d");
        QCOMPARE(describe(back.leg()).remove(slot), describe(played.leg()).remove(slot));
        playTeam(back.leg(), then);
        playTeam(played.leg(), then);
        QCOMPARE(describe(back.leg()).remove(slot), describe(played.leg()).remove(slot));
    }

    // Random darts, Correctie, bookings, undos and next legs: a finished team leg's turns add
    // up to its start score, and a duo player's turns never add up to more than the start score.
    void noSequenceBreaksTheScore() {
        QRandomGenerator random(9);
        const QStringList words = {"0",   "5",   "20",  "25",  "50", "D10", "D20",
                                   "T19", "T20", "add", "add", "c",  "undo"};
        for (int leg = 0; leg < 300; ++leg) {
            const int start = QList<int>{60, 101, 301}[random.bounded(3)];
            TeamLeg team;
            team.start(start);
            DuoMatch duo;
            duo.start(setup(start, leg % 2 ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs, 2));
            QSignalSpy matchWon(&duo, &DuoMatch::matchWon);
            for (int step = 0; step < 200; ++step) {
                const QString word = words[random.bounded(words.size())];
                playTeam(team, word);
                playDuo(duo, word + (random.bounded(8) ? " next" : " undo1 undo2"));
                QCOMPARE(total(team.turns()) + team.remainingBeforeTurn(), start);
                if (!team.isBust() && !team.isWon())
                    QCOMPARE(team.remaining(), team.remainingBeforeTurn() - team.turn().sum());
                for (int p : {1, 2}) {
                    QVERIFY(duo.remaining(p) >= 0);
                    QCOMPARE(total(duo.turns(p)) + duo.remaining(p), start);
                }
                QVERIFY(matchWon.size() <= 1);
            }
        }
    }
};

QTEST_GUILESS_MAIN(MatchTest)
#include "test_match.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Figures over the match history, as plain queries on a store's database: what the history
// window shows and prints. Players are found by name in any case.
#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <array>

namespace vx {

// A dart is at a double when the score left before it could be finished with that one dart:
// 2 to 40 even (the double of half of it) or 50 (the bull).
constexpr bool atDouble(int remaining) {
    return remaining == 50 || (remaining >= 2 && remaining <= 40 && remaining % 2 == 0);
}

struct DoubleFigure {
    int darts = 0; // thrown at it
    int hits = 0;  // that finished the leg
};

struct CheckoutFigures {
    int dartsAtDouble = 0;
    int checkouts = 0;
    // By the score left: 2 ... 40 for D1 ... D20, 50 for the bull.
    QMap<int, DoubleFigure> perDouble;
    // Legs checked out per hundred darts at a double; 0 without any.
    double percentage() const { return dartsAtDouble ? 100.0 * checkouts / dartsAtDouble : 0; }
    // A dart thrown with `remaining` left; one not at a double counts for nothing.
    void addDart(int remaining, int points) {
        if (!atDouble(remaining)) return;
        DoubleFigure& at = perDouble[remaining];
        ++at.darts;
        ++dartsAtDouble;
        if (points == remaining) {
            ++at.hits;
            ++checkouts;
        }
    }
};

// Averages count the darts a turn kept, or three for a turn known by its total only (put back
// from a score list file or a recovery). An evening runs until six in the morning: a leg played
// after midnight belongs to the evening it began in.

// From and to are evenings, both included; an invalid date leaves that end open.
struct HistoryPeriod {
    QDate from;
    QDate to;
};

// How much of the player's play in the period the history knows dart by dart: the figures that
// need darts are over `turnsWithDarts` only.
struct DartsKnown {
    int turns = 0;
    int turnsWithDarts = 0;
};

DartsKnown dartsKnown(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period = {});

// Over every dart of the player the history has (turns without darts count for nothing).
CheckoutFigures checkoutFigures(const QSqlDatabase& db, const QString& player,
                                const HistoryPeriod& period = {});

// The share of the player's darts in each spot, by the history's dart code ("T20", "D16", "20"
// for the single however thrown, "25", "50", "0" for a miss); the shares add up to 1.
QMap<QString, double> dartShares(const QSqlDatabase& db, const QString& player,
                                 const HistoryPeriod& period = {});

// Where a dart was aimed is not kept, so a treble rate cannot be hits per dart aimed at the
// segment: it is the share of all the player's darts that hit that treble.
struct TrebleRates {
    double t20 = 0;
    double t19 = 0;
};

TrebleRates trebleRates(const QMap<QString, double>& shares);

struct EveningFigures {
    QDate evening;
    int legs = 0; // the player threw in
    double average = 0;   // per three darts
    double firstNine = 0; // of the first three turns of each leg
};

// The player's evenings in the period, oldest first.
QList<EveningFigures> eveningFigures(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period = {});

// Two players' duo matches against each other; every pair is [first, second] as asked.
struct HeadToHead {
    int matches = 0;
    std::array<int, 2> matchesWon{};
    std::array<int, 2> legsWon{};
    std::array<double, 2> average{}; // in those matches
};

// Over the duo matches begun in the period.
HeadToHead headToHead(const QSqlDatabase& db, const QString& first, const QString& second,
                      const HistoryPeriod& period = {});

struct LeagueRow {
    QString player;
    int legs = 0;
    int legsWon = 0;
    double average = 0;
    double firstNine = 0;
    int oneEighties = 0;
    int dartsAtDouble = 0; // none for legs known by their turn totals only
    int checkouts = 0;
    int bestLeg = 0; // fewest darts of a leg won; 0 for none known
    int highestFinish = 0;
    double checkoutPercentage() const { return dartsAtDouble ? 100.0 * checkouts / dartsAtDouble : 0; }
};

enum class LeagueColumn { Player, Legs, LegsWon, Average, FirstNine, OneEighties, Checkout, BestLeg, HighestFinish };

// Everyone the history knows, and every team that played an evening, by name in any case.
QStringList historyPlayers(const QSqlDatabase& db);
QStringList historyTeams(const QSqlDatabase& db);
// The evenings the team played, oldest first.
QList<QDate> teamEvenings(const QSqlDatabase& db, const QString& team);

// The team's players over its evenings (all when `evenings` is empty), by name.
QList<LeagueRow> leagueTable(const QSqlDatabase& db, const QString& team, const QList<QDate>& evenings = {});

// Ties go by name; a best leg not known comes last whichever the order.
void sortLeague(QList<LeagueRow>& rows, LeagueColumn column, Qt::SortOrder order);

} // namespace vx

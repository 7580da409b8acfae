// SPDX-License-Identifier: GPL-3.0-or-later
// Figures over the match history, as plain queries on a store's database: what the history
// window shows and prints. Players are found by name in any case.
#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>

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
};

// Over every dart of the player the history has (turns without darts count for nothing).
CheckoutFigures checkoutFigures(const QSqlDatabase& db, const QString& player);

// The share of the player's darts in each spot, by the history's dart code ("T20", "D16", "20"
// for the single however thrown, "25", "50", "0" for a miss); the shares add up to 1.
QMap<QString, double> dartShares(const QSqlDatabase& db, const QString& player);

} // namespace vx

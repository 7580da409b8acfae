// SPDX-License-Identifier: GPL-3.0-or-later
// The player overview: per player the figures players ask for (legs, averages, high turns,
// best leg, highest finish) over all their rows of the score lists, as a table for the
// statistics window and as a printed page.
#pragma once

#include "core/review/PageSink.h"
#include "core/review/Reports.h"
#include "core/review/Statistics.h"
#include "core/scorelist/ScoreList.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace vx {

// One player's figures. Every row is one leg of one player. Its turns are its turn cells that
// read as a whole number (blanks around it and a sign allowed); every other cell ("-", empty,
// "abc", "12.5", "60x") is left out of every figure. A row without a single turn is no leg and
// counts nowhere.
struct PlayerFigures {
    QString name; // as it is first written
    int legsPlayed = 0;
    int legsWon = 0;
    ScoreStatistics turns;     // every turn: average() is the average per three darts
    ScoreStatistics firstNine; // the first three turns of every leg
    int bestLeg = 0;           // fewest turns in a won leg; 0 when no leg was won
    int highestFinish = 0;     // the highest last turn of a won leg; 0 when there is none

    // Turns from `low` to `high` points, both included (180 to 180, 140 to 179, ...). A turn
    // outside 0 to 180 is none a board allows: it counts in the averages, as in the statistics
    // window, but in no band, nor as the highest turn or finish.
    int turnsBetween(int low, int high) const;
    // The highest turn; -1 when the player has none from 0 to 180.
    int highestTurn() const;
};

// Duo match: one player per row text, texts that differ only in case being the same player,
// in the order they first appear. A row marked "v" in "Out" is a won leg, every other a lost
// one; each row counts for its own player, so a leg with "v" on both rows is won by both.
QList<PlayerFigures> duoOverview(const ScoreListModel& list);

// Team match: each player with the rows of their file (and, for the player at the board, the
// legs not saved yet). Every row of a team list is a finished leg, and so a won one. Entries
// whose names differ only in case are one player.
struct PlayerRows {
    QString name;
    ScoreListModel::Rows rows;
};
QList<PlayerFigures> teamOverview(const QList<PlayerRows>& players);

// The overview as a table: the column headings and the cells of one player's row, the same
// on screen and on paper. Averages have two decimals; a figure there is none of is "-".
QStringList overviewHeadings();
QStringList overviewCells(const PlayerFigures& player);

// "Speleroverzicht" and the team or match it is of, when it has a name.
QString overviewTitle(const QString& teamOrMatch);

// Prints the overview on the score list's page frame: the overviewTitle with time and date,
// the headings (repeated after every page break), a row per player, a name too long for its
// column cut short, and the footer on every page.
PrintResult printPlayerOverview(PageSink& sink, const QList<PlayerFigures>& players,
                                const QString& teamOrMatch, const QString& footerText);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the score list: how often each turn score was thrown, the average per three darts,
// and the two pictures the statistics window shows (bar graph and table of numbers). Everything
// here is computed from the model alone, so the window only has to show the results.
#pragma once

#include "core/scorelist/ScoreList.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>

namespace vx {

struct ScoreStatistics {
    static constexpr int kHighestScore = 180;
    // The statistics window and its graph are 10170 x 6000 twips.
    static constexpr int kViewWidth = 678;
    static constexpr int kViewHeight = 400;

    std::array<int, kHighestScore + 1> counts{}; // index = turn score 0 to 180
    int results = 0;                             // cells taken into account
    double total = 0;                            // whole number; a double so no cell can overflow it

    // Takes one turn cell into account: "-" is an empty cell and passed over, any other text is
    // read leniently. The total is rounded after each addition, the way an integer total would be.
    void addCell(QStringView text);
    // Takes one turn worth `value` into account, as addCell does with the number it read.
    void addTurn(double value);
    // total / results; 0 when nothing was counted.
    double average() const;
};

// The statistics window's figures for the selected row (0-based): the turn cells of every row
// whose text equals that row's text without regard to case. No selection (-1) gathers nothing.
ScoreStatistics gatherStatistics(const ScoreListModel& list, int selectedRow);
// The same over every row, whatever its text.
ScoreStatistics gatherAllStatistics(const ScoreListModel& list);

// "Speler (Piet) met een gemiddelde van 140.00 per 3 darts"; without results the title still
// names the row text.
QString statisticsTitle(const QString& rowText, const ScoreStatistics& stats);

// The five lines of the summary of the complete score list, CR LF between them.
QString summaryText(const ScoreStatistics& all);

// The bar graph, kViewWidth x kViewHeight pixels: axes, grid, scale and a bar per score 1 to 180.
QImage drawBarGraph(const ScoreStatistics& stats);
// The table of numbers, laid out in twips on an image of the window's size.
QImage drawNumberTable(const ScoreStatistics& stats);

// The text of the mouse readout over the graph at horizontal pixel position x.
QString graphReadout(int x);

// The item editor's average per dart of a row's 25 turn cells, "#0.0". A cell counts unless its
// text is exactly "-"; with no counted cell the average is "0.0".
QString turnCellsAverage(const QStringList& cells);

} // namespace vx

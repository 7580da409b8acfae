// SPDX-License-Identifier: GPL-3.0-or-later
// Score list rows and the bar graph as the statistics tests see them.
#pragma once

#include "core/scorelist/ScoreList.h"

#include <QColor>
#include <QImage>
#include <QStringList>

namespace vxtest {

inline const QColor kBar(150, 0, 0);

// A row with its text and turns, "-" in the turn cells after them.
inline vx::ScoreListModel::Row makeRow(const QString& text, const QStringList& turns) {
    vx::ScoreListModel::Row row;
    row[0] = text;
    for (int k = 0; k < vx::ScoreListModel::kTurnColumns; ++k)
        row[2 + k] = k < turns.size() ? turns[k] : QStringLiteral("-");
    row[27] = QStringLiteral("0.0");
    return row;
}

// Height in pixels of the bar at x, counted upwards from the axis row.
inline int barHeight(const QImage& graph, int x) {
    int height = 0;
    while (309 - height >= 0 && graph.pixelColor(x, 309 - height) == kBar)
        ++height;
    return height;
}

} // namespace vxtest

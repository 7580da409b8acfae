// SPDX-License-Identifier: GPL-3.0-or-later
// How a finished leg becomes a row of the score list: the time stamp, the average per dart
// and the 28 cells of a team row or of a duo player's row.
#pragma once

#include "core/scorelist/ScoreList.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vx {

// "dd-mm-yyyy / h:mm:ss": day and month with two digits, the year with all its digits, the
// hour without a leading zero.
QString legTimeStamp(const QDateTime& at);

// The average per dart of a turn list, "#0.0": every turn counted as a whole number, the mean
// per turn taken in single precision, then divided by the three darts. No turns read "0.0".
QString averagePerDart(const QStringList& turns);

// A row has room for 25 turns: a longer leg shows its first 25 and never gets more than the
// 28 cells, while its average still covers every turn of the leg.

// A team leg: time stamp, empty "Out", the turns, "-" in the unused turn cells and the average.
ScoreListModel::Row teamLegRow(const QStringList& turns, const QString& stamp);

// One player's row of a duo leg: name, "v" for the winner or "-", the turns, "-" fillers and
// the average as the player's label shows it.
ScoreListModel::Row duoLegRow(const QString& name, bool won, const QStringList& turns,
                              const QString& averageText);

} // namespace vx

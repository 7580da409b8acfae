// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scorelist/LegRows.h"

#include "core/common/Utilities.h"

#include <algorithm>

namespace vx {

namespace {

constexpr int kFirstTurnColumn = 2;
constexpr int kAverageColumn = ScoreListModel::kColumns - 1;

ScoreListModel::Row LegRow(const QString& first, const QString& out, const QStringList& turns,
                           const QString& average) {
    ScoreListModel::Row row;
    row[0] = first;
    row[1] = out;
    const int shown = std::min<qsizetype>(turns.size(), ScoreListModel::kTurnColumns);
    const QString filler = QStringLiteral("-");
    for (int i = 0; i < ScoreListModel::kTurnColumns; ++i)
        row[kFirstTurnColumn + i] = i < shown ? turns[i] : filler;
    row[kAverageColumn] = average;
    return row;
}

} // namespace

QString legTimeStamp(const QDateTime& at) {
    const QDate date = at.date();
    return QStringLiteral("%1-%2-%3 / %4")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year())
        .arg(at.time().toString(QStringLiteral("h:mm:ss")));
}

QString averagePerDart(const QStringList& turns) {
    if (turns.isEmpty()) return formatFixed(0, 1);
    qint64 sum = 0;
    for (const QString& turn : turns)
        sum += roundHalfEven(leadingNumber(turn));
    const float perTurn = static_cast<float>(sum) / static_cast<float>(turns.size());
    return formatFixed(perTurn / 3.0f, 1);
}

ScoreListModel::Row teamLegRow(const QStringList& turns, const QString& stamp) {
    return LegRow(stamp, QString(), turns, averagePerDart(turns));
}

ScoreListModel::Row duoLegRow(const QString& name, bool won, const QStringList& turns,
                              const QString& averageText) {
    return LegRow(name, won ? QStringLiteral("v") : QStringLiteral("-"), turns, averageText);
}

} // namespace vx

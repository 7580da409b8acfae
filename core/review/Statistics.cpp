// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/review/Statistics.h"

#include "core/common/Utilities.h"
#include "core/review/PageSink.h"

#include <QCoreApplication>
#include <QPainter>
#include <cmath>

namespace vx {

namespace {

constexpr int kFirstTurnColumn = 2;
constexpr int kLastTurnColumn = 26;

const QColor kBarColor(150, 0, 0);
const QColor kGridColor(230, 230, 230);
const QColor kLabelGrey(90, 90, 90);
const QColor kCountGreen(0, 170, 0);

void addRow(ScoreStatistics& stats, const ScoreRows& rows, qsizetype row) {
    for (int column = kFirstTurnColumn; column <= kLastTurnColumn; ++column)
        stats.addCell(rows.cell(row, column));
}

// The graph's boxes are given by two opposite corners in either order, and both corners are
// filled: a bar from x to x + 1 is two pixels wide and reaches down onto the axis line.
void fillBox(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& color) {
    painter.fillRect(
        QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))), color);
}

} // namespace

void ScoreStatistics::addCell(QStringView text) {
    if (text != u"-") addTurn(leadingNumber(text));
}

void ScoreStatistics::addTurn(double value) {
    // Whole numbers the way an integer index or total takes them: halves to even.
    const double score = std::nearbyint(value);
    if (score >= 0 && score <= kHighestScore) ++counts[static_cast<int>(score)];
    ++results;
    total = std::nearbyint(total + value);
}

double ScoreStatistics::average() const {
    return results > 0 ? total / results : 0.0;
}

ScoreStatistics gatherStatistics(const ScoreListModel& list, int selectedRow) {
    ScoreStatistics stats;
    if (selectedRow < 0 || selectedRow >= list.count()) return stats;
    const ScoreRows& rows = list.rows();
    const QStringView rowText = rows.cell(selectedRow, 0);
    for (qsizetype r = 0; r < rows.size(); ++r)
        if (rows.cell(r, 0).compare(rowText, Qt::CaseInsensitive) == 0) addRow(stats, rows, r);
    return stats;
}

ScoreStatistics gatherAllStatistics(const ScoreListModel& list) {
    ScoreStatistics stats;
    for (qsizetype r = 0; r < list.count(); ++r)
        addRow(stats, list.rows(), r);
    return stats;
}

QString statisticsTitle(const QString& rowText, const ScoreStatistics& stats) {
    if (stats.results == 0)
        return QCoreApplication::translate("vx::Statistics", "Speler (%1) zonder scores").arg(rowText);
    return QCoreApplication::translate("vx::Statistics", "Speler (%1) met een gemiddelde van %2 per 3 darts")
        .arg(rowText, formatFixed(stats.average(), 2));
}

QString summaryText(const ScoreStatistics& all) {
    const QStringList lines{
        QCoreApplication::translate("vx::Statistics", "Uitslag complete scorelijst"),
        QString(30, u'-'),
        QCoreApplication::translate("vx::Statistics", "Totaal aantal uitslagen : %1").arg(all.results),
        QCoreApplication::translate("vx::Statistics", "Totaal van alle scores : %1 punten")
            .arg(QString::number(all.total, 'f', 0)),
        QCoreApplication::translate("vx::Statistics", "Gemiddeld is dit : %1 per 3 darts")
            .arg(formatFixed(all.average(), 2)),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QImage drawBarGraph(const ScoreStatistics& stats) {
    QImage image(ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);

    fillBox(painter, 40, 10, 41, 310, Qt::black);
    fillBox(painter, 40, 310, 650, 311, Qt::black);

    painter.setPen(kGridColor);
    for (int y = 20; y <= 300; y += 10)
        painter.drawLine(42, y, 650, y);

    // 8.25 pt on a 96 dpi screen; in pixels so the picture is the same whatever the screen.
    QFont scaleFont(QStringLiteral("Arial"));
    scaleFont.setPixelSize(11);
    painter.setFont(scaleFont);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int y = 20, label = 56; y <= 300; y += 20, label -= 4)
        drawTextTop(painter, QPointF(label < 10 ? 25 : 20, y + 3), QString::number(label));

    // Five pixels per occurrence; a count beyond the scale simply runs off the top.
    for (int score = 1; score <= ScoreStatistics::kHighestScore; ++score) {
        const int x = 42 + 3 * (score - 1);
        const qint64 top = 310 - 5 * qint64(stats.counts[score]);
        fillBox(painter, x, 310, x + 1, int(std::max<qint64>(top, -1)), kBarColor);
    }
    return image;
}

QImage drawNumberTable(const ScoreStatistics& stats) {
    QImage image(ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    PainterPageSink sink(image, 1.0 / 15);
    sink.setFont(QStringLiteral("Arial"), 9, true);

    // Ten columns of 18 rows, filled column by column; the labels are right-aligned by hand.
    struct Place {
        int labelX;
        int countX;
        int y;
    };
    std::array<Place, ScoreStatistics::kHighestScore + 1> places{};
    int column = 0;
    int y = 240;
    for (int score = 1; score <= ScoreStatistics::kHighestScore; ++score) {
        places[score] = {90 + 990 * column, 570 + 990 * column, y};
        y += 270;
        if (y > 4890) {
            y = 240;
            ++column;
        }
    }

    sink.setColor(kLabelGrey);
    for (int score = 1; score <= ScoreStatistics::kHighestScore; ++score) {
        const int offset = score >= 100 ? 0 : score >= 10 ? 120 : 225;
        sink.text(places[score].labelX + offset, places[score].y,
                  QString::number(score) + QStringLiteral(" : "));
    }
    sink.setColor(kCountGreen);
    for (int score = 1; score <= ScoreStatistics::kHighestScore; ++score)
        sink.text(places[score].countX, places[score].y, numberWithSignBlank(stats.counts[score]));
    sink.end();
    return image;
}

QString graphReadout(int x) {
    const qint64 score = roundHalfAway(x / 3.0) - 13;
    return QCoreApplication::translate("vx::Statistics", "Score : %1 / 180").arg(score);
}

QString turnCellsAverage(const QStringList& cells) {
    ScoreStatistics stats;
    for (const QString& cell : cells)
        stats.addCell(cell);
    return formatFixed(stats.average() / 3, 1);
}

} // namespace vx

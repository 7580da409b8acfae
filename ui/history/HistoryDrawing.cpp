// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryDrawing.h"

#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace vx {

namespace {

// Clockwise from the top, as on every board.
constexpr std::array<int, 20> kNumbers{20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5};

// Radii as parts of the outer edge of the double ring (170 mm on a board).
constexpr double kBull = 6.35 / 170;
constexpr double kOuterBull = 15.9 / 170;
constexpr double kTrebleIn = 99.0 / 170;
constexpr double kTrebleOut = 107.0 / 170;
constexpr double kDoubleIn = 162.0 / 170;

const QColor kNone(250, 250, 245);
const QColor kMiddle(255, 170, 0);
const QColor kMost(170, 0, 0);
const QColor kWire(60, 60, 60);

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The ring between two radii over the segment at `index`, as a closed path.
QPainterPath Sector(QPointF centre, double outer, double inner, int index) {
    const double start = 90 - 9 - 18.0 * index; // Qt counts degrees anticlockwise from three o'clock
    QPainterPath path;
    path.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start);
    path.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), start, 18);
    path.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), start + 18, -18);
    path.closeSubpath();
    return path;
}

QString PercentText(double share) {
    return formatFixed(100 * share, 1) + QStringLiteral(" %");
}

} // namespace

QColor heatColor(double share, double mostHit) {
    const double t = mostHit > 0 ? std::clamp(share / mostHit, 0.0, 1.0) : 0;
    return t < 0.5 ? Mix(kNone, kMiddle, 2 * t) : Mix(kMiddle, kMost, 2 * t - 1);
}

void drawHeatBoard(QPainter& painter, const QRectF& area, const QMap<QString, double>& shares) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    double mostHit = 0;
    for (auto it = shares.begin(); it != shares.end(); ++it)
        if (it.key() != u"0") mostHit = std::max(mostHit, it.value());
    const auto fill = [&](const QString& code) { return heatColor(shares.value(code), mostHit); };

    // The board takes the left of the area, the legend a strip on its right.
    const double legendWidth = std::min(area.width() * 0.22, area.height() * 0.3);
    const double side = std::min(area.width() - legendWidth, area.height());
    const double numbers = side * 0.08; // room for the numbers around the double ring
    const double radius = side / 2 - numbers;
    const QPointF centre(area.left() + side / 2, area.top() + area.height() / 2);
    painter.setPen(QPen(kWire, std::max(1.0, side / 400)));
    painter.setBrush(QColor(30, 30, 30));
    painter.drawEllipse(centre, side / 2, side / 2);
    for (int i = 0; i < 20; ++i) {
        const QString n = QString::number(kNumbers[i]);
        const std::array<std::pair<QString, std::pair<double, double>>, 4> rings{{
            {QStringLiteral("D") + n, {1.0, kDoubleIn}},
            {n, {kDoubleIn, kTrebleOut}},
            {QStringLiteral("T") + n, {kTrebleOut, kTrebleIn}},
            {n, {kTrebleIn, kOuterBull}},
        }};
        for (const auto& [code, radii] : rings) {
            painter.setBrush(fill(code));
            painter.drawPath(Sector(centre, radius * radii.first, radius * radii.second, i));
        }
    }
    painter.setBrush(fill(QStringLiteral("25")));
    painter.drawEllipse(centre, radius * kOuterBull, radius * kOuterBull);
    painter.setBrush(fill(QStringLiteral("50")));
    painter.drawEllipse(centre, radius * kBull, radius * kBull);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(6, int(numbers * 0.6)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 0; i < 20; ++i) {
        const double angle = qDegreesToRadians(90.0 - 18.0 * i);
        const QPointF at = centre + QPointF(std::cos(angle), -std::sin(angle)) * (radius + numbers / 2);
        painter.drawText(QRectF(at.x() - numbers, at.y() - numbers / 2, 2 * numbers, numbers),
                         Qt::AlignCenter, QString::number(kNumbers[i]));
    }

    // The legend: the colours from none to the most hit, and the darts that missed the board.
    const QRectF legend(area.left() + side + legendWidth * 0.15, area.top() + area.height() * 0.15,
                        legendWidth * 0.25, area.height() * 0.6);
    QLinearGradient ramp(legend.bottomLeft(), legend.topLeft());
    ramp.setColorAt(0, kNone);
    ramp.setColorAt(0.5, kMiddle);
    ramp.setColorAt(1, kMost);
    painter.setPen(QPen(kWire, 1));
    painter.setBrush(ramp);
    painter.drawRect(legend);
    font.setBold(false);
    font.setPixelSize(std::max(6, int(side / 40)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double textX = legend.right() + legend.width() * 0.3;
    const double lineHeight = font.pixelSize() * 1.3;
    painter.drawText(QPointF(textX, legend.top() + font.pixelSize()), PercentText(mostHit));
    painter.drawText(QPointF(textX, legend.bottom()), PercentText(0));
    painter.drawText(QPointF(legend.left(), legend.top() - lineHeight),
                     QCoreApplication::translate("vx::HistoryDrawing", "Aandeel van de darts"));
    painter.drawText(QPointF(legend.left(), legend.bottom() + 1.8 * lineHeight),
                     QCoreApplication::translate("vx::HistoryDrawing", "Mis: %1")
                         .arg(PercentText(shares.value(QStringLiteral("0")))));
    painter.restore();
}

void drawProgressChart(QPainter& painter, const QRectF& area, const QList<EveningFigures>& evenings) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(6, int(area.height() / 40)));
    painter.setFont(font);
    const double text = font.pixelSize();
    const QRectF plot = area.adjusted(5 * text, 3 * text, -2 * text, -4 * text);

    double top = 0;
    for (const EveningFigures& e : evenings)
        top = std::max({top, e.average, e.firstNine});
    top = std::max(10.0, std::ceil(top * 1.1 / 10) * 10); // whole tens, with room for the leg counts
    const auto y = [&](double value) { return plot.bottom() - plot.height() * value / top; };
    const auto x = [&](qsizetype i) {
        return evenings.size() < 2 ? plot.center().x()
                                   : plot.left() + plot.width() * double(i) / double(evenings.size() - 1);
    };

    painter.setPen(QColor(220, 220, 220));
    const int step = top > 60 ? 20 : 10;
    for (int v = 0; v <= top; v += step) {
        painter.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), y(v) - text, plot.left() - area.left() - text / 2, 2 * text),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        painter.setPen(QColor(220, 220, 220));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // A date under every evening while they fit, otherwise under every so many.
    const qsizetype every =
        std::max<qsizetype>(1, qsizetype(evenings.size() * 6 * text / std::max(1.0, plot.width())) + 1);
    for (qsizetype i = 0; i < evenings.size(); i += every)
        painter.drawText(QRectF(x(i) - 4 * text, plot.bottom() + text / 2, 8 * text, 1.5 * text),
                         Qt::AlignCenter, evenings[i].evening.toString(QStringLiteral("dd-MM-yy")));

    const QColor averageColor(0, 0, 150), firstNineColor(230, 120, 0);
    const auto line = [&](const QColor& color, double EveningFigures::*value) {
        painter.setPen(QPen(color, std::max(1.5, text / 6)));
        QPolygonF points;
        for (qsizetype i = 0; i < evenings.size(); ++i)
            points << QPointF(x(i), y(evenings[i].*value));
        painter.drawPolyline(points);
        painter.setBrush(color);
        for (const QPointF& p : points)
            painter.drawEllipse(p, text / 4, text / 4);
    };
    line(firstNineColor, &EveningFigures::firstNine);
    line(averageColor, &EveningFigures::average);
    painter.setPen(QColor(90, 90, 90));
    for (qsizetype i = 0; i < evenings.size(); ++i)
        painter.drawText(
            QRectF(x(i) - 3 * text, y(std::max(evenings[i].average, evenings[i].firstNine)) - 1.8 * text,
                   6 * text, 1.4 * text),
            Qt::AlignCenter,
            evenings[i].legs == 1
                ? QCoreApplication::translate("vx::HistoryDrawing", "1 leg")
                : QCoreApplication::translate("vx::HistoryDrawing", "%1 legs").arg(evenings[i].legs));

    // The key, at the top.
    const std::array<std::pair<QColor, QString>, 2> keys{{
        {averageColor, QCoreApplication::translate("vx::HistoryDrawing", "Gemiddelde per 3 darts")},
        {firstNineColor, QCoreApplication::translate("vx::HistoryDrawing", "Eerste negen")},
    }};
    double keyX = plot.left();
    for (const auto& [color, caption] : keys) {
        painter.fillRect(QRectF(keyX, area.top() + text, 2 * text, text / 2), color);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(keyX + 2.5 * text, area.top() + 1.5 * text), caption);
        keyX += 3 * text + painter.fontMetrics().horizontalAdvance(caption) + 2 * text;
    }
    painter.restore();
}

QImage drawnImage(QSize size, const std::function<void(QPainter&, const QRectF&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void DrawnView::setDrawing(std::function<void(QPainter&, const QRectF&)> draw) {
    m_draw = std::move(draw);
    update();
}

void DrawnView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_draw) m_draw(painter, QRectF(rect()));
}

} // namespace vx

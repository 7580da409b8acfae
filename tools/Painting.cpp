// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/DartBoard.h"
#include "tools/Pictures.h"

#include <QFont>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace vxtools {

using vx::BoardRadii;
using vx::BoardRing;

QPainterPath SegmentField(double inner, double outer, int segment) {
    // Qt counts degrees counter-clockwise from three o'clock, the board clockwise from the top.
    const double start = 90.0 - (vx::segmentAngle(segment) - 9.0);
    const QRectF outerRect(-outer, -outer, 2 * outer, 2 * outer);
    const QRectF innerRect(-inner, -inner, 2 * inner, 2 * inner);
    QPainterPath path;
    path.arcMoveTo(outerRect, start);
    path.arcTo(outerRect, start, -18.0);
    path.arcTo(innerRect, start - 18.0, 18.0);
    path.closeSubpath();
    return path;
}

namespace {

void FillCircle(QPainter& p, double radius, const QColor& colour) {
    p.setBrush(colour);
    p.drawEllipse(QPointF(0, 0), radius, radius);
}

} // namespace

QFont ArialFont(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    return font;
}

BoardProportions PictureProportions() {
    return {BoardRadii::BullsEye,    BoardRadii::OuterBull,   BoardRadii::TrebleInner,
            BoardRadii::TrebleOuter, BoardRadii::DoubleInner, BoardRadii::DoubleOuter,
            BoardRadii::Board};
}

BoardProportions RealProportionsMm() {
    return {6.35, 15.9, 99.0, 107.0, 162.0, 170.0, 225.5};
}

void DrawBoard(QPainter& p, QPointF centre, double scale, const BoardProportions& r, bool numbers) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    p.scale(scale, scale);

    // Rim with a little depth, so the board reads as an object and not a flat disc.
    QRadialGradient rimShade(QPointF(0, 0), r.board);
    rimShade.setColorAt(0.80, QColor(30, 30, 30));
    rimShade.setColorAt(0.97, QColor(12, 12, 12));
    rimShade.setColorAt(1.00, QColor(70, 70, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(rimShade);
    p.drawEllipse(QPointF(0, 0), r.board, r.board);

    struct Band {
        BoardRing ring;
        double inner, outer;
    };
    const Band bands[] = {
        {BoardRing::InnerSingle, r.outerBull, r.trebleInner},
        {BoardRing::Treble, r.trebleInner, r.trebleOuter},
        {BoardRing::OuterSingle, r.trebleOuter, r.doubleInner},
        {BoardRing::Double, r.doubleInner, r.doubleOuter},
    };
    for (const Band& band : bands)
        for (int segment : vx::kSegmentOrder) {
            p.setBrush(vx::boardColour({band.ring, segment}));
            p.drawPath(SegmentField(band.inner, band.outer, segment));
        }
    FillCircle(p, r.outerBull, vx::boardColour({BoardRing::OuterBull, 0}));
    FillCircle(p, r.bullsEye, vx::boardColour({BoardRing::BullsEye, 0}));

    // The spider: thin silver wires on every boundary.
    p.setPen(QPen(QColor(196, 196, 190), r.doubleOuter * 0.0065));
    p.setBrush(Qt::NoBrush);
    for (double wire : {r.bullsEye, r.outerBull, r.trebleInner, r.trebleOuter, r.doubleInner, r.doubleOuter})
        p.drawEllipse(QPointF(0, 0), wire, wire);
    for (int segment : vx::kSegmentOrder) {
        p.save();
        p.rotate(vx::segmentAngle(segment) - 9.0);
        p.drawLine(QPointF(0, -r.outerBull), QPointF(0, -r.doubleOuter));
        p.restore();
    }

    if (numbers) {
        p.setPen(QColor(235, 235, 225));
        const double rim = r.board - r.doubleOuter;
        p.setFont(ArialFont(rim * 0.62, true));
        const double middle = (r.doubleOuter + r.board) / 2.0;
        for (int segment : vx::kSegmentOrder) {
            const double a = qDegreesToRadians(vx::segmentAngle(segment));
            const QPointF at(middle * std::sin(a), -middle * std::cos(a));
            p.drawText(QRectF(at.x() - rim, at.y() - rim / 2, 2 * rim, rim), Qt::AlignCenter,
                       QString::number(segment));
        }
    }
    p.restore();
}

void DrawDart(QPainter& p, QPointF tip, double degrees, double length, QColor flight) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(tip);
    p.rotate(-degrees);
    const double L = length;

    // Point, barrel with grip rings, shaft and the two visible wings of the flight.
    p.setPen(QPen(QColor(150, 150, 150), qMax(0.8, L * 0.018), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(L * 0.16, 0));

    QLinearGradient metal(0, -L * 0.04, 0, L * 0.04);
    metal.setColorAt(0.0, QColor(235, 235, 240));
    metal.setColorAt(0.5, QColor(150, 150, 160));
    metal.setColorAt(1.0, QColor(80, 80, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    QPainterPath barrel;
    barrel.moveTo(L * 0.15, -L * 0.02);
    barrel.lineTo(L * 0.22, -L * 0.037);
    barrel.lineTo(L * 0.44, -L * 0.037);
    barrel.lineTo(L * 0.48, -L * 0.02);
    barrel.lineTo(L * 0.48, L * 0.02);
    barrel.lineTo(L * 0.44, L * 0.037);
    barrel.lineTo(L * 0.22, L * 0.037);
    barrel.lineTo(L * 0.15, L * 0.02);
    barrel.closeSubpath();
    p.drawPath(barrel);
    p.setPen(QPen(QColor(70, 70, 80), qMax(0.5, L * 0.008)));
    for (double x = 0.25; x < 0.42; x += 0.035)
        p.drawLine(QPointF(L * x, -L * 0.033), QPointF(L * x, L * 0.033));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawRect(QRectF(L * 0.48, -L * 0.014, L * 0.27, L * 0.028));

    QPainterPath wings;
    wings.moveTo(L * 0.66, 0);
    wings.lineTo(L * 0.80, -L * 0.13);
    wings.lineTo(L * 1.00, -L * 0.13);
    wings.lineTo(L * 0.95, 0);
    wings.lineTo(L * 1.00, L * 0.13);
    wings.lineTo(L * 0.80, L * 0.13);
    wings.closeSubpath();
    p.setBrush(flight);
    p.setPen(QPen(flight.darker(160), qMax(0.6, L * 0.01)));
    p.drawPath(wings);
    p.setPen(QPen(flight.lighter(140), qMax(0.6, L * 0.012)));
    p.drawLine(QPointF(L * 0.68, 0), QPointF(L * 0.96, 0));
    p.restore();
}

} // namespace vxtools

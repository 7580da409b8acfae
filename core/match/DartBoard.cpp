// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/DartBoard.h"

#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace vx {

namespace {

struct MarkerRow {
    QPoint single, dbl, treble;
};

// Marker pixels per segment 1..20, measured on the board picture once and kept as they are:
// every score list ever marked used these spots.
constexpr std::array<MarkerRow, 21> kMarkers{{
    {},
    {{159, 56}, {166, 36}, {154, 75}},    // 1
    {{182, 200}, {198, 218}, {173, 186}}, // 2
    {{135, 218}, {136, 240}, {135, 200}}, // 3
    {{202, 86}, {220, 73}, {186, 98}},    // 4
    {{108, 54}, {103, 36}, {115, 75}},    // 5
    {{217, 135}, {239, 136}, {199, 136}}, // 6
    {{83, 205}, {74, 220}, {97, 187}},    // 7
    {{53, 162}, {35, 168}, {75, 154}},    // 8
    {{65, 85}, {51, 73}, {84, 97}},       // 9
    {{215, 162}, {234, 167}, {196, 154}}, // 10
    {{48, 136}, {30, 136}, {71, 136}},    // 11
    {{85, 66}, {74, 51}, {99, 83}},       // 12
    {{217, 109}, {234, 103}, {196, 116}}, // 13
    {{51, 107}, {36, 103}, {75, 115}},    // 14
    {{202, 184}, {221, 196}, {186, 173}}, // 15
    {{65, 186}, {50, 196}, {84, 173}},    // 16
    {{161, 218}, {169, 235}, {154, 196}}, // 17
    {{185, 67}, {197, 52}, {173, 85}},    // 18
    {{108, 218}, {102, 235}, {115, 196}}, // 19
    {{135, 50}, {136, 31}, {135, 72}},    // 20
}};

constexpr QPoint kOuterBullMarker{142, 136};
constexpr QPoint kBullsEyeMarker{136, 136};

int OrderIndex(int segment) {
    for (int i = 0; i < int(kSegmentOrder.size()); ++i)
        if (kSegmentOrder[i] == segment) return i;
    return -1;
}

} // namespace

double segmentAngle(int segment) {
    return 18.0 * OrderIndex(segment);
}

BoardSpot boardSpotAt(QPointF point) {
    const double dx = point.x() - kBoardCentre.x();
    const double dy = point.y() - kBoardCentre.y();
    const double r = std::hypot(dx, dy);
    if (r <= BoardRadii::BullsEye) return {BoardRing::BullsEye, 0};
    if (r <= BoardRadii::OuterBull) return {BoardRing::OuterBull, 0};
    if (r > BoardRadii::DoubleOuter) return {BoardRing::Outside, 0};

    const BoardRing ring = r <= BoardRadii::TrebleInner   ? BoardRing::InnerSingle
                           : r <= BoardRadii::TrebleOuter ? BoardRing::Treble
                           : r <= BoardRadii::DoubleInner ? BoardRing::OuterSingle
                                                          : BoardRing::Double;
    // Clockwise from straight up; y grows downwards in the picture.
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    const int index = int(std::floor((degrees + 9.0) / 18.0)) % 20;
    return {ring, kSegmentOrder[index]};
}

QString dartCodeAt(const BoardSpot& spot) {
    switch (spot.ring) {
    case BoardRing::BullsEye:
        return QStringLiteral("B50");
    case BoardRing::OuterBull:
        return QStringLiteral("B25");
    case BoardRing::InnerSingle:
    case BoardRing::OuterSingle:
        return QStringLiteral("E%1").arg(spot.segment);
    case BoardRing::Treble:
        return QStringLiteral("T%1").arg(spot.segment);
    case BoardRing::Double:
        return QStringLiteral("D%1").arg(spot.segment);
    case BoardRing::Outside:
        break;
    }
    return {};
}

std::optional<QPoint> markerPosition(const QString& dartCode) {
    if (dartCode == QLatin1String("B25")) return kOuterBullMarker;
    if (dartCode == QLatin1String("B50")) return kBullsEyeMarker;

    static const QRegularExpression kCode(QStringLiteral("^([EDT])([1-9]|1[0-9]|20)$"));
    const auto match = kCode.match(dartCode);
    if (!match.hasMatch()) return std::nullopt;
    const MarkerRow& row = kMarkers[match.captured(2).toInt()];
    switch (match.captured(1).at(0).unicode()) {
    case u'E':
        return row.single;
    case u'D':
        return row.dbl;
    default:
        return row.treble;
    }
}

QColor boardColour(const BoardSpot& spot) {
    static const QColor kBlack(28, 28, 28), kCream(238, 222, 178), kRed(206, 34, 40), kGreen(22, 136, 70),
        kRim(12, 12, 12);
    const bool dark = OrderIndex(spot.segment) % 2 == 0;
    switch (spot.ring) {
    case BoardRing::BullsEye:
        return kRed;
    case BoardRing::OuterBull:
        return kGreen;
    case BoardRing::InnerSingle:
    case BoardRing::OuterSingle:
        return dark ? kBlack : kCream;
    case BoardRing::Treble:
    case BoardRing::Double:
        return dark ? kRed : kGreen;
    case BoardRing::Outside:
        break;
    }
    return kRim;
}

} // namespace vx

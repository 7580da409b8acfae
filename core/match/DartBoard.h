// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry of the board picture Data/Dartbord.jpg: where every segment and ring lies, where
// the marker of each dart goes, and which colour each field has. The picture is drawn from
// these numbers, so the picture, the markers and anything that reads a point of the board agree.
#pragma once

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

namespace vx {

// The picture is square; pixel (x, y) is the point (x, y) of the geometry below.
inline constexpr int kBoardPictureSize = 271;
inline constexpr QPointF kBoardCentre{136.0, 136.0};

// Segment numbers clockwise from the top, as on a real board.
inline constexpr std::array<int, 20> kSegmentOrder{20, 1,  18, 4,  13, 6,  10, 15, 2,  17,
                                                   3,  19, 7,  16, 8,  11, 14, 9,  12, 5};

// Ring radii in pixels of the picture. The bulls keep the proportions of a real board; the
// treble and double rings are drawn wider than real ones so that every marker, 3 pixels in
// radius, sits wholly inside its own ring.
struct BoardRadii {
    static constexpr double BullsEye = 4.0;
    static constexpr double OuterBull = 11.0;
    static constexpr double TrebleInner = 59.0;
    static constexpr double TrebleOuter = 69.0;
    static constexpr double DoubleInner = 99.0;
    static constexpr double DoubleOuter = 110.0;
    static constexpr double Board = 134.0; // the black rim carrying the numbers ends here
};

enum class BoardRing { BullsEye, OuterBull, InnerSingle, Treble, OuterSingle, Double, Outside };

struct BoardSpot {
    BoardRing ring = BoardRing::Outside;
    int segment = 0; // 1..20 in the segmented rings, 0 for the bulls and outside the scoring area
    bool operator==(const BoardSpot&) const = default;
};

// Where a point of the picture lies. A point on a ring boundary belongs to the ring further in.
BoardSpot boardSpotAt(QPointF point);

// The direction of the middle of a segment, in degrees clockwise from straight up.
double segmentAngle(int segment);

// The `DartCode` of a dart landing on the spot ("E7" for either single field, "D20", "T1",
// "B25", "B50"); empty outside the scoring area.
QString dartCodeAt(const BoardSpot& spot);

// The pixel of the board picture where the marker of a dart is drawn; nothing for a text
// that is not a `DartCode`.
std::optional<QPoint> markerPosition(const QString& dartCode);

// The colour of a field as on a real board: singles alternate black and cream with segment
// 20 black, the rings alternate red and green with segment 20 red, the outer bull is green and
// the bull's eye red. Outside the scoring area: the black of the rim.
QColor boardColour(const BoardSpot& spot);

} // namespace vx

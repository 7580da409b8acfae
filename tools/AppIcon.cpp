// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/DartBoard.h"
#include "tools/Pictures.h"

#include <QTextStream>
#include <QTransform>

namespace vxtools {

namespace {

// The icon is drawn in a square of 256 units. It is made of flat filled shapes only, so that
// the PNGs and the SVG are one and the same drawing.
constexpr double kIconSide = 256;
// From this size on the icon is the full board; below it, the simpler drawing.
constexpr int kSmallestFullIcon = 48;

struct Shape {
    QPainterPath path;
    QColor colour;
};

QPainterPath Disc(double radius) {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), radius, radius);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

// A board seen head-on, its rings wider than on a real board so that they still read at 48
// pixels, without numbers, in the colours of the board picture.
QList<Shape> Board() {
    const BoardProportions r{9, 19, 55, 70, 92, 108, 119};
    QList<Shape> board{{Disc(r.board + 5), QColor(96, 96, 96)}, // an edge for dark panels
                       {Disc(r.board), vx::boardColour({vx::BoardRing::Outside, 0})}};
    const struct {
        vx::BoardRing ring;
        double inner, outer;
    } bands[] = {
        {vx::BoardRing::InnerSingle, r.outerBull, r.trebleInner},
        {vx::BoardRing::Treble, r.trebleInner, r.trebleOuter},
        {vx::BoardRing::OuterSingle, r.trebleOuter, r.doubleInner},
        {vx::BoardRing::Double, r.doubleInner, r.doubleOuter},
    };
    for (const auto& band : bands)
        for (int segment : vx::kSegmentOrder)
            board.append(
                {SegmentField(band.inner, band.outer, segment), vx::boardColour({band.ring, segment})});
    board.append({Disc(r.outerBull), vx::boardColour({vx::BoardRing::OuterBull, 0})});
    board.append({Disc(r.bullsEye), vx::boardColour({vx::BoardRing::BullsEye, 0})});
    return board;
}

// A dart of `L` units, its tip at the origin and its flight towards +x: thicker than the dart
// of the pictures, for the same reason as the rings.
QList<Shape> Dart(double L) {
    return {
        {Polygon({{0, -0.022 * L}, {0.2 * L, -0.022 * L}, {0.2 * L, 0.022 * L}, {0, 0.022 * L}}),
         QColor(170, 170, 176)},
        {Polygon({{0.18 * L, -0.03 * L},
                  {0.24 * L, -0.055 * L},
                  {0.46 * L, -0.055 * L},
                  {0.5 * L, -0.03 * L},
                  {0.5 * L, 0},
                  {0.18 * L, 0}}),
         QColor(214, 214, 222)},
        {Polygon({{0.18 * L, 0},
                  {0.5 * L, 0},
                  {0.5 * L, 0.03 * L},
                  {0.46 * L, 0.055 * L},
                  {0.24 * L, 0.055 * L},
                  {0.18 * L, 0.03 * L}}),
         QColor(132, 132, 144)},
        {Polygon(
             {{0.5 * L, -0.024 * L}, {0.72 * L, -0.024 * L}, {0.72 * L, 0.024 * L}, {0.5 * L, 0.024 * L}}),
         QColor(44, 44, 54)},
        {Polygon({{0.64 * L, 0},
                  {0.8 * L, -0.17 * L},
                  {L, -0.17 * L},
                  {0.94 * L, 0},
                  {L, 0.17 * L},
                  {0.8 * L, 0.17 * L}}),
         QColor(210, 30, 40)},
        {Polygon(
             {{0.66 * L, -0.014 * L}, {0.95 * L, -0.014 * L}, {0.95 * L, 0.014 * L}, {0.66 * L, 0.014 * L}}),
         QColor(244, 126, 130)},
    };
}

QList<Shape> IconShapes() {
    QList<Shape> shapes;
    const QTransform board = QTransform::fromTranslate(kIconSide / 2, kIconSide / 2);
    for (const Shape& shape : Board())
        shapes.append({board.map(shape.path), shape.colour});
    // Stuck in the bull, its flight to the upper right, with a dark edge that parts it from the
    // board's red and green.
    const QTransform at = QTransform::fromTranslate(kIconSide / 2 + 5, kIconSide / 2 - 5).rotate(-45);
    const QList<Shape> dart = Dart(118);
    QPainterPath silhouette;
    for (const Shape& shape : dart)
        silhouette = silhouette.united(at.map(shape.path));
    QPainterPathStroker edge;
    edge.setWidth(8);
    edge.setJoinStyle(Qt::RoundJoin);
    shapes.append({(edge.createStroke(silhouette) + silhouette).simplified(), QColor(24, 16, 16)});
    for (const Shape& shape : dart)
        shapes.append({at.map(shape.path), shape.colour});
    return shapes;
}

// The field between two radii from `startDegrees` over `spanDegrees`, counter-clockwise from
// the right, around the origin.
QPainterPath Wedge(double inner, double outer, double startDegrees, double spanDegrees) {
    QPainterPath path;
    path.arcMoveTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), startDegrees);
    path.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), startDegrees, spanDegrees);
    if (inner > 0)
        path.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), startDegrees + spanDegrees, -spanDegrees);
    else
        path.lineTo(0, 0);
    path.closeSubpath();
    return path;
}

// Below 48 pixels the twenty segments and the thin dart blur into a grey disc. The small icon
// keeps what still reads at 16 pixels: eight broad segments in cream and black, a double ring
// of red and green as wide as a pixel and a half, the bulls, and a dart of a shaft and a flight
// on a dark edge, all in the colours of the large icon.
QList<Shape> SmallIconShapes() {
    const QColor black = vx::boardColour({vx::BoardRing::InnerSingle, 20});
    const QColor cream = vx::boardColour({vx::BoardRing::InnerSingle, 1});
    const QColor red = vx::boardColour({vx::BoardRing::Double, 20});
    const QColor green = vx::boardColour({vx::BoardRing::Double, 1});
    constexpr double kEdge = 127, kDoubleOuter = 118, kDoubleInner = 90, kOuterBull = 34, kBullsEye = 18;
    QList<Shape> board{{Disc(kEdge), QColor(96, 96, 96)}};
    for (int i = 0; i < 8; ++i) {
        const bool dark = i % 2 == 0;
        const double start = 90 - 22.5 + 45 * i; // a black segment at the top, as the 20 is
        board.append({Wedge(kDoubleInner, kDoubleOuter, start, 45), dark ? red : green});
        board.append({Wedge(0, kDoubleInner, start, 45), dark ? black : cream});
    }
    board.append({Disc(kOuterBull), green});
    board.append({Disc(kBullsEye), red});

    QList<Shape> shapes;
    const QTransform centre = QTransform::fromTranslate(kIconSide / 2, kIconSide / 2);
    for (const Shape& shape : board)
        shapes.append({centre.map(shape.path), shape.colour});
    // Stuck in the bull, its flight to the upper right as on the large icon.
    const QTransform at = QTransform::fromTranslate(kIconSide / 2 + 4, kIconSide / 2 - 4).rotate(-45);
    const QPainterPath shaft = at.map(Polygon({{0, -11}, {92, -11}, {92, 11}, {0, 11}}));
    const QPainterPath flight =
        at.map(Polygon({{70, 0}, {100, -36}, {134, -36}, {118, 0}, {134, 36}, {100, 36}}));
    QPainterPathStroker edge;
    edge.setWidth(14);
    edge.setJoinStyle(Qt::RoundJoin);
    const QPainterPath silhouette = shaft.united(flight);
    shapes.append({(edge.createStroke(silhouette) + silhouette).simplified(), QColor(24, 16, 16)});
    shapes.append({shaft, QColor(214, 214, 222)});
    shapes.append({flight, QColor(210, 30, 40)});
    return shapes;
}

QString SvgNumber(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// SVG path data of a path made of lines and cubic curves, as QPainterPath keeps every path.
QString SvgPathData(const QPainterPath& path) {
    QStringList data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = SvgNumber(e.x) + u' ' + SvgNumber(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            if (i > 0) data << QStringLiteral("Z");
            data << u'M' + point;
            break;
        case QPainterPath::LineToElement:
            data << u'L' + point;
            break;
        case QPainterPath::CurveToElement:
            data << u'C' + point;
            break;
        case QPainterPath::CurveToDataElement:
            data << point;
            break;
        }
    }
    data << QStringLiteral("Z");
    return data.join(u' ');
}

} // namespace

QImage AppIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconSide, size / kIconSide);
    p.setPen(Qt::NoPen);
    for (const Shape& shape : size < kSmallestFullIcon ? SmallIconShapes() : IconShapes()) {
        p.setBrush(shape.colour);
        p.drawPath(shape.path);
    }
    return image;
}

QByteArray AppIconSvg() {
    QString svg;
    QTextStream out(&svg);
    const QString side = SvgNumber(kIconSide);
    // QPainter fills paths with the odd-even rule unless told otherwise.
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << side << "\" height=\"" << side
        << "\" viewBox=\"0 0 " << side << ' ' << side << "\" fill-rule=\"evenodd\">\n";
    for (const Shape& shape : IconShapes())
        out << "  <path fill=\"" << shape.colour.name() << "\" d=\"" << SvgPathData(shape.path) << "\"/>\n";
    out << "</svg>\n";
    out.flush();
    return svg.toUtf8();
}

} // namespace vxtools

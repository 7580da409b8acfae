// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture the program ships, drawn from code so that a change of the board geometry or
// of the texts redraws them all alike.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace vxtools {

// Shared drawing pieces.
// Radii of the rings: those of the board picture in pixels, or those of a real board in mm.
struct BoardProportions {
    double bullsEye, outerBull, trebleInner, trebleOuter, doubleInner, doubleOuter, board;
};
BoardProportions PictureProportions();
BoardProportions RealProportionsMm();
// The field between two radii over one segment, in board units around the origin.
QPainterPath SegmentField(double inner, double outer, int segment);
// A board in the colours of the board picture, centred on `centre`, `scale` pixels per unit.
void DrawBoard(QPainter& p, QPointF centre, double scale, const BoardProportions& radii, bool numbers = true);
// A dart stuck in at `tip`, its flight towards `degrees` (0 = to the right, counter-clockwise).
void DrawDart(QPainter& p, QPointF tip, double degrees, double length, QColor flight);
QFont ArialFont(double pixelSize, bool bold = false);

// Data/ pictures.
QImage BoardPicture();      // Dartbord.jpg
// In Dutch, or in English for the -en files shown and printed when English is in force.
QImage CheckoutChart(bool english);     // Dart Checkout.jpg, Dart Checkout-en.jpg
QImage DimensionsPicture(bool english); // Afmetingen.jpg, Afmetingen-en.jpg

// Pictures compiled into the program as ":/ui/<name>.png".
struct uiPicture {
    QString name;
    QImage image;
};
QList<uiPicture> UiPictures();

// The application icon of the desktop menu, as a PNG of `size` pixels square (below 48 pixels a
// simpler drawing that stays legible) and as SVG text (the full drawing).
QImage AppIcon(int size);
QByteArray AppIconSvg();

} // namespace vxtools

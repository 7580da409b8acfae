// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/DartBoard.h"
#include "tools/DataTexts.h"
#include "tools/Pictures.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace vxtools {

QImage BoardPicture() {
    QImage image(vx::kBoardPictureSize, vx::kBoardPictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The picture stands on the team panel: its colour around the board, with a soft shadow.
    p.fillRect(image.rect(), QColor(170, 200, 170));
    QRadialGradient shadow(QPointF(139.5, 139.5), vx::BoardRadii::Board + 3);
    shadow.setColorAt(0.90, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.00, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(139.5, 139.5), vx::BoardRadii::Board + 3, vx::BoardRadii::Board + 3);
    // Pixel (x, y) covers the square from (x, y) to (x + 1, y + 1); its middle is the point
    // (x, y) of the board geometry.
    DrawBoard(p, vx::kBoardCentre + QPointF(0.5, 0.5), 1.0, PictureProportions());
    return image;
}

namespace {

void DrawDarts(QPainter& p, QRectF box, const QString& darts, const QFont& font) {
    // Trebles red and doubles green, as on the board; the rest in ink.
    QFontMetricsF metrics(font);
    p.setFont(font);
    double x = box.left();
    for (const QString& dart : darts.split(u' ')) {
        QColor colour(30, 30, 30);
        if (dart.startsWith(u'T')) colour = QColor(180, 20, 30);
        if (dart.startsWith(u'D') || dart == QLatin1String("Bull")) colour = QColor(0, 110, 50);
        p.setPen(colour);
        p.drawText(QRectF(x, box.top(), box.right() - x, box.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   dart);
        x += metrics.horizontalAdvance(dart + u' ');
    }
}

} // namespace

QImage CheckoutChart(bool english) {
    const auto say = [english](const QString& dutch, const QString& inEnglish) { return english ? inEnglish : dutch; };
    // The chart window is about 656 x 495 pixels outside; everything that matters stays within
    // 640 x 456 so that no window frame can cut it off.
    QImage image(656, 495, QImage::Format_RGB32);
    image.fill(QColor(248, 246, 236));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF title(0, 0, 656, 34);
    QLinearGradient band(title.topLeft(), title.bottomLeft());
    band.setColorAt(0, QColor(20, 80, 40));
    band.setColorAt(1, QColor(8, 45, 20));
    p.fillRect(title, band);
    p.setPen(QColor(240, 235, 200));
    p.setFont(ArialFont(17, true));
    p.drawText(title.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
               say(QStringLiteral("Dart Checkout Lijst"), QStringLiteral("Dart Checkout Chart")));
    p.setFont(ArialFont(11));
    p.drawText(QRectF(200, 0, 436, 34), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("T = triple   D = double   25 = bull   Bull = bull's eye (50)"));

    const QStringList lines = CheckoutLines();
    const int columns = 6;
    const int rows = int((lines.size() + columns - 1) / columns);
    const double left = 8, top = 40, width = 632, bottom = 454;
    const double columnWidth = width / columns;
    const double rowHeight = (bottom - top) / rows;
    const QFont scoreFont = ArialFont(11.5, true);
    const QFont dartsFont = ArialFont(11.5);

    for (int row = 0; row < rows; ++row) {
        if (row % 2 == 0)
            p.fillRect(QRectF(left, top + row * rowHeight, width, rowHeight), QColor(232, 236, 218));
    }
    p.setPen(QPen(QColor(150, 160, 130), 1));
    for (int c = 1; c < columns; ++c)
        p.drawLine(QPointF(left + c * columnWidth, top), QPointF(left + c * columnWidth, bottom));

    for (int i = 0; i < lines.size(); ++i) {
        const int column = i / rows;
        const int row = i % rows;
        const QString score = lines[i].section(u',', 0, 0);
        const QString darts = lines[i].section(u',', 1);
        const QRectF cell(left + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight);
        p.setFont(scoreFont);
        p.setPen(QColor(90, 0, 0));
        p.drawText(QRectF(cell.left(), cell.top(), 27, cell.height()), Qt::AlignRight | Qt::AlignVCenter,
                   score);
        DrawDarts(p, cell.adjusted(33, 0, -2, 0), darts, dartsFont);
    }
    p.setPen(QColor(90, 90, 80));
    p.setFont(ArialFont(11));
    p.drawText(QRectF(left, bottom + 4, width, 18), Qt::AlignLeft | Qt::AlignVCenter,
               say(QStringLiteral("De laatste dart is een double of de Bull. Geen uitgooi voor 159, 162, 163, "
                                  "165, 166, 168 en 169."),
                   QStringLiteral("The last dart is a double or the bull. No checkout for 159, 162, 163, 165, "
                                  "166, 168 and 169.")));
    return image;
}

namespace {

const QColor kInk(25, 45, 110);

void Arrow(QPainter& p, QPointF tip, QPointF from) {
    const QLineF line(tip, from);
    const double a = qDegreesToRadians(line.angle());
    const double len = 13, spread = qDegreesToRadians(18.0);
    const QPointF d1(std::cos(a - spread) * len, -std::sin(a - spread) * len);
    const QPointF d2(std::cos(a + spread) * len, -std::sin(a + spread) * len);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + d1);
    head.lineTo(tip + d2);
    head.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPath(head);
    p.restore();
}

// A dimension line between a and b with arrows at both ends and its text beside the middle.
void Dimension(QPainter& p, QPointF a, QPointF b, const QString& text, bool textAbove = true) {
    p.setPen(QPen(kInk, 1.6));
    p.drawLine(a, b);
    Arrow(p, a, b);
    Arrow(p, b, a);
    const QPointF mid = (a + b) / 2;
    const QLineF line(a, b);
    p.save();
    p.translate(mid);
    double angle = -line.angle();
    if (angle < -90) angle += 180;
    if (angle > 90) angle -= 180;
    p.rotate(angle);
    p.setFont(ArialFont(21, true));
    const QRectF box = textAbove ? QRectF(-250, -32, 500, 28) : QRectF(-250, 4, 500, 28);
    p.drawText(box, Qt::AlignCenter, text);
    p.restore();
}

void ExtensionLine(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(kInk, 1.0, Qt::DashLine));
    p.drawLine(a, b);
}

// A callout: a leader from a point of the drawing to a label of one or more lines.
void Callout(QPainter& p, QPointF from, QPointF labelAt, const QStringList& lines) {
    p.setPen(QPen(kInk, 1.3));
    p.drawLine(from, labelAt);
    p.drawLine(labelAt, labelAt + QPointF(12, 0));
    p.setBrush(kInk);
    p.drawEllipse(from, 3.5, 3.5);
    p.setFont(ArialFont(20, true));
    p.drawText(QRectF(labelAt.x() + 18, labelAt.y() - 14, 400, 28), Qt::AlignLeft | Qt::AlignVCenter,
               lines.value(0));
    p.setFont(ArialFont(18));
    for (int i = 1; i < lines.size(); ++i)
        p.drawText(QRectF(labelAt.x() + 18, labelAt.y() - 14 + 24 * i, 400, 28),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
}

QPointF OnRing(QPointF centre, double radius, double compassDegrees) {
    const double a = qDegreesToRadians(compassDegrees);
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

} // namespace

QImage DimensionsPicture(bool english) {
    const auto say = [english](const QString& dutch, const QString& inEnglish) { return english ? inEnglish : dutch; };
    // Printed 15000 x 9900 twips on a landscape page: 1500 x 990 pixels gives it 144 dpi there.
    QImage image(1500, 990, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(kInk, 2));
    p.drawRect(QRectF(6, 6, 1488, 978));
    p.setFont(ArialFont(40, true));
    p.drawText(QPointF(40, 70), say(QStringLiteral("Afmetingen Dartbord"), QStringLiteral("Dartboard Dimensions")));
    p.setFont(ArialFont(20));
    p.drawText(QPointF(42, 104),
               say(QStringLiteral("Maten van een steeltip dartbord volgens de wedstrijdregels, in millimeter"),
                   QStringLiteral("Measurements of a steel-tip dartboard by the competition rules, in millimetres")));

    // Front view, to scale.
    const BoardProportions mm = RealProportionsMm();
    const QPointF c(310, 520);
    const double s = 1.15; // pixels per millimetre
    DrawBoard(p, c, s, mm);

    // Diameters below the board.
    const double yDouble = c.y() + mm.board * s + 40;
    const double yBoard = yDouble + 52;
    for (double x : {c.x() - mm.doubleOuter * s, c.x() + mm.doubleOuter * s})
        ExtensionLine(p, QPointF(x, c.y()), QPointF(x, yDouble + 8));
    for (double x : {c.x() - mm.board * s, c.x() + mm.board * s})
        ExtensionLine(p, QPointF(x, c.y()), QPointF(x, yBoard + 8));
    Dimension(p, QPointF(c.x() - mm.doubleOuter * s, yDouble), QPointF(c.x() + mm.doubleOuter * s, yDouble),
              say(QStringLiteral("340 mm (buitenkant double)"), QStringLiteral("340 mm (outside of the double)")));
    Dimension(p, QPointF(c.x() - mm.board * s, yBoard), QPointF(c.x() + mm.board * s, yBoard),
              say(QStringLiteral("451 mm (dartbord)"), QStringLiteral("451 mm (dartboard)")));

    // Callouts to the right of the board.
    const double labelX = c.x() + mm.board * s + 40;
    Callout(p, OnRing(c, (mm.doubleInner + mm.doubleOuter) / 2 * s, 40), QPointF(labelX, 200),
            {QStringLiteral("Double ring"),
             say(QStringLiteral("buiten \u00d8 340 mm, binnen \u00d8 324 mm"),
                 QStringLiteral("outer \u00d8 340 mm, inner \u00d8 324 mm")),
             say(QStringLiteral("breedte binnenmaat 8 mm"), QStringLiteral("inside width 8 mm"))});
    Callout(p, OnRing(c, (mm.trebleInner + mm.trebleOuter) / 2 * s, 70), QPointF(labelX, 350),
            {QStringLiteral("Triple ring"),
             say(QStringLiteral("buiten \u00d8 214 mm, binnen \u00d8 198 mm"),
                 QStringLiteral("outer \u00d8 214 mm, inner \u00d8 198 mm")),
             say(QStringLiteral("breedte binnenmaat 8 mm"), QStringLiteral("inside width 8 mm"))});
    Callout(p, OnRing(c, (mm.outerBull + mm.bullsEye) / 2 * s, 100), QPointF(labelX, 500),
            {say(QStringLiteral("Bull (25 punten)"), QStringLiteral("Bull (25 points)")), QStringLiteral("\u00d8 31,8 mm")});
    Callout(p, c, QPointF(labelX, 610),
            {say(QStringLiteral("Bull's Eye (50 punten)"), QStringLiteral("Bull's Eye (50 points)")), QStringLiteral("\u00d8 12,7 mm")});
    Callout(p, OnRing(c, (mm.doubleOuter + mm.board) / 2 * s, 125), QPointF(labelX, 720),
            {say(QStringLiteral("Nummerring"), QStringLiteral("Number ring")),
             say(QStringLiteral("20 segmenten van 18\u00b0, de 20 bovenaan"),
                 QStringLiteral("20 segments of 18\u00b0, the 20 at the top"))});

    // Side view: wall, board, floor and throwing line.
    const double k = 200; // pixels per metre
    const double floorY = 860, wallX = 1440;
    const double face = wallX - 0.04 * k; // the board is about 40 mm thick
    const double oche = face - 2.37 * k;
    const double bullY = floorY - 1.73 * k;
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.drawLine(QPointF(oche - 60, floorY), QPointF(wallX + 30, floorY));
    p.fillRect(QRectF(wallX, 300, 30, floorY - 300), QColor(205, 200, 190));
    p.fillRect(QRectF(face, bullY - mm.board / 1000 * k, wallX - face, 2 * mm.board / 1000 * k),
               QColor(25, 25, 25));
    p.fillRect(QRectF(face - 2, bullY - 3, 3, 6), QColor(206, 34, 40));
    p.fillRect(QRectF(oche - 5, floorY - 9, 10, 9), QColor(60, 60, 60));
    p.setFont(ArialFont(20, true));
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(oche - 250, floorY + 6, 240, 26), Qt::AlignRight | Qt::AlignVCenter,
               say(QStringLiteral("werplijn (oche)"), QStringLiteral("throw line (oche)")));
    p.drawText(QRectF(face - 110, bullY - mm.board / 1000 * k - 34, 200, 26), Qt::AlignCenter,
               say(QStringLiteral("dartbord"), QStringLiteral("dartboard")));

    ExtensionLine(p, QPointF(face, bullY), QPointF(face - 70, bullY));
    Dimension(p, QPointF(face - 55, floorY - 2), QPointF(face - 55, bullY), say(QStringLiteral("1,73 m"), QStringLiteral("1.73 m")),
              true);
    ExtensionLine(p, QPointF(oche, floorY), QPointF(oche, floorY + 64));
    ExtensionLine(p, QPointF(face, floorY), QPointF(face, floorY + 64));
    Dimension(p, QPointF(oche, floorY + 56), QPointF(face, floorY + 56), say(QStringLiteral("2,37 m"), QStringLiteral("2.37 m")),
              false);
    p.setPen(QPen(kInk, 1.6, Qt::DashLine));
    p.drawLine(QPointF(oche, floorY), QPointF(face, bullY));
    Arrow(p, QPointF(oche, floorY), QPointF(face, bullY));
    Arrow(p, QPointF(face, bullY), QPointF(oche, floorY));
    {
        const QLineF diagonal(QPointF(oche, floorY), QPointF(face, bullY));
        p.save();
        p.translate(diagonal.center());
        p.rotate(-diagonal.angle());
        p.setFont(ArialFont(21, true));
        p.setPen(kInk);
        p.drawText(QRectF(-200, -32, 400, 28), Qt::AlignCenter, say(QStringLiteral("2,93 m (diagonaal)"), QStringLiteral("2.93 m (diagonal)")));
        p.restore();
    }

    p.setPen(kInk);
    p.setFont(ArialFont(22, true));
    p.drawText(QPointF(oche, 170), say(QStringLiteral("Opstelling (zijaanzicht)"), QStringLiteral("Setup (side view)")));
    p.setFont(ArialFont(19));
    p.setPen(QColor(50, 50, 50));
    const QStringList notes = {
        say(QStringLiteral("Hoogte vloer - midden Bull: 1,73 m"), QStringLiteral("Floor to centre of the bull: 1.73 m")),
        say(QStringLiteral("Werpafstand voorkant bord - werplijn: 2,37 m"),
            QStringLiteral("Face of the board to the throw line: 2.37 m")),
        say(QStringLiteral("Diagonaal midden Bull - werplijn: 2,93 m"),
            QStringLiteral("Centre of the bull to the throw line: 2.93 m")),
    };
    for (int i = 0; i < notes.size(); ++i)
        p.drawText(QPointF(oche, 206 + 28 * i), notes[i]);
    return image;
}

} // namespace vxtools

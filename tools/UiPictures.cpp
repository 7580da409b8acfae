// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DataTexts.h"
#include "tools/Pictures.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>
#include <functional>

namespace vxtools {

namespace {

using Icon = std::function<void(QPainter&)>; // draws into the square 0..38

QImage Transparent(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Draw(int width, int height, const Icon& icon) {
    QImage image = Transparent(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    icon(p);
    return image;
}

// The menu buttons copy their picture with pure green as the transparent colour, so the strip
// carries no alpha: edge pixels are blended onto the button face instead of onto green, which
// would leave a green fringe.
QImage OnGreenMask(const QImage& icon) {
    const QColor face(236, 236, 236);
    QImage out(icon.size(), QImage::Format_RGB32);
    const QImage src = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const QColor c = src.pixelColor(x, y);
            if (c.alpha() < 100) {
                out.setPixelColor(x, y, QColor(0, 255, 0));
                continue;
            }
            const double a = c.alphaF();
            out.setPixelColor(x, y,
                              QColor(qRound(c.red() * a + face.red() * (1 - a)),
                                     qRound(c.green() * a + face.green() * (1 - a)),
                                     qRound(c.blue() * a + face.blue() * (1 - a))));
        }
    return out;
}

// The disabled look: grey, light and flat.
QImage Greyed(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            const int g = 120 + qGray(c.rgb()) / 2;
            out.setPixelColor(x, y, QColor(g, g, g, c.alpha()));
        }
    return out;
}

QImage MenuStrip(const Icon& icon) {
    const QImage normal = Draw(38, 38, icon);
    QImage strip(76, 38, QImage::Format_RGB32);
    QPainter p(&strip);
    p.drawImage(0, 0, OnGreenMask(normal));
    p.drawImage(38, 0, OnGreenMask(Greyed(normal)));
    return strip;
}

QLinearGradient Vertical(double top, double bottom, QColor from, QColor to) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

void Person(QPainter& p, QPointF head, double size, QColor colour) {
    p.setPen(QPen(colour.darker(150), 1));
    p.setBrush(Vertical(head.y() - size * 0.3, head.y() + size * 1.4, colour.lighter(130), colour));
    QPainterPath body;
    body.addRoundedRect(QRectF(head.x() - size * 0.55, head.y() + size * 0.42, size * 1.1, size * 0.9),
                        size * 0.4, size * 0.4);
    p.drawPath(body);
    p.drawEllipse(head, size * 0.3, size * 0.3);
}

void Badge(QPainter& p, QPointF centre, QColor colour, const QString& text) {
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawEllipse(centre, 7, 7);
    p.setPen(Qt::white);
    p.setFont(ArialFont(12, true));
    p.drawText(QRectF(centre.x() - 7, centre.y() - 7.5, 14, 14), Qt::AlignCenter, text);
}

void NewTeamIcon(QPainter& p) {
    Person(p, QPointF(13, 10), 14, QColor(70, 110, 190));
    Person(p, QPointF(24, 13), 16, QColor(40, 80, 160));
    Badge(p, QPointF(29, 29), QColor(40, 160, 60), QStringLiteral("+"));
}

void OpenTeamIcon(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(Vertical(8, 32, QColor(250, 215, 110), QColor(225, 170, 50)));
    QPainterPath back;
    back.moveTo(3, 32);
    back.lineTo(3, 8);
    back.lineTo(13, 8);
    back.lineTo(16, 11);
    back.lineTo(33, 11);
    back.lineTo(33, 32);
    back.closeSubpath();
    p.drawPath(back);
    Person(p, QPointF(19, 12), 13, QColor(40, 80, 160));
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(Vertical(18, 33, QColor(255, 228, 140), QColor(235, 185, 60)));
    QPainterPath front;
    front.moveTo(3, 33);
    front.lineTo(8, 19);
    front.lineTo(37, 19);
    front.lineTo(33, 33);
    front.closeSubpath();
    p.drawPath(front);
}

void SaveIcon(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 100), 1));
    p.setBrush(Vertical(4, 34, QColor(80, 120, 210), QColor(30, 60, 150)));
    QPainterPath disk;
    disk.moveTo(4, 5);
    disk.lineTo(30, 5);
    disk.lineTo(34, 9);
    disk.lineTo(34, 34);
    disk.lineTo(4, 34);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(QColor(215, 220, 225));
    p.drawRect(QRectF(10, 5, 17, 10));
    p.setBrush(QColor(40, 60, 110));
    p.drawRect(QRectF(21, 7, 4, 6));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 19, 22, 13), 1.5, 1.5);
    p.setPen(QPen(QColor(170, 170, 180), 1));
    for (double y : {23.5, 27.5})
        p.drawLine(QPointF(11, y), QPointF(27, y));
}

void PrintIcon(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 3, 18, 14));
    p.setBrush(Vertical(14, 28, QColor(200, 200, 205), QColor(120, 120, 128)));
    p.setPen(QPen(QColor(70, 70, 75), 1));
    p.drawRoundedRect(QRectF(3, 14, 32, 15), 3, 3);
    p.setBrush(QColor(60, 200, 80));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(29.5, 19), 1.6, 1.6);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 24, 20, 11));
    p.setPen(QPen(QColor(40, 60, 140), 1));
    for (double y : {27.5, 30.5})
        p.drawLine(QPointF(12, y), QPointF(26, y));
}

void EditIcon(QPainter& p) {
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 3, 23, 31));
    p.setPen(QPen(QColor(150, 40, 40), 1.2));
    for (double y = 9; y < 32; y += 4.5)
        p.drawLine(QPointF(8, y), QPointF(23, y));
    p.save();
    p.translate(22, 24);
    p.rotate(-45);
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(Vertical(-3, 3, QColor(255, 220, 80), QColor(230, 160, 20)));
    p.drawRect(QRectF(-2, -3.5, 18, 7));
    p.setBrush(QColor(240, 120, 130));
    p.drawRect(QRectF(16, -3.5, 3, 7));
    p.setBrush(QColor(240, 210, 170));
    QPainterPath point;
    point.moveTo(-2, -3.5);
    point.lineTo(-9, 0);
    point.lineTo(-2, 3.5);
    point.closeSubpath();
    p.drawPath(point);
    p.restore();
}

void StatisticsIcon(QPainter& p) {
    const QColor colours[] = {QColor(200, 50, 50), QColor(40, 150, 70), QColor(50, 90, 200),
                              QColor(230, 160, 30)};
    const double heights[] = {12, 22, 17, 28};
    for (int i = 0; i < 4; ++i) {
        const QRectF bar(6 + 7.5 * i, 33 - heights[i], 6, heights[i]);
        p.setPen(QPen(colours[i].darker(150), 1));
        p.setBrush(Vertical(bar.top(), bar.bottom(), colours[i].lighter(140), colours[i]));
        p.drawRect(bar);
    }
    p.setPen(QPen(QColor(60, 60, 60), 1.6));
    p.drawLine(QPointF(4, 3), QPointF(4, 34));
    p.drawLine(QPointF(3, 34), QPointF(36, 34));
}

void Gear(QPainter& p, QPointF centre, double radius) {
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = qDegreesToRadians(360.0 * i / (teeth * 4) - 5.0);
        const double r = (i % 4 < 2) ? radius : radius * 0.78;
        const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? gear.moveTo(pt) : gear.lineTo(pt);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.32, radius * 0.32);
    p.setPen(QPen(QColor(60, 64, 72), qMax(1.0, radius / 16)));
    QRadialGradient steel(centre - QPointF(radius / 3, radius / 3), radius * 1.6);
    steel.setColorAt(0, QColor(235, 238, 242));
    steel.setColorAt(1, QColor(110, 116, 128));
    p.setBrush(steel);
    p.drawPath(gear.subtracted(hole));
}

void SettingsIcon(QPainter& p) {
    Gear(p, QPointF(19, 19), 16.5);
}

void RoundSign(QPainter& p, QColor colour, const QString& text, int fontSize) {
    QRadialGradient ball(QPointF(15, 12), 22);
    ball.setColorAt(0, colour.lighter(150));
    ball.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(ball);
    p.drawEllipse(QPointF(19, 19), 16, 16);
    p.setPen(Qt::white);
    p.setFont(ArialFont(fontSize, true));
    p.drawText(QRectF(3, 3, 32, 32), Qt::AlignCenter, text);
}

void AboutIcon(QPainter& p) {
    RoundSign(p, QColor(40, 90, 190), QStringLiteral("i"), 22);
}
void HelpIcon(QPainter& p) {
    RoundSign(p, QColor(30, 140, 70), QStringLiteral("?"), 23);
}

// The help page is dark green; each illustration sits on a tile of its own.
QImage HelpTile(const Icon& icon) {
    QImage image(38, 38, QImage::Format_RGB32);
    image.fill(QColor(0, 30, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 150, 110), 1));
    p.setBrush(Vertical(0, 38, QColor(232, 236, 214), QColor(196, 204, 176)));
    p.drawRoundedRect(QRectF(0.5, 0.5, 37, 37), 5, 5);
    p.save();
    p.translate(3, 3);
    p.scale(32.0 / 38.0, 32.0 / 38.0);
    icon(p);
    p.restore();
    return image;
}

void BoardWithDartIcon(QPainter& p) {
    DrawBoard(p, QPointF(19, 20), 17.0 / 225.5, RealProportionsMm(), false);
    DrawDart(p, QPointF(22, 13), 215, 24, QColor(200, 30, 40));
}

void KeyIcon(QPainter& p) {
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Vertical(2, 36, QColor(250, 250, 250), QColor(170, 170, 175)));
    p.drawRoundedRect(QRectF(2, 3, 34, 32), 5, 5);
    p.setBrush(Vertical(4, 30, QColor(255, 255, 255), QColor(220, 220, 225)));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.drawRoundedRect(QRectF(5, 5, 28, 24), 4, 4);
    p.setPen(QColor(30, 30, 30));
    p.setFont(ArialFont(13, true));
    p.drawText(QRectF(5, 5, 28, 24), Qt::AlignCenter, QStringLiteral("T20"));
}

void NextPlayerIcon(QPainter& p) {
    Person(p, QPointF(11, 9), 15, QColor(40, 80, 160));
    p.setPen(QPen(QColor(20, 110, 40), 1));
    p.setBrush(Vertical(14, 34, QColor(90, 210, 110), QColor(30, 140, 60)));
    QPainterPath arrow;
    arrow.moveTo(15, 25);
    arrow.lineTo(25, 25);
    arrow.lineTo(25, 19);
    arrow.lineTo(36, 29);
    arrow.lineTo(25, 39 - 2);
    arrow.lineTo(25, 33);
    arrow.lineTo(15, 33);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

// A board with three darts in the treble 20, their flights kept over the board's own fields so
// that every number shows. `radius` is the board's outer edge in pixels.
void BoardWithDarts(QPainter& p, QPointF centre, double radius) {
    const double s = radius / RealProportionsMm().board;
    DrawBoard(p, centre, s, RealProportionsMm());
    const QPointF treble20 = centre + QPointF(0, -103 * s);
    DrawDart(p, treble20 + QPointF(-10 * s, 3 * s), 208, 118 * s, QColor(210, 30, 40));
    DrawDart(p, treble20 + QPointF(0, -3 * s), 220, 122 * s, QColor(210, 30, 40));
    DrawDart(p, treble20 + QPointF(10 * s, 3 * s), 232, 114 * s, QColor(210, 30, 40));
}

QImage StartFormPicture() {
    // Dark behind the dialog's texts and options on the left; the board at the top right, clear
    // of the picture's edges, of the texts and of the buttons below it (from y = 208).
    QImage image(460, 250, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), QColor(30, 30, 30));
    const QPointF centre(364, 100);
    QRadialGradient glow(centre, 190);
    glow.setColorAt(0, QColor(80, 86, 70));
    glow.setColorAt(1, QColor(30, 30, 30));
    p.fillRect(QRectF(200, 0, 260, 250), glow);
    BoardWithDarts(p, centre, 88);

    p.setFont(ArialFont(34, true));
    p.setPen(QColor(0, 0, 0));
    p.drawText(QPointF(18, 232), QStringLiteral("Vorlentix"));
    p.setPen(QColor(232, 196, 80));
    p.drawText(QPointF(16, 230), QStringLiteral("Vorlentix"));
    // The subtitle beside the name is drawn by the dialog, in the language in force.
    p.setPen(QPen(QColor(90, 90, 70), 1));
    p.drawLine(QPointF(16, 190), QPointF(270, 190));
    return image;
}

QImage StartBolPicture() {
    return Draw(40, 40, [](QPainter& p) {
        QRadialGradient ball(QPointF(15, 13), 26);
        ball.setColorAt(0, QColor(255, 240, 150));
        ball.setColorAt(0.45, QColor(245, 170, 30));
        ball.setColorAt(1, QColor(170, 80, 0));
        p.setPen(QPen(QColor(120, 60, 0), 1));
        p.setBrush(ball);
        p.drawEllipse(QPointF(20, 20), 18, 18);
        p.setPen(QColor(90, 30, 0));
        p.setFont(ArialFont(20, true));
        p.drawText(QRectF(2, 3, 36, 36), Qt::AlignCenter, QStringLiteral("1"));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 130));
        p.drawEllipse(QPointF(14, 11), 7, 4);
    });
}

QImage DuoFormPicture() {
    return Draw(77, 61, [](QPainter& p) {
        DrawBoard(p, QPointF(46, 30), 29.0 / 225.5, RealProportionsMm(), false);
        DrawDart(p, QPointF(47, 14), 200, 44, QColor(200, 30, 40));
        DrawDart(p, QPointF(46, 30), 185, 44, QColor(40, 100, 210));
    });
}

QImage ConfigFormPicture() {
    return Draw(100, 100, [](QPainter& p) {
        Gear(p, QPointF(50, 50), 47);
        DrawBoard(p, QPointF(50, 50), 21.0 / 225.5, RealProportionsMm(), false);
    });
}

QImage AboutFormPicture() {
    QImage image(150, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    BoardWithDarts(p, QPointF(75, 75), 68);
    return image;
}

// Print previews: a landscape page in miniature with the report laid out at its twip
// positions, text drawn as strokes of its length.
struct MiniPage {
    QPainter& p;
    static constexpr double kPageWidth = 16838, kPageHeight = 11906;
    static constexpr double kScale = 170.0 / kPageWidth;

    QPointF At(double x, double y) const { return QPointF(8 + x * kScale, 8 + y * kScale); }
    void Text(double x, double y, int characters, double twipsPerCharacter, QColor colour,
              double thick = 1.0) {
        if (characters <= 0) return;
        p.setPen(QPen(colour, thick));
        const QPointF a = At(x, y + 90);
        p.drawLine(a, a + QPointF(characters * twipsPerCharacter * kScale, 0));
    }
    void Title(double x, double y, int characters) { Text(x, y, characters, 120, QColor(0, 0, 90), 1.6); }
    void Footer() { Text(300, 11200, 30, 90, QColor(40, 40, 40)); }
};

QImage PrintPreview(const std::function<void(MiniPage&)>& body) {
    QImage image(186, 136, QImage::Format_RGB32);
    image.fill(QColor(150, 156, 160));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF page(8, 8, 170, 170 * MiniPage::kPageHeight / MiniPage::kPageWidth);
    p.fillRect(page.translated(3, 3), QColor(100, 104, 108));
    p.fillRect(page, Qt::white);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.drawRect(page);
    MiniPage mini{p};
    body(mini);
    mini.Footer();
    return image;
}

QImage ScoreListPreview() {
    return PrintPreview([](MiniPage& page) {
        page.Title(300, 300, 34);
        const QColor grey(90, 90, 90), red(90, 0, 0);
        page.Text(300, 900, 6, 90, grey);
        page.Text(2250, 900, 3, 90, grey);
        for (int k = 0; k < 25; ++k)
            page.Text(2850 + 510 * k, 900, 3, 90, grey);
        page.Text(15750, 900, 4, 90, grey);
        page.Text(300, 1140, 266, 60, grey);
        for (int row = 0; row < 24; ++row) {
            const double y = 1380 + 255 * row;
            page.Text(300, y, 16, 90, red);
            const int turns = 7 + (row * 5) % 9;
            for (int k = 0; k < 25; ++k)
                page.Text(2850 + 510 * k, y, k < turns ? 3 : 1, 90, red);
            page.Text(15750, y, 4, 90, red);
        }
    });
}

QImage CheckoutPreview() {
    return PrintPreview([](MiniPage& page) {
        page.Title(300, 300, 38);
        const QStringList lines = CheckoutLines();
        double x = 300, y = 1200;
        for (const QString& line : lines) {
            page.Text(x, y, int(line.size()), 110, QColor(90, 0, 0));
            y += 300;
            if (y > 10500) {
                y = 1200;
                x += 2910;
            }
        }
    });
}

QImage HelpPreview() {
    return PrintPreview([](MiniPage& page) {
        page.Title(600, 600, 44);
        const QStringList lines = HelpLines();
        for (int n = 0; n < lines.size(); ++n)
            page.Text(600, 1500 + 255 * n, int(lines[n].size()), 100, QColor(60, 60, 60));
        for (double y : {2820, 4590, 6370, 7650, 9180}) {
            const QPointF a = page.At(600, y);
            page.p.fillRect(QRectF(a, QSizeF(570 * MiniPage::kScale, 570 * MiniPage::kScale)),
                            QColor(60, 130, 70));
        }
        page.Text(600, 10500, 50, 100, QColor(60, 60, 60));
    });
}

QImage DimensionsPreview() {
    return PrintPreview([](MiniPage& page) {
        page.Title(300, 300, 30);
        const QPointF a = page.At(300, 1200);
        const QPointF b = page.At(15300, 11100);
        page.p.setRenderHint(QPainter::SmoothPixmapTransform);
        page.p.drawImage(QRectF(a, b), DimensionsPicture(false));
    });
}

} // namespace

QList<uiPicture> UiPictures() {
    const Icon menu[] = {NewTeamIcon,    OpenTeamIcon, SaveIcon,  PrintIcon, EditIcon,
                         StatisticsIcon, SettingsIcon, AboutIcon, HelpIcon};
    const Icon help[] = {BoardWithDartIcon, KeyIcon, NextPlayerIcon, StatisticsIcon, SettingsIcon};

    QList<uiPicture> pictures;
    pictures.append({QStringLiteral("StartForm"), StartFormPicture()});
    pictures.append({QStringLiteral("StartBol"), StartBolPicture()});
    for (int i = 0; i < 9; ++i)
        pictures.append({QStringLiteral("MenuKnop%1").arg(i), MenuStrip(menu[i])});
    for (int i = 0; i < 5; ++i)
        pictures.append({QStringLiteral("HelpImage%1").arg(i + 1), HelpTile(help[i])});
    pictures.append({QStringLiteral("DuoForm"), DuoFormPicture()});
    pictures.append({QStringLiteral("ConfigForm"), ConfigFormPicture()});
    pictures.append({QStringLiteral("AboutForm"), AboutFormPicture()});
    pictures.append({QStringLiteral("PicScreen1"), ScoreListPreview()});
    pictures.append({QStringLiteral("PicScreen2"), CheckoutPreview()});
    pictures.append({QStringLiteral("PicScreen3"), HelpPreview()});
    pictures.append({QStringLiteral("PicScreen4"), DimensionsPreview()});
    return pictures;
}

} // namespace vxtools

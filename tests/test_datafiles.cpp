// SPDX-License-Identifier: GPL-3.0-or-later
// The delivered data files and pictures: the checkout table, the help text, the board picture
// against the board geometry and the marker positions, the sizes of every picture, and the icon
// of the desktop menu.
#include "core/common/Utilities.h"
#include "core/files/TextFile.h"
#include "core/match/DartBoard.h"

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>
#include <cmath>
#include <numbers>

using namespace vx;

namespace {

QString DataFile(const QString& name) {
    return QStringLiteral(VX_DATA_DIR "/") + name;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Every line ends with CR LF: no CR or LF on its own anywhere, and a line end after the last.
bool AllLinesEndCrLf(const QByteArray& bytes) {
    if (!bytes.endsWith("\r\n")) return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')) return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    }
    return true;
}

// Points of one dart as the board names it: "20" single, "D16" double, "T20" treble, "25" the
// outer bull, "Bull" the bull's eye. 0 for anything that is not a dart.
int DartPoints(const QString& dart) {
    if (dart == QLatin1String("Bull")) return 50;
    if (dart == QLatin1String("25")) return 25;
    static const QRegularExpression kDart(QStringLiteral("^([DT]?)([1-9]|1[0-9]|20)$"));
    const auto m = kDart.match(dart);
    if (!m.hasMatch()) return 0;
    const int segment = m.captured(2).toInt();
    return m.captured(1) == QLatin1String("T")   ? 3 * segment
           : m.captured(1) == QLatin1String("D") ? 2 * segment
                                                 : segment;
}

const QSet<int> kNoFinish{159, 162, 163, 165, 166, 168, 169};

QStringList CheckoutLines() {
    QStringList lines;
    readTextLines(DataFile(QStringLiteral("Uitgooiscore.lib")), &lines);
    return lines;
}

// The Dutch help text and the English one: the same page, so the same rules.
const QStringList kHelpFiles = {QStringLiteral("Help.lib"), QStringLiteral("Help-en.lib")};

QStringList HelpLines(const QString& file) {
    QStringList lines;
    readTextLines(DataFile(file), &lines);
    return lines;
}

bool Overlaps(int top1, int height1, int top2, int height2) {
    return top1 < top2 + height2 && top2 < top1 + height1;
}

// Nearest of the board's four field colours: JPEG shifts colours a little, never from one
// family into another.
QColor NearestFieldColour(const QColor& seen) {
    const QColor families[] = {boardColour({BoardRing::OuterSingle, 20}),
                               boardColour({BoardRing::OuterSingle, 1}), boardColour({BoardRing::Double, 20}),
                               boardColour({BoardRing::Double, 1})};
    QColor best;
    int bestDistance = INT_MAX;
    for (const QColor& c : families) {
        const int d = (c.red() - seen.red()) * (c.red() - seen.red()) +
                      (c.green() - seen.green()) * (c.green() - seen.green()) +
                      (c.blue() - seen.blue()) * (c.blue() - seen.blue());
        if (d < bestDistance) {
            bestDistance = d;
            best = c;
        }
    }
    return best;
}

} // namespace

class DataFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void checkoutFileBytes() {
        const QByteArray bytes = ReadBytes(DataFile(QStringLiteral("Uitgooiscore.lib")));
        QVERIFY(!bytes.isEmpty());
        QVERIFY(AllLinesEndCrLf(bytes));
    }

    void checkoutScoresCovered() {
        // One line per score that three darts can finish, ascending.
        QList<int> scores;
        for (const QString& line : CheckoutLines())
            scores << line.section(u',', 0, 0).toInt();
        QList<int> expected;
        for (int score = 2; score <= 170; ++score)
            if (!kNoFinish.contains(score)) expected << score;
        QCOMPARE(scores, expected);
    }

    void checkoutLine_data() {
        QTest::addColumn<QString>("line");
        const QStringList lines = CheckoutLines();
        QVERIFY(!lines.isEmpty());
        for (const QString& line : lines)
            QTest::newRow(qPrintable(line)) << line;
    }
    void checkoutLine() {
        QFETCH(QString, line);
        static const QRegularExpression kLine(QStringLiteral("^(\\d{1,3}),(\\S+(?: \\S+){0,2})$"));
        const auto m = kLine.match(line);
        QVERIFY2(m.hasMatch(), "score, comma, one to three darts separated by single blanks");
        const int score = m.captured(1).toInt();
        // The lookup reads the score from the first three characters.
        QCOMPARE(int(leadingNumber(line.left(3))), score);

        const QStringList darts = m.captured(2).split(u' ');
        int total = 0;
        for (const QString& dart : darts) {
            QVERIFY2(DartPoints(dart) > 0, qPrintable(dart));
            total += DartPoints(dart);
        }
        QCOMPARE(total, score);
        const QString last = darts.last();
        QVERIFY2(last.startsWith(u'D') || last == QLatin1String("Bull"),
                 "finishes on a double or the bull's eye");
    }

    void markerPosition_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("ring");
        QTest::addColumn<int>("segment");
        for (int segment = 1; segment <= 20; ++segment) {
            QTest::addRow("E%d", segment)
                << QStringLiteral("E%1").arg(segment) << int(BoardRing::OuterSingle) << segment;
            QTest::addRow("D%d", segment)
                << QStringLiteral("D%1").arg(segment) << int(BoardRing::Double) << segment;
            QTest::addRow("T%d", segment)
                << QStringLiteral("T%1").arg(segment) << int(BoardRing::Treble) << segment;
        }
        QTest::newRow("B25") << QStringLiteral("B25") << int(BoardRing::OuterBull) << 0;
        QTest::newRow("B50") << QStringLiteral("B50") << int(BoardRing::BullsEye) << 0;
    }
    void markerPosition() {
        QFETCH(QString, code);
        QFETCH(int, ring);
        QFETCH(int, segment);
        const BoardSpot expected{BoardRing(ring), segment};

        const std::optional<QPoint> at = vx::markerPosition(code);
        QVERIFY(at.has_value());
        QCOMPARE(boardSpotAt(*at), expected);
        QCOMPARE(dartCodeAt(boardSpotAt(*at)), code);

        // The whole marker, 3 pixels in radius, stays in its field (the outer bull marker
        // overlaps the bull's eye by design: it sits 6 pixels from the centre).
        if (expected.ring != BoardRing::OuterBull && expected.ring != BoardRing::BullsEye) {
            for (int k = 0; k < 16; ++k) {
                const double a = k * std::numbers::pi / 8;
                const QPointF edge(at->x() + 3 * std::cos(a), at->y() + 3 * std::sin(a));
                QCOMPARE(boardSpotAt(edge), expected);
            }
        }

        static const QImage board(DataFile(QStringLiteral("Dartbord.jpg")));
        QVERIFY(!board.isNull());
        const QColor seen = board.pixelColor(*at);
        const QColor wanted = boardColour(expected);
        QCOMPARE(NearestFieldColour(seen), wanted);
        QVERIFY2(
            std::abs(seen.red() - wanted.red()) < 40 && std::abs(seen.green() - wanted.green()) < 40 &&
                std::abs(seen.blue() - wanted.blue()) < 40,
            qPrintable(
                QStringLiteral("%1 at %2,%3 is %4").arg(code).arg(at->x()).arg(at->y()).arg(seen.name())));
    }

    void boardAroundTheCentre_data() {
        // Straight up, right, down and left of the centre lie 20, 6, 3 and 11; the rings follow
        // one another outwards.
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<QString>("code");
        QTest::newRow("up single") << QPointF(136, 136 - 80) << QStringLiteral("E20");
        QTest::newRow("right treble") << QPointF(136 + 64, 136) << QStringLiteral("T6");
        QTest::newRow("down double") << QPointF(136, 136 + 105) << QStringLiteral("D3");
        QTest::newRow("left inner single") << QPointF(136 - 30, 136) << QStringLiteral("E11");
        QTest::newRow("just clockwise of 20") << QPointF(136 + 80 * std::sin(10 * std::numbers::pi / 180),
                                                         136 - 80 * std::cos(10 * std::numbers::pi / 180))
                                              << QStringLiteral("E1");
        QTest::newRow("just anticlockwise of 20") << QPointF(136 - 80 * std::sin(10 * std::numbers::pi / 180),
                                                             136 - 80 * std::cos(10 * std::numbers::pi / 180))
                                                  << QStringLiteral("E5");
        QTest::newRow("bull's eye edge") << QPointF(136 + BoardRadii::BullsEye, 136) << QStringLiteral("B50");
        QTest::newRow("outer bull") << QPointF(136, 136 + 8) << QStringLiteral("B25");
        QTest::newRow("outside the double") << QPointF(136, 136 - 120) << QString();
    }
    void boardAroundTheCentre() {
        QFETCH(QPointF, point);
        QFETCH(QString, code);
        QCOMPARE(dartCodeAt(boardSpotAt(point)), code);
    }

    void markerPositionRefusesOtherTexts_data() {
        QTest::addColumn<QString>("code");
        for (const char* text :
             {"", "E0", "E21", "E07", "D 5", "e20", "T", "X5", "B", "B0", "B26", "B50 ", "E20x"})
            QTest::newRow(text[0] ? text : "empty") << QString::fromLatin1(text);
    }
    void markerPositionRefusesOtherTexts() {
        QFETCH(QString, code);
        QVERIFY(!vx::markerPosition(code).has_value());
    }

    void helpFileBytes() {
        for (const QString& file : kHelpFiles) {
            const QByteArray bytes = ReadBytes(DataFile(file));
            QVERIFY2(!bytes.isEmpty(), qPrintable(file));
            QVERIFY2(AllLinesEndCrLf(bytes), qPrintable(file));
        }
        // One line for one line: the bands left free for the pictures are the same.
        QStringList blank[2];
        for (int i = 0; i < 2; ++i)
            for (const QString& line : HelpLines(kHelpFiles[i]))
                blank[i] << (line.isEmpty() ? QStringLiteral("-") : QStringLiteral("x"));
        QCOMPARE(blank[1], blank[0]);
    }

    void helpLinesKeepClearOfThePictures_data() {
        // The help page: line n at 540 + 240 (n - 1) twips, pictures 570 twips high, the closing
        // line at 9000. The printed help: line n at 1500 + 255 (n - 1), pictures at their own
        // places, the closing line at 10500.
        QTest::addColumn<int>("firstTop");
        QTest::addColumn<int>("lineHeight");
        QTest::addColumn<QList<int>>("pictureTops");
        QTest::addColumn<int>("closingTop");
        QTest::addColumn<QString>("file");
        for (const QString& file : kHelpFiles) {
            QTest::addRow("help page, %s", qPrintable(file))
                << 540 << 240 << QList<int>{1800, 3480, 5140, 6360, 7800} << 9000 << file;
            QTest::addRow("printed help, %s", qPrintable(file))
                << 1500 << 255 << QList<int>{2820, 4590, 6370, 7650, 9180} << 10500 << file;
        }
    }
    void helpLinesKeepClearOfThePictures() {
        QFETCH(int, firstTop);
        QFETCH(int, lineHeight);
        QFETCH(QList<int>, pictureTops);
        QFETCH(int, closingTop);
        QFETCH(QString, file);
        const QStringList lines = HelpLines(file);
        QVERIFY(lines.size() >= 10);
        for (int n = 1; n <= lines.size(); ++n) {
            if (lines[n - 1].isEmpty()) continue;
            const int top = firstTop + lineHeight * (n - 1);
            QVERIFY2(top + lineHeight <= closingTop,
                     qPrintable(QStringLiteral("line %1 runs into the closing line").arg(n)));
            for (int pictureTop : pictureTops)
                QVERIFY2(
                    !Overlaps(top, lineHeight, pictureTop, 570),
                    qPrintable(QStringLiteral("line %1 lies on the picture at %2").arg(n).arg(pictureTop)));
        }
        // Every band keeps room for its picture: the text does not simply stop before the first.
        QVERIFY(!lines.last().isEmpty());
        QVERIFY(firstTop + lineHeight * (lines.size() - 1) > pictureTops.last());
    }

    void helpLinesFitThePage() {
        // The page is 11295 twips wide and its lines start at 150: Arial 8 pt must fit.
        const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 8));
        const int room = twipsToPixels(11295 - 150 - 150);
        for (const QString& file : kHelpFiles)
            for (const QString& line : HelpLines(file)) {
                QVERIFY2(line.size() <= 110, qPrintable(line));
                QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
            }
    }

    void pictureSizes_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("board") << DataFile(QStringLiteral("Dartbord.jpg")) << QSize(271, 271);
        QTest::newRow("checkout chart") << DataFile(QStringLiteral("Dart Checkout.jpg")) << QSize(656, 495);
        QTest::newRow("dimensions") << DataFile(QStringLiteral("Afmetingen.jpg")) << QSize(1500, 990);
        QTest::newRow("checkout chart, English") << DataFile(QStringLiteral("Dart Checkout-en.jpg")) << QSize(656, 495);
        QTest::newRow("dimensions, English") << DataFile(QStringLiteral("Afmetingen-en.jpg")) << QSize(1500, 990);
        QTest::newRow("start dialog") << QStringLiteral(":/ui/StartForm.png") << QSize(460, 250);
        QTest::newRow("start ball") << QStringLiteral(":/ui/StartBol.png") << QSize(40, 40);
        for (int i = 0; i <= 8; ++i)
            QTest::addRow("menu button %d", i)
                << QStringLiteral(":/ui/MenuKnop%1.png").arg(i) << QSize(76, 38);
        for (int i = 1; i <= 5; ++i)
            QTest::addRow("help picture %d", i)
                << QStringLiteral(":/ui/HelpImage%1.png").arg(i) << QSize(38, 38);
        QTest::newRow("duo dialog") << QStringLiteral(":/ui/DuoForm.png") << QSize(77, 61);
        QTest::newRow("config dialog") << QStringLiteral(":/ui/ConfigForm.png") << QSize(100, 100);
        QTest::newRow("about window") << QStringLiteral(":/ui/AboutForm.png") << QSize(150, 150);
        for (int i = 1; i <= 4; ++i)
            QTest::addRow("print preview %d", i)
                << QStringLiteral(":/ui/PicScreen%1.png").arg(i) << QSize(186, 136);
    }
    void pictureSizes() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
    }

    // The board pictures show the whole board: no number (light ink on the dark start dialog)
    // and nothing at all (on the About window's white) near the picture's edges.
    void boardPicturesFit_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("edge"); // pixels that must stay free
        QTest::addColumn<bool>("onWhite");
        QTest::newRow("start dialog") << QStringLiteral(":/ui/StartForm.png") << 6 << false;
        QTest::newRow("about window") << QStringLiteral(":/ui/AboutForm.png") << 4 << true;
    }
    void boardPicturesFit() {
        QFETCH(QString, path);
        QFETCH(int, edge);
        QFETCH(bool, onWhite);
        const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
        const QRect inside = image.rect().adjusted(edge, edge, -edge, -edge);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (inside.contains(x, y)) continue;
                const QRgb pixel = image.pixel(x, y);
                const bool ink = onWhite ? pixel != qRgb(255, 255, 255) : qGray(pixel) > 150;
                QVERIFY2(!ink, qPrintable(QStringLiteral("board at %1,%2").arg(x).arg(y)));
            }
    }

    // The icon of the desktop menu: round on a clear background, and from 48 pixels on the
    // smaller PNGs the same drawing as the largest.
    void appIcon_data() {
        QTest::addColumn<int>("size");
        for (int size : {48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void appIcon() {
        QFETCH(int, size);
        const auto icon = [](int side) {
            return QImage(QStringLiteral(VX_SOURCE_DATA_DIR "/icons/vorlentix-%1.png").arg(side))
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage image = icon(size);
        QCOMPARE(image.size(), QSize(size, size));
        const int last = size - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);

        const QImage scaled = icon(256).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb a = image.pixel(x, y), b = scaled.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        QVERIFY2(difference / (4.0 * size * size) < 5,
                 qPrintable(QString::number(difference / (4.0 * size * size))));
    }

    // Below 48 pixels the large drawing scaled down is a greyish blur; the small icon must still
    // read as a board: a red bull in the middle, clear corners, and broad fields of the board's
    // red, green, cream and black, each of them several pixels, on a drawing of strong contrast.
    void smallAppIcon_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32})
            QTest::addRow("%d px", size) << size;
    }
    void smallAppIcon() {
        QFETCH(int, size);
        const QImage image = QImage(QStringLiteral(VX_SOURCE_DATA_DIR "/icons/vorlentix-%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        const int last = size - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        const QColor middle = image.pixelColor(size / 2 - 1, size / 2);
        QVERIFY2(middle.red() > 150 && middle.green() < 90 && middle.blue() < 90, qPrintable(middle.name()));

        const auto near = [](QRgb pixel, QColor colour) {
            return qAlpha(pixel) == 255 && std::abs(qRed(pixel) - colour.red()) < 40 &&
                   std::abs(qGreen(pixel) - colour.green()) < 40 &&
                   std::abs(qBlue(pixel) - colour.blue()) < 40;
        };
        using vx::BoardRing;
        const QColor fields[] = {
            vx::boardColour({BoardRing::Double, 20}), vx::boardColour({BoardRing::Double, 1}),
            vx::boardColour({BoardRing::InnerSingle, 1}), vx::boardColour({BoardRing::InnerSingle, 20})};
        for (const QColor& field : fields) {
            int count = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    count += near(image.pixel(x, y), field);
            QVERIFY2(count >= size / 4,
                     qPrintable(QStringLiteral("%1: %2 pixels").arg(field.name()).arg(count)));
        }
        QList<double> grey;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (qAlpha(image.pixel(x, y)) == 255) grey.append(qGray(image.pixel(x, y)));
        double mean = 0, spread = 0;
        for (double g : grey)
            mean += g / grey.size();
        for (double g : grey)
            spread += (g - mean) * (g - mean) / grey.size();
        QVERIFY2(std::sqrt(spread) > 50, qPrintable(QString::number(std::sqrt(spread))));
    }

    // A theme reads the scalable icon as XML: one square svg element of filled paths.
    void appIconSvg() {
        QFile file(QStringLiteral(VX_SOURCE_DATA_DIR "/icons/vorlentix.svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));
        QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
        int paths = 0;
        while (xml.readNextStartElement()) {
            QCOMPARE(xml.name(), QLatin1String("path"));
            QVERIFY(QColor::isValidColorName(xml.attributes().value(QLatin1String("fill"))));
            QVERIFY(xml.attributes().value(QLatin1String("d")).startsWith(u'M'));
            ++paths;
            xml.skipCurrentElement();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(paths > 0);
    }

    void menuStrips_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i <= 8; ++i)
            QTest::addRow("MenuKnop(%d)", i) << i;
    }
    void menuStrips() {
        // Pure green is the transparent colour: the background must be exactly that green and no
        // drawn pixel may come close to it, or a green fringe shows on the button.
        QFETCH(int, index);
        const QImage strip =
            QImage(QStringLiteral(":/ui/MenuKnop%1.png").arg(index)).convertToFormat(QImage::Format_RGB32);
        const QColor mask(0, 255, 0);
        for (int frame = 0; frame < 2; ++frame) {
            QCOMPARE(strip.pixelColor(38 * frame, 0), mask);
            QCOMPARE(strip.pixelColor(38 * frame + 37, 37), mask);
            int drawn = 0;
            for (int y = 0; y < 38; ++y)
                for (int x = 38 * frame; x < 38 * frame + 38; ++x) {
                    const QColor c = strip.pixelColor(x, y);
                    if (c == mask) continue;
                    ++drawn;
                    QVERIFY2(
                        !(c.green() > 224 && c.red() < 64 && c.blue() < 64),
                        qPrintable(QStringLiteral("greenish pixel %1 at %2,%3").arg(c.name()).arg(x).arg(y)));
                    // The disabled frame is grey.
                    if (frame == 1) QVERIFY(c.red() == c.green() && c.green() == c.blue());
                }
            QVERIFY(drawn > 200);
        }
    }
};

QTEST_MAIN(DataFilesTest)
#include "test_datafiles.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The styled button as a user sees it: the colours of each look, the cut corners, the picture
// frames, the caption's place, and how mouse, keyboard, focus and enabling move it between looks.
#include "ui/widgets/StyledButton.h"

#include <QCursor>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using vx::StyledButton;

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 40;
const QColor kHostColor(255, 0, 255);

bool near(const QColor& a, const QColor& b, int tolerance) {
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor& c) {
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QColor grey(int g) {
    return QColor(g, g, g);
}

// A strip of square frames, each a solid colour with a pure green square in its middle.
QPixmap strip(const QList<QColor>& frames, int size = 12) {
    QPixmap pixmap(size * int(frames.size()), size);
    QPainter p(&pixmap);
    for (int i = 0; i < frames.size(); ++i) {
        p.fillRect(i * size, 0, size, size, frames[i]);
        p.fillRect(i * size + size / 3, size / 3, size / 3, size / 3, QColor(0, 255, 0));
    }
    return pixmap;
}

// Rows of the image that hold a pixel of exactly this colour.
QPair<int, int> inkRows(const QImage& image, const QColor& ink) {
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == ink) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

QPair<int, int> inkColumns(const QImage& image, const QColor& ink) {
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == ink) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

} // namespace

class StyledButtonTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void faceGradients_data();
    void faceGradients();
    void borderColour_data();
    void borderColour();
    void cornersAreCut_data();
    void cornersAreCut();
    void noBackground_data();
    void noBackground();

    void pictureFrame_data();
    void pictureFrame();
    void maskColour_data();
    void maskColour();
    void narrowStripShowsNothing();
    void pictureBesideCaption();
    void captionColour_data();
    void captionColour();
    void wrappedCaptionStaysCentred_data();
    void wrappedCaptionStaysCentred();
    void captionThatJustFitsLosesNoLine();

    void clicks_data();
    void clicks();
    void spaceHoldsPressedLook();
    void hoverInAndOut_data();
    void hoverInAndOut();
    void hoverEndsWithoutLeaveEvent();
    void hoverEndsAfterClickWithoutMove();
    void focusLook_data();
    void focusLook();
    void disabledLeavesTabOrder_data();
    void disabledLeavesTabOrder();
    void disabledParentDisablesLook();
    void reEnabledButtonIsNotHeld();
    void changeAfterPaintIsShown_data();
    void changeAfterPaintIsShown();

  private:
    enum Look { Normal, Hover, Pressed, Focused, Disabled };
    void parkCursor();
    void hover();
    void press();
    void bringTo(int look);
    QImage image() const { return m_button->grab().toImage(); }

    QWidget* m_host = nullptr;
    StyledButton* m_button = nullptr;
    bool m_pressed = false;
};

void StyledButtonTest::init() {
    m_host = new QWidget;
    m_host->setGeometry(100, 100, 300, 200);
    QPalette palette = m_host->palette();
    palette.setColor(QPalette::Window, kHostColor);
    m_host->setPalette(palette);
    m_host->setAutoFillBackground(true);
    // Activating a window focuses its first control; the host takes it so the button starts
    // out in the Normal look.
    m_host->setFocusPolicy(Qt::StrongFocus);
    m_host->setFocus();
    m_button = new StyledButton(m_host);
    m_button->setObjectName(QStringLiteral("Knop"));
    m_button->setGeometry(40, 50, kWidth, kHeight);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
    m_host->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_host));
    parkCursor();
    m_pressed = false;
}

void StyledButtonTest::cleanup() {
    // The test library remembers held buttons across tests; let go of it.
    if (m_pressed) QTest::mouseRelease(m_host, Qt::LeftButton, {}, QPoint(1, 1));
    delete m_host;
    m_host = nullptr;
}

void StyledButtonTest::parkCursor() {
    QCursor::setPos(m_host->mapToGlobal(QPoint(5, 5)));
}

void StyledButtonTest::hover() {
    QTest::mouseMove(m_button);
}

void StyledButtonTest::press() {
    hover();
    QTest::mousePress(m_button, Qt::LeftButton);
    m_pressed = true;
}

void StyledButtonTest::bringTo(int look) {
    switch (look) {
    case Normal:
        break;
    case Hover:
        hover();
        break;
    case Pressed:
        press();
        break;
    case Focused:
        m_button->setFocus();
        break;
    case Disabled:
        m_button->setEnabled(false);
        break;
    }
    QCOMPARE(m_button->buttonState(), look);
}

// ---- the face ----

void StyledButtonTest::faceGradients_data() {
    QTest::addColumn<int>("look");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("top");
    QTest::addColumn<QPoint>("bottom");
    QTest::addColumn<QColor>("topColour");
    QTest::addColumn<QColor>("bottomColour");

    // Stops per look: upper band, lower band, upper side strips, lower side strips.
    const QList<QList<QColor>> stops = {
        {grey(242), grey(235), grey(221), grey(207), grey(251), grey(250), grey(246), grey(243)},
        {{234, 246, 253},
         {217, 240, 252},
         {190, 230, 253},
         {167, 217, 245},
         {249, 253, 254},
         {245, 251, 254},
         {239, 249, 254},
         {233, 246, 253}},
        {{228, 243, 251},
         {196, 229, 246},
         {152, 209, 239},
         {104, 179, 219},
         {176, 195, 206},
         {154, 186, 203},
         {120, 170, 197},
         {85, 146, 181}},
        {{236, 245, 250},
         {230, 242, 248},
         {206, 231, 244},
         {187, 219, 237},
         {52, 213, 254},
         {51, 212, 253},
         {56, 210, 252},
         {42, 207, 250}},
        {grey(244), grey(244), grey(244), grey(244), grey(252), grey(252), grey(252), grey(252)},
    };
    const char* names[] = {"normal", "hover", "pressed", "focused", "disabled"};

    auto addFills = [&](int look, int h) {
        const int w = kWidth;
        const int m = qRound(h / 2.2);
        const QList<QColor>& s = stops[look];
        const auto add = [&](const char* fill, QPoint top, QPoint bottom, int first) {
            QTest::addRow("%s h%d %s", names[look], h, fill)
                << look << h << top << bottom << s[first] << s[first + 1];
        };
        add("upper band", {w / 2, 2}, {w / 2, m - 1}, 0);
        add("lower band", {w / 2, m}, {w / 2, h - 3}, 2);
        add("left upper strip", {1, 3}, {1, m - 1}, 4);
        add("right upper strip", {w - 2, 3}, {w - 2, m - 1}, 4);
        add("left lower strip", {1, m}, {1, h - 4}, 6);
        add("right lower strip", {w - 2, m}, {w - 2, h - 4}, 6);
    };
    for (int look = Normal; look <= Disabled; ++look)
        addFills(look, kHeight);
    // Another height moves the split between the bands: 23 / 2.2 rounds to 10.
    addFills(Normal, 23);
    addFills(Pressed, 23);
}

void StyledButtonTest::faceGradients() {
    QFETCH(int, look);
    QFETCH(int, height);
    QFETCH(QPoint, top);
    QFETCH(QPoint, bottom);
    QFETCH(QColor, topColour);
    QFETCH(QColor, bottomColour);

    m_button->resize(kWidth, height);
    bringTo(look);
    const QImage shot = image();
    QVERIFY2(near(shot.pixelColor(top), topColour, 2),
             qPrintable(describe(shot.pixelColor(top)) + " at top, expected " + describe(topColour)));
    QVERIFY2(
        near(shot.pixelColor(bottom), bottomColour, 2),
        qPrintable(describe(shot.pixelColor(bottom)) + " at bottom, expected " + describe(bottomColour)));
}

void StyledButtonTest::borderColour_data() {
    QTest::addColumn<int>("look");
    QTest::addColumn<QColor>("border");
    QTest::newRow("normal") << int(Normal) << QColor(112, 112, 112);
    QTest::newRow("hover") << int(Hover) << QColor(60, 127, 177);
    QTest::newRow("pressed") << int(Pressed) << QColor(44, 98, 139);
    QTest::newRow("focused") << int(Focused) << QColor(60, 127, 177);
    QTest::newRow("disabled") << int(Disabled) << QColor(173, 178, 181);
}

void StyledButtonTest::borderColour() {
    QFETCH(int, look);
    QFETCH(QColor, border);
    bringTo(look);
    const QImage shot = image();
    for (const QPoint at : {QPoint(kWidth / 2, 0), QPoint(kWidth / 2, kHeight - 1), QPoint(0, kHeight / 2),
                            QPoint(kWidth - 1, kHeight / 2)})
        QVERIFY2(
            shot.pixelColor(at) == border,
            qPrintable(
                QStringLiteral("%1 at %2,%3").arg(describe(shot.pixelColor(at))).arg(at.x()).arg(at.y())));
}

void StyledButtonTest::cornersAreCut_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("as placed") << QSize(kWidth, kHeight);
    QTest::newRow("resized") << QSize(57, 23);
}

void StyledButtonTest::cornersAreCut() {
    QFETCH(QSize, size);
    m_button->resize(size);
    const QImage shot = m_host->grab().toImage();
    const QPoint origin = m_button->pos();
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)}) {
        QCOMPARE(shot.pixelColor(origin + corner), kHostColor);
        // The pixels beside the corner belong to the button again.
        const QPoint beside(corner.x() == 0 ? 1 : right - 1, corner.y());
        QVERIFY(shot.pixelColor(origin + beside) != kHostColor);
    }
    // A click on a cut corner is not a click on the button; one beside it is.
    QSignalSpy clicked(m_button, &StyledButton::clicked);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(right, bottom));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(m_button, Qt::LeftButton, {}, QPoint(right - 1, bottom));
    QCOMPARE(clicked.count(), 1);
}

void StyledButtonTest::noBackground_data() {
    QTest::addColumn<int>("look");
    QTest::addColumn<bool>("faceShown");
    QTest::newRow("normal") << int(Normal) << false;
    QTest::newRow("hover") << int(Hover) << true;
    QTest::newRow("pressed") << int(Pressed) << true;
    QTest::newRow("focused") << int(Focused) << false;
    QTest::newRow("disabled") << int(Disabled) << false;
}

void StyledButtonTest::noBackground() {
    QFETCH(int, look);
    QFETCH(bool, faceShown);
    const QColor back(10, 200, 30);
    m_button->setBackColor(back);
    m_button->setNoBackground(true);
    m_button->setText(QStringLiteral("OK"));
    bringTo(look);
    const QImage shot = image();
    for (const QPoint at :
         {QPoint(kWidth / 2, 0), QPoint(5, 5), QPoint(5, kHeight - 6), QPoint(1, kHeight / 2)})
        QCOMPARE(shot.pixelColor(at) == back, !faceShown);
}

// ---- picture and caption ----

void StyledButtonTest::pictureFrame_data() {
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<int>("look");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QColor>("shown");
    const QColor red(255, 0, 0), blue(0, 0, 255), yellow(255, 255, 0);
    QTest::newRow("two frames, normal") << 2 << 2 << int(Normal) << 0 << red;
    QTest::newRow("two frames, hover") << 2 << 2 << int(Hover) << 0 << red;
    QTest::newRow("two frames, pressed") << 2 << 2 << int(Pressed) << 0 << red;
    QTest::newRow("two frames, disabled") << 2 << 2 << int(Disabled) << 0 << blue;
    QTest::newRow("three frames, normal") << 3 << 3 << int(Normal) << 0 << red;
    QTest::newRow("three frames, pressed") << 3 << 3 << int(Pressed) << 0 << yellow;
    QTest::newRow("three frames, disabled") << 3 << 3 << int(Disabled) << 0 << blue;
    QTest::newRow("three frames, pressed, offset") << 3 << 3 << int(Pressed) << 3 << yellow;
    QTest::newRow("offset only while held") << 3 << 3 << int(Hover) << 3 << red;
    QTest::newRow("one frame, disabled") << 1 << 1 << int(Disabled) << 0 << red;
    QTest::newRow("no frames counts as one") << 1 << 0 << int(Disabled) << 0 << red;
}

void StyledButtonTest::pictureFrame() {
    QFETCH(int, frames);
    QFETCH(int, pictures);
    QFETCH(int, look);
    QFETCH(int, offset);
    QFETCH(QColor, shown);
    const QList<QColor> colours = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
    m_button->setPicture(strip(colours.mid(0, frames)));
    m_button->setPictures(pictures);
    m_button->setPictureOffset(offset);
    bringTo(look);
    const QImage shot = image();
    // A 12 pixel frame alone is centred: (100 - 12) / 2, (40 - 12) / 2.
    const int shift = look == Pressed ? offset : 0;
    const QPoint corner(44 + shift, 14 + shift);
    QCOMPARE(shot.pixelColor(corner), shown);
    QCOMPARE(shot.pixelColor(corner + QPoint(11, 11)), shown);
    QVERIFY(shot.pixelColor(corner + QPoint(12, 12)) != shown);
    if (shift > 0) QVERIFY(shot.pixelColor(corner - QPoint(1, 1)) != shown);
}

void StyledButtonTest::maskColour_data() {
    QTest::addColumn<bool>("useMask");
    QTest::addColumn<QColor>("mask");
    QTest::addColumn<bool>("greenShown");
    QTest::addColumn<bool>("redShown");
    QTest::newRow("green is transparent") << true << QColor(0, 255, 0) << false << true;
    QTest::newRow("mask off") << false << QColor(0, 255, 0) << true << true;
    QTest::newRow("red as mask colour") << true << QColor(255, 0, 0) << true << false;
    QTest::newRow("red mask, off") << false << QColor(255, 0, 0) << true << true;
}

void StyledButtonTest::maskColour() {
    QFETCH(bool, useMask);
    QFETCH(QColor, mask);
    QFETCH(bool, greenShown);
    QFETCH(bool, redShown);
    m_button->setPicture(strip({QColor(255, 0, 0), QColor(0, 0, 255)}));
    m_button->setUseMaskColor(useMask);
    m_button->setMaskColor(mask);
    const QImage shot = image();
    QCOMPARE(shot.pixelColor(44 + 6, 14 + 6) == QColor(0, 255, 0), greenShown);
    QCOMPARE(shot.pixelColor(44 + 1, 14 + 1) == QColor(255, 0, 0), redShown);
    // Where the picture is transparent the face shows through.
    if (!redShown) QVERIFY(near(shot.pixelColor(44 + 1, 14 + 1), grey(235), 10));
}

void StyledButtonTest::narrowStripShowsNothing() {
    QPixmap narrow(2, 12);
    narrow.fill(QColor(255, 0, 0));
    m_button->setPicture(narrow);
    m_button->setPictures(3);
    QCOMPARE(inkRows(image(), QColor(255, 0, 0)).first, -1);
    m_button->setPictures(2);
    QCOMPARE(inkRows(image(), QColor(255, 0, 0)), qMakePair(14, 25));
}

void StyledButtonTest::pictureBesideCaption() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    m_button->setFont(font);
    m_button->setText(QStringLiteral("Start"));
    m_button->setPicture(strip({QColor(255, 0, 0), QColor(0, 0, 255)}));
    const QImage shot = image();
    const auto picture = inkColumns(shot, QColor(255, 0, 0));
    const auto text = inkColumns(shot, QColor(0, 0, 0));
    QCOMPARE(picture.second - picture.first + 1, 12);
    QVERIFY2(text.first >= picture.second + 1 + 5, qPrintable(QStringLiteral("text at %1").arg(text.first)));
    QVERIFY2(text.first <= picture.second + 1 + 5 + 2,
             qPrintable(QStringLiteral("text at %1").arg(text.first)));
    // Picture and caption together sit in the middle.
    const int leftMargin = picture.first;
    const int rightMargin = kWidth - 1 - text.second;
    QVERIFY2(qAbs(leftMargin - rightMargin) <= 3,
             qPrintable(QStringLiteral("margins %1 and %2").arg(leftMargin).arg(rightMargin)));
    // Vertically the picture is centred on its own.
    QCOMPARE(inkRows(shot, QColor(255, 0, 0)), qMakePair(14, 25));
}

void StyledButtonTest::captionColour_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("absent");
    QTest::newRow("enabled") << true << QColor(200, 0, 0) << QColor(131, 131, 131);
    QTest::newRow("disabled") << false << QColor(131, 131, 131) << QColor(200, 0, 0);
}

void StyledButtonTest::captionColour() {
    QFETCH(bool, enabled);
    QFETCH(QColor, ink);
    QFETCH(QColor, absent);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    m_button->setFont(font);
    m_button->setForeColor(QColor(200, 0, 0));
    m_button->setText(QStringLiteral("Annuleren"));
    m_button->setEnabled(enabled);
    const QImage shot = image();
    QVERIFY(inkRows(shot, ink).first >= 0);
    QCOMPARE(inkRows(shot, absent).first, -1);
}

void StyledButtonTest::wrappedCaptionStaysCentred_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("lines");
    // Capitals on every line and no letters below the line, so each line inks the same rows.
    QTest::newRow("one line") << QStringLiteral("Start") << 1;
    QTest::newRow("two lines") << QStringLiteral("Nieuwe Teams Maken") << 2;
    QTest::newRow("three lines") << QStringLiteral("Alle Scores Van Dit Team Nu Wissen") << 3;
}

void StyledButtonTest::wrappedCaptionStaysCentred() {
    QFETCH(QString, caption);
    QFETCH(int, lines);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    m_button->setFont(font);
    m_button->resize(90, 70);

    m_button->setText(QStringLiteral("Start"));
    const auto single = inkRows(image(), Qt::black);
    m_button->setText(caption);
    const QImage shot = image();
    const auto rows = inkRows(shot, Qt::black);

    const int lineSpacing = QFontMetrics(font).lineSpacing();
    const int inkHeight = rows.second - rows.first + 1;
    const int singleHeight = single.second - single.first + 1;
    QCOMPARE(inkHeight, singleHeight + (lines - 1) * lineSpacing);
    // The middle of the ink stays where the middle of a single line is.
    const int middle = rows.first + rows.second;
    const int singleMiddle = single.first + single.second;
    QVERIFY2(qAbs(middle - singleMiddle) <= 2, qPrintable(QStringLiteral("rows %1-%2, single line %3-%4")
                                                              .arg(rows.first)
                                                              .arg(rows.second)
                                                              .arg(single.first)
                                                              .arg(single.second)));
    // Every line stays inside the button, left and right.
    const auto columns = inkColumns(shot, Qt::black);
    QVERIFY(columns.first >= 1 && columns.second <= 90 - 3);
}

void StyledButtonTest::captionThatJustFitsLosesNoLine() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    m_button->setFont(font);
    const QString caption = QStringLiteral("Item Wissen"); // no descenders: both lines ink alike
    // Wide enough for one line over the full width, too narrow inside the right inset: the
    // caption is drawn on two lines, and both must be there.
    m_button->resize(QFontMetrics(font).horizontalAdvance(caption) + 1, 60);
    m_button->setText(QStringLiteral("Item"));
    const auto single = inkRows(image(), Qt::black);
    m_button->setText(caption);
    const auto rows = inkRows(image(), Qt::black);
    QCOMPARE(rows.second - rows.first, single.second - single.first + QFontMetrics(font).lineSpacing());
}

// ---- events ----

void StyledButtonTest::clicks_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("look");
    // h = hover, p = press, o = drag outside, r = release outside, c = click, f = focus,
    // n = no focus policy, s = Space key, d = disable
    QTest::newRow("mouse click") << "hc" << 1 << int(Hover);
    QTest::newRow("Space, cursor elsewhere") << "fs" << 1 << int(Focused);
    QTest::newRow("Space, cursor over") << "hfs" << 1 << int(Hover);
    QTest::newRow("dragged out, focused") << "hpor" << 0 << int(Focused);
    QTest::newRow("dragged out, no focus") << "nhpor" << 0 << int(Normal);
    QTest::newRow("disabled, mouse") << "dhc" << 0 << int(Disabled);
    QTest::newRow("disabled, Space") << "dfs" << 0 << int(Disabled);
}

void StyledButtonTest::clicks() {
    QFETCH(QString, actions);
    QFETCH(int, clicks);
    QFETCH(int, look);
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    const QPoint outside(kWidth + 20, kHeight / 2);
    for (const QChar action : actions) {
        switch (action.toLatin1()) {
        case 'h':
            hover();
            break;
        case 'p':
            press();
            break;
        case 'o':
            QTest::mouseMove(m_button, outside);
            QCOMPARE(m_button->buttonState(), int(Hover));
            break;
        case 'r':
            QTest::mouseRelease(m_button, Qt::LeftButton, {}, outside);
            m_pressed = false;
            break;
        case 'c':
            QTest::mouseClick(m_button, Qt::LeftButton);
            break;
        case 'f':
            m_button->setFocus();
            break;
        case 'n':
            m_button->setFocusPolicy(Qt::NoFocus);
            break;
        case 's':
            QTest::keyClick(m_button, Qt::Key_Space);
            break;
        case 'd':
            m_button->setEnabled(false);
            break;
        }
    }
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(m_button->buttonState(), look);
}

void StyledButtonTest::spaceHoldsPressedLook() {
    m_button->setPicture(strip({QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0)}));
    m_button->setPictures(3);
    m_button->setFocus();
    QSignalSpy clicked(m_button, &QAbstractButton::clicked);
    QTest::keyPress(m_button, Qt::Key_Space);
    QCOMPARE(m_button->buttonState(), int(Pressed));
    QCOMPARE(image().pixelColor(44, 14), QColor(255, 255, 0));
    QCOMPARE(clicked.count(), 0);
    QTest::keyRelease(m_button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(m_button->buttonState(), int(Focused));
    QCOMPARE(image().pixelColor(44, 14), QColor(255, 0, 0));
}

void StyledButtonTest::hoverInAndOut_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<int>("after");
    QTest::newRow("without focus") << false << int(Normal);
    QTest::newRow("with focus") << true << int(Focused);
}

void StyledButtonTest::hoverInAndOut() {
    QFETCH(bool, focused);
    QFETCH(int, after);
    if (focused) m_button->setFocus();
    QSignalSpy in(m_button, &StyledButton::mouseIn);
    QSignalSpy out(m_button, &StyledButton::mouseOut);
    hover();
    QCOMPARE(m_button->buttonState(), int(Hover));
    QVERIFY(in.count() >= 1);
    QCOMPARE(out.count(), 0);
    QTest::mouseMove(m_host, QPoint(250, 180));
    QCOMPARE(m_button->buttonState(), after);
    QCOMPARE(out.count(), 1);
    // No second farewell from the timer once the cursor is gone.
    QTest::qWait(50);
    QCOMPARE(out.count(), 1);
}

// A leave event can go missing; the cursor is polled as well.
void StyledButtonTest::hoverEndsWithoutLeaveEvent() {
    struct SwallowLeave : QObject {
        bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Leave; }
    } swallow;
    m_button->installEventFilter(&swallow);
    QSignalSpy out(m_button, &StyledButton::mouseOut);
    hover();
    QCOMPARE(m_button->buttonState(), int(Hover));
    QTest::qWait(50);
    QCOMPARE(m_button->buttonState(), int(Hover));
    QCOMPARE(out.count(), 0);
    parkCursor();
    QTRY_COMPARE(m_button->buttonState(), int(Normal));
    QCOMPARE(out.count(), 1);
    m_button->removeEventFilter(&swallow);
}

// A window can open under a resting cursor: the first thing the button sees is the click.
void StyledButtonTest::hoverEndsAfterClickWithoutMove() {
    QSignalSpy out(m_button, &StyledButton::mouseOut);
    QTest::mouseClick(m_button, Qt::LeftButton);
    QTRY_COMPARE(m_button->buttonState(), int(Focused));
    QCOMPARE(out.count(), 1);
}

void StyledButtonTest::focusLook_data() {
    QTest::addColumn<bool>("cursorOver");
    QTest::addColumn<int>("focusedLook");
    QTest::addColumn<int>("unfocusedLook");
    QTest::newRow("cursor elsewhere") << false << int(Focused) << int(Normal);
    QTest::newRow("cursor over") << true << int(Hover) << int(Hover);
}

void StyledButtonTest::focusLook() {
    QFETCH(bool, cursorOver);
    QFETCH(int, focusedLook);
    QFETCH(int, unfocusedLook);
    if (cursorOver) hover();
    m_button->setFocus();
    QCOMPARE(m_button->buttonState(), focusedLook);
    m_button->clearFocus();
    QCOMPARE(m_button->buttonState(), unfocusedLook);
}

void StyledButtonTest::disabledLeavesTabOrder_data() {
    QTest::addColumn<Qt::FocusPolicy>("policy");
    QTest::newRow("strong") << Qt::StrongFocus;
    QTest::newRow("tab") << Qt::TabFocus;
    QTest::newRow("click") << Qt::ClickFocus;
    QTest::newRow("none") << Qt::NoFocus;
}

void StyledButtonTest::disabledLeavesTabOrder() {
    QFETCH(Qt::FocusPolicy, policy);
    m_button->setFocusPolicy(policy);
    m_button->setEnabled(false);
    QCOMPARE(m_button->buttonState(), int(Disabled));
    QVERIFY(!(m_button->focusPolicy() & Qt::TabFocus));
    QCOMPARE(bool(m_button->focusPolicy() & Qt::ClickFocus), bool(policy & Qt::ClickFocus));
    m_button->setEnabled(true);
    QCOMPARE(m_button->buttonState(), int(Normal));
    QCOMPARE(m_button->focusPolicy(), policy);

    // A policy chosen while enabled is not overwritten by an old remembered one.
    m_button->setEnabled(false);
    m_button->setEnabled(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setEnabled(false);
    m_button->setEnabled(true);
    QCOMPARE(m_button->focusPolicy(), Qt::NoFocus);
}

void StyledButtonTest::disabledParentDisablesLook() {
    m_host->setEnabled(false);
    QCOMPARE(m_button->buttonState(), int(Disabled));
    QCOMPARE(image().pixelColor(kWidth / 2, 0), QColor(173, 178, 181));
    m_host->setEnabled(true);
    QCOMPARE(m_button->buttonState(), int(Normal));
    QCOMPARE(image().pixelColor(kWidth / 2, 0), QColor(112, 112, 112));
}

// A button disabled while held gets no release; once enabled it must not look held.
void StyledButtonTest::reEnabledButtonIsNotHeld() {
    m_button->setPicture(strip({QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0)}));
    m_button->setPictures(3);
    press();
    QCOMPARE(image().pixelColor(44, 14), QColor(255, 255, 0));
    m_button->setEnabled(false);
    m_button->setEnabled(true);
    QCOMPARE(m_button->buttonState(), int(Normal));
    QCOMPARE(image().pixelColor(44, 14), QColor(255, 0, 0));
}

// Each look is drawn once and shown again: whatever changes after a paint must show as it
// would on a button painted for the first time with it.
void StyledButtonTest::changeAfterPaintIsShown_data() {
    QTest::addColumn<int>("change");
    QTest::newRow("caption") << 0;
    QTest::newRow("caption colour") << 1;
    QTest::newRow("font") << 2;
    QTest::newRow("plain background colour") << 3;
    QTest::newRow("size") << 4;
}

void StyledButtonTest::changeAfterPaintIsShown() {
    QFETCH(int, change);
    const auto make = [this] {
        auto* button = new StyledButton(m_host);
        button->setGeometry(40, 50, kWidth, kHeight);
        button->setText(QStringLiteral("Zet"));
        button->setNoBackground(true);
        return button;
    };
    const auto apply = [change](StyledButton* button) {
        if (change == 0) button->setText(QStringLiteral("Gooi"));
        if (change == 1) button->setForeColor(QColor(200, 0, 0));
        if (change == 2) button->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
        if (change == 3) button->setBackColor(QColor(0, 90, 0));
        if (change == 4) button->resize(kWidth + 10, kHeight + 6);
    };
    StyledButton* shown = make();
    const QImage before = shown->grab().toImage();
    apply(shown);
    StyledButton* fresh = make();
    apply(fresh);
    const QImage after = shown->grab().toImage();
    QVERIFY(after != before);
    QCOMPARE(after, fresh->grab().toImage());
}

QTEST_MAIN(StyledButtonTest)
#include "test_styledbutton.moc"

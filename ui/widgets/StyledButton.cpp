// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/StyledButton.h"

#include "core/common/Utilities.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QHash>
#include <QPixmapCache>
#include <QPointer>
#include <QStaticText>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace vx {

namespace {

// One look per button state. The eight stops colour the face: upper band, lower band, and the
// one-pixel side strips above and below the band split. The rest colour the frame around it.
struct Look {
    QRgb stops[8];
    QRgb border;      // the outer line
    QRgb cornerSoft;  // border pixels beside a cut corner, half-way to the background: the round
    QRgb cornerDot;   // the pixel diagonally inside each cut corner
    QRgb innerTop;    // just inside the top border
    QRgb innerBottom; // just inside the bottom border
    QRgb sideTop;     // side pixels between a top corner and the side strips
    QRgb sideBottom;  // side pixels between the side strips and a bottom corner
};

constexpr QRgb grey(int g) {
    return qRgb(g, g, g);
}

constexpr Look kLooks[5] = {
    // Normal
    {{grey(242), grey(235), grey(221), grey(207), grey(251), grey(250), grey(246), grey(243)},
     grey(112),
     grey(176),
     grey(134),
     grey(252),
     grey(243),
     grey(251),
     grey(243)},
    // Hover
    {{qRgb(234, 246, 253), qRgb(217, 240, 252), qRgb(190, 230, 253), qRgb(167, 217, 245), qRgb(249, 253, 254),
      qRgb(245, 251, 254), qRgb(239, 249, 254), qRgb(233, 246, 253)},
     qRgb(60, 127, 177),
     qRgb(150, 184, 209),
     qRgb(86, 145, 189),
     qRgb(249, 253, 254),
     qRgb(233, 246, 253),
     qRgb(249, 253, 254),
     qRgb(233, 246, 253)},
    // Pressed
    {{qRgb(228, 243, 251), qRgb(196, 229, 246), qRgb(152, 209, 239), qRgb(104, 179, 219), qRgb(176, 195, 206),
      qRgb(154, 186, 203), qRgb(120, 170, 197), qRgb(85, 146, 181)},
     qRgb(44, 98, 139),
     qRgb(142, 169, 190),
     qRgb(74, 122, 158),
     qRgb(163, 180, 190),
     qRgb(104, 178, 218),
     qRgb(176, 195, 206),
     qRgb(85, 146, 181)},
    // Focused
    {{qRgb(236, 245, 250), qRgb(230, 242, 248), qRgb(206, 231, 244), qRgb(187, 219, 237), qRgb(52, 213, 254),
      qRgb(51, 212, 253), qRgb(56, 210, 252), qRgb(42, 207, 250)},
     qRgb(60, 127, 177),
     qRgb(150, 184, 209),
     qRgb(86, 145, 189),
     qRgb(166, 233, 251),
     qRgb(132, 213, 239),
     qRgb(52, 213, 254),
     qRgb(42, 207, 250)},
    // Disabled
    {{grey(244), grey(244), grey(244), grey(244), grey(252), grey(252), grey(252), grey(252)},
     qRgb(173, 178, 181),
     grey(214),
     grey(186),
     grey(252),
     grey(252),
     grey(252),
     grey(252)},
};

const QColor kDisabledCaption(131, 131, 131);
constexpr int kPictureGap = 5;
constexpr int kInset = 3;

// Fills x1 <= x < x2, y1 <= y < y2 from `top` in the first row to `bottom` in the last.
void fillGradient(QPainter& p, int x1, int y1, int x2, int y2, QRgb top, QRgb bottom) {
    if (x2 <= x1 || y2 <= y1) return;
    const QRect area(x1, y1, x2 - x1, y2 - y1);
    if (area.height() == 1) {
        p.fillRect(area, QColor(top));
        return;
    }
    QLinearGradient gradient(0, y1 + 0.5, 0, y2 - 0.5);
    gradient.setColorAt(0, QColor(top));
    gradient.setColorAt(1, QColor(bottom));
    p.fillRect(area, gradient);
}

// A row x1 <= x < x2 at y.
void row(QPainter& p, int x1, int x2, int y, QRgb color) {
    if (x2 > x1) p.fillRect(QRect(x1, y, x2 - x1, 1), QColor(color));
}

void dot(QPainter& p, int x, int y, QRgb color) {
    p.fillRect(QRect(x, y, 1, 1), QColor(color));
}

} // namespace

StyledButton::StyledButton(QWidget* parent) : QAbstractButton(parent) {
    QFont captionFont = font();
    captionFont.setFamily(QStringLiteral("Arial"));
    setFont(captionFont);
    // Moves without a button held are what start the hover look.
    setMouseTracking(true);
    // Before clicked(): its handler may open a dialog, which must see the button as usual.
    connect(this, &QAbstractButton::released, this, &StyledButton::paintLater);
}

void StyledButton::setForeColor(const QColor& color) {
    m_foreColor = color;
    restyle();
}

void StyledButton::setPicture(const QPixmap& picture) {
    m_picture = picture;
    preparePicture();
    restyle();
}

void StyledButton::setPictures(int count) {
    // A strip of no frames would have frames of infinite width; it is one frame, the whole picture.
    m_pictures = std::max(1, count);
    restyle();
}

void StyledButton::setUseMaskColor(bool use) {
    m_useMaskColor = use;
    preparePicture();
    restyle();
}

void StyledButton::setMaskColor(const QColor& color) {
    m_maskColor = color;
    preparePicture();
    restyle();
}

void StyledButton::setNoBackground(bool on) {
    m_noBackground = on;
    restyle();
}

QColor StyledButton::backColor() const {
    return m_backColor.isValid() ? m_backColor : palette().color(QPalette::Button);
}

void StyledButton::setBackColor(const QColor& color) {
    m_backColor = color;
    update();
}

void StyledButton::setPictureOffset(int pixels) {
    m_pictureOffset = pixels;
    m_drawnLooks = {};
}

void StyledButton::setDefault(bool on) {
    if (on == m_default) return;
    m_default = on;
    disconnect(m_focusWatch);
    if (on) m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
    update();
}

int StyledButton::lookShown() const {
    if (!m_default || m_state != Normal) return m_state;
    const QWidget* focus = window()->focusWidget();
    return focus != this && qobject_cast<const StyledButton*>(focus) ? Normal : Focused;
}

void StyledButton::preparePicture() {
    if (m_picture.width() < 1 || m_picture.height() < 1) {
        m_preparedPicture = QPixmap();
        return;
    }
    m_preparedPicture = m_picture;
    if (m_useMaskColor)
        m_preparedPicture.setMask(m_picture.createMaskFromColor(m_maskColor, Qt::MaskInColor));
}

void StyledButton::setState(int state) {
    if (state == m_state) return;
    m_state = state;
    update();
}

void StyledButton::buttonDown() {
    m_mouseIsDown = true;
    setState(Pressed);
}

void StyledButton::buttonUp(bool inside) {
    m_mouseIsDown = false;
    setState(inside ? Hover : (hasFocus() ? Focused : Normal));
    // A press can come without a move before it (a window opened under the cursor); the Hover
    // look it leaves must still end when the cursor goes.
    if (inside) startHoverTracking();
}

bool StyledButton::cursorIsOver() const {
    return QApplication::widgetAt(QCursor::pos()) == this;
}

void StyledButton::startHoverTracking() {
    if (!m_hoverTimer) {
        m_hoverTimer = new QTimer(this);
        m_hoverTimer->setObjectName(QStringLiteral("Hover"));
        m_hoverTimer->setInterval(10);
        connect(m_hoverTimer, &QTimer::timeout, this, &StyledButton::checkHover);
    }
    if (!m_hoverTimer->isActive()) m_hoverTimer->start();
}

// The leave event alone is not enough: it never comes when the cursor jumps straight from the
// button into another application's window on some systems, so the cursor is also polled.
void StyledButton::checkHover() {
    if (!cursorIsOver()) hoverEnded();
}

void StyledButton::hoverEnded() {
    m_hoverTimer->stop();
    if (isEnabled() && !m_mouseIsDown) setState(hasFocus() ? Focused : Normal);
    emit mouseOut();
}

void StyledButton::leaveEvent(QEvent* event) {
    if (m_hoverTimer && m_hoverTimer->isActive()) hoverEnded();
    QAbstractButton::leaveEvent(event);
}

void StyledButton::mousePressEvent(QMouseEvent* event) {
    if (!hitButton(event->position().toPoint())) return event->ignore(); // for the window behind
    buttonDown();
    QAbstractButton::mousePressEvent(event);
}

void StyledButton::mouseMoveEvent(QMouseEvent* event) {
    if (hitButton(event->position().toPoint())) {
        emit mouseIn();
        const int before = m_state;
        setState(m_mouseIsDown ? Pressed : Hover);
        if (m_state != before) startHoverTracking();
    } else {
        // Only seen while a button is held, as the press captures the mouse.
        setState(Hover);
    }
    QAbstractButton::mouseMoveEvent(event);
}

void StyledButton::mouseReleaseEvent(QMouseEvent* event) {
    // The state settles before the base class raises clicked(), whose handler may open a
    // dialog or even delete this button.
    buttonUp(hitButton(event->position().toPoint()));
    releaseWithoutEarlyPaint([&] { QAbstractButton::mouseReleaseEvent(event); });
}

// A click makes Qt paint the button at once, before released() and clicked(); what the handler
// then changes (this button disabled, the labels beside it) is painted in a second pass, and
// the parts of the window under the button's cut corners twice. Held back, the button is
// painted with the rest on the next pass of the event loop.
template <typename Release> void StyledButton::releaseWithoutEarlyPaint(Release&& release) {
    if (!updatesEnabled()) return release();
    const QPointer<StyledButton> self(this);
    m_paintHeld = true;
    setUpdatesEnabled(false);
    release();
    if (self) paintLater();
}

void StyledButton::paintLater() {
    if (!std::exchange(m_paintHeld, false)) return;
    setUpdatesEnabled(true);
}

void StyledButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) buttonDown();
    QAbstractButton::keyPressEvent(event);
}

void StyledButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) return QAbstractButton::keyReleaseEvent(event);
    buttonUp(cursorIsOver());
    releaseWithoutEarlyPaint([&] { QAbstractButton::keyReleaseEvent(event); });
}

void StyledButton::focusInEvent(QFocusEvent* event) {
    if (!cursorIsOver() && isEnabled() && !m_mouseIsDown) setState(Focused);
    QAbstractButton::focusInEvent(event);
}

void StyledButton::focusOutEvent(QFocusEvent* event) {
    if (!cursorIsOver() && isEnabled()) setState(Normal);
    QAbstractButton::focusOutEvent(event);
}

void StyledButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        // A disabled button gets no mouse release, so a press in progress would otherwise
        // stay held and show the pressed picture once it is enabled again.
        if (!isEnabled()) m_mouseIsDown = false;
        setState(isEnabled() ? Normal : Disabled);
        alignTabStop();
        update();
    }
    QAbstractButton::changeEvent(event);
}

// A disabled button leaves the tab order and takes its old place back once enabled.
void StyledButton::alignTabStop() {
    const Qt::FocusPolicy policy = focusPolicy();
    if (!isEnabled()) {
        if (policy & Qt::TabFocus) {
            m_savedFocusPolicy = policy;
            m_tabStopSaved = true;
            setFocusPolicy((policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
        }
    } else if (m_tabStopSaved) {
        if (m_savedFocusPolicy != policy) setFocusPolicy(m_savedFocusPolicy);
        m_tabStopSaved = false;
    }
}

// The four corner pixels are not part of the button: a click there is not a click on it, and
// the window behind shows through them. Done without a window mask, which would make Qt keep
// three rectangles per button in every region it repaints: a board of buttons whose enabled
// state flips at once then spends more time merging regions than painting.
bool StyledButton::hitButton(const QPoint& pos) const {
    const int right = width() - 1;
    const int bottom = height() - 1;
    return rect().contains(pos) && !((pos.x() == 0 || pos.x() == right) && (pos.y() == 0 || pos.y() == bottom));
}

void StyledButton::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const DrawnFor now{text(), font(), backColor(), size(), ratio};
    if (now != m_drawnFor) {
        m_drawnLooks = {};
        m_drawnFor = now;
    }
    const bool held = m_mouseIsDown && isEnabled();
    const int look = lookShown();
    QPixmap& drawn = m_drawnLooks[size_t(look * 4 + int(isEnabled()) * 2 + int(held))];
    if (drawn.isNull()) {
        // Opaque, so that showing it is a plain copy; the corners it fills are left out below.
        drawn = QPixmap(size() * ratio);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(backColor());
        QPainter painter(&drawn);
        painter.setFont(font());
        if (!m_noBackground || look == Hover || look == Pressed) painter.drawPixmap(0, 0, face(look, ratio));
        drawPictureAndCaption(painter);
    }
    // In three strips that leave out the corner pixels: plain copies, with no blending.
    const int w = width();
    const int h = height();
    QPainter painter(this);
    const auto strip = [&](const QRect& r) {
        painter.drawPixmap(r, drawn, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
    };
    strip(QRect(1, 0, w - 2, 1));
    strip(QRect(0, 1, w, h - 2));
    strip(QRect(1, h - 1, w - 2, 1));
}

QPixmap StyledButton::face(int look, qreal ratio) const {
    // The face depends on the look and the size only, and a board of 60 equal buttons
    // switches look all at once at the end of every leg: draw each face once and reuse it.
    // Looked up by number rather than by a name formatted each time.
    static QHash<quint64, QPixmapCache::Key> faces;
    QPixmapCache::Key& key = faces[quint64(look) << 56 | quint64(width() & 0xffff) << 40 |
                                   quint64(height() & 0xffff) << 24 | quint64(qRound(ratio * 100) & 0xffffff)];
    QPixmap face;
    if (!QPixmapCache::find(key, &face)) {
        face = QPixmap(size() * ratio);
        face.setDevicePixelRatio(ratio);
        face.fill(Qt::transparent);
        QPainter facePainter(&face);
        drawFace(facePainter, look);
        facePainter.end();
        key = QPixmapCache::insert(face);
    }
    return face;
}

void StyledButton::restyle() {
    m_drawnLooks = {};
    update();
}

void StyledButton::drawFace(QPainter& p, int state) const {
    const Look& look = kLooks[state];
    const QRgb* s = look.stops;
    const int w = width();
    const int h = height();
    const int m = int(roundHalfEven(h / 2.2));

    fillGradient(p, 2, 2, w - 2, m, s[0], s[1]);
    fillGradient(p, 2, m, w - 2, h - 2, s[2], s[3]);
    fillGradient(p, 1, 3, 2, m, s[4], s[5]);
    fillGradient(p, w - 2, 3, w - 1, m, s[4], s[5]);
    fillGradient(p, 1, m, 2, h - 3, s[6], s[7]);
    fillGradient(p, w - 2, m, w - 1, h - 3, s[6], s[7]);

    row(p, 2, w - 2, 0, look.border);
    row(p, 2, w - 2, h - 1, look.border);
    p.fillRect(QRect(0, 2, 1, h - 4), QColor(look.border));
    p.fillRect(QRect(w - 1, 2, 1, h - 4), QColor(look.border));
    for (const QPoint soft : {QPoint(1, 0), QPoint(0, 1), QPoint(w - 2, 0), QPoint(w - 1, 1),
                              QPoint(0, h - 2), QPoint(1, h - 1), QPoint(w - 1, h - 2), QPoint(w - 2, h - 1)})
        dot(p, soft.x(), soft.y(), look.cornerSoft);
    for (const QPoint inner : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
        dot(p, inner.x(), inner.y(), look.cornerDot);
    row(p, 2, w - 2, 1, look.innerTop);
    row(p, 2, w - 2, h - 2, look.innerBottom);
    dot(p, 1, 2, look.sideTop);
    dot(p, w - 2, 2, look.sideTop);
    dot(p, 1, h - 3, look.sideBottom);
    dot(p, w - 2, h - 3, look.sideBottom);

    if (state == Pressed) {
        // The sunken look: shading under the top edge near the corners, a faint light below
        // it, and a darker rim along the bottom.
        row(p, 2, 5, 1, qRgb(151, 170, 180));
        row(p, w - 5, w - 2, 1, qRgb(157, 175, 185));
        row(p, 2, 4, 2, qRgb(220, 237, 246));
        row(p, w - 4, w - 2, 2, qRgb(220, 237, 245));
        row(p, 2, 5, h - 2, qRgb(99, 172, 211));
        row(p, w - 5, w - 2, h - 2, qRgb(109, 181, 220));
    } else if (state == Focused) {
        // The glow inside the side strips.
        fillGradient(p, 2, 2, 3, h - 2, qRgb(165, 232, 251), qRgb(161, 230, 249));
        fillGradient(p, w - 3, 2, w - 2, h - 2, qRgb(165, 232, 251), qRgb(161, 230, 249));
    }
}

QSize StyledButton::sizeHint() const {
    const int frameWidth = m_preparedPicture.width() / m_pictures;
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = text().isEmpty() ? 0 : metrics.horizontalAdvance(text());
    const int gap = frameWidth > 0 && textWidth > 0 ? kPictureGap : 0;
    return {2 * kInset + frameWidth + gap + textWidth,
            2 * kInset + std::max(metrics.height(), m_preparedPicture.height())};
}

void StyledButton::drawPictureAndCaption(QPainter& p) const {
    const int w = width();
    const int h = height();
    const QString caption = text();
    // A strip narrower than its frame count has no frame to show.
    const int frameWidth = m_preparedPicture.width() / m_pictures;
    const bool hasPicture = frameWidth > 0;
    const int pictureHeight = m_preparedPicture.height();
    const bool held = m_mouseIsDown && isEnabled();

    // The caption is measured in the width it is drawn in (up to the right inset, or right of
    // the picture): measured wider, a caption that just fits would wrap on drawing and lose
    // its last line.
    // Lines only break at blanks: a caption of one line without one ("20", "Correctie") is
    // laid out once and kept, since a board of them repaints together at the end of every leg.
    const bool oneWord = !caption.contains(u' ') && !caption.contains(u'\n');
    QRect textBounds;
    if (oneWord && !caption.isEmpty()) {
        if (m_laidOutCaption.text() != caption || m_laidOutFont != font()) {
            m_laidOutCaption = QStaticText(caption);
            m_laidOutCaption.setTextFormat(Qt::PlainText);
            m_laidOutCaption.prepare(QTransform(), font());
            m_laidOutFont = font();
        }
        textBounds = QRect(QPoint(0, 0), m_laidOutCaption.size().toSize());
    } else if (!caption.isEmpty()) {
        const int wrapWidth =
            hasPicture ? std::max(1, w - 2 * kInset - frameWidth - kPictureGap) : std::max(1, w - kInset);
        textBounds = fontMetrics().boundingRect(QRect(0, 0, wrapWidth, h),
                                                Qt::AlignHCenter | Qt::TextWordWrap, caption);
    }

    int textLeft = 0;
    if (hasPicture) {
        int frame = 0;
        if (m_pictures >= 2 && !isEnabled())
            frame = 1;
        else if (m_pictures == 3 && held)
            frame = 2;
        const int block = caption.isEmpty() ? frameWidth : frameWidth + kPictureGap + textBounds.width();
        int x = std::max(kInset, (w - block) / 2);
        int y = std::max(kInset, (h - pictureHeight) / 2);
        textLeft = x + frameWidth + kPictureGap;
        if (held) {
            x += m_pictureOffset;
            y += m_pictureOffset;
        }
        p.save();
        p.setClipRect(QRect(kInset, kInset, w - 2 * kInset, h - 2 * kInset));
        p.drawPixmap(QPoint(x, y), m_preparedPicture,
                     QRect(frame * frameWidth, 0, frameWidth, pictureHeight));
        p.restore();
    }

    if (caption.isEmpty()) return;
    const int top = (h - textBounds.height()) / 2;
    const int bottom = (h + textBounds.height()) / 2;
    const QRect area(textLeft, top, w - kInset - textLeft, bottom - top);
    p.setPen(isEnabled() ? m_foreColor : kDisabledCaption);
    if (oneWord) {
        const int left = hasPicture ? area.left() : area.left() + (area.width() - textBounds.width()) / 2;
        p.save();
        p.setClipRect(area.adjusted(0, 0, 0, 1), Qt::IntersectClip);
        p.drawStaticText(QPoint(left, area.top()), m_laidOutCaption);
        p.restore();
        return;
    }
    p.drawText(area, (hasPicture ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop | Qt::TextWordWrap,
               caption);
}

} // namespace vx

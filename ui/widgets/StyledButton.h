// SPDX-License-Identifier: GPL-3.0-or-later
// The push-button of every window: a glossy two-band gradient face with rounded corners, an
// optional picture taken from a strip of frames and a word-wrapped caption. The look follows the
// mouse, the keyboard focus and the enabled state; clicking behaves as any Qt button.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QStaticText>

#include <array>

class QPainter;
class QTimer;

namespace vx {

class StyledButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(int pictures READ pictures WRITE setPictures)
    Q_PROPERTY(bool useMaskColor READ useMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(QColor maskColor READ maskColor WRITE setMaskColor)
    Q_PROPERTY(bool noBackground READ noBackground WRITE setNoBackground)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int pictureOffset READ pictureOffset WRITE setPictureOffset)

  public:
    enum ButtonState { Normal = 0, Hover = 1, Pressed = 2, Focused = 3, Disabled = 4 };

    explicit StyledButton(QWidget* parent = nullptr);

    // Caption colour while enabled; a disabled caption is always grey.
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);

    // A horizontal strip of `pictures` equally wide frames: frame 0 normally, frame 1 while
    // disabled, frame 2 (of a three-frame strip) while held down.
    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    int pictures() const { return m_pictures; }
    void setPictures(int count);

    bool useMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use);
    QColor maskColor() const { return m_maskColor; }
    void setMaskColor(const QColor& color);

    // Without background only the Hover and Pressed looks draw the face; the others show the
    // caption and picture on the plain background colour.
    bool noBackground() const { return m_noBackground; }
    void setNoBackground(bool on);

    // Follows the palette's button colour until set.
    QColor backColor() const;
    void setBackColor(const QColor& color);

    // How far the picture moves right and down while the button is held; no redraw of its own.
    int pictureOffset() const { return m_pictureOffset; }
    void setPictureOffset(int pixels);

    int buttonState() const { return m_state; }

    // A dialog's confirming button: Enter presses it unless another button has the focus, and
    // so it shows the focused look meanwhile.
    bool isDefault() const { return m_default; }
    void setDefault(bool on);

    // The smallest size that shows the caption on one line, beside the picture, within the
    // face's insets: a window that gives less sees the caption wrap.
    QSize sizeHint() const override;

  signals:
    void mouseIn();
    void mouseOut();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setState(int state);
    void buttonDown();
    void buttonUp(bool inside);
    bool cursorIsOver() const;
    void startHoverTracking();
    void checkHover();
    void hoverEnded();
    void alignTabStop();
    template <typename Release> void releaseWithoutEarlyPaint(Release&& release);
    void paintLater();
    void preparePicture();
    int lookShown() const;
    void restyle();
    QPixmap face(int look, qreal ratio) const;
    void drawFace(QPainter& painter, int look) const;
    void drawPictureAndCaption(QPainter& painter) const;

    QColor m_foreColor{0, 0, 0};
    QPixmap m_picture;
    QPixmap m_preparedPicture; // the strip with the mask colour made transparent
    int m_pictures = 2;
    bool m_useMaskColor = true;
    QColor m_maskColor{0, 255, 0};
    bool m_noBackground = false;
    QColor m_backColor; // invalid: the palette's button colour
    int m_pictureOffset = 0;
    bool m_default = false;
    QMetaObject::Connection m_focusWatch; // while default: the look follows the window's focus

    int m_state = Normal;
    bool m_mouseIsDown = false;
    bool m_paintHeld = false; // updates are off from a release until released() is emitted
    bool m_tabStopSaved = false;
    Qt::FocusPolicy m_savedFocusPolicy = Qt::StrongFocus;
    QTimer* m_hoverTimer = nullptr;       // made on the first hover, so idle buttons cost nothing
    mutable QStaticText m_laidOutCaption; // a one-line caption, laid out once
    mutable QFont m_laidOutFont;
    // Each look as last drawn whole (face, picture and caption), by look, enabled and held: a
    // board of buttons changes look together at the end of every leg, to looks shown before.
    // Kept while what they were drawn with stays; the setters of the rest let them go.
    struct DrawnFor {
        QString caption;
        QFont font;
        QColor back;
        QSize size;
        qreal ratio = 0;
        bool operator==(const DrawnFor&) const = default;
    };
    DrawnFor m_drawnFor;
    std::array<QPixmap, 20> m_drawnLooks;
};

} // namespace vx

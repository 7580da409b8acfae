// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/HelpPanel.h"

#include "core/common/Utilities.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace vx {

namespace {

// The whole help page, painted once: title, the help lines by their number, the pictures,
// the closing line. Lines are never moved aside for the pictures; the text leaves room.
QImage PaintHelpPage(const QStringList& lines, const std::array<QLabel*, 5>& illustrations) {
    QImage page(twipsToPixels(11295), twipsToPixels(9750), QImage::Format_RGB32);
    page.fill(QColor(0, 30, 0));
    QPainter p(&page);
    QFont font(QStringLiteral("Arial"), 8);
    auto print = [&](int left, int top, const QString& text) {
        p.setFont(font);
        p.drawText(twipsToPixels(left), twipsToPixels(top) + QFontMetrics(font).ascent(), text);
    };
    font.setBold(true);
    p.setPen(QColor(230, 230, 30));
    print(150, 150, QCoreApplication::translate("vx::HelpPanel", "Beknopte uitleg programma Vorlentix"));
    font.setBold(false);
    p.setPen(QColor(230, 230, 230));
    for (int n = 0; n < lines.size(); ++n)
        print(150, 540 + 240 * n, lines[n]);
    const std::array<int, 5> tops = {1800, 3480, 5140, 6360, 7800};
    for (int i = 0; i < 5; ++i)
        p.drawPixmap(twipsToPixels(165), twipsToPixels(tops[i]), illustrations[i]->pixmap());
    p.setPen(QColor(230, 230, 30));
    print(150, 9000,
          QCoreApplication::translate("vx::HelpPanel",
                                      "Klik nogmaals op de Helpknop om dit scherm weer te verlaten."));
    return page;
}

} // namespace

HelpPanel::HelpPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("HelpFrame"));
    hide();
    m_pageViewport = MakeControl<QFrame>(this, QStringLiteral("PicCont"));
    m_page = MakeControl<QLabel>(m_pageViewport, QStringLiteral("SlidePic"));
    m_scrollBarBack = MakeControl<QLabel>(this, QStringLiteral("Label20"));
    m_scrollBar = MakeControl<QScrollBar>(this, QStringLiteral("VScroll1"));
    m_wholePage = MakeControl<QLabel>(this, QStringLiteral("SlideBackPic"));
    m_wholePage->hide();
    m_lineList = MakeControl<QListWidget>(parent, QStringLiteral("HelpList"));
    m_lineList->hide();
    for (int i = 1; i <= 5; ++i) {
        QLabel* label = m_illustrationLabels[i - 1] =
            MakeControl<QLabel>(parent, QStringLiteral("Image%1").arg(i));
        label->hide();
    }
    m_page->installEventFilter(this);
    connect(m_scrollBar, &QScrollBar::valueChanged, this, &HelpPanel::followScrollBar);
}

void HelpPanel::setHelpLines(const QStringList& lines) {
    m_lines = lines;
    m_lineList->clear();
    m_lineList->addItems(lines);
}

QList<QImage> HelpPanel::illustrations() const {
    QList<QImage> images;
    for (const QLabel* label : m_illustrationLabels)
        images << label->pixmap().toImage();
    return images;
}

void HelpPanel::compose(const QColor& screen) {
    placeTwips(this, 150, 3120, 12000, 4500);
    setBackColor(this, screen);
    placeTwips(m_pageViewport, 150, 270, 11295, 4050);
    placeTwips(m_page, 0, 0, 11295, 4050);
    placeTwips(m_scrollBarBack, 11490, 270, 360, 4050);
    placeTwips(m_scrollBar, 11520, 300, 300, 3990);
    placeTwips(m_wholePage, 0, 0, 11295, 9750);

    for (int i = 1; i <= 5; ++i)
        m_illustrationLabels[i - 1]->setPixmap(uiPicture(QStringLiteral("HelpImage%1.png").arg(i)));
    m_pageImage = PaintHelpPage(m_lines, m_illustrationLabels);
    m_wholePage->setPixmap(QPixmap::fromImage(m_pageImage));
}

void HelpPanel::open() {
    show();
    m_page->setPixmap(m_wholePage->pixmap());
    m_page->resize(m_wholePage->pixmap().size());
    m_scrollRange = qAbs(m_pageViewport->height() - m_page->height());
    m_scrollBar->setMaximum(m_scrollRange);
}

bool HelpPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            m_grabY = static_cast<int>(roundHalfAway(mouse->position().y()));
    } else if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        dragPage(mouse->buttons(), static_cast<int>(roundHalfAway(mouse->position().y())));
    }
    return QFrame::eventFilter(watched, event);
}

void HelpPanel::dragPage(Qt::MouseButtons buttons, int y) {
    if (buttons != Qt::LeftButton) return;
    m_pageTop = qBound(-m_scrollRange, y - m_grabY + m_page->y(), 0);
    m_page->move(m_page->x(), m_pageTop);
    m_scrollBar->setValue(-m_pageTop);
}

void HelpPanel::followScrollBar() {
    m_pageTop = -m_scrollBar->value();
    m_page->move(m_page->x(), m_pageTop);
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MenuStrip.h"

#include "core/common/Services.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QTimer>

namespace vx {

namespace {

// Translated where they are shown.
const std::array<const char*, 12> kMonthNames = {
    QT_TRANSLATE_NOOP("vx::MenuStrip", "Januari"),   QT_TRANSLATE_NOOP("vx::MenuStrip", "Februari"),
    QT_TRANSLATE_NOOP("vx::MenuStrip", "Maart"),     QT_TRANSLATE_NOOP("vx::MenuStrip", "April"),
    QT_TRANSLATE_NOOP("vx::MenuStrip", "Mei"),       QT_TRANSLATE_NOOP("vx::MenuStrip", "Juni"),
    QT_TRANSLATE_NOOP("vx::MenuStrip", "Juli"),      QT_TRANSLATE_NOOP("vx::MenuStrip", "Augustus"),
    QT_TRANSLATE_NOOP("vx::MenuStrip", "September"), QT_TRANSLATE_NOOP("vx::MenuStrip", "Oktober"),
    QT_TRANSLATE_NOOP("vx::MenuStrip", "November"),  QT_TRANSLATE_NOOP("vx::MenuStrip", "December"),
};

} // namespace

MenuStrip::MenuStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame3"));
    for (int i = 0; i < kButtons; ++i) {
        StyledButton* button = m_buttons[i] =
            MakeControl<StyledButton>(this, indexedName(QStringLiteral("MenuKnop"), i));
        connect(button, &StyledButton::clicked, this, [this, i] { emit buttonClicked(i); });
        connect(button, &StyledButton::mouseIn, this, [this, i] { emit mouseOnButton(i); });
        connect(button, &StyledButton::mouseOut, this, &MenuStrip::mouseOffButton);
    }
    m_clockLabel = MakeControl<QLabel>(this, QStringLiteral("KlokLabel"));
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setInterval(500);
    connect(m_clockTimer, &QTimer::timeout, this, &MenuStrip::showTime);
    m_clockTimer->start();
}

void MenuStrip::compose(const QColor& screen, const QColor& clockText) {
    placeTwips(this, 150, 7890, 12000, 990);
    setBackColor(this, screen);
    for (int i = 0; i < kButtons; ++i) {
        placeTwips(m_buttons[i], 135 + 675 * i, 240, 600, 600);
        m_buttons[i]->setPicture(uiPicture(QStringLiteral("MenuKnop%1.png").arg(i)));
        m_buttons[i]->setText(QString());
    }
    setForeColor(m_clockLabel, clockText);
    m_clockLabel->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    placeCaption(m_clockLabel, QStringLiteral("00:00:00"), 10380, 360);
}

void MenuStrip::showTime() {
    // The date makes the text far longer than the "00:00:00" it was placed for: it grows to the
    // left, keeping its right end where the strip has room for it.
    const int right = m_clockLabel->geometry().right();
    const QDateTime now = clock().now();
    const QDate date = now.date();
    m_clockLabel->setText(QStringLiteral("%1 %2 %3 / %4")
                              .arg(date.day())
                              .arg(tr(kMonthNames[date.month() - 1]))
                              .arg(date.year(), 4, 10, QLatin1Char('0'))
                              .arg(now.time().toString(QStringLiteral("H:mm:ss"))));
    m_clockLabel->adjustSize();
    m_clockLabel->move(right + 1 - m_clockLabel->width(), m_clockLabel->y());
}

} // namespace vx

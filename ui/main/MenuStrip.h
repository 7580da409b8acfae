// SPDX-License-Identifier: GPL-3.0-or-later
// The menu strip: the nine picture buttons of the main commands and the clock.
#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QTimer;

namespace vx {

class StyledButton;

class MenuStrip : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kButtons = 9;

    explicit MenuStrip(QWidget* parent);

    void compose(const QColor& screen, const QColor& clockText);
    StyledButton* button(int index) const { return m_buttons.at(index); }

  signals:
    // Button 0 to 8, from the left.
    void buttonClicked(int index);
    void mouseOnButton(int index);
    void mouseOffButton();

  private:
    void showTime();

    std::array<StyledButton*, kButtons> m_buttons{};
    QLabel* m_clockLabel = nullptr;
    QTimer* m_clockTimer = nullptr;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The duo panel: per player the remaining score, the name, the leg's turns, the turn
// so far, the checkout suggestion, the average and the add button, the mark of the one who
// started the leg; below them the target and the table of sets and legs, and the
// button to the next leg.
#pragma once

#include <QFrame>
#include <array>

class QLabel;
class QListWidget;

namespace vx {

class DuoMatch;
struct DuoSetup;
class StyledButton;

class DuoPanel : public QFrame {
    Q_OBJECT
  public:
    explicit DuoPanel(QWidget* parent);

    void compose(const QColor& screen, const QColor& dartBox);

    // Names, target and the table's columns of a match just set up.
    void showSetup(const DuoSetup& setup);
    // Everything that moves during a match; the composed captions stay until one is started.
    void showMatch(const DuoMatch& match);

    StyledButton* addButton(int player) const { return controls(player).addButton; }

  signals:
    void addPressed(int player);
    void nextLegPressed();

  private:
    struct PlayerControls {
        QLabel* remainingLabel = nullptr;
        QLabel* nameLabel = nullptr;
        QListWidget* turnList = nullptr;
        QLabel* turnTotalLabel = nullptr;
        QLabel* starterMark = nullptr;
        StyledButton* addButton = nullptr;
        QLabel* checkoutLabel = nullptr;
        QLabel* averageLabel = nullptr;
        QLabel* tableNameLabel = nullptr;
        QLabel* setsLabel = nullptr;
        QLabel* legsLabel = nullptr;
    };
    const PlayerControls& controls(int player) const { return m_players.at(player - 1); }

    std::array<PlayerControls, 2> m_players{};
    QLabel* m_titleLabel = nullptr;
    QLabel* m_scoreCaption = nullptr;
    QLabel* m_targetLabel = nullptr;
    QFrame* m_table = nullptr;
    QLabel* m_tableHeading = nullptr;
    StyledButton* m_nextLegButton = nullptr;
};

} // namespace vx

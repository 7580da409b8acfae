// SPDX-License-Identifier: GPL-3.0-or-later
// The team panel: the remaining score before the turn, the team and the player at the
// board, the leg's turn list, the board picture with a marker for every dart of the turn, and
// the list the scorer picks the next player from.
#pragma once

#include <QFrame>
#include <QImage>

class QLabel;
class QListWidget;

namespace vx {

class StyledButton;
class TeamLeg;
class TeamMatch;

class TeamPanel : public QFrame {
    Q_OBJECT
  public:
    explicit TeamPanel(QWidget* parent);

    void compose(const QColor& screen);

    // Team name, player name and number; "?" and "1" stay until a team is set up.
    void showPlayer(const TeamMatch& match);
    // The remaining score and the turns, once a leg is in play.
    void showLeg(const TeamLeg& leg);

    // The board picture, without markers; a null image leaves the box plain.
    void setBoardImage(const QImage& board);
    const QImage& boardImage() const { return m_boardImage; }
    // The board as shown, with the markers of the turn.
    const QImage& markedBoard() const { return m_markedBoard; }
    void markDart(const QString& dartCode);
    void clearMarkers();

    // The players to pick from, in order, over the board picture.
    void offerPlayers(const QStringList& names);
    bool isOfferingPlayers() const;

  signals:
    void nextPlayerPressed();
    // The 0-based row of the player picked; the list has gone.
    void playerPicked(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void pickPlayer(int row);

    QLabel* m_remainingLabel = nullptr;
    QLabel* m_teamCaption = nullptr;
    QLabel* m_teamNameLabel = nullptr;
    QLabel* m_playerCaption = nullptr;
    QLabel* m_playerNameLabel = nullptr;
    QLabel* m_turnListFrame = nullptr;
    QListWidget* m_turnList = nullptr;
    QLabel* m_boardFrame = nullptr;
    QLabel* m_boardLabel = nullptr;
    QLabel* m_matchCaption = nullptr;
    QLabel* m_playerNumberLabel = nullptr;
    QListWidget* m_playerList = nullptr;
    StyledButton* m_nextPlayerButton = nullptr;
    QImage m_boardImage;
    QImage m_markedBoard;
};

} // namespace vx

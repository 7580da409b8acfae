// SPDX-License-Identifier: GPL-3.0-or-later
// The scoreboard for the players and the audience: a window of its own, meant for a television
// on the wall, that shows the match in play in digits readable across a club room. It follows
// the match model's signals and paints only when they fire; it reads no control of the main
// window, and nothing it does changes the match.
#pragma once

#include "core/match/SessionState.h"

#include <QHash>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;
class QTimer;

namespace vx {

class DuoMatch;
class MainWindow;
class TeamMatch;

// What the board shows, as text. A duo match has two sides, a team match one.
struct ScoreboardTexts {
    struct Side {
        QString name;      // duo: the player; team: the number and name of the player at the board
        QString remaining; // the score less the darts of the turn in progress
        bool bust = false; // the darts in hand went past the score: it stands as before them
        QString sets;      // duo sets match only
        QString legs;      // duo only
        QStringList turns; // duo: the last turn; team: the last turns of the leg, oldest first
        bool operator==(const Side&) const = default;
    };
    QString heading; // duo: the target ("First to 3 Sets"); team: the team
    QList<Side> sides;
    int atTheThrow = 0; // 1-based side at the throw; 0 when nobody throws
    QString average;    // team only: the leg's average per dart
    QStringList darts;  // the points of the darts of the turn in progress
    QString checkout;   // the suggestion for the one at the throw; empty when there is none
    QStringList banner; // "Game shot!" and who won what, for a while after a leg is won
    bool operator==(const ScoreboardTexts&) const = default;
};

ScoreboardTexts scoreboardTexts(const DuoMatch& match);
ScoreboardTexts scoreboardTexts(const TeamMatch& match);

// What a finished leg won; the banner names the most the leg decided.
enum class GameShot { Leg, Set, Match };
QStringList gameShotBanner(GameShot won, const QString& winner);
// The word shown over a score the darts in hand went past, in the language in force.
QString bustText();

class ScoreboardWindow : public QWidget {
    Q_OBJECT
  public:
    // The team leg shows this many of its last turns.
    static constexpr int kTeamTurnsShown = 5;

    // A window of its own (not a child of the main window's client area) that goes with `main`.
    explicit ScoreboardWindow(MainWindow& main);

    // The banner stays this long unless a dart comes first.
    static constexpr int kBannerMs = 4000;

    // Shows the board: full screen on a screen other than the main window's when there is one,
    // else as a normal window.
    void open();
    // Shows the board where it was: on that screen, full screen or in that place.
    void openAt(const ScoreboardPlace& place);

    ScoreboardTexts texts() const;
    // Where the remaining score of side `side` (1-based) is drawn, in the window's pixels.
    QRect remainingBox(int side) const;
    // Where the banner is drawn.
    QRect bannerBox() const;

  signals:
    void closed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Layout {
        QRect heading;
        struct Side {
            QRect frame, name, remaining, counts, turns;
        };
        QList<Side> sides;
        QRect footer;
    };
    Layout layout(int sides) const;
    struct Footer {
        QRect darts, checkout;
    };
    static Footer footer(const Layout& l);
    // Where a text fitted to `box` may draw: its picture has a margin for strokes beyond the font.
    static QRect reach(const QRect& box);
    void drawScore(QPainter& p, const QRect& box, const QString& score, const QColor& colour);
    // Within what the paint event in progress was asked to paint.
    void fill(QPainter& p, const QRegion& area, const QColor& colour);
    void drawPicture(QPainter& p, const QPoint& at, const QImage& picture);
    // `text` in the pen's colour, in the largest bold Arial that fits the box: `fill` of its
    // height, and its width.
    void drawFitted(QPainter& p, const QRect& box, const QString& text, int flags, double fill = 0.8);
    // Marks for repainting what differs from the board as last painted.
    void follow();
    void showBanner(GameShot won, const QString& winner);
    // Keeps where the board is for a match played on after a crash.
    void notePlace(bool open);

    MainWindow& m_main;
    ScoreboardTexts m_painted;
    struct DrawnText {
        QImage picture; // just the ink
        QPoint offset;  // of the picture from the box's top left
    };
    // The digits 0 to 9 and their advance, by the box's width (bits 48 up) and height (32 to 47)
    // and the colour (0 to 31): the font that fits a box is sought once.
    struct Digits {
        int width = 0;
        QList<DrawnText> pictures;
    };
    QHash<quint64, Digits> m_digits;
    QStringList m_banner;
    QTimer* m_bannerTimer = nullptr;
    struct TextKey {
        QString text;
        int flags;
        double fill;
        QSize size;
        QRgb colour;
        bool operator==(const TextKey&) const = default;
        friend size_t qHash(const TextKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.text, k.flags, k.size.width(), k.size.height(), k.colour, k.fill);
        }
    };
    QHash<TextKey, DrawnText> m_texts;
    // What the paint event in progress was asked to paint.
    QRegion m_region;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The dart board of buttons: the 20 singles, doubles and trebles, the bulls, the miss,
// Correctie, the three dart slots, the checkout suggestion of a team match and what is being
// typed on the keyboard; beside it the add button of a team match. It shows a turn and passes
// the presses on; what a dart does is the match's business.
#pragma once

#include <QFrame>
#include <array>
#include <optional>

class QLabel;
class QListWidget;

namespace vx {

class StyledButton;
class Turn;

class DartBoardPanel : public QFrame {
    Q_OBJECT
  public:
    // The add button is placed in `parent` beside the board.
    explicit DartBoardPanel(QWidget* parent);

    void compose(const QColor& screen, const QColor& dartBox);

    // The three dart slots.
    void showTurn(const Turn& turn);
    // The team match's suggestion; "Darts Checkout" when there is none.
    void showCheckout(const std::optional<QString>& suggestion);
    void showTurnTotal(int total);
    // What is typed on the keyboard, in red while it is no dart yet.
    void showTyped(const QString& text, bool valid);
    // All 63 dart buttons together; the add button and Correctie are not touched.
    void setDartButtonsEnabled(bool enable);
    // The captions of the three rows: the step times the segment, 1 to 20. Captions only: a
    // button scores by its row and segment, never by what it shows.
    void numberDartButtons(int singleStep, int doubleStep, int trebleStep);
    // A team match has its own add button and suggestion; a duo match has them per player.
    void showForTeam(bool team);
    void setAddEnabled(bool enable);

    // The never-shown list of the checkout table, kept under its name for outside scripts.
    void listCheckoutTable(const QStringList& table);

    // The button that enters the dart with this code ("T20", "B25"; empty for a miss).
    StyledButton* dartButton(const QString& dartCode) const;
    StyledButton* correctionButton() const { return m_correctionButton; }
    StyledButton* addButton() const { return m_addButton; }

  signals:
    void dartPressed(int points, const QString& dartCode);
    void correctionPressed();
    void addPressed();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<std::array<StyledButton*, 20>, 3> m_rows{}; // single, double, treble; segment - 1
    StyledButton* m_outerBullButton = nullptr;
    StyledButton* m_bullsEyeButton = nullptr;
    StyledButton* m_missButton = nullptr;
    StyledButton* m_correctionButton = nullptr;
    std::array<QLabel*, 3> m_rowCaptions{};
    QLabel* m_bottomCaption = nullptr;
    std::array<QLabel*, 3> m_dartSlots{};
    QLabel* m_slotCaption = nullptr;
    QLabel* m_checkoutLabel = nullptr;
    QListWidget* m_checkoutList = nullptr;
    QLabel* m_typedDartLabel = nullptr;
    StyledButton* m_addButton = nullptr;
};

} // namespace vx

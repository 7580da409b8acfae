// The settings dialog: the footer text of the printed pages and the numbering of the dart
// buttons on the board.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace vx {

class MainWindow;
class StyledButton;

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SettingsDialog(MainWindow& main, QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // the footer text
    QLabel* Label8 = nullptr;
    QRadioButton* Option1 = nullptr; // every row numbered 1 to 20
    QRadioButton* Option2 = nullptr; // every button numbered by the points it scores
    QLabel* Image1 = nullptr;
    StyledButton* ResetKnop = nullptr;
    QLabel* Label5 = nullptr;
    StyledButton* CancelKnop = nullptr;
    StyledButton* OkKnop = nullptr;

  private:
    // Captions only: a button scores by its row and index, never by what it shows.
    void NumberButtons(int singleStep, int doubleStep, int trebleStep);
    void ResetKnop_Click();
    void OkKnop_Click();
    MainWindow& m_main;
};

} // namespace vx

// The settings dialog: the footer text of the printed pages and the numbering of the dart
// buttons on the board.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace vx {

class Main;
class VistaButton;

class ConfigForm : public QDialog {
    Q_OBJECT
  public:
    explicit ConfigForm(Main& main, QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr; // the footer text
    QLabel* Label8 = nullptr;
    QRadioButton* Option1 = nullptr; // every row numbered 1 to 20
    QRadioButton* Option2 = nullptr; // every button numbered by the points it scores
    QLabel* Image1 = nullptr;
    VistaButton* ResetKnop = nullptr;
    QLabel* Label5 = nullptr;
    VistaButton* CancelKnop = nullptr;
    VistaButton* OkKnop = nullptr;

  private:
    // Captions only: a button scores by its row and index, never by what it shows.
    void NumberButtons(int singleStep, int doubleStep, int trebleStep);
    void ResetKnop_Click();
    void OkKnop_Click();
    Main& m_main;
};

} // namespace vx

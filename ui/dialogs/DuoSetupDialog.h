// The duo match setup: the score list file of the pair, the two players, the "First to" target
// in sets or legs and the start score; OK prepares the duo panel for the first leg.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vx {

class MainWindow;
class StyledButton;

class DuoSetupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DuoSetupDialog(MainWindow& main, QWidget* parent = nullptr);

    QComboBox* Combo3 = nullptr; // score list file name
    QLabel* Label5 = nullptr;
    StyledButton* NewKnop = nullptr;
    QLineEdit* Text1 = nullptr; // player 1
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr; // player 2
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr;            // target
    std::array<QRadioButton*, 3> Option1{}; // index 1 Sets, 2 Legs
    QLabel* Label4 = nullptr;
    QComboBox* Combo2 = nullptr; // start score
    QLabel* Image1 = nullptr;
    StyledButton* CancelKnop = nullptr;
    StyledButton* OkKnop = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void NewKnop_Click();
    void OkKnop_Click();
    void Refuse(const QString& message, QWidget* box);

    MainWindow& m_main;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The duo match setup: the score list file of the pair, the two players, the "First to" target
// in sets or legs and the start score; OK prepares the duo panel for the first leg.
#pragma once

#include <QDialog>

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

    QComboBox* fileNameCombo = nullptr; // score list file name
    QLabel* fileNameLabel = nullptr;
    StyledButton* newButton = nullptr;
    QLineEdit* player1Edit = nullptr; // player 1
    QLabel* player1Label = nullptr;
    QLineEdit* player2Edit = nullptr; // player 2
    QLabel* player2Label = nullptr;
    QLabel* targetLabel = nullptr;
    QComboBox* targetCombo = nullptr; // target
    QRadioButton* setsOption = nullptr;
    QRadioButton* legsOption = nullptr;
    QLabel* startScoreLabel = nullptr;
    QComboBox* startScoreCombo = nullptr; // start score
    QLabel* pictureLabel = nullptr;
    StyledButton* cancelButton = nullptr;
    StyledButton* okButton = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void askNewFileName();
    void startMatch();
    void refuse(const QString& message, QWidget* box);

    MainWindow& m_main;
};

} // namespace vx

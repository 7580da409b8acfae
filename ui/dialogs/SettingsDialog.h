// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: the footer text of the printed pages and the numbering of the dart
// buttons on the board, the caller on or off, the language and scale of the program, and where
// the match history goes.
#pragma once

#include "core/common/DisplayScale.h"
#include "core/common/Language.h"
#include "core/files/Settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
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

    QLineEdit* footerEdit = nullptr; // the footer text
    QLabel* footerLabel = nullptr;
    QRadioButton* rowNumbersOption = nullptr;   // every row numbered 1 to 20
    QRadioButton* pointNumbersOption = nullptr; // every button numbered by the points it scores
    QCheckBox* callerCheck = nullptr;           // the caller on or off
    QLabel* languageLabel = nullptr;
    QComboBox* languageChoice = nullptr; // Nederlands or English, kept in the options file
    QLabel* languageNote = nullptr;      // shown while a choice is not the one in force
    QLabel* scaleLabel = nullptr;
    QComboBox* scaleChoice = nullptr; // 100 % to 200 % or Passend, kept in the options file
    QLabel* historyLabel = nullptr;
    QComboBox* historyChoice = nullptr; // Deze computer or Clubserver, kept in the options file
    // The club server's fields, in use while it is chosen.
    QLineEdit* hostEdit = nullptr;
    QLineEdit* portEdit = nullptr;
    QLineEdit* databaseEdit = nullptr;
    QLineEdit* userEdit = nullptr;
    QLineEdit* boardEdit = nullptr;
    QLabel* pictureLabel = nullptr;
    StyledButton* resetButton = nullptr;
    QLabel* resetLabel = nullptr;
    StyledButton* cancelButton = nullptr;
    StyledButton* okButton = nullptr;

    Language chosenLanguage() const;
    DisplayScale chosenScale() const;
    HistoryPlace chosenHistoryPlace() const;

  private:
    void showNextStartNote();
    void resetSettings();
    void storeFooter();
    void showHistoryPlace(const HistoryPlace& place);
    void enableServerFields();
    MainWindow& m_main;
};

} // namespace vx

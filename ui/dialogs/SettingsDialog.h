// The settings dialog: the footer text of the printed pages and the numbering of the dart
// buttons on the board, and the caller on or off.
#pragma once

#include <QDialog>

class QCheckBox;
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
    QLabel* pictureLabel = nullptr;
    StyledButton* resetButton = nullptr;
    QLabel* resetLabel = nullptr;
    StyledButton* cancelButton = nullptr;
    StyledButton* okButton = nullptr;

  private:
    void resetSettings();
    void storeFooter();
    MainWindow& m_main;
};

} // namespace vx

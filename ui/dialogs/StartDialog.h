// The first window: the choice between a Duo Match and a Team Match.
#pragma once

#include "ui/main/MainWindow.h"

#include <QDialog>
#include <QPointer>
#include <array>

class QLabel;
class QRadioButton;

namespace vx {

class StyledButton;

class StartDialog : public QDialog {
    Q_OBJECT
  public:
    explicit StartDialog(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 3> Option1{}; // index 1 Duo Match, 2 Team Match
    StyledButton* OkKnop = nullptr;
    StyledButton* CancelKnop = nullptr;

    // The main window while it is open; null once it has been closed.
    MainWindow* mainWindow() const { return m_main; }

  private:
    void OkKnop_Click();
    QPointer<MainWindow> m_main;
};

} // namespace vx

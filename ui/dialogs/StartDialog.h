// SPDX-License-Identifier: GPL-3.0-or-later
// The first window: the choice between a Duo Match and a Team Match.
#pragma once

#include "ui/main/MainWindow.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QRadioButton;

namespace vx {

class StyledButton;

class StartDialog : public QDialog {
    Q_OBJECT
  public:
    explicit StartDialog(QWidget* parent = nullptr);

    QLabel* promptLabel = nullptr;
    QRadioButton* duoMatchOption = nullptr;
    QRadioButton* teamMatchOption = nullptr;
    StyledButton* openButton = nullptr;
    StyledButton* exitButton = nullptr;

    // The main window while it is open; null once it has been closed.
    MainWindow* mainWindow() const { return m_main; }
    // Shows a composed main window over this dialog, as Open does.
    void showMainWindow(MainWindow* main);

  private:
    void openMainWindow();
    QPointer<MainWindow> m_main;
};

} // namespace vx

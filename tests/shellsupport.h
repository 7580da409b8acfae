// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dialogs as a test sees them: every modal dialog the window opens is recorded
// by its class name and handed to the test, which may drive it instead of the user.
#pragma once

#include "ui/main/MainWindow.h"

#include <QDialog>
#include <QStringList>
#include <functional>

namespace vxtest {

class DialogRecorder {
  public:
    // Runs while the dialog is "open"; its return value is the dialog's result. Without one the
    // dialog is closed at once, as if cancelled.
    std::function<int(QDialog&)> onOpen;
    QStringList opened; // class names without the namespace, e.g. "SaveForm"

    DialogRecorder() {
        vx::MainWindow::runDialog = [this](QDialog& dialog) {
            opened << dialog.objectName();
            return onOpen ? onOpen(dialog) : int(QDialog::Rejected);
        };
    }
    ~DialogRecorder() { vx::MainWindow::runDialog = nullptr; }
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;
};

} // namespace vxtest

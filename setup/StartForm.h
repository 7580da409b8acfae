// The first window: the choice between a Duo Match and a Team Match.
#pragma once

#include "app/Main.h"

#include <QDialog>
#include <QPointer>
#include <array>

class QLabel;
class QRadioButton;

namespace vx {

class VistaButton;

class StartForm : public QDialog {
    Q_OBJECT
  public:
    explicit StartForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    std::array<QRadioButton*, 3> Option1{}; // index 1 Duo Match, 2 Team Match
    VistaButton* OkKnop = nullptr;
    VistaButton* CancelKnop = nullptr;

    // The main window while it is open; null once it has been closed.
    Main* mainWindow() const { return m_main; }

  private:
    void OkKnop_Click();
    QPointer<Main> m_main;
};

} // namespace vx

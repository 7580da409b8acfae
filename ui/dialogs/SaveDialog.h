// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog: shows the name the score list goes under, writes the file, then shows a
// short progress run before it closes.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>

class QLabel;
class QLineEdit;

namespace vx {

class MainWindow;
class StyledButton;

class SaveDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SaveDialog(MainWindow& main, QWidget* parent = nullptr);

    // Called for every wait of the progress run; vx::pause unless a test puts its own here.
    static std::function<void(double seconds)> pause;

    QLineEdit* nameEdit = nullptr;  // the name saved under; read-only in a team match
    QLabel* progressBar = nullptr;  // the progress bar, hidden until the file is written
    QLabel* percentLabel = nullptr; // the percentage
    StyledButton* saveButton = nullptr;
    StyledButton* cancelButton = nullptr;

    const QImage& barImage() const { return m_bar; }

  private:
    void save();
    void fillBar(int width);
    MainWindow& m_main;
    QImage m_bar;
};

} // namespace vx

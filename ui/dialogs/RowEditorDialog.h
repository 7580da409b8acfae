// SPDX-License-Identifier: GPL-3.0-or-later
// The score list item editor: one row's text, "Out" mark, 25 turn scores and average, written
// back or deleted on request.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vx {

class MainWindow;
class StyledButton;

class RowEditorDialog : public QDialog {
    Q_OBJECT
  public:
    // Edits the first selected row of the main window's ListView1; with none selected, the
    // first row of the list.
    explicit RowEditorDialog(MainWindow& main, QWidget* parent = nullptr);

    // 0-based row of the score list being edited; -1 for an empty list.
    int editedRow() const { return m_row; }

    void updateAverage();
    void changeRow();
    void deleteRow();

    QLineEdit* nameEdit = nullptr;
    QLabel* nameLabel = nullptr;
    QLabel* itemLabel = nullptr;
    std::array<QComboBox*, 26> cellCombos{}; // 0: "Out", 1..25: the turn scores
    std::array<QLabel*, 26> cellLabels{};
    QLineEdit* averageEdit = nullptr;
    QLabel* averageLabel = nullptr;
    StyledButton* changeButton = nullptr;
    StyledButton* deleteButton = nullptr;
    StyledButton* closeButton = nullptr;

  private:
    void fillFields();

    MainWindow& m_main;
    int m_row = -1;
};

} // namespace vx

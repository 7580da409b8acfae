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

    void Combo1_Change();
    void WijzigKnop_Click();
    void DelKnop_Click();

    QLineEdit* Text1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QComboBox*, 26> Combo1{}; // 0: "Out", 1..25: the turn scores
    std::array<QLabel*, 26> Label2{};
    QLineEdit* Text3 = nullptr;
    QLabel* Label4 = nullptr;
    StyledButton* WijzigKnop = nullptr;
    StyledButton* DelKnop = nullptr;
    StyledButton* CancelKnop = nullptr;

  private:
    void fillFields();

    MainWindow& m_main;
    int m_row = -1;
};

} // namespace vx

// The print dialog: the printer (or a PDF file), one of the four reports with a small preview
// of it, the page-number switch for the score list, and printing.
#pragma once

#include "core/review/Reports.h"

#include <QDialog>
#include <QImage>
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QRadioButton;

namespace vx {

class MainWindow;
class StyledButton;

class PrintDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrintDialog(MainWindow& main, QWidget* parent = nullptr);

    void Combo2_Click(int position);
    void Option1_Click(int index);
    void PrintKnop_Click();

    QLabel* Label2 = nullptr;   // the border behind the preview
    QLabel* Picture1 = nullptr; // the preview
    QLabel* Label1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QFrame* Frame1 = nullptr;
    std::array<QRadioButton*, 4> Option1{};
    QCheckBox* Check1 = nullptr;
    StyledButton* CancelKnop = nullptr;
    StyledButton* PrintKnop = nullptr;

    // The first page of each report, in the order of Option1, drawn when the dialog opens.
    std::array<QImage, 4> PicScreen;

  private:
    // Report `index` in Option1's order, drawn on any page interface: preview or printer.
    PrintResult runReport(int index, PageSink& sink) const;
    void showTitle();

    MainWindow& m_main;
};

} // namespace vx

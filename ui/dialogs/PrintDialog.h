// SPDX-License-Identifier: GPL-3.0-or-later
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

    void choosePrinterAt(int position);
    void showPreview(int index);
    void printChosenReports();

    QLabel* previewFrame = nullptr; // the border behind the preview
    QLabel* previewLabel = nullptr; // the preview
    QLabel* printerLabel = nullptr;
    QComboBox* printerCombo = nullptr;
    QFrame* reportFrame = nullptr;
    std::array<QRadioButton*, 4> reportOptions{};
    QCheckBox* pageNumbersCheck = nullptr;
    StyledButton* cancelButton = nullptr;
    StyledButton* printButton = nullptr;

    // The first page of each report, in the order of reportOptions, drawn when the dialog opens.
    std::array<QImage, 4> reportPreviews;

  private:
    // Report `index` in the order of reportOptions, drawn on any page interface: preview or printer.
    PrintResult runReport(int index, PageSink& sink) const;
    void showTitle();

    MainWindow& m_main;
};

} // namespace vx

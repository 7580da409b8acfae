// SPDX-License-Identifier: GPL-3.0-or-later
// The printer the reports go to. It starts as the system's default printer and can be replaced
// in the print dialog by another installed printer or by a PDF file; the choice holds for the
// rest of the run and serves the statistics printout too.
#pragma once

#include "core/review/Reports.h"

#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vx {

// The entry after the printers in the print dialog's list: print to a file chosen per report.
QString pdfChoiceCaption();

// Device names of the installed printers, in the order the print service lists them.
QStringList installedPrinterNames();

// The current choice: a PDF file, or an installed printer by name.
bool currentIsPdf();
QString currentPrinterName();
// The name the print dialog's title shows: the printer, or "PDF-bestand" (translated).
QString currentTargetTitle();

// Makes the printer at `position` of installedPrinterNames() current; the position just past
// the last printer (where the dialog lists pdfChoiceCaption()) chooses the PDF file.
void choosePrinter(int position);

// The paper a report is printed on: A4 when the printer has it (or tells nothing of its paper),
// otherwise the printer's own paper, onto which the page is then scaled (twipScale()).
QPageSize paperFor(const QList<QPageSize>& printerPapers, const QPageSize& printerDefault);

// Asks for the name of the PDF file to write; an empty name means the user cancelled.
using PdfFileAsker = std::function<QString(QWidget* parent, const QString& suggestedName)>;
// Replaces the save-file dialog (tests); an empty function restores it.
void setPdfFileAsker(PdfFileAsker asker);

// Prints one document on the current printer, `documentName` being the job's title and the
// suggested file name. Every failure is told to the user; true once it was handed to
// the printer or written. A cancelled file choice prints nothing and is no failure: false
// without a message.
bool printDocument(QWidget* parent, const QString& documentName,
                   const std::function<PrintResult(PageSink&)>& report);

} // namespace vx

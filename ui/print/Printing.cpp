// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/print/Printing.h"

#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "core/files/TextFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace vx {

namespace {

// Until the user chooses, the current printer follows the system: its default printer, else
// the first installed one, else a PDF file, so printing always has somewhere to go.
struct Choice {
    bool made = false;
    bool pdf = false;
    QString printer;
};

Choice& chosen() {
    static Choice choice;
    return choice;
}

Choice current() {
    if (chosen().made) return chosen();
    Choice system;
    system.printer = QPrinterInfo::defaultPrinterName();
    if (system.printer.isEmpty()) {
        const QStringList installed = installedPrinterNames();
        if (installed.isEmpty())
            system.pdf = true;
        else
            system.printer = installed.first();
    }
    return system;
}

PdfFileAsker& asker() {
    static PdfFileAsker function;
    return function;
}

QString askPdfFile(QWidget* parent, const QString& suggestedName) {
    if (asker()) return asker()(parent, suggestedName);
    return QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("vx::Printing", "Afdrukken naar PDF-bestand"), suggestedName,
        QCoreApplication::translate("vx::Printing", "PDF-bestanden (*.pdf)"));
}

} // namespace

QString pdfChoiceCaption() {
    return QCoreApplication::translate("vx::Printing", "PDF-bestand...");
}

QStringList installedPrinterNames() {
    return QPrinterInfo::availablePrinterNames();
}

bool currentIsPdf() {
    return current().pdf;
}

QString currentPrinterName() {
    return current().printer;
}

QString currentTargetTitle() {
    const Choice choice = current();
    return choice.pdf ? QCoreApplication::translate("vx::Printing", "PDF-bestand") : choice.printer;
}

void choosePrinter(int position) {
    const QStringList installed = installedPrinterNames();
    if (position < 0 || position > installed.size()) return;
    Choice& choice = chosen();
    choice.made = true;
    choice.pdf = position == installed.size();
    choice.printer = choice.pdf ? QString() : installed[position];
}

QPageSize paperFor(const QList<QPageSize>& printerPapers, const QPageSize& printerDefault) {
    const QPageSize a4(QPageSize::A4);
    const bool hasA4 = std::any_of(printerPapers.begin(), printerPapers.end(),
                                   [&](const QPageSize& paper) { return paper.isEquivalentTo(a4); });
    if (hasA4 || printerPapers.isEmpty()) return a4;
    return printerDefault.isValid() ? printerDefault : printerPapers.first();
}

void setPdfFileAsker(PdfFileAsker function) {
    asker() = std::move(function);
}

namespace {

// Qt's PDF writer truncates the file it is given as soon as it starts and never reports a
// failed write, so on a full disk the old file would be gone and a cut-short one left without a
// word. The document is made in memory instead and written whole, or not at all, the way every
// file of the program is.
bool PrintPdf(const QString& file, const QString& documentName,
              const std::function<PrintResult(PageSink&)>& report) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    PrintResult result;
    {
        QPdfWriter writer(&bytes);
        writer.setTitle(documentName);
        writer.setResolution(1200); // as QPrinter::HighResolution writes PDF
        writer.setPageSize(QPageSize(QPageSize::A4));
        PainterPageSink sink(writer);
        result = report(sink);
    }
    if (!result.ok()) {
        showMessage(result.error);
        return false;
    }
    QString why;
    if (!writeFileAtomic(file, bytes.data(), &why)) {
        showMessage(
            QCoreApplication::translate("vx::Printing", "Het PDF-bestand \"%1\" is niet geschreven: %2.")
                .arg(QDir::toNativeSeparators(file), why));
        return false;
    }
    return true;
}

} // namespace

bool printDocument(QWidget* parent, const QString& documentName,
                   const std::function<PrintResult(PageSink&)>& report) {
    const Choice choice = current();
    if (choice.pdf) {
        QString file = askPdfFile(
            parent, QDir(startFolder(SavedFile::Pdf)).filePath(documentName + QStringLiteral(".pdf")));
        if (file.isEmpty()) return false;
        rememberFolder(SavedFile::Pdf, file);
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
        return PrintPdf(file, documentName, report);
    }
    // A printer that has gone since it was chosen would silently turn into a PDF writer
    // without a file: say so instead.
    if (!installedPrinterNames().contains(choice.printer)) {
        showMessage(
            choice.printer.isEmpty()
                ? QCoreApplication::translate(
                      "vx::Printing", "Er is geen printer gekozen. Kies een printer of \"%1\" in het venster "
                                      "Afdrukken.")
                      .arg(pdfChoiceCaption())
                : QCoreApplication::translate(
                      "vx::Printing", "De printer \"%1\" is niet beschikbaar. Kies een andere printer of "
                                      "\"%2\" in het venster Afdrukken.")
                      .arg(choice.printer, pdfChoiceCaption()));
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPrinterName(choice.printer);
    const QPrinterInfo info = QPrinterInfo::printerInfo(choice.printer);
    printer.setPageSize(paperFor(info.supportedPageSizes(), info.defaultPageSize()));
    PainterPageSink sink(printer);
    const PrintResult result = report(sink);
    if (!result.ok()) {
        showMessage(result.error);
        return false;
    }
    return true;
}

} // namespace vx

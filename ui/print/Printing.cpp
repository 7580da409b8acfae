#include "ui/print/Printing.h"

#include "core/common/Services.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
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
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Afdrukken naar PDF-bestand"), suggestedName,
                                        QStringLiteral("PDF-bestanden (*.pdf)"));
}

} // namespace

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
    return choice.pdf ? QStringLiteral("PDF-bestand") : choice.printer;
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

bool printDocument(QWidget* parent, const QString& documentName,
                   const std::function<PrintResult(PageSink&)>& report) {
    const Choice choice = current();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (choice.pdf) {
        QString file =
            askPdfFile(parent, QDir(folders().homeDir).filePath(documentName + QStringLiteral(".pdf")));
        if (file.isEmpty()) return false;
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
    } else {
        // A printer that has gone since it was chosen would silently turn into a PDF writer
        // without a file: say so instead.
        if (!installedPrinterNames().contains(choice.printer)) {
            showMessage(choice.printer.isEmpty()
                            ? QStringLiteral("Er is geen printer gekozen. Kies een printer of \"") +
                                  kPdfChoice + QStringLiteral("\" in het venster Afdrukken.")
                            : QStringLiteral("De printer \"") + choice.printer +
                                  QStringLiteral("\" is niet beschikbaar. Kies een andere printer of \"") +
                                  kPdfChoice + QStringLiteral("\" in het venster Afdrukken."));
            return false;
        }
        printer.setPrinterName(choice.printer);
        const QPrinterInfo info = QPrinterInfo::printerInfo(choice.printer);
        printer.setPageSize(paperFor(info.supportedPageSizes(), info.defaultPageSize()));
    }
    PainterPageSink sink(printer);
    const PrintResult result = report(sink);
    if (!result.ok()) {
        showMessage(result.error);
        return false;
    }
    return true;
}

} // namespace vx

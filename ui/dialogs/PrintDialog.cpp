// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/PrintDialog.h"

#include "core/common/Language.h"
#include "core/common/Services.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"
#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace vx {

namespace {

const QColor kFormColour(220, 220, 190);

const char* const kReportCaptions[4]{QT_TRANSLATE_NOOP("vx::PrintDialog", "Print Scorelijst"),
                                     QT_TRANSLATE_NOOP("vx::PrintDialog", "Print Dart Checkout Lijst"),
                                     QT_TRANSLATE_NOOP("vx::PrintDialog", "Print Helptekst"),
                                     QT_TRANSLATE_NOOP("vx::PrintDialog", "Print Afmetingen Dartbord")};
// The print job's title, which is also the name a PDF file is offered under: the user's
// language, like the report itself.
const char* const kDocumentNames[4]{QT_TRANSLATE_NOOP("vx::PrintDialog", "Vorlentix Scorelijst"),
                                    QT_TRANSLATE_NOOP("vx::PrintDialog", "Vorlentix Dart Checkout Lijst"),
                                    QT_TRANSLATE_NOOP("vx::PrintDialog", "Vorlentix Helptekst"),
                                    QT_TRANSLATE_NOOP("vx::PrintDialog", "Vorlentix Afmetingen Dartbord")};

template <class T> T* make(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

} // namespace

PrintDialog::PrintDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("AfdrukForm"));
    sizeTwips(this, 6900, 3840);
    // The form's small font: the captions were laid out for it.
    setFont(QFont(QStringLiteral("Arial"), 8));
    setBackColor(this, kFormColour);

    previewFrame = make<QLabel>(this, QStringLiteral("Label2"));
    previewFrame->setFrameStyle(QFrame::Box | QFrame::Plain);
    placeTwips(previewFrame, 180, 210, 2955, 2205);
    previewLabel = make<QLabel>(this, QStringLiteral("Picture1"));
    previewLabel->setAlignment(Qt::AlignCenter);
    placeTwips(previewLabel, 240, 270, 2820, 2070);

    printerLabel = make<QLabel>(this, QStringLiteral("Label1"));
    printerLabel->setText(tr("Printer Keuze"));
    placeTwips(printerLabel, 3360, 165);
    printerCombo = make<QComboBox>(this, QStringLiteral("Combo2"));
    setBackColor(printerCombo, QColor(240, 210, 210));
    placeTwipsWidth(printerCombo, 3360, 420, 3255);

    reportFrame = make<QFrame>(this, QStringLiteral("Frame1"));
    reportFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    setBackColor(reportFrame, kFormColour);
    placeTwips(reportFrame, 3360, 900, 3255, 1500);
    for (int i = 0; i < 4; ++i) {
        reportOptions[i] = make<QRadioButton>(reportFrame, QStringLiteral("Option1(%1)").arg(i));
        reportOptions[i]->setText(tr(kReportCaptions[i]));
        setBackColor(reportOptions[i], kFormColour);
        // Laid out on the dialog; the frame holds them so they form one group.
        placeTwips(reportOptions[i], 3510 - 3360, 1110 + 300 * i - 900, i == 3 ? 3000 : 2400, 285);
        connect(reportOptions[i], &QRadioButton::clicked, this, [this, i] { showPreview(i); });
    }

    pageNumbersCheck = make<QCheckBox>(this, QStringLiteral("Check1"));
    pageNumbersCheck->setText(tr("Pagina nummers afdrukken"));
    // Page numbers are on at the start: a list of more than one page is easier to keep in order.
    pageNumbersCheck->setChecked(true);
    setBackColor(pageNumbersCheck, kFormColour);
    placeTwips(pageNumbersCheck, 330, 2550, 2400, 285);

    cancelButton = make<StyledButton>(this, QStringLiteral("CancelKnop"));
    cancelButton->setText(tr("Annuleren"));
    placeTwips(cancelButton, 4590, 2850, 990, 360);
    connect(cancelButton, &StyledButton::clicked, this, &QDialog::reject);
    printButton = make<StyledButton>(this, QStringLiteral("PrintKnop"));
    printButton->setText(tr("Print"));
    placeTwips(printButton, 5625, 2850, 990, 360);
    connect(printButton, &StyledButton::clicked, this, &PrintDialog::printChosenReports);
    setDialogButtons(*this, printButton, cancelButton);

    // The printers in the print service's order, then the PDF file; the current one shown.
    const QStringList printers = installedPrinterNames();
    printerCombo->addItems(printers);
    printerCombo->addItem(pdfChoiceCaption());
    printerCombo->setCurrentIndex(currentIsPdf() ? int(printers.size())
                                                 : int(printers.indexOf(currentPrinterName())));
    connect(printerCombo, &QComboBox::currentIndexChanged, this, &PrintDialog::choosePrinterAt);
    showTitle();

    for (int i = 0; i < 4; ++i)
        reportPreviews[i] = renderPagePreview([this, i](PageSink& sink) { (void)runReport(i, sink); });
    reportOptions[0]->setChecked(true);
    showPreview(0);
}

void PrintDialog::showTitle() {
    setWindowTitle(tr("Afdrukken (%1)").arg(currentTargetTitle()));
}

void PrintDialog::choosePrinterAt(int position) {
    choosePrinter(position);
    showTitle();
}

void PrintDialog::showPreview(int index) {
    previewLabel->clear();
    pageNumbersCheck->hide();
    if (index == 0) pageNumbersCheck->show();
    previewLabel->setPixmap(QPixmap::fromImage(reportPreviews[index]));
}

void PrintDialog::printChosenReports() {
    for (int i = 0; i < 4; ++i) {
        if (!reportOptions[i]->isChecked()) continue;
        // A report that was not printed keeps the dialog open for another printer or file.
        if (!printDocument(this, tr(kDocumentNames[i]),
                           [this, i](PageSink& sink) { return runReport(i, sink); }))
            return;
    }
    accept();
}

PrintResult PrintDialog::runReport(int index, PageSink& sink) const {
    const QString& footer = m_main.session.footerText;
    switch (index) {
    case 0:
        return printScoreList(sink, m_main.scoreList, m_main.isDuoMatch(), pageNumbersCheck->isChecked(),
                              footer);
    case 1:
        return printCheckoutTable(sink, m_main.checkoutTable(), footer);
    case 2:
        return printHelpText(sink, m_main.helpLines(), m_main.helpIllustrations(), footer);
    default:
        return printBoardDimensions(sink, folders().dataFile(dataFileInUiLanguage(QStringLiteral("Afmetingen.jpg"))), footer);
    }
}

} // namespace vx

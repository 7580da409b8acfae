#include "ui/dialogs/PrintDialog.h"

#include "ui/widgets/FormLook.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/print/Printing.h"
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

const std::array<QString, 4> kReportCaptions{
    QStringLiteral("Print Scorelijst"), QStringLiteral("Print Dart Checkout Lijst"),
    QStringLiteral("Print Helptekst"), QStringLiteral("Print Afmetingen Dartbord")};
// The print job's title, which is also the name a PDF file is offered under.
const std::array<QString, 4> kDocumentNames{
    QStringLiteral("Vorlentix Scorelijst"), QStringLiteral("Vorlentix Dart Checkout Lijst"),
    QStringLiteral("Vorlentix Helptekst"), QStringLiteral("Vorlentix Afmetingen Dartbord")};

template <class T> T* make(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

QStringList lines(const QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

} // namespace

PrintDialog::PrintDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("AfdrukForm"));
    SizeTwips(this, 6900, 3840);
    // The form's small font: the captions were laid out for it.
    setFont(QFont(QStringLiteral("Arial"), 8));
    SetBackColor(this, kFormColour);

    Label2 = make<QLabel>(this, QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceTwips(Label2, 180, 210, 2955, 2205);
    Picture1 = make<QLabel>(this, QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignCenter);
    PlaceTwips(Picture1, 240, 270, 2820, 2070);

    Label1 = make<QLabel>(this, QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Printer Keuze"));
    PlaceTwips(Label1, 3360, 165);
    Combo2 = make<QComboBox>(this, QStringLiteral("Combo2"));
    SetBackColor(Combo2, QColor(240, 210, 210));
    PlaceTwipsWidth(Combo2, 3360, 420, 3255);

    Frame1 = make<QFrame>(this, QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    SetBackColor(Frame1, kFormColour);
    PlaceTwips(Frame1, 3360, 900, 3255, 1500);
    for (int i = 0; i < 4; ++i) {
        Option1[i] = make<QRadioButton>(Frame1, QStringLiteral("Option1(%1)").arg(i));
        Option1[i]->setText(kReportCaptions[i]);
        SetBackColor(Option1[i], kFormColour);
        // Laid out on the dialog; the frame holds them so they form one group.
        PlaceTwips(Option1[i], 3510 - 3360, 1110 + 300 * i - 900, i == 3 ? 3000 : 2400, 285);
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    Check1 = make<QCheckBox>(this, QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Pagina nummers afdrukken"));
    // Page numbers are on at the start: a list of more than one page is easier to keep in order.
    Check1->setChecked(true);
    SetBackColor(Check1, kFormColour);
    PlaceTwips(Check1, 330, 2550, 2400, 285);

    CancelKnop = make<StyledButton>(this, QStringLiteral("CancelKnop"));
    CancelKnop->setText(QStringLiteral("Annuleren"));
    PlaceTwips(CancelKnop, 4590, 2850, 990, 360);
    connect(CancelKnop, &StyledButton::clicked, this, &QDialog::reject);
    PrintKnop = make<StyledButton>(this, QStringLiteral("PrintKnop"));
    PrintKnop->setText(QStringLiteral("Print"));
    PlaceTwips(PrintKnop, 5625, 2850, 990, 360);
    connect(PrintKnop, &StyledButton::clicked, this, &PrintDialog::PrintKnop_Click);

    // The printers in the print service's order, then the PDF file; the current one shown.
    const QStringList printers = InstalledPrinterNames();
    Combo2->addItems(printers);
    Combo2->addItem(kPdfChoice);
    Combo2->setCurrentIndex(CurrentIsPdf() ? int(printers.size())
                                           : int(printers.indexOf(CurrentPrinterName())));
    connect(Combo2, &QComboBox::currentIndexChanged, this, &PrintDialog::Combo2_Click);
    showTitle();

    for (int i = 0; i < 4; ++i)
        PicScreen[i] = RenderPagePreview([this, i](PageSink& sink) { (void)runReport(i, sink); });
    Option1[0]->setChecked(true);
    Option1_Click(0);
}

void PrintDialog::showTitle() {
    setWindowTitle(QStringLiteral("Afdrukken (") + CurrentTargetTitle() + QStringLiteral(")"));
}

void PrintDialog::Combo2_Click(int position) {
    ChoosePrinter(position);
    showTitle();
}

void PrintDialog::Option1_Click(int index) {
    Picture1->clear();
    Check1->hide();
    if (index == 0) Check1->show();
    Picture1->setPixmap(QPixmap::fromImage(PicScreen[index]));
}

void PrintDialog::PrintKnop_Click() {
    for (int i = 0; i < 4; ++i) {
        if (!Option1[i]->isChecked()) continue;
        // A report that was not printed keeps the dialog open for another printer or file.
        if (!PrintDocument(this, kDocumentNames[i], [this, i](PageSink& sink) { return runReport(i, sink); }))
            return;
    }
    accept();
}

PrintResult PrintDialog::runReport(int index, PageSink& sink) const {
    const QString& footer = m_main.state.FooterText;
    switch (index) {
    case 0:
        return PrintScoreList(sink, m_main.scoreList, m_main.isDuoMatch(), Check1->isChecked(), footer);
    case 1:
        return PrintCheckoutTable(sink, lines(m_main.UitgooiList), footer);
    case 2: {
        QList<QImage> illustrations;
        for (int i = 1; i <= 5; ++i)
            illustrations << m_main.Image[i]->pixmap().toImage();
        return PrintHelpText(sink, lines(m_main.HelpList), illustrations, footer);
    }
    default:
        return PrintBoardDimensions(sink, folders().dataFile(QStringLiteral("Afmetingen.jpg")), footer);
    }
}

} // namespace vx

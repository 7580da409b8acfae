// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog on a machine without any printer: its layout, the PDF choice, the previews
// of the real reports, the page-number switch, and every report printed through the dialog to a
// PDF file; also each way printing can fail, told in Dutch.
#include "core/common/StartUp.h"
#include "core/common/Utilities.h"
#include "core/files/Settings.h"
#include "testsupport.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"
#include "ui/widgets/StyledButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace vx;

namespace {

ScoreListModel::Row makeRow(int n) {
    ScoreListModel::Row row;
    row[0] = QStringLiteral("Speler%1").arg(n);
    for (int k = 2; k <= 26; ++k)
        row[k] = k < 6 ? QString::number(40 + n) : QStringLiteral("-");
    row[27] = QStringLiteral("14.3");
    return row;
}

QRect twips(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

struct Word {
    double x, y;
    QString text;
};

// The words of the first page with their top-left in points, and the page size.
struct FirstPage {
    QSizeF size;
    QList<Word> words;
    bool has(const QString& text) const {
        return std::any_of(words.begin(), words.end(), [&](const Word& w) { return w.text == text; });
    }
};

FirstPage readFirstPage(const QString& pdf) {
    FirstPage page;
    QProcess tool;
    tool.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    if (!tool.waitForFinished(30000)) return page;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression size(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" [^>]*>([^<]*)</word>)re");
    if (const auto m = size.match(html); m.hasMatch())
        page.size = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        page.words.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    return page;
}

// A composed team match window with a few rows, in a fresh home; the PDF file is the printer.
struct Fixture {
    vxtest::TempHome home;
    vxtest::ScriptedPrompts prompts;
    MainWindow main;
    QString pdf;
    QStringList asked; // the names the save-file dialog was opened with

    explicit Fixture(bool duo = false) {
        main.compose(duo ? MatchKind::Duo : MatchKind::Team);
        for (int n = 1; n <= 3; ++n)
            main.scoreList.appendRow(makeRow(n));
        main.session.footerText = QStringLiteral("Dartclub De Pijl");
        pdf = home.file("uitvoer.pdf");
        rememberFolder(SavedFile::Pdf, pdf); // the PDF dialog opens where the last PDF went
        setPdfFileAsker([this](QWidget*, const QString& suggested) {
            asked << suggested;
            return pdf;
        });
        choosePrinter(int(installedPrinterNames().size()));
    }
    ~Fixture() { setPdfFileAsker({}); }
};

} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // No print service answers here, so the machine has no printer whatever is installed.
        qputenv("CUPS_SERVER", QDir::temp().filePath("vorlentix-geen-printserver.sock").toLocal8Bit());
        QVERIFY(installedPrinterNames().isEmpty());
    }

    void withoutPrinterThePdfFileIsCurrent() {
        vxtest::TempHome home;
        MainWindow main;
        // Nothing chosen yet in this run: the system's choice stands, and there is no printer.
        PrintDialog form(main);
        QCOMPARE(form.printerCombo->count(), 1);
        QCOMPARE(form.printerCombo->itemText(0), QStringLiteral("PDF-bestand..."));
        QCOMPARE(form.printerCombo->currentIndex(), 0);
        QCOMPARE(form.windowTitle(), QStringLiteral("Afdrukken (PDF-bestand)"));
        QVERIFY(currentIsPdf());
    }

    void placement_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // in the dialog's coordinates; height -1: its own
        QTest::newRow("Label2") << "Label2" << twips(180, 210, 2955, 2205);
        QTest::newRow("Picture1") << "Picture1" << twips(240, 270, 2820, 2070);
        QTest::newRow("Combo2") << "Combo2" << QRect(twips(3360, 420, 3255, 0).topLeft(), QSize(217, -1));
        QTest::newRow("Frame1") << "Frame1" << twips(3360, 900, 3255, 1500);
        QTest::newRow("Option1(0)") << "Option1(0)" << twips(3510, 1110, 2400, 285);
        QTest::newRow("Option1(1)") << "Option1(1)" << twips(3510, 1410, 2400, 285);
        QTest::newRow("Option1(2)") << "Option1(2)" << twips(3510, 1710, 2400, 285);
        QTest::newRow("Option1(3)") << "Option1(3)" << twips(3510, 2010, 3000, 285);
        QTest::newRow("Check1") << "Check1" << twips(330, 2550, 2400, 285);
        QTest::newRow("CancelKnop") << "CancelKnop" << twips(4590, 2850, 990, 360);
        QTest::newRow("PrintKnop") << "PrintKnop" << twips(5625, 2850, 990, 360);
    }
    void placement() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        Fixture f;
        PrintDialog form(f.main);
        QCOMPARE(form.size(), QSize(twipsToPixels(6900), twipsToPixels(3840)));
        auto* w = form.findChild<QWidget*>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->mapTo(&form, QPoint(0, 0)), geometry.topLeft());
        QCOMPARE(w->width(), geometry.width());
        if (geometry.height() >= 0) QCOMPARE(w->height(), geometry.height());
    }

    void captions() {
        Fixture f;
        PrintDialog form(f.main);
        QCOMPARE(form.printerLabel->text(), QStringLiteral("Printer Keuze"));
        const QStringList expected{"Print Scorelijst", "Print Dart Checkout Lijst", "Print Helptekst",
                                   "Print Afmetingen Dartbord"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(form.findChild<QRadioButton*>(QStringLiteral("Option1(%1)").arg(i))->text(),
                     expected[i]);
        QCOMPARE(form.pageNumbersCheck->text(), QStringLiteral("Pagina nummers afdrukken"));
        QCOMPARE(form.cancelButton->text(), QStringLiteral("Annuleren"));
        QCOMPARE(form.printButton->text(), QStringLiteral("Print"));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(220, 220, 190));
        QCOMPARE(form.printerCombo->palette().color(QPalette::Base), QColor(240, 210, 210));
    }

    void previewsAndPageNumberSwitch() {
        Fixture f;
        PrintDialog form(f.main);
        // Opens on the score list, page numbers on.
        QVERIFY(form.reportOptions[0]->isChecked());
        QVERIFY(form.pageNumbersCheck->isVisibleTo(&form));
        QVERIFY(form.pageNumbersCheck->isChecked());
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(form.reportPreviews[i].size(), QSize(186, 136));
            QVERIFY2(form.reportPreviews[i] != form.reportPreviews[(i + 1) % 4],
                     "each report has its own preview");
        }
        QCOMPARE(form.previewLabel->pixmap().toImage(), QPixmap::fromImage(form.reportPreviews[0]).toImage());

        form.pageNumbersCheck->setChecked(false);
        for (int i : {2, 1, 3}) {
            QTest::mouseClick(form.reportOptions[i], Qt::LeftButton);
            QVERIFY(form.reportOptions[i]->isChecked());
            QVERIFY(!form.pageNumbersCheck->isVisibleTo(&form));
            QCOMPARE(form.previewLabel->pixmap().toImage(),
                     QPixmap::fromImage(form.reportPreviews[i]).toImage());
        }
        QTest::mouseClick(form.reportOptions[0], Qt::LeftButton);
        QVERIFY(form.pageNumbersCheck->isVisibleTo(&form));
        QVERIFY(!form.pageNumbersCheck->isChecked()); // as it was left
        QCOMPARE(form.previewLabel->pixmap().toImage(), QPixmap::fromImage(form.reportPreviews[0]).toImage());
    }

    void printsTheChosenReport_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("duo");
        QTest::addColumn<bool>("pageNumbers");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("words"); // found on page 1
        QTest::newRow("score list, team, without touching the options")
            << -1 << false << true << "Vorlentix Scorelijst"
            << QStringList{"Team", "Speler1", "Speler3", "Dartclub"};
        QTest::newRow("score list, duo, no page numbers")
            << 0 << true << false << "Vorlentix Scorelijst" << QStringList{"Duo", "Out", "Speler2"};
        QTest::newRow("checkout table") << 1 << false << false << "Vorlentix Dart Checkout Lijst"
                                        << QStringList{"Checkout", "Lijst", "2,D1", "Dartclub"};
        QTest::newRow("help text") << 2 << false << false << "Vorlentix Helptekst"
                                   << QStringList{"Beknopte", "uitleg", "Menuknoppen", "Dartclub"};
        QTest::newRow("board dimensions") << 3 << false << false << "Vorlentix Afmetingen Dartbord"
                                          << QStringList{"Afmetingen", "Dartclub"};
    }
    void printsTheChosenReport() {
        QFETCH(int, option);
        QFETCH(bool, duo);
        QFETCH(bool, pageNumbers);
        QFETCH(QString, document);
        QFETCH(QStringList, words);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        Fixture f(duo);
        PrintDialog form(f.main);
        if (option >= 0) QTest::mouseClick(form.reportOptions[option], Qt::LeftButton);
        if (option == 0) form.pageNumbersCheck->setChecked(pageNumbers);
        QTest::mouseClick(form.printButton, Qt::LeftButton);

        QVERIFY2(f.prompts.seen.isEmpty(), qPrintable(f.prompts.texts().join('\n')));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(f.asked, QStringList{f.home.file(document + ".pdf")});
        const FirstPage page = readFirstPage(f.pdf);
        QVERIFY(page.size.width() > page.size.height()); // landscape
        for (const QString& word : words)
            QVERIFY2(page.has(word), qPrintable(word));
        // The page number " 1" at x = 15990, y = 11200 twips (the blank before it is not a word).
        const bool numbered = std::any_of(page.words.begin(), page.words.end(), [](const Word& w) {
            return w.text == "1" && w.x > 15990 / 20.0 && w.x < 16200 / 20.0 && std::abs(w.y - 560) < 3;
        });
        QCOMPARE(numbered, pageNumbers);
    }

    // The captions, the PDF choice and the document's name are fetched when the dialog opens, so
    // they follow a language put in force after the program started.
    void inEnglish() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        Fixture f;
        struct Dutch {
            ~Dutch() { (void)applyLanguage(Language::Dutch); }
        } backToDutch;
        QVERIFY(applyLanguage(Language::English));
        PrintDialog form(f.main);
        QCOMPARE(form.printerCombo->itemText(0), QStringLiteral("PDF file..."));
        QCOMPARE(form.windowTitle(), QStringLiteral("Print (PDF file)"));
        QCOMPARE(form.reportOptions[1]->text(), QStringLiteral("Print Darts Checkout Chart"));
        QTest::mouseClick(form.reportOptions[1], Qt::LeftButton);
        QTest::mouseClick(form.printButton, Qt::LeftButton);
        QCOMPARE(f.asked, QStringList{f.home.file("Vorlentix Darts Checkout Chart.pdf")});
        const FirstPage page = readFirstPage(f.pdf);
        QVERIFY(page.has("Chart"));
        QVERIFY(!page.has("Lijst"));
    }

    void cancelledFileChoicePrintsNothing() {
        Fixture f;
        setPdfFileAsker([](QWidget*, const QString&) { return QString(); });
        PrintDialog form(f.main);
        QTest::mouseClick(form.printButton, Qt::LeftButton);
        QVERIFY(f.prompts.seen.isEmpty());
        QCOMPARE(form.result(), 0); // still open
        QVERIFY(QDir(f.home.path()).entryList({"*.pdf"}).isEmpty());
    }

    void failuresAreTold_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("unwritable");
        QTest::addColumn<QString>("message"); // part of it
        // The file is named with the reason, as every file that cannot be written is.
        QTest::newRow("a PDF file that cannot be written") << 0 << true << "uitvoer.pdf\" is niet geschreven";
        QTest::newRow("a missing Afmetingen.jpg") << 3 << false << "Afmetingen.jpg";
    }
    void failuresAreTold() {
        QFETCH(int, option);
        QFETCH(bool, unwritable);
        QFETCH(QString, message);
        Fixture f;
        if (unwritable) f.pdf = f.home.file("geen-map/uitvoer.pdf");
        Folders where = folders();
        where.dataDir = f.home.file("Data"); // a Data folder without the picture
        QDir().mkpath(where.dataDir);
        setFolders(where);
        PrintDialog form(f.main);
        QTest::mouseClick(form.reportOptions[option], Qt::LeftButton);
        QTest::mouseClick(form.printButton, Qt::LeftButton);

        QCOMPARE(f.prompts.seen.size(), 1);
        QCOMPARE(f.prompts.seen[0].kind, vxtest::Prompt::Message);
        QCOMPARE(f.prompts.seen[0].title, kAppTitle);
        QVERIFY2(f.prompts.seen[0].text.contains(message), qPrintable(f.prompts.seen[0].text));
        QCOMPARE(form.result(), 0); // open, so another printer or file can be tried
        QVERIFY(!QFile::exists(f.pdf));
    }

    void cancelCloses() {
        Fixture f;
        PrintDialog form(f.main);
        QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(f.asked.isEmpty());
    }
};

QTEST_MAIN(PrintDialogTest)
#include "test_printdialog.moc"

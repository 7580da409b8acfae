// SPDX-License-Identifier: GPL-3.0-or-later
// Printing for real: a private print server with PDF printers (started by start-cups-pdf.sh),
// its printers in the print dialog, and the score list and the statistics page sent to a print
// queue and found again as the PDF files the queue wrote.
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"
#include "ui/widgets/StyledButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include <pwd.h>
#include <unistd.h>

using namespace vx;

namespace {

// The last one has US Letter as its only paper.
const QStringList kPrinters{"VorlentixPDF", "VorlentixPDF2", "VorlentixPDF3", "VorlentixLetter"};

// Where the PDF printer leaves its files: its "Out" folder for the user that printed (we do),
// and its folder for jobs of unknown users.
QStringList pdfFolders() {
    const passwd* user = getpwuid(geteuid());
    QString out = QStringLiteral("${HOME}/PDF");
    QString anonymous = QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    QFile config(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (config.open(QIODevice::ReadOnly)) {
        static const QRegularExpression setting(QStringLiteral(R"(^\s*(Out|AnonDirName)\s+(\S+))"));
        for (const QByteArray& line : config.readAll().split('\n')) {
            const auto m = setting.match(QString::fromUtf8(line));
            if (m.hasMatch()) (m.captured(1) == "Out" ? out : anonymous) = m.captured(2);
        }
    }
    if (user) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    }
    return {out, anonymous};
}

ScoreListModel::Row makeRow(const QString& text, const QStringList& turns) {
    ScoreListModel::Row row;
    row[0] = text;
    for (int k = 0; k < ScoreListModel::kTurnColumns; ++k)
        row[2 + k] = k < turns.size() ? turns[k] : QStringLiteral("-");
    row[27] = QStringLiteral("30.0");
    return row;
}

// What the queue made of a job: its title, page count and the first page as the report drew
// it. The queue prints through PostScript onto portrait paper, so a landscape page arrives
// turned a quarter and its text as glyph drawings without readable letters: the page is
// rendered and checked by the colours at the places the report printed them.
struct QueuedPage {
    QString title;
    int pages = 0;
    QString paper;       // as pdfinfo names the page size
    QList<QImage> views; // the page turned to landscape, both ways when it arrived portrait
};

constexpr int kDpi = 150;

QueuedPage readQueuedPdf(const QString& pdf, const QString& scratch) {
    QueuedPage result;
    QProcess tool;
    tool.start(QStringLiteral("pdfinfo"), {pdf});
    tool.waitForFinished(30000);
    const QString info = QString::fromUtf8(tool.readAllStandardOutput());
    result.title = QRegularExpression(QStringLiteral("Title:\\s+(.*)")).match(info).captured(1).trimmed();
    result.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    result.paper = QRegularExpression(QStringLiteral("Page size:\\s+(.*)")).match(info).captured(1).trimmed();
    tool.start(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                QStringLiteral("-singlefile"), pdf, scratch});
    tool.waitForFinished(30000);
    const QImage page(scratch + QStringLiteral(".png"));
    if (page.width() > page.height())
        result.views = {page};
    else if (!page.isNull())
        result.views = {page.transformed(QTransform().rotate(90)),
                        page.transformed(QTransform().rotate(-90))};
    return result;
}

// A colour to look for in a box of the landscape page, in twips.
struct Ink {
    std::function<bool(const QColor&)> matches;
    QRect twips;
};

// Text keeps its colour on the way through the queue.
Ink near(const QColor& colour, QRect twips) {
    return {[colour](const QColor& c) {
                return std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                           std::abs(c.blue() - colour.blue()) <
                       40;
            },
            twips};
}

// A picture is recompressed on the way, which shifts its colours: red stays clearly red.
Ink reddish(QRect twips) {
    return {[](const QColor& c) { return c.red() > c.green() + 40 && c.red() > c.blue() + 40; }, twips};
}

bool inkAt(const QImage& view, const Ink& ink) {
    const double scale = kDpi / 1440.0;
    const QRect box(QPoint(int(ink.twips.left() * scale), int(ink.twips.top() * scale)),
                    QPoint(int(ink.twips.right() * scale), int(ink.twips.bottom() * scale)));
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (view.valid(x, y) && ink.matches(view.pixelColor(x, y))) return true;
    return false;
}

// Whether one of the views shows every ink.
bool anyViewShows(const QueuedPage& page, const QList<Ink>& inks) {
    return std::any_of(page.views.begin(), page.views.end(), [&](const QImage& view) {
        return std::all_of(inks.begin(), inks.end(), [&](const Ink& ink) { return inkAt(view, ink); });
    });
}

} // namespace

class PrintQueueTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        const QString script = QFINDTESTDATA("start-cups-pdf.sh");
        QVERIFY(!script.isEmpty());
        QVERIFY(m_dir.isValid());
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("bash"), QStringList{script, m_dir.path()} + kPrinters);
        QVERIFY2(m_server.waitForStarted(10000), "bash could not be started");

        QString output;
        const QDeadlineTimer deadline(60000);
        while (!output.contains("READY ") && !deadline.hasExpired() && m_server.state() == QProcess::Running)
            if (m_server.waitForReadyRead(500)) output += QString::fromLocal8Bit(m_server.readAll());
        output += QString::fromLocal8Bit(m_server.readAll());
        if (output.contains("SKIP ")) {
            m_server.waitForFinished(5000);
            QSKIP(qPrintable("no print server could be started here: " +
                             output.mid(output.indexOf("SKIP ") + 5).trimmed()));
        }
        const auto ready = QRegularExpression(QStringLiteral("READY (\\S+)")).match(output);
        QVERIFY2(ready.hasMatch(), qPrintable("the print server did not get ready:\n" + output));
        m_socket = ready.captured(1);
        // Every print call of this process goes to the private server, none to the machine's.
        qputenv("CUPS_SERVER", m_socket.toLocal8Bit());
    }

    void cleanupTestCase() {
        if (m_server.state() == QProcess::NotRunning) return;
        m_server.terminate(); // the script stops its server on the way out
        if (!m_server.waitForFinished(15000)) m_server.kill();
        QVERIFY(!QFile::exists(m_socket)); // the server has gone and took its socket with it
    }

    void printersAreListed() {
        vxtest::TempHome home;
        MainWindow main;
        PrintDialog form(main);
        const QStringList installed = installedPrinterNames();
        for (const QString& name : kPrinters)
            QVERIFY2(installed.contains(name), qPrintable(installed.join(", ")));
        QStringList listed;
        for (int i = 0; i < form.printerCombo->count(); ++i)
            listed << form.printerCombo->itemText(i);
        QCOMPARE(listed, installed + QStringList{pdfChoiceCaption()});
        // Nothing chosen yet: the server's default printer is current.
        QCOMPARE(form.printerCombo->currentText(), QStringLiteral("VorlentixPDF"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Afdrukken (VorlentixPDF)"));
    }

    void choosingByPosition() {
        vxtest::TempHome home;
        MainWindow main;
        {
            PrintDialog form(main);
            form.printerCombo->setCurrentIndex(2);
            const QString third = installedPrinterNames().at(2);
            QCOMPARE(currentPrinterName(), third);
            QCOMPARE(form.windowTitle(), QStringLiteral("Afdrukken (%1)").arg(third));
        }
        // The choice holds for the rest of the run: the next dialog opens on it.
        PrintDialog again(main);
        QCOMPARE(again.printerCombo->currentIndex(), 2);
    }

    void scoreListReachesTheQueue() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.compose(MatchKind::Team);
        const QString marker = QStringLiteral("Wachtrij%1").arg(QCoreApplication::applicationPid());
        main.scoreList.appendRow(makeRow(marker, {"60", "100", "26"}));
        main.scoreList.appendRow(makeRow("Klaas", {"45"}));

        const QDateTime sent = QDateTime::currentDateTime().addSecs(-2);
        PrintDialog form(main);
        form.printerCombo->setCurrentIndex(int(installedPrinterNames().indexOf("VorlentixPDF")));
        QTest::mouseClick(form.printButton, Qt::LeftButton);
        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join('\n')));
        QCOMPARE(form.result(), int(QDialog::Accepted));

        const QString pdf = awaitPdf("Scorelijst", sent);
        QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF from the print queue in " + pdfFolders().join(", ") +
                                            "\n" + serverLog()));
        const QueuedPage page = readQueuedPdf(pdf, home.file("pagina"));
        QFile::remove(pdf);
        QVERIFY2(page.title.contains("Vorlentix Scorelijst"),
                 qPrintable(page.title)); // the job that was sent
        QCOMPARE(page.pages, 1);
        QVERIFY(!page.views.isEmpty());
        // Title in dark blue at 300, 300; headings grey at y = 900; the two rows in dark red from
        // y = 1380; the footer black at 300, 11200; the page number dark red at 15990, 11200.
        const QColor blue(0, 0, 90), grey(90, 90, 90), red(90, 0, 0), black(0, 0, 0);
        QVERIFY(anyViewShows(
            page, {near(blue, QRect(300, 300, 1500, 240)), near(grey, QRect(300, 900, 600, 200)),
                   near(red, QRect(300, 1380, 1200, 200)), near(red, QRect(300, 1635, 600, 200)),
                   near(red, QRect(2850, 1380, 300, 200)), near(black, QRect(300, 11200, 1500, 200)),
                   near(red, QRect(15990, 11200, 300, 200))}));
        // and nothing where no row was printed
        QVERIFY(!anyViewShows(page, {near(red, QRect(300, 1900, 1500, 8000))}));
    }

    void statisticsReachTheQueue() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.scoreList.appendRow(makeRow("Piet", {"180", "180", "60"}));
        vxtest::control<QTableView>(main, "ListView1")->selectRow(0);
        choosePrinter(int(installedPrinterNames().indexOf("VorlentixPDF")));

        const QDateTime sent = QDateTime::currentDateTime().addSecs(-2);
        StatisticsDialog form(main);
        form.printAction->trigger();
        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join('\n')));

        const QString pdf = awaitPdf("Statistiek", sent);
        QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF from the print queue\n" + serverLog()));
        const QueuedPage page = readQueuedPdf(pdf, home.file("pagina"));
        QFile::remove(pdf);
        QVERIFY2(page.title.contains("Vorlentix Statistiek"),
                 qPrintable(page.title)); // the job that was sent
        QCOMPARE(page.pages, 1);
        // The title in dark blue at 750, 450; the graph from 300, 1200 with its bar of 180 in
        // dark red (150, 0, 0) at x = 300 + 579 / 678 * 16500 = 14390, 10 pixels of 400 above the axis
        // (y = 1200 + 300 / 400 * 9900 = 8625 to 8872); the footer at 600, 11200.
        QVERIFY(anyViewShows(page, {near(QColor(0, 0, 90), QRect(750, 450, 2000, 280)),
                                    reddish(QRect(14340, 8630, 120, 80)),
                                    near(QColor(0, 0, 0), QRect(600, 11200, 1500, 200))}));
        // The bar of 60 (x = 300 + 219 / 678 * 16500 = 5630) is half as high: it starts at y = 8749.
        QVERIFY(!anyViewShows(page, {reddish(QRect(5580, 8630, 120, 80))}));
    }

    // A printer whose only paper is US Letter gets the page on Letter, shrunk evenly: the
    // "Gem." heading and the page number, which run off that sheet at full size, are on it.
    void letterOnlyPrinter() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.compose(MatchKind::Team);
        main.scoreList.appendRow(makeRow("Piet", {"60", "100", "26"}));

        const QDateTime sent = QDateTime::currentDateTime().addSecs(-2);
        PrintDialog form(main);
        form.printerCombo->setCurrentIndex(int(installedPrinterNames().indexOf("VorlentixLetter")));
        form.pageNumbersCheck->setChecked(true);
        QTest::mouseClick(form.printButton, Qt::LeftButton);
        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join('\n')));

        const QString pdf = awaitPdf("Scorelijst", sent);
        QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF from the print queue\n" + serverLog()));
        const QueuedPage page = readQueuedPdf(pdf, home.file("pagina"));
        QFile::remove(pdf);
        QVERIFY2(page.paper.contains("letter"), qPrintable(page.paper));
        const double fit = 11 * 1440.0 / 16838; // the page's width onto the sheet's
        auto at = [fit](int x, int y, int width) { return QRect(int(x * fit), int(y * fit), width, 200); };
        QVERIFY(anyViewShows(page, {near(QColor(0, 0, 90), at(300, 300, 1500)),
                                    near(QColor(90, 90, 90), at(15750, 900, 400)),
                                    near(QColor(90, 0, 0), at(15990, 11200, 250)),
                                    near(QColor(0, 0, 0), at(300, 11200, 1500))}));
    }

    void aPrinterThatHasGoneIsTold() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        PrintDialog form(main);
        form.printerCombo->setCurrentIndex(int(installedPrinterNames().indexOf("VorlentixPDF3")));
        QProcess lpadmin;
        lpadmin.start(QStringLiteral("lpadmin"), {"-h", m_socket, "-x", "VorlentixPDF3"});
        QVERIFY(lpadmin.waitForFinished(30000) && lpadmin.exitCode() == 0);

        QTest::mouseClick(form.printButton, Qt::LeftButton);
        QCOMPARE(prompts.seen.size(), 1);
        QCOMPARE(prompts.seen[0].text,
                 QStringLiteral("De printer \"VorlentixPDF3\" is niet beschikbaar. Kies een "
                                "andere printer of \"PDF-bestand...\" in het venster "
                                "Afdrukken."));
        QCOMPARE(form.result(), 0); // still open for another choice
    }

  private:
    // The newest PDF the queue wrote since `since` whose name carries `title`; polls for a
    // minute at most, as the queue converts the job in the background.
    QString awaitPdf(const QString& title, const QDateTime& since) const {
        const QDeadlineTimer deadline(60000);
        do {
            for (const QString& folder : pdfFolders()) {
                const QFileInfoList files = QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
                for (const QFileInfo& file : files)
                    if (file.fileName().contains(title) && file.lastModified() >= since && file.size() > 0)
                        return file.filePath();
            }
            QTest::qWait(250);
        } while (!deadline.hasExpired());
        return {};
    }

    QString serverLog() const {
        QFile log(QDir(m_dir.path()).filePath("log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_socket;
};

QTEST_MAIN(PrintQueueTest)
#include "test_printqueue.moc"

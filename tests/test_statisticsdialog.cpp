// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window driven as the user sees it: opened on the row selected in the main
// window, its title, graph, readout, view switch and printout; and the score list summary.
#include "core/files/ScoreListFiles.h"
#include "playsupport.h"
#include "reviewsupport.h"
#include "testsupport.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"

#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace vx;
using vxtest::barHeight;
using vxtest::kBar;
using vxtest::makeRow;

class StatisticsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnSelectedRow_data() {
        QTest::addColumn<int>("selected"); // -1: nothing selected
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("bar180");
        QTest::addColumn<int>("bar60");
        // Rows: Piet 180 180 | Klaas 100 | piet 60 0 | 08-12-2018 20:15 (a team leg) 45
        QTest::newRow("Piet and piet counted together")
            << 0 << "Speler (Piet) met een gemiddelde van 105.00 per 3 darts" << 10 << 5;
        QTest::newRow("the title keeps the selected text as written")
            << 2 << "Speler (piet) met een gemiddelde van 105.00 per 3 darts" << 10 << 5;
        QTest::newRow("a team leg covers that leg only")
            << 3 << "Speler (08-12-2018 20:15) met een gemiddelde van 45.00 per 3 darts" << 0 << 0;
        QTest::newRow("nothing selected") << -1 << "Speler () zonder scores" << 0 << 0;
    }
    void opensOnSelectedRow() {
        QFETCH(int, selected);
        QFETCH(QString, title);
        QFETCH(int, bar180);
        QFETCH(int, bar60);
        vxtest::TempHome home;
        MainWindow main;
        main.scoreList.appendRow(makeRow("Piet", {"180", "180"}));
        main.scoreList.appendRow(makeRow("Klaas", {"100"}));
        main.scoreList.appendRow(makeRow("piet", {"60", "0"}));
        main.scoreList.appendRow(makeRow("08-12-2018 20:15", {"45"}));
        if (selected >= 0) vxtest::control<QTableView>(main, "ListView1")->selectRow(selected);

        StatisticsDialog form(main);
        QCOMPARE(form.windowTitle(), title);
        // What the window shows is the graph of these figures.
        const QImage shown = form.graphLabel->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(678, 400));
        QCOMPARE(barHeight(shown, 579), bar180);
        QCOMPARE(barHeight(shown, 219), bar60);
        QCOMPARE(barHeight(shown, 42 + 3 * 99), 0); // Klaas's 100 is someone else's
        QCOMPARE(shown, form.graphImage());
        QCOMPARE(main.scoreList.count(), 4); // read-only
    }

    void layout() {
        vxtest::TempHome home;
        MainWindow main;
        StatisticsDialog form(main);
        QCOMPARE(form.graphLabel->size(), QSize(678, 400));
        QCOMPARE(form.graphLabel->mapTo(&form, QPoint(0, 0)), QPoint(0, form.menuBar->height()));
        QCOMPARE(form.readoutLabel->parentWidget(), form.graphLabel);
        QCOMPARE(form.readoutLabel->pos(), QPoint(40, 320));
        QCOMPARE(form.readoutLabel->text(), QStringLiteral("Score"));
        QCOMPARE(form.findChild<QAction*>("PrintList")->text(), QStringLiteral("Afdrukken Lijst / Grafiek"));
        QStringList menus;
        for (QAction* menu : form.menuBar->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({"Print", "Show"}));
    }

    void readout_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("first bar") << 42 << "Score : 1 / 180";
        QTest::newRow("left edge") << 0 << "Score : -13 / 180";
        QTest::newRow("last bar") << 579 << "Score : 180 / 180";
        QTest::newRow("over the caption") << 45 << "Score : 2 / 180";
    }
    void readout() {
        QFETCH(int, x);
        QFETCH(QString, text);
        vxtest::TempHome home;
        MainWindow main;
        StatisticsDialog form(main);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseMove(form.graphLabel, QPoint(x, 325));
        QTRY_COMPARE(form.readoutLabel->text(), text);
        QVERIFY(form.readoutLabel->width() >=
                form.readoutLabel->sizeHint().width()); // the whole readout shows
    }

    void viewSwitch() {
        vxtest::TempHome home;
        MainWindow main;
        StatisticsDialog form(main);
        QAction* numbers = form.findChild<QAction*>("zien(1)");
        QAction* graph = form.findChild<QAction*>("zien(2)");
        QVERIFY(numbers && graph);
        QCOMPARE(numbers->text(), QStringLiteral("Getallen"));
        QCOMPARE(graph->text(), QStringLiteral("Grafiek"));
        // Opens on the graph, its item checked.
        QVERIFY(!form.graphLabel->isHidden());
        QVERIFY(graph->isChecked() && !numbers->isChecked());

        numbers->trigger();
        QVERIFY(form.graphLabel->isHidden());
        QVERIFY(numbers->isChecked() && !graph->isChecked());
        numbers->trigger(); // choosing the view shown again keeps its check mark
        QVERIFY(numbers->isChecked() && !graph->isChecked());
        graph->trigger();
        QVERIFY(!form.graphLabel->isHidden());
        QVERIFY(graph->isChecked() && !numbers->isChecked());
    }

    void numbersShownBehindGraph() {
        vxtest::TempHome home;
        MainWindow main;
        main.scoreList.appendRow(makeRow("Piet", {"1", "1", "1"}));
        vxtest::control<QTableView>(main, "ListView1")->selectRow(0);
        StatisticsDialog form(main);
        form.findChild<QAction*>("zien(1)")->trigger();
        const QImage window = form.grab().toImage();
        const int top = form.menuBar->height();
        // The table of numbers fills the window below the menu line.
        QCOMPARE(window.copy(0, top, 678, 400).convertToFormat(QImage::Format_RGB32),
                 form.tableImage().convertToFormat(QImage::Format_RGB32));
    }

    void printout_data() {
        QTest::addColumn<bool>("graph");
        QTest::newRow("graph") << true;
        QTest::newRow("numbers") << false;
    }
    void printout() {
        QFETCH(bool, graph);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.session.footerText = QStringLiteral("Dartclub De Pijl");
        main.scoreList.appendRow(makeRow("Piet", {"180", "180", "60"}));
        vxtest::control<QTableView>(main, "ListView1")->selectRow(0);
        StatisticsDialog form(main);
        if (!graph) form.showGraph(false);

        const QString pdf = home.file("statistiek.pdf");
        QString suggested;
        setPdfFileAsker([&](QWidget*, const QString& name) {
            suggested = name;
            return pdf;
        });
        choosePrinter(int(installedPrinterNames().size())); // the PDF file
        form.printAction->trigger();
        setPdfFileAsker({});

        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join('\n')));
        QVERIFY(suggested.endsWith(".pdf"));
        QProcess tool;
        tool.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(tool.waitForFinished(30000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(text.contains("Speler (Piet) met een gemiddelde van 140.00 per 3 darts"), qPrintable(text));
        QVERIFY(text.contains("Dartclub De Pijl"));
        QCOMPARE(text.count('\f'), 1); // one page

        // The graph's axis, drawn 16500 twips wide from x = 300, ends at 300 + 650 / 678 * 16500
        // = 16118 twips; the table of numbers has no axis. At 72 dpi a pixel is 20 twips.
        tool.start("pdftoppm", {"-r", "72", "-gray", "-singlefile", pdf, home.file("page")});
        QVERIFY(tool.waitForFinished(30000));
        const QImage page(home.file("page.pgm"));
        QVERIFY(page.width() > page.height());
        const int axisRow = (1200 + 310 * 9900 / 400) / 20;
        int axisEnd = -1;
        int longestRun = 0;
        for (int y = axisRow - 2; y <= axisRow + 2; ++y)
            for (int x = 0, run = 0; x < page.width(); ++x) {
                run = qGray(page.pixel(x, y)) < 100 ? run + 1 : 0;
                longestRun = std::max(longestRun, run);
                if (run > 0) axisEnd = std::max(axisEnd, x);
            }
        if (graph) {
            QVERIFY2(std::abs(axisEnd - 16118 / 20) <= 2, qPrintable(QString::number(axisEnd)));
            QVERIFY2(longestRun > 700, qPrintable(QString::number(longestRun)));
        } else {
            QVERIFY2(longestRun < 60, qPrintable(QString::number(longestRun)));
        }
    }

    // Who the overview lists: in a duo match the rows on screen; in a team match every file of
    // the team, the player at the board with the rows on screen instead of the file's.
    void overviewPlayers_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QStringList>("expected"); // name, legs, legs won
        QTest::newRow("duo") << true << QStringList{"Piet 2 1", "Klaas 1 0"};
        QTest::newRow("team") << false << QStringList{"Ann 2 2", "Bob 3 3", "Cas 1 1"};
    }
    void overviewPlayers() {
        QFETCH(bool, duo);
        QFETCH(QStringList, expected);
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        if (duo) {
            main.compose(MatchKind::Duo);
            for (const char* name : {"Piet", "Klaas", "piet"})
                main.scoreList.appendRow(makeRow(name, {"60"}));
            main.scoreList.setCell(0, 1, "v");
        } else {
            vxtest::StartTeamMatch(main, "Club", {"Ann", "Bob"}, 501);
            const auto saveFile = [](const QString& player, int legs) {
                ScoreListModel file;
                for (int k = 0; k < legs; ++k)
                    file.appendRow(makeRow("08-12-2018 20:15", {"60"}));
                QVERIFY(savePlayerList(file, "Club", player));
            };
            saveFile("Ann", 1); // what is on screen goes before the file
            saveFile("Bob", 3);
            saveFile("Cas", 1);
            for (int k = 0; k < 2; ++k)
                main.scoreList.appendRow(makeRow("08-12-2018 20:15", {"60"}));
        }
        StatisticsDialog form(main);
        QAction* overview = form.findChild<QAction*>("zien(3)");
        QVERIFY(overview && overview->text() == "Overzicht");
        QVERIFY(form.overviewTable->isHidden());
        overview->trigger();
        QVERIFY(overview->isChecked() && !form.graphAction->isChecked());
        QVERIFY(!form.overviewTable->isHidden() && form.graphLabel->isHidden());
        const auto* table = form.findChild<QTableWidget*>("OverzichtTable");
        QStringList shown;
        for (int r = 0; r < table->rowCount(); ++r)
            shown << QStringList{table->item(r, 0)->text(), table->item(r, 1)->text(),
                                 table->item(r, 2)->text()}
                         .join(' ');
        QCOMPARE(shown, expected);
        QCOMPARE(table->horizontalHeaderItem(11)->text(), QString("Hoogste uitgooi"));
    }

    // With the overview shown, Print prints the overview on the page frame.
    void overviewPrintout() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.compose(MatchKind::Duo);
        main.session.footerText = QStringLiteral("Dartclub De Pijl");
        main.scoreList.appendRow(makeRow("Piet", {"180", "140", "81", "100"}));
        main.scoreList.setCell(0, 1, "v");
        main.scoreList.appendRow(makeRow(QStringLiteral("Zoë"), {"45", "60", "26"}));
        main.session.duoFileName = QStringLiteral("Finale");
        StatisticsDialog form(main);
        const QString playerTitle = form.windowTitle();
        QVERIFY(playerTitle.startsWith(QStringLiteral("Speler (")));
        form.showOverview();
        QCOMPARE(form.windowTitle(), QStringLiteral("Speleroverzicht Finale")); // every player, not one
        form.showGraph(false);
        QCOMPARE(form.windowTitle(), playerTitle);
        form.showOverview();
        const QString pdf = home.file("overzicht.pdf");
        setPdfFileAsker([&](QWidget*, const QString&) { return pdf; });
        choosePrinter(int(installedPrinterNames().size())); // the PDF file
        form.printAction->trigger();
        setPdfFileAsker({});
        QVERIFY2(prompts.seen.isEmpty(), qPrintable(prompts.texts().join('\n')));
        QProcess tool;
        tool.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(tool.waitForFinished(30000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput());
        QVERIFY2(text.contains("Speleroverzicht Finale / "), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression("Piet +1 +1 +125.25 +133.67 +1 +1 +1 +1 +180 +4 +100")),
                 qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Zoë +1 +0 +43.67 +43.67"))),
                 qPrintable(text));
        QVERIFY(text.contains("Dartclub De Pijl"));
    }

    void summary() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow main;
        main.scoreList.appendRow(makeRow("Piet", {"100", "-", "60"}));
        main.scoreList.appendRow(makeRow("Klaas", {"41"}));
        showScoreListSummary(main);
        QCOMPARE(prompts.seen.size(), 1);
        QCOMPARE(prompts.seen[0].kind, vxtest::Prompt::Message);
        QCOMPARE(prompts.seen[0].title, kAppTitle);
        QCOMPARE(prompts.seen[0].text, QStringLiteral("Uitslag complete scorelijst\r\n"
                                                      "------------------------------\r\n"
                                                      "Totaal aantal uitslagen : 3\r\n"
                                                      "Totaal van alle scores : 201 punten\r\n"
                                                      "Gemiddeld is dit : 67.00 per 3 darts"));
    }
};

QTEST_MAIN(StatisticsDialogTest)
#include "test_statisticsdialog.moc"

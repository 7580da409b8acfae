// SPDX-License-Identifier: GPL-3.0-or-later
// The history window over a small history: every view fills, the treble rates and the notes for
// figures without darts show, the league table sorts by a header, and the view shown reaches
// paper and a CSV file through the program's own print and export paths. The import at the
// first start happens once.
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryImport.h"
#include "core/history/HistoryStore.h"
#include "core/scorelist/LegRows.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/history/HistoryImportRun.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/ScoreListExport.h"
#include "ui/print/Printing.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace vx;

namespace {

QList<HistoryDart> Darts(const QStringList& codes) {
    QList<HistoryDart> darts;
    for (const QString& code : codes) {
        const int factor = code.startsWith(u'T') ? 3 : code.startsWith(u'D') ? 2 : 1;
        darts.append({int(darts.size()) + 1, code, code.mid(factor > 1).toInt() * factor});
    }
    return darts;
}

// A team evening of "De Pijlen" on 7 March (Anna out of 101 with T20 1 D20; Bert 20 20 20,
// then 41 known by its total only) and a duo match the next evening: Bert 20 0 0, then Anna
// out with T19 4 D20. Anna has six darts, two of them at 40, both in.
void FillHistory() {
    HistoryStore store(historyFilePath());
    QVERIFY(store.open());
    const HistoryMatch team{"t1", kMatchKindTeam, 101, 0, "De Pijlen"},
        duo{"d1", kMatchKindLegs, 101, 1, "finale.lib"};
    const QDateTime evening(QDate(2024, 3, 7), QTime(21, 0)), next(QDate(2024, 3, 8), QTime(20, 0));
    QVERIFY(
        store.recordTurn(team, {1, 1, "Anna"}, {"Anna", 1, 101, 101, evening, Darts({"T20", "1", "D20"})}));
    QVERIFY(store.endLeg("t1", 1, "Anna", 3, evening));
    QVERIFY(store.recordTurn(team, {2, 1, "Bert"}, {"Bert", 1, 60, 101, evening, Darts({"20", "20", "20"})}));
    QVERIFY(store.recordTurn(team, {2, 1, "Bert"}, {"Bert", 2, 41, 41, evening, std::nullopt}));
    QVERIFY(store.endLeg("t1", 2, "Bert", 6, evening));
    QVERIFY(store.recordTurn(duo, {1, 1, "Bert"}, {"Bert", 1, 20, 101, next, Darts({"20", "0", "0"})}));
    QVERIFY(store.recordTurn(duo, {1, 1, "Bert"}, {"Anna", 1, 101, 101, next, Darts({"T19", "4", "D20"})}));
    QVERIFY(store.endLeg("d1", 1, "Anna", 3, next));
    QVERIFY(store.endMatch("d1", "Anna"));
}

QStringList Column(const QTableWidget* table, int column) {
    QStringList cells;
    for (int r = 0; r < table->rowCount(); ++r)
        cells << table->item(r, column)->text();
    return cells;
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_home = std::make_unique<vxtest::TempHome>();
        m_prompts = std::make_unique<vxtest::ScriptedPrompts>();
    }
    void cleanup() {
        m_prompts.reset();
        m_home.reset();
    }

    // The last row of each view's table, a line of its notes, and whether it has a picture.
    void everyViewFills_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("player");
        QTest::addColumn<QString>("lastRow");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("picture");
        QTest::newRow("checkout") << int(HistoryWindow::Checkout) << "Anna"
                                  << "Alle dubbels 2 2 100.0"
                                  << "Checkout-percentage: 100.0 %" << false;
        QTest::newRow("checkout, totals only") << int(HistoryWindow::Checkout) << "Bert"
                                               << "Alle dubbels 0 0 -"
                                               << "Over 2 van de 3 beurten" << false;
        QTest::newRow("board") << int(HistoryWindow::Board) << "Anna"
                               << "T20 16.7"
                               << "T20: 16.7 % van alle darts, T19: 16.7 %" << true;
        QTest::newRow("progress") << int(HistoryWindow::Progress) << "Anna"
                                  << "08-03-2024 1 101.00 101.00"
                                  << "" << true;
        QTest::newRow("head to head") << int(HistoryWindow::HeadToHeadView) << "Anna"
                                      << "Gemiddelde 101.00 20.00"
                                      << "1 duo-wedstrijd tegen elkaar" << false;
        QTest::newRow("league") << int(HistoryWindow::League) << "Anna"
                                << "Bert 1 1 50.50 50.50 0 - 6 41"
                                << "" << false;
    }
    void everyViewFills() {
        QFETCH(int, view);
        QFETCH(QString, player);
        QFETCH(QString, lastRow);
        QFETCH(QString, note);
        QFETCH(bool, picture);
        FillHistory();
        MainWindow main;
        HistoryWindow window(main);
        window.playerBox->setCurrentText(player);
        window.opponentBox->setCurrentText("Bert");
        window.showView(HistoryWindow::View(view));
        const FigureTable& table = window.table();
        QVERIFY(!table.rows.isEmpty());
        QCOMPARE(table.rows.last().join(u' '), lastRow);
        QVERIFY2(table.notes.join(u' ').contains(note), qPrintable(table.notes.join(u' ')));
        // The window lists what is printed and exported.
        QCOMPARE(Column(window.tables[view], 0), [&] {
            QStringList first;
            for (const QStringList& row : table.rows)
                first << row[0];
            return first;
        }());
        QCOMPARE(window.notes[view]->text(), table.notes.join(u'\n'));
        QCOMPARE(!window.picture().isNull(), picture);
    }

    // The league table by a header click: again reverses; an evening left out leaves its legs out.
    void leagueSortsAndChoosesEvenings() {
        FillHistory();
        MainWindow main;
        HistoryWindow window(main);
        window.showView(HistoryWindow::League);
        QTableWidget* table = window.tables[HistoryWindow::League];
        QCOMPARE(Column(table, 0), (QStringList{"Anna", "Bert"}));
        window.show();
        const auto clickHeader = [&](int column) {
            QHeaderView* header = table->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
        };
        clickHeader(int(LeagueColumn::Average));
        QCOMPARE(Column(table, 0), (QStringList{"Anna", "Bert"})); // 101 before 50.50
        clickHeader(int(LeagueColumn::Average));
        QCOMPARE(Column(table, 0), (QStringList{"Bert", "Anna"}));
        QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        window.eveningList->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(table->rowCount(), 0);
    }

    // Printed as a PDF and exported as CSV through the real paths; the PDF read back has the
    // names and figures of the table.
    void printsAndExportsTheLeague() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        FillHistory();
        MainWindow main;
        main.session.footerText = "Clubavond De Pijlen";
        HistoryWindow window(main);
        window.showView(HistoryWindow::League);
        choosePrinter(int(installedPrinterNames().size()));
        const QString pdf = m_home->file("stand.pdf");
        setPdfFileAsker([&](QWidget*, const QString&) { return pdf; });
        setCsvFileAsker([&](QWidget*, const QString& suggested) {
            return m_home->file(QFileInfo(suggested).completeBaseName());
        });
        window.printView();
        window.exportView();
        setPdfFileAsker({});
        setCsvFileAsker({});
        QVERIFY2(m_prompts->seen.isEmpty(), qPrintable(m_prompts->texts().join('\n')));
        QProcess read;
        read.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(read.waitForFinished(20000));
        const QString text = QString::fromUtf8(read.readAllStandardOutput()).simplified();
        for (const char* expected :
             {"Competitiestand van De Pijlen", "Beste leg (darts)", "Anna 1 1 101.00 101.00 0 100.0 3 101",
              "Bert 1 1 50.50 50.50 0 - 6 41", "Clubavond De Pijlen"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(expected + ("\nin: " + text)));
        const QByteArray csv = m_home->read("Competitiestand van De Pijlen.csv");
        QVERIFY2(csv.startsWith("\xEF\xBB\xBFSpeler;Legs;Gewonnen;Gemiddelde;"), csv.left(60).constData());
        QVERIFY2(csv.contains("\r\nBert;1;1;50.50;50.50;0;-;6;41\r\n"), csv.constData());
    }

    // Ctrl+H opens the window past the typed darts; the first start imports the score lists
    // once, even when what it brought in is gone since.
    void openedByKeyAndImportedOnce() {
        ScoreListModel anna;
        anna.appendRow(teamLegRow({"100", "1"}, legTimeStamp(QDateTime(QDate(2024, 3, 7), QTime(21, 5)))));
        QVERIFY(savePlayerList(anna, "De Pijlen", "Anna"));
        importHistoryAtFirstStart(nullptr);
        const auto turns = [] {
            HistoryStore store(historyFilePath());
            store.open();
            QSqlQuery q(store.database());
            q.exec("SELECT count(*) FROM turns");
            q.next();
            return q.value(0).toInt();
        };
        QCOMPARE(turns(), 2);
        {
            HistoryStore store(historyFilePath());
            QVERIFY(store.open());
            QVERIFY(QSqlQuery(store.database()).exec("DELETE FROM turns"));
        }
        importHistoryAtFirstStart(nullptr);
        QCOMPARE(turns(), 0);
        QVERIFY(m_prompts->seen.isEmpty());

        vxtest::DialogRecorder dialogs;
        QString player;
        dialogs.onOpen = [&](QDialog& dialog) {
            player = static_cast<HistoryWindow&>(dialog).playerBox->currentText();
            return int(QDialog::Rejected);
        };
        MainWindow main;
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(main.findChild<StyledButton*>("Knop1(20)"), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(dialogs.opened, QStringList{"Historie"});
    }

  private:
    std::unique_ptr<vxtest::TempHome> m_home;
    std::unique_ptr<vxtest::ScriptedPrompts> m_prompts;
};

QTEST_MAIN(HistoryWindowTest)
#include "test_historywindow.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// CSV export: awkward texts read back by a reader of the test's own, the bytes of a small
// export, numbers and formula-like texts as a spreadsheet takes them, and failures that leave
// nothing behind.
#include "core/files/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

// Splits CSV the usual way: ";" between fields, a line end (CR LF, CR or LF, as a spreadsheet
// takes them) between records, a quoted field may hold anything, "" inside it is one quote.
QList<QStringList> ReadCsv(const QString& text) {
    QList<QStringList> records{{""}};
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && quoted && text.mid(i + 1, 1) == "\"")
            records.last().last() += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u';' && c != u'\r' && c != u'\n'))
            records.last().last() += c;
        else if (c == u';')
            records.last() << "";
        else if (c == u'\n' || text.mid(i + 1, 1) != "\n")
            records.append({""});
    }
    records.removeLast(); // after the last line end
    return records;
}

const QByteArray kTurnHeaders =
    "D.1;D.2;D.3;D.4;D.5;D.6;D.7;D.8;D.9;D.10;D.11;D.12;D.13;D.14;D.15;D.16;D.17;D.18;"
    "D.19;D.20;D.21;D.22;D.23;D.24;D.25";

} // namespace

class CsvExportTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip() {
        const QStringList awkward{"Zoë €",        "Piet; Klaas",  "Jan \"de Pijl\"", "\"", "twee\r\nregels",
                                  "twee\nregels", "twee\rregels", "  Kees  ",        "",   "-"};
        ScoreListModel list;
        list.setFirstHeader(awkward[0]);
        ScoreListModel::Row row;
        for (int column = 0; column < ScoreListModel::kColumns; ++column)
            row[column] = awkward[column % awkward.size()];
        list.appendRow(row);
        QTemporaryDir dir;
        QVERIFY(exportCsv(list, dir.filePath("lijst.csv")).ok);
        QFile file(dir.filePath("lijst.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList headers;
        for (int column = 0; column < ScoreListModel::kColumns; ++column)
            headers << list.headerText(column);
        const QList<QStringList> expected{headers, QStringList(row.begin(), row.end())};
        QCOMPARE(ReadCsv(QString::fromUtf8(bytes.mid(3))), expected);
    }

    void bytes() {
        ScoreListModel list;
        ScoreListModel::Row row;
        row.fill("-");
        row[0] = "Jan \"de Pijl\"; Zoë";
        row[1] = "v";
        row[2] = "100";
        row[3] = "81";
        row[27] = "30.2";
        list.appendRow(row);
        QCOMPARE(csvBytes(list), "\xEF\xBB\xBFNaam Speler;Out;" + kTurnHeaders + ";Gemiddelde\r\n" +
                                     "\"Jan \"\"de Pijl\"\"; Zo\xC3\xAB\";v;100;81" +
                                     QByteArray(";-").repeated(23) + ";30.2\r\n");
        QCOMPARE(csvBytes(ScoreListModel()),
                 "\xEF\xBB\xBFNaam Speler;Out;" + kTurnHeaders + ";Gemiddelde\r\n");
    }

    // Numbers with the decimal separator of the locale at the time of the export, whichever
    // the cell holds; texts that a spreadsheet would run as a formula marked as text.
    void cellsAsASpreadsheetTakesThem_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("field"); // as read back
        // clang-format off
        QTest::newRow("Dutch: point to comma") << "nl_NL" << 27 << "55.7" << "55,7";
        QTest::newRow("Dutch: comma kept") << "nl_NL" << 27 << "55,7" << "55,7";
        QTest::newRow("English: comma to point") << "en_GB" << 27 << "55,7" << "55.7";
        QTest::newRow("C: point kept") << "C" << 27 << "16.7" << "16.7";
        QTest::newRow("Dutch: a turn cell") << "nl_NL" << 5 << "0.5" << "0,5";
        QTest::newRow("Dutch: a whole number") << "nl_NL" << 2 << "180" << "180";
        QTest::newRow("Dutch: a negative number") << "nl_NL" << 3 << "-12.5" << "-12,5";
        QTest::newRow("a negative whole number") << "nl_NL" << 3 << "-5" << "-5";
        QTest::newRow("the unused cell") << "nl_NL" << 10 << "-" << "-";
        QTest::newRow("two separators: text") << "nl_NL" << 27 << "1.2.3" << "1.2.3";
        QTest::newRow("no digit after: text") << "nl_NL" << 27 << "5." << "5.";
        QTest::newRow("no digit before: text") << "nl_NL" << 27 << ",5" << ",5";
        QTest::newRow("a name that looks like a number") << "nl_NL" << 0 << "1.5" << "1.5";
        QTest::newRow("=") << "nl_NL" << 27 << "=SUM(A1:A9)" << "'=SUM(A1:A9)";
        QTest::newRow("+") << "nl_NL" << 0 << "+31 6 1234" << "'+31 6 1234";
        QTest::newRow("- before text") << "nl_NL" << 0 << "-Koos" << "'-Koos";
        QTest::newRow("a minus as a name") << "nl_NL" << 0 << "-" << "-";
        QTest::newRow("a negative number as a name") << "nl_NL" << 0 << "-5" << "'-5";
        QTest::newRow("two minus signs") << "nl_NL" << 4 << "--" << "'--";
        QTest::newRow("a minus and a point") << "nl_NL" << 4 << "-.5" << "'-.5";
        QTest::newRow("@") << "nl_NL" << 1 << "@lijst" << "'@lijst";
        QTest::newRow("tab") << "nl_NL" << 0 << "\t=1" << "'\t=1";
        QTest::newRow("carriage return") << "nl_NL" << 0 << "\r=1" << "'\r=1";
        QTest::newRow("a formula further on") << "nl_NL" << 0 << "Koos=1" << "Koos=1";
        QTest::newRow("already marked") << "nl_NL" << 0 << "'=1" << "'=1";
        // clang-format on
    }
    void cellsAsASpreadsheetTakesThem() {
        QFETCH(QString, locale);
        QFETCH(int, column);
        QFETCH(QString, cell);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        ScoreListModel list;
        ScoreListModel::Row row;
        row.fill("7");
        row[column] = cell;
        list.appendRow(row);
        const QByteArray bytes = csvBytes(list);
        QLocale::setDefault(before);
        const QList<QStringList> lines = ReadCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1].size(), ScoreListModel::kColumns);
        QTEST(lines[1][column], "field");
        // The rest of the row as it was.
        for (int other = 0; other < ScoreListModel::kColumns; ++other)
            if (other != column) QCOMPARE(lines[1][other], QStringLiteral("7"));
    }

    // Headers are texts too: a team name that starts like a formula is marked.
    void headers() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        ScoreListModel list;
        list.setFirstHeader("=Team 1.5");
        const QByteArray bytes = csvBytes(list);
        QLocale::setDefault(before);
        QVERIFY2(bytes.startsWith("\xEF\xBB\xBF'=Team 1.5;Out;D.1;"), bytes.constData());
    }

    void failure_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "weg/lijst.csv"
                                        << "bestaat niet";
        QTest::newRow("a folder in the way") << "map"
                                             << "er staat een map met die naam";
    }
    void failure() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("map"));
        const FileResult result = exportCsv(ScoreListModel(), dir.filePath(name));
        QVERIFY2(!result.ok && result.error.startsWith("De scorelijst is niet geëxporteerd naar") &&
                     result.error.contains(reason),
                 qPrintable(result.error));
        // Nothing half-written beside it either.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"map"});
    }
};

QTEST_GUILESS_MAIN(CsvExportTest)
#include "test_csvexport.moc"

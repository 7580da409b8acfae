// CSV export: awkward texts read back by a reader of the test's own, the bytes of a small
// export, and failures that leave nothing behind.
#include "core/files/CsvExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

// Splits CSV the usual way: ";" between fields, a line end (CR LF, CR or LF) between records,
// a quoted field may hold anything, "" inside it is one quote.
QList<QStringList> ReadCsv(const QString& text) {
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u';') {
            records.last() << field;
            field.clear();
        } else if (c == u'\r' || c == u'\n') { // as a spreadsheet reads it: either ends a line
            records.last() << field;
            field.clear();
            records.append(QStringList());
            if (c == u'\r' && text.mid(i + 1, 1) == "\n") ++i;
        } else {
            field += c;
        }
    }
    records.removeLast(); // after the last line end
    return records;
}

ScoreListModel::Row RowOf(const QString& text) {
    ScoreListModel::Row row;
    row.fill(QStringLiteral("-"));
    row[0] = text;
    row[1] = QStringLiteral("v");
    row[2] = text;
    row[27] = text;
    return row;
}

QStringList Cells(const ScoreListModel::Row& row) {
    return QStringList(row.begin(), row.end());
}

const QByteArray kTurnHeaders =
    "D.1;D.2;D.3;D.4;D.5;D.6;D.7;D.8;D.9;D.10;D.11;D.12;D.13;D.14;D.15;D.16;D.17;D.18;"
    "D.19;D.20;D.21;D.22;D.23;D.24;D.25";

} // namespace

class CsvExportTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("Zoë") << "Zoë €";
        QTest::newRow("semicolon") << "Piet; Klaas";
        QTest::newRow("quotes") << "Jan \"de Pijl\"";
        QTest::newRow("only a quote") << "\"";
        QTest::newRow("CR LF") << "twee\r\nregels";
        QTest::newRow("LF alone") << "twee\nregels";
        QTest::newRow("CR alone") << "twee\rregels";
        QTest::newRow("blanks around") << "  Kees  ";
        QTest::newRow("empty") << "";
    }
    void roundTrip() {
        QFETCH(QString, text);
        ScoreListModel list;
        list.setFirstHeader(text);
        list.appendRow(RowOf(text));
        list.appendRow(RowOf("Klaas"));
        QTemporaryDir dir;
        const QString path = dir.filePath("lijst.csv");
        QVERIFY(ExportCsv(list, path).ok);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QStringList headers;
        for (int column = 0; column < ScoreListModel::kColumns; ++column)
            headers << list.headerText(column);
        const QList<QStringList> expected{headers, Cells(list.row(0)), Cells(list.row(1))};
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
        QCOMPARE(CsvBytes(list), "\xEF\xBB\xBFNaam Speler;Out;" + kTurnHeaders + ";Gemiddelde\r\n" +
                                     "\"Jan \"\"de Pijl\"\"; Zo\xC3\xAB\";v;100;81" +
                                     QByteArray(";-").repeated(23) + ";30.2\r\n");
        QCOMPARE(CsvBytes(ScoreListModel()),
                 "\xEF\xBB\xBFNaam Speler;Out;" + kTurnHeaders + ";Gemiddelde\r\n");
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
        ScoreListModel list;
        list.appendRow(RowOf("Piet"));
        const FileResult result = ExportCsv(list, dir.filePath(name));
        QVERIFY(!result.ok);
        QVERIFY2(result.error.startsWith("De scorelijst is niet geëxporteerd naar") &&
                     result.error.contains(reason),
                 qPrintable(result.error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"map"});
        QVERIFY(QDir(dir.filePath("map")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
};

QTEST_GUILESS_MAIN(CsvExportTest)
#include "test_csvexport.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of finished legs and the checkout lookup.
#include "core/match/Checkout.h"
#include "core/scorelist/LegRows.h"
#include "core/scorelist/ScoreList.h"

#include <QTest>

using namespace vx;

namespace {

QStringList Repeat(const QString& turn, int times) {
    QStringList turns;
    for (int i = 0; i < times; ++i)
        turns << turn;
    return turns;
}

// A leg of 20 turns that adds up to 501: 19 turns of 25 and one of 26.
QStringList Leg501In20() {
    QStringList turns = Repeat(QStringLiteral("25"), 19);
    turns << QStringLiteral("26");
    return turns;
}

} // namespace

class ScoreListTest : public QObject {
    Q_OBJECT
  private slots:
    // Edits of the compact rows, checked against plain rows: cells of another length move the
    // row, and enough of that packs the text together again. A copy taken before keeps what
    // it had.
    void editedRowsKeepTheirCells_data() {
        QTest::addColumn<int>("edits");
        QTest::addColumn<int>("removeEvery");
        QTest::newRow("a few, no removal") << 40 << 0;
        QTest::newRow("enough to pack, with removals") << 6000 << 7;
    }
    void editedRowsKeepTheirCells() {
        QFETCH(int, edits);
        QFETCH(int, removeEvery);
        QVector<ScoreRows::Row> plain;
        ScoreRows rows;
        for (int r = 0; r < 300; ++r) {
            ScoreRows::Row row;
            for (int c = 0; c < ScoreRows::kColumns; ++c)
                row[c] = c % 3 ? QString::number(r * c % 181) : QString();
            row[0] = QStringLiteral("rij %1").arg(r);
            plain.append(row);
            rows.append(row);
        }
        const ScoreRows before = rows;
        const QVector<ScoreRows::Row> plainBefore = plain;
        for (int e = 0; e < edits; ++e) {
            const int r = (e * 37) % int(plain.size());
            const int c = (e * 11) % ScoreRows::kColumns;
            if (removeEvery && e % removeEvery == 0 && plain.size() > 100) {
                plain.removeAt(r);
                rows.removeAt(r);
                continue;
            }
            const QString text = QString(e % 5, QChar(u'a' + e % 26)) + QString::number(e % 3);
            plain[r][c] = text;
            rows.setCell(r, c, text);
        }
        QCOMPARE(rows.size(), plain.size());
        for (int r = 0; r < plain.size(); ++r)
            QCOMPARE(rows[r], plain[r]);
        QCOMPARE(before.size(), plainBefore.size());
        for (int r = 0; r < plainBefore.size(); ++r)
            QCOMPARE(before[r], plainBefore[r]);
    }

    void timeStamp_data() {
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QString>("text");
        QTest::newRow("single digits padded, hour not")
            << QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)) << "07-03-2024 / 9:05:03";
        QTest::newRow("first of January")
            << QDateTime(QDate(2025, 1, 1), QTime(0, 0, 0)) << "01-01-2025 / 0:00:00";
        QTest::newRow("last second of the year")
            << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)) << "31-12-2024 / 23:59:59";
    }
    void timeStamp() {
        QFETCH(QDateTime, at);
        QFETCH(QString, text);
        QCOMPARE(legTimeStamp(at), text);
    }

    void average_data() {
        QTest::addColumn<QStringList>("turns");
        QTest::addColumn<QString>("text");
        QTest::newRow("301 in three turns") << QStringList{"100", "140", "61"} << "33.4";
        QTest::newRow("one maximum") << QStringList{"180"} << "60.0";
        QTest::newRow("turns as whole numbers, halves to even") << QStringList{"26.5", "26.5"} << "8.7";
        QTest::newRow("text without a number counts 0") << QStringList{"60", "-"} << "10.0";
        QTest::newRow("per turn in single precision") << Leg501In20() << "8.3";
        QTest::newRow("no turns") << QStringList{} << "0.0";
    }
    void average() {
        QFETCH(QStringList, turns);
        QFETCH(QString, text);
        QCOMPARE(averagePerDart(turns), text);
    }

    void teamLegRow() {
        const auto row = vx::teamLegRow({"100", "140", "61"}, QStringLiteral("07-03-2024 / 9:05:03"));
        QCOMPARE(row[0], QStringLiteral("07-03-2024 / 9:05:03"));
        QCOMPARE(row[1], QString());
        QCOMPARE(row[2], QStringLiteral("100"));
        QCOMPARE(row[3], QStringLiteral("140"));
        QCOMPARE(row[4], QStringLiteral("61"));
        for (int c = 5; c <= 26; ++c)
            QCOMPARE(row[c], QStringLiteral("-"));
        QCOMPARE(row[27], QStringLiteral("33.4"));
    }

    // A row has 25 turn cells: a full leg leaves no filler, a longer one never spills into the
    // average, and the average still counts the turns that did not fit.
    void longLegs_data() {
        QTest::addColumn<QStringList>("turns");
        QTest::addColumn<QString>("lastTurnCell");
        QTest::addColumn<QString>("average");
        QTest::newRow("25 turns") << Repeat(QStringLiteral("12"), 25) << "12"
                                  << "4.0";
        QStringList longer = Repeat(QStringLiteral("0"), 25) + Repeat(QStringLiteral("60"), 5);
        QTest::newRow("30 turns, scores after the 25th") << longer << "0"
                                                         << "3.3";
    }
    void longLegs() {
        QFETCH(QStringList, turns);
        QFETCH(QString, lastTurnCell);
        QFETCH(QString, average);
        ScoreListModel model;
        model.appendRow(vx::teamLegRow(turns, QStringLiteral("stamp")));
        QCOMPARE(model.columnCount(), 28);
        for (int c = 2; c < 26; ++c)
            QCOMPARE(model.cell(0, c), turns[c - 2]);
        QCOMPARE(model.cell(0, 26), lastTurnCell);
        QCOMPARE(model.cell(0, 27), average);
        QVERIFY(!model.index(0, 28).isValid());
    }

    void duoLegRows() {
        const QStringList turns1 = Repeat(QStringLiteral("30"), 15);
        const QStringList turns2 = Repeat(QStringLiteral("33"), 15);
        ScoreListModel model;
        QCOMPARE(model.itemsText(), QStringLiteral("0 Items"));
        model.appendRow(duoLegRow(QStringLiteral("Koos"), false, turns1, QStringLiteral("10,0")));
        model.appendRow(duoLegRow(QStringLiteral("Fred"), true, turns2, QStringLiteral("11,0")));
        QCOMPARE(model.itemsText(), QStringLiteral("2 Items"));
        QCOMPARE(model.cell(0, 0), QStringLiteral("Koos"));
        QCOMPARE(model.cell(0, 1), QStringLiteral("-"));
        QCOMPARE(model.cell(1, 0), QStringLiteral("Fred"));
        QCOMPARE(model.cell(1, 1), QStringLiteral("v"));
        QCOMPARE(model.cell(1, 16), QStringLiteral("33"));
        QCOMPARE(model.cell(1, 17), QStringLiteral("-"));
        QCOMPARE(model.cell(0, 27), QStringLiteral("10,0")); // as the player's label shows it
        QCOMPARE(model.cell(1, 27), QStringLiteral("11,0"));
        model.appendRow(vx::teamLegRow({"501"}, QStringLiteral("stamp")));
        QCOMPARE(model.itemsText(), QStringLiteral("3 Items"));
    }

    void checkout_data() {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("shown"); // "<none>": no suggestion
        const QStringList table = {"170,T20 T20 B50", "100,T20 D20", "60,S20 D20", "2,D1"};
        QTest::newRow("100") << table << 100 << "T20 D20";
        QTest::newRow("then 60") << table << 60 << "S20 D20";
        QTest::newRow("one digit score") << table << 2 << "D1";
        QTest::newRow("169 has no entry") << table << 169 << "<none>";
        QTest::newRow("bust below zero") << table << -20 << "<none>";
        QTest::newRow("above the table") << table << 501 << "<none>";
        QTest::newRow("empty table") << QStringList{} << 100 << "<none>";
        QTest::newRow("last duplicate wins")
            << QStringList{"60,S20 D20", "60,20 D20", "61,T15 D8"} << 60 << "20 D20";
        QTest::newRow("second comma ends it") << QStringList{"100,T20 D20,of 20 T16 D12"} << 100 << "T20 D20";
        QTest::newRow("only three characters read") << QStringList{"1000,x"} << 100 << "x";
        QTest::newRow("entry without comma passed over")
            << QStringList{"100,T20 D20", "100 T20"} << 100 << "T20 D20";
        QTest::newRow("empty suggestion") << QStringList{"100,"} << 100 << "";
    }
    void checkout() {
        QFETCH(QStringList, table);
        QFETCH(int, score);
        QFETCH(QString, shown);
        const std::optional<QString> found = lookupCheckout(table, score);
        QCOMPARE(found.value_or(QStringLiteral("<none>")), shown);
    }
};

QTEST_GUILESS_MAIN(ScoreListTest)
#include "test_scorelist.moc"

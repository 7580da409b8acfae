// SPDX-License-Identifier: GPL-3.0-or-later
// Checkout advice for the darts left: every score against a brute-force search of the board,
// and which route is chosen when the table's does not fit.
#include "core/files/TextFile.h"
#include "core/match/CheckoutAdvice.h"

#include <QHash>
#include <QSet>
#include <QTest>

using namespace vx;

namespace {

// Every dart of the board by its name in the table's notation: points, and whether it finishes.
const QHash<QString, std::pair<int, bool>> kBoard = [] {
    QHash<QString, std::pair<int, bool>> board{{"25", {25, false}}, {"Bull", {50, true}}};
    for (int s = 1; s <= 20; ++s) {
        board.insert(QString::number(s), {s, false});
        board.insert("D" + QString::number(s), {2 * s, true});
        board.insert("T" + QString::number(s), {3 * s, false});
    }
    return board;
}();

bool FinishExists(int remaining, int darts) {
    QSet<int> before{0}; // what the darts before the last one can score together
    for (int k = 0; k < darts; ++k) {
        for (const auto& [points, finishes] : kBoard)
            if (finishes && before.contains(remaining - points)) return true;
        for (int sum : QSet<int>(before))
            for (const auto& dart : kBoard)
                before.insert(sum + dart.first);
    }
    return false;
}

bool ValidFinish(const QString& route, int remaining, int darts) {
    const QStringList names = route.split(u' ');
    int sum = 0;
    for (const QString& name : names)
        sum += kBoard.value(name, {-1000, false}).first;
    return names.size() <= darts && sum == remaining && kBoard.value(names.last()).second;
}

QStringList DeliveredTable() {
    QStringList lines;
    readTextLines(QStringLiteral(VX_DATA_DIR "/Uitgooiscore.lib"), &lines);
    return lines;
}

} // namespace

class CheckoutAdviceTest : public QObject {
    Q_OBJECT
  private slots:
    void everyScore_data() {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QList<int>>("dartsLeft");
        QTest::newRow("delivered table") << DeliveredTable() << QList<int>{1, 2, 3};
        // Three darts take the table's word alone, so only one and two darts stand without it.
        QTest::newRow("no table") << QStringList() << QList<int>{1, 2};
    }
    void everyScore() {
        QFETCH(QStringList, table);
        QFETCH(QList<int>, dartsLeft);
        QVERIFY(table.isEmpty() || table.size() > 150);
        for (int darts : dartsLeft) {
            for (int remaining = -1; remaining <= 200; ++remaining) {
                const std::optional<QString> advice = checkoutAdvice(table, remaining, darts);
                const QString what = QStringLiteral("%1 with %2 darts: %3")
                                         .arg(remaining)
                                         .arg(darts)
                                         .arg(advice.value_or("none"));
                QVERIFY2(advice.has_value() == FinishExists(remaining, darts), qPrintable(what));
                QVERIFY2(!advice || ValidFinish(*advice, remaining, darts), qPrintable(what));
            }
        }
    }

    void choice_data() {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("darts");
        QTest::addColumn<QString>("advice"); // empty: none
        const QStringList delivered = DeliveredTable();
        const QStringList odd{"100,T20 T20 D10", "60,T20"};
        QTest::newRow("table route that fits beats preference") << delivered << 61 << 2 << "T15 D8";
        QTest::newRow("table route needs two, one left") << delivered << 100 << 1 << "";
        QTest::newRow("three darts: table unchecked") << odd << 100 << 3 << "T20 T20 D10";
        QTest::newRow("four darts taken as three") << odd << 100 << 4 << "T20 T20 D10";
        QTest::newRow("ending on a single replaced") << odd << 60 << 2 << "20 D20";
        QTest::newRow("D20 first") << odd << 100 << 2 << "T20 D20";
        QTest::newRow("D16 before D18") << QStringList() << 86 << 2 << "T18 D16";
        QTest::newRow("other doubles from D19 down") << QStringList() << 15 << 2 << "1 D7";
        QTest::newRow("Bull last") << QStringList() << 90 << 2 << "Bull D20";
        QTest::newRow("single before treble") << QStringList() << 55 << 2 << "15 D20";
        QTest::newRow("treble before double") << QStringList() << 64 << 2 << "T8 D20";
        QTest::newRow("one dart before two") << QStringList() << 36 << 2 << "D18";
        QTest::newRow("no dart left") << delivered << 40 << 0 << "";
        QTest::newRow("far below zero") << QStringList() << std::numeric_limits<int>::min() << 2 << "";
    }
    void choice() {
        QFETCH(QStringList, table);
        QFETCH(int, remaining);
        QFETCH(int, darts);
        QFETCH(QString, advice);
        QCOMPARE(checkoutAdvice(table, remaining, darts).value_or(QString()), advice);
    }
};

QTEST_GUILESS_MAIN(CheckoutAdviceTest)
#include "test_checkoutadvice.moc"

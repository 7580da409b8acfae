// Checkout advice for the darts left: every score against a brute-force search of the board,
// and the table's precedence and the order of preference where the route is worked out.
#include "core/files/TextFile.h"
#include "core/match/CheckoutAdvice.h"

#include <QHash>
#include <QSet>
#include <QTest>

using namespace vx;

namespace {

struct BoardDart {
    int points = 0;
    bool finishes = false;
};

// Every dart the board offers, by its name in the table's notation.
QHash<QString, BoardDart> BoardDarts() {
    QHash<QString, BoardDart> darts{{"25", {25, false}}, {"Bull", {50, true}}};
    for (int segment = 1; segment <= 20; ++segment) {
        darts.insert(QString::number(segment), {segment, false});
        darts.insert("D" + QString::number(segment), {2 * segment, true});
        darts.insert("T" + QString::number(segment), {3 * segment, false});
    }
    return darts;
}

// Whether some throw of at most `darts` darts ends on `remaining` with a double or the Bull.
bool FinishExists(int remaining, int darts) {
    const QList<BoardDart> board = BoardDarts().values();
    QSet<int> before{0}; // what the darts before the last one can score together
    for (int k = 0; k < darts; ++k) {
        for (const BoardDart& last : board)
            if (last.finishes && before.contains(remaining - last.points)) return true;
        for (int sum : QSet<int>(before))
            for (const BoardDart& dart : board)
                before.insert(sum + dart.points);
    }
    return false;
}

// Empty when the route is a valid finish of `remaining` within `darts` darts; else why not.
QString RouteFault(const QString& route, int remaining, int darts) {
    static const QHash<QString, BoardDart> board = BoardDarts();
    const QStringList names = route.split(u' ');
    if (names.size() > darts) return "too many darts";
    int sum = 0;
    for (const QString& name : names) {
        if (!board.contains(name)) return "no dart: " + name;
        sum += board[name].points;
    }
    if (sum != remaining) return "adds up to " + QString::number(sum);
    if (!board[names.last()].finishes) return "last dart no double or Bull";
    return {};
}

QStringList DeliveredTable() {
    QStringList lines;
    ReadTextLines(QStringLiteral(VX_DATA_DIR "/Uitgooiscore.lib"), &lines);
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
                const std::optional<QString> advice = CheckoutAdvice(table, remaining, darts);
                const QString where = QStringLiteral("%1 with %2 darts").arg(remaining).arg(darts);
                QVERIFY2(advice.has_value() == FinishExists(remaining, darts),
                         qPrintable(where + (advice ? ": advice " + *advice : ": no advice")));
                if (advice) {
                    const QString fault = RouteFault(*advice, remaining, darts);
                    QVERIFY2(fault.isEmpty(), qPrintable(where + ": " + *advice + ", " + fault));
                }
            }
        }
    }

    void choice_data() {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<int>("darts");
        QTest::addColumn<QString>("advice"); // empty: none

        const QStringList delivered = DeliveredTable();
        const QStringList none;
        QTest::newRow("table route that fits beats preference") << delivered << 61 << 2 << "T15 D8";
        QTest::newRow("table route needs two, one left") << delivered << 100 << 1 << "";
        QTest::newRow("three-dart route, two left: worked out") << delivered << 101 << 2 << "T17 Bull";
        QTest::newRow("three darts: table unchecked")
            << QStringList{"100,T20 T20 D10"} << 100 << 3 << "T20 T20 D10";
        QTest::newRow("four darts taken as three")
            << QStringList{"100,T20 T20 D10"} << 100 << 4 << "T20 T20 D10";
        QTest::newRow("wrong sum replaced") << QStringList{"100,T20 D10"} << 100 << 2 << "T20 D20";
        QTest::newRow("ending on a single replaced") << QStringList{"60,T20"} << 60 << 2 << "20 D20";
        QTest::newRow("other notation replaced") << QStringList{"50,B50"} << 50 << 1 << "Bull";
        QTest::newRow("D20 first") << none << 100 << 2 << "T20 D20";
        QTest::newRow("D16 before D18") << none << 86 << 2 << "T18 D16";
        QTest::newRow("other doubles from D19 down") << none << 15 << 2 << "1 D7";
        QTest::newRow("Bull last") << none << 101 << 2 << "T17 Bull";
        QTest::newRow("single before treble") << none << 55 << 2 << "15 D20";
        QTest::newRow("treble before double") << none << 64 << 2 << "T8 D20";
        QTest::newRow("double as setup") << none << 62 << 2 << "D11 D20";
        QTest::newRow("Bull as setup") << none << 90 << 2 << "Bull D20";
        QTest::newRow("one dart before two") << none << 36 << 2 << "D18";
        QTest::newRow("no dart left") << delivered << 40 << 0 << "";
        QTest::newRow("far below zero") << none << std::numeric_limits<int>::min() << 2 << "";
    }
    void choice() {
        QFETCH(QStringList, table);
        QFETCH(int, remaining);
        QFETCH(int, darts);
        QFETCH(QString, advice);
        QCOMPARE(CheckoutAdvice(table, remaining, darts).value_or(QString()), advice);
    }
};

QTEST_GUILESS_MAIN(CheckoutAdviceTest)
#include "test_checkoutadvice.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Score list statistics: gathering, title, summary, the two pictures, the readout and the
// item editor's average.
#include "core/review/Statistics.h"
#include "reviewsupport.h"
#include "testsupport.h"

#include <QTest>

using namespace vx;
using vxtest::barHeight;
using vxtest::kBar;
using vxtest::makeRow;

class StatisticsTest : public QObject {
    Q_OBJECT
  private slots:
    void gathering_data() {
        QTest::addColumn<QList<QStringList>>("rows"); // first entry of each row is its text
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("results");
        QTest::addColumn<double>("total");
        QTest::addColumn<double>("average");
        QTest::addColumn<QString>("title");

        QTest::newRow("Piet and piet together")
            << QList<QStringList>{{"Piet", "100", "60"}, {"Klaas", "180"}, {"piet", "41"}} << 2 << 3 << 201.0
            << 67.00 << "Speler (piet) met een gemiddelde van 67.00 per 3 darts";
        QTest::newRow("180 180 60") << QList<QStringList>{{"Jan", "180", "180", "60"}} << 0 << 3 << 420.0
                                    << 140.00 << "Speler (Jan) met een gemiddelde van 140.00 per 3 darts";
        QTest::newRow("zero counts and lowers")
            << QList<QStringList>{{"Jan", "100", "0"}} << 0 << 2 << 100.0 << 50.00
            << "Speler (Jan) met een gemiddelde van 50.00 per 3 darts";
        QTest::newRow("text without number counts as 0")
            << QList<QStringList>{{"Jan", "90", "abc"}} << 0 << 2 << 90.0 << 45.00
            << "Speler (Jan) met een gemiddelde van 45.00 per 3 darts";
        QTest::newRow("above 180 counts in total")
            << QList<QStringList>{{"Jan", "200", "100"}} << 0 << 2 << 300.0 << 150.00
            << "Speler (Jan) met een gemiddelde van 150.00 per 3 darts";
        QTest::newRow("total rounded after each addition")
            << QList<QStringList>{{"Jan", "10.5", "10.5"}} << 0 << 2 << 20.0 << 10.00
            << "Speler (Jan) met een gemiddelde van 10.00 per 3 darts";
        QTest::newRow("no selection gathers nothing") << QList<QStringList>{{"", "100"}, {"Jan", "60"}} << -1
                                                      << 0 << 0.0 << 0.00 << "Speler () zonder scores";
        QTest::newRow("selection past the end gathers nothing")
            << QList<QStringList>{{"Jan", "60"}} << 1 << 0 << 0.0 << 0.00 << "Speler () zonder scores";
        QTest::newRow("an empty row text is a text too")
            << QList<QStringList>{{"", "100"}, {"Jan", "60"}, {"", "50"}} << 0 << 2 << 150.0 << 75.00
            << "Speler () met een gemiddelde van 75.00 per 3 darts";
        QTest::newRow("only dashes") << QList<QStringList>{{"Jan"}} << 0 << 0 << 0.0 << 0.00
                                     << "Speler (Jan) zonder scores";
    }
    void gathering() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(int, selected);
        QFETCH(int, results);
        QFETCH(double, total);
        QFETCH(double, average);
        QFETCH(QString, title);

        ScoreListModel list;
        for (const QStringList& r : rows)
            list.appendRow(makeRow(r.first(), r.mid(1)));
        const ScoreStatistics stats = gatherStatistics(list, selected);
        QCOMPARE(stats.results, results);
        QCOMPARE(stats.total, total);
        QCOMPARE(stats.average(), average);
        const QString rowText = selected >= 0 && selected < list.count() ? list.cell(selected, 0) : QString();
        QCOMPARE(statisticsTitle(rowText, stats), title);
    }

    void counters() {
        ScoreListModel list;
        list.appendRow(makeRow("Jan", {"180", "180", "60", "0", "-", "181", "-1"}));
        const ScoreStatistics stats = gatherStatistics(list, 0);
        QCOMPARE(stats.counts[180], 2);
        QCOMPARE(stats.counts[60], 1);
        QCOMPARE(stats.counts[0], 1);
        int all = 0;
        for (int c : stats.counts)
            all += c;
        QCOMPARE(all, 4); // 181 and -1 raise no counter
        QCOMPARE(stats.results, 6);
    }

    void summary_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("text");
        QTest::newRow("100 60 41 over two players")
            << QList<QStringList>{{"Piet", "100"}, {"Jan", "60", "41"}}
            << "Uitslag complete scorelijst\r\n------------------------------\r\n"
               "Totaal aantal uitslagen : 3\r\nTotaal van alle scores : 201 punten\r\n"
               "Gemiddeld is dit : 67.00 per 3 darts";
        QTest::newRow("no filled cell gives 0.00")
            << QList<QStringList>{{"Piet"}}
            << "Uitslag complete scorelijst\r\n------------------------------\r\n"
               "Totaal aantal uitslagen : 0\r\nTotaal van alle scores : 0 punten\r\n"
               "Gemiddeld is dit : 0.00 per 3 darts";
    }
    void summary() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, text);
        ScoreListModel list;
        for (const QStringList& r : rows)
            list.appendRow(makeRow(r.first(), r.mid(1)));
        QCOMPARE(summaryText(gatherAllStatistics(list)), text);
    }

    void barGraph() {
        ScoreListModel list;
        list.appendRow(makeRow("Jan", {"180", "180", "60", "0"}));
        const QImage graph = drawBarGraph(gatherStatistics(list, 0));
        QCOMPARE(graph.size(), QSize(678, 400));

        QCOMPARE(barHeight(graph, 579), 10);
        QCOMPARE(barHeight(graph, 580), 10);
        QCOMPARE(barHeight(graph, 219), 5);
        QCOMPARE(barHeight(graph, 220), 5);
        QVERIFY(graph.pixelColor(581, 305) != kBar); // the gap between bars
        // An unthrown score leaves only its mark on the axis; score 0 has no bar at all.
        QCOMPARE(barHeight(graph, 42), 0);
        QCOMPARE(graph.pixelColor(42, 310), kBar);
        QCOMPARE(graph.pixelColor(40, 310), QColor(Qt::black));
        int red = 0;
        for (int y = 0; y < graph.height(); ++y)
            for (int x = 0; x < graph.width(); ++x)
                if (graph.pixelColor(x, y) == kBar) ++red;
        QCOMPARE(red, 180 * 2 + 2 * (10 + 5)); // the axis marks and the two bars, two pixels wide

        QCOMPARE(graph.pixelColor(40, 10), QColor(Qt::black));
        QCOMPARE(graph.pixelColor(41, 200), QColor(Qt::black));
        QCOMPARE(graph.pixelColor(650, 311), QColor(Qt::black));
        QCOMPARE(graph.pixelColor(300, 20), QColor(230, 230, 230));
        QCOMPARE(graph.pixelColor(300, 25), QColor(Qt::white));
        // The scale numbers stand left of the axis, "56" next to the top grid line.
        QVERIFY(darkPixels(graph, QRect(20, 23, 19, 12)) > 0);
        QCOMPARE(darkPixels(graph, QRect(0, 0, 19, 400)), 0);
    }

    void numberTable() {
        ScoreListModel list;
        list.appendRow(makeRow("Jan", {"1"}));
        const QImage withOne = drawNumberTable(gatherStatistics(list, 0));
        const QImage empty = drawNumberTable(ScoreStatistics{});
        QCOMPARE(withOne.size(), QSize(678, 400));
        // Labels in grey in the label column: "1 : " at (90 + 225, 240) twips = pixel (21, 16).
        QVERIFY(colouredPixels(empty, QRect(20, 16, 20, 13), QColor(90, 90, 90)) > 0);
        // Counts in green: column 0 starts at x 570 twips = 38 px; the last column at 9480 = 632 px.
        QVERIFY(colouredPixels(empty, QRect(38, 16, 25, 13), QColor(0, 170, 0)) > 0);
        QVERIFY(colouredPixels(empty, QRect(632, 322, 25, 13), QColor(0, 170, 0)) > 0);
        // Only the count of score 1 differs between the two tables.
        QVERIFY(empty != withOne);
        QCOMPARE(differingPixels(empty, withOne, QRect(38, 16, 25, 13)),
                 differingPixels(empty, withOne, withOne.rect()));
    }

    void readout_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("first bar") << 42 << "Score : 1 / 180";
        QTest::newRow("left edge") << 0 << "Score : -13 / 180";
        QTest::newRow("a third rounds down") << 43 << "Score : 1 / 180";
        QTest::newRow("two thirds round up") << 44 << "Score : 2 / 180";
        QTest::newRow("last bar") << 579 << "Score : 180 / 180";
        QTest::newRow("beyond the last bar") << 677 << "Score : 213 / 180";
    }
    void readout() {
        QFETCH(int, x);
        QFETCH(QString, text);
        QCOMPARE(graphReadout(x), text);
    }

    void itemAverage_data() {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("average");
        QTest::newRow("60 45 100") << QStringList{"60", "45", "100"} << "22.8";
        QTest::newRow("typing 0 lowers it") << QStringList{"60", "45", "100", "0"} << "17.1";
        QTest::newRow("empty text counts as 0") << QStringList{"60", "45", "100", ""} << "17.1";
        QTest::newRow("all dashes") << QStringList{} << "0.0";
        QTest::newRow("unchecked text above 180") << QStringList{"300"} << "100.0";
    }
    void itemAverage() {
        QFETCH(QStringList, cells);
        QFETCH(QString, average);
        while (cells.size() < 25)
            cells << "-";
        QCOMPARE(turnCellsAverage(cells), average);
    }

  private:
    // Pixels of text in `ink` on white, smoothed edges included: each is a blend of the two.
    static int colouredPixels(const QImage& image, QRect area, const QColor& ink) {
        const int ref[3] = {ink.red(), ink.green(), ink.blue()};
        int k = 0;
        for (int c = 1; c < 3; ++c)
            if (ref[c] < ref[k]) k = c;
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor p = image.pixelColor(x, y);
                const int got[3] = {p.red(), p.green(), p.blue()};
                const double alpha = (255.0 - got[k]) / (255.0 - ref[k]);
                if (alpha < 0.3) continue;
                bool blend = true;
                for (int c = 0; c < 3; ++c)
                    blend = blend && std::abs(got[c] - (alpha * ref[c] + (1 - alpha) * 255)) < 16;
                n += blend;
            }
        return n;
    }
    static int darkPixels(const QImage& image, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128) ++n;
        return n;
    }
    static int differingPixels(const QImage& a, const QImage& b, QRect area) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y)) ++n;
        return n;
    }
};

QTEST_MAIN(StatisticsTest)
#include "test_statistics.moc"

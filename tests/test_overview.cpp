// The player overview: figures of hand-made score lists worked out by hand, odd rows and cells
// included, and its printed page.
#include "core/review/PlayerOverview.h"
#include "testsupport.h"

#include <QTest>

using namespace vx;

namespace {

// A row from its cells in order: text, "Out", then the turns; "-" fills the turns after them.
ScoreListModel::Row MakeRow(const QStringList& cells) {
    ScoreListModel::Row row;
    for (int k = 0; k < ScoreListModel::kColumns; ++k)
        row[k] = k < cells.size() ? cells[k] : k == 1 ? QString() : QStringLiteral("-");
    return row;
}

const QString k308Nines(308, u'9');

} // namespace

class OverviewTest : public QObject {
    Q_OBJECT
  private slots:
    void figures_data() {
        QTest::addColumn<bool>("duo");
        // Duo: name, "Out", turns. Team: player, "" and turns; a run of rows with the same name
        // is one player's file.
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QList<QStringList>>("expected");

        QTest::newRow("duo, names without case, v on both rows")
            << true
            << QList<QStringList>{{"Piet", "v", "100", "140", "180", "81"},
                                  {"Klaas", "-", "60", "45", "26", "3"},
                                  {"piet", "-", "180", "0", "abc", "60"},
                                  {"KLAAS", "v", "100", "100", "101"},
                                  {"Jan", "v"},
                                  {"Piet", "v", "140", "121"},
                                  {"Klaas", "v", "99", "200", "41"}}
            << QList<QStringList>{
                   {"Piet", "3", "2", "100.20", "107.63", "2", "2", "2", "2", "180", "2", "121"},
                   {"Klaas", "3", "2", "77.50", "85.78", "0", "0", "3", "2", "101", "3", "101"},
                   {"Jan", "0", "0", "-", "-", "0", "0", "0", "0", "-", "-", "-"}};
        QTest::newRow("odd cells")
            << true
            << QList<QStringList>{{"Zoë", "v", "900000000000", "-5", ""},
                                  {"Max", "-", k308Nines, k308Nines},
                                  {"Eva", "v", "60", "-", "100"}}
            << QList<QStringList>{
                   {"Zoë", "1", "1", "299999999998.33", "299999999998.33", "0", "0", "0", "0", "0", "3", "-"},
                   {"Max", "1", "0", "-", "-", "0", "0", "0", "0", "-", "-", "-"},
                   {"Eva", "1", "1", "80.00", "80.00", "0", "0", "1", "1", "100", "2", "100"}};
        QTest::newRow("team, every row won, files of one name merged")
            << false
            << QList<QStringList>{{"Jan", "", "100", "140", "61"},
                                  {"Jan", "", "180", "121"},
                                  {"Piet", "", "60", "60", "60", "60", "61"},
                                  {"jan", ""},
                                  {"jan", "-", "101", "200"}}
            << QList<QStringList>{
                   {"Jan", "3", "3", "129.00", "129.00", "1", "1", "3", "1", "180", "2", "121"},
                   {"Piet", "1", "1", "60.20", "60.00", "0", "0", "0", "5", "61", "5", "61"}};
    }
    void figures() {
        QFETCH(bool, duo);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QList<QStringList>, expected);

        QList<PlayerFigures> players;
        if (duo) {
            ScoreListModel list;
            for (const QStringList& cells : rows)
                list.appendRow(MakeRow(cells));
            players = DuoOverview(list);
        } else {
            QList<PlayerRows> files;
            for (const QStringList& cells : rows) {
                if (files.isEmpty() || files.last().name != cells.first()) files.append({cells.first(), {}});
                files.last().rows.append(MakeRow(QStringList{"01-01-2024 / 20:00:00"} + cells.mid(1)));
            }
            players = TeamOverview(files);
        }
        QCOMPARE(players.size(), expected.size());
        for (qsizetype i = 0; i < players.size(); ++i)
            QCOMPARE(OverviewCells(players[i]), expected[i]);
    }

    void printed_data() {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("pages");
        QTest::newRow("two players, one page") << 2 << 1;
        QTest::newRow("38th player on page two") << 38 << 2;
    }
    void printed() {
        QFETCH(int, players);
        QFETCH(int, pages);
        vxtest::FixedClock clock(QDateTime(QDate(2018, 12, 8), QTime(20, 15, 7)));
        ScoreListModel list;
        for (int n = 1; n <= players; ++n)
            list.appendRow(MakeRow({QStringLiteral("Speler%1").arg(n), "v", "100", "140", "61"}));
        RecordingPageSink sink;
        QVERIFY(PrintPlayerOverview(sink, DuoOverview(list), "Dartclub De Pijl").ok());

        QCOMPARE(sink.pageCount(), pages);
        auto at = [&](int page, const QString& text) {
            const QList<PageCall> texts = sink.textsOnPage(page);
            const auto call =
                std::find_if(texts.begin(), texts.end(), [&](const PageCall& c) { return c.text == text; });
            return call == texts.end() ? QPoint(-1, -1) : QPoint(call->x, call->y);
        };
        QCOMPARE(at(1, "Speleroverzicht / 20:15:07 / 08-12-2018"), QPoint(300, 300));
        QCOMPARE(at(1, "Speler1"), QPoint(300, 1380));
        QCOMPARE(at(1, "100.33"), QPoint(5100, 1380));
        QCOMPARE(at(pages, "Hoogste uitgooi"), QPoint(14000, 900));
        QCOMPARE(at(pages, "Speler" + QString::number(players)),
                 QPoint(300, 1380 + 255 * ((players - 1) % 37)));
        QCOMPARE(at(pages, "Dartclub De Pijl"), QPoint(300, 11200));
        QCOMPARE(sink.calls.last().kind, PageCall::End);
    }
};

QTEST_GUILESS_MAIN(OverviewTest)
#include "test_overview.moc"

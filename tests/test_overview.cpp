// SPDX-License-Identifier: GPL-3.0-or-later
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
                   // "abc" is no turn: 1002 / 9 turns, the first nine 921 / 8.
                   {"Piet", "3", "2", "111.33", "115.13", "2", "2", "2", "2", "180", "2", "121"},
                   {"Klaas", "3", "2", "77.50", "85.78", "0", "0", "3", "2", "101", "3", "101"},
                   {"Jan", "0", "0", "-", "-", "0", "0", "0", "0", "-", "-", "-"}};
        QTest::newRow("odd cells")
            << true
            << QList<QStringList>{{"Zoë", "v", "900000000000", "-5", ""},
                                  {"Max", "-", k308Nines, k308Nines},
                                  {"Eva", "v", "60", "-", "100"},
                                  {"Bas", "v", "60abc", "12.5", " 45 ", "abc", "+"},
                                  {"Kim", "v", "abc", "", " "}}
            << QList<QStringList>{
                   {"Zoë", "1", "1", "449999999997.50", "449999999997.50", "0", "0", "0", "0", "-", "2", "-"},
                   {"Max", "1", "0", "-", "-", "0", "0", "0", "0", "-", "-", "-"},
                   {"Eva", "1", "1", "80.00", "80.00", "0", "0", "1", "1", "100", "2", "100"},
                   {"Bas", "1", "1", "45.00", "45.00", "0", "0", "0", "0", "45", "1", "45"},
                   {"Kim", "0", "0", "-", "-", "0", "0", "0", "0", "-", "-", "-"}};
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
            players = duoOverview(list);
        } else {
            QList<PlayerRows> files;
            for (const QStringList& cells : rows) {
                if (files.isEmpty() || files.last().name != cells.first()) files.append({cells.first(), {}});
                files.last().rows.append(MakeRow(QStringList{"01-01-2024 / 20:00:00"} + cells.mid(1)));
            }
            players = teamOverview(files);
        }
        QCOMPARE(players.size(), expected.size());
        for (qsizetype i = 0; i < players.size(); ++i)
            QCOMPARE(overviewCells(players[i]), expected[i]);
    }

    void printed() {
        vxtest::FixedClock clock(QDateTime(QDate(2018, 12, 8), QTime(20, 15, 7)));
        ScoreListModel list;
        for (int n = 1; n <= 38; ++n)
            list.appendRow(MakeRow({QStringLiteral("Speler%1").arg(n), "v", "100", "140", "61"}));
        RecordingPageSink sink;
        QVERIFY(printPlayerOverview(sink, duoOverview(list), QString(), "Dartclub De Pijl").ok());
        QCOMPARE(sink.pageCount(), 2);
        // 37 players fill page one; the 38th opens page two, under the headings again.
        const QList<std::tuple<int, QString, QPoint>> expected{
            {1, "Speleroverzicht / 20:15:07 / 08-12-2018", {300, 300}},
            {1, "Speler37", {300, 10560}},
            {1, "100.33", {5100, 1380}},
            {2, "Hoogste uitgooi", {14000, 900}},
            {2, "Speler38", {300, 1380}},
            {2, "Dartclub De Pijl", {300, 11200}}};
        for (const auto& [page, text, at] : expected) {
            const QList<PageCall> texts = sink.textsOnPage(page);
            const auto call = std::find_if(texts.begin(), texts.end(),
                                           [wanted = text](const PageCall& c) { return c.text == wanted; });
            QVERIFY2(call != texts.end(), qPrintable(text));
            QCOMPARE(QPoint(call->x, call->y), at);
        }
    }

    // The title names the team or match; a name wider than its column is cut short, one that
    // fits is not.
    void titleAndLongNames() {
        vxtest::FixedClock clock(QDateTime(QDate(2018, 12, 8), QTime(20, 15, 7)));
        ScoreListModel list;
        const QString longName = QStringLiteral("Gijsbert-Jan van Oldenbarnevelt tot Wieringerwaard");
        for (const QString& name : {longName, QStringLiteral("Koos")})
            list.appendRow(MakeRow({name, "v", "100", "140", "61"}));
        RecordingPageSink sink;
        QVERIFY(printPlayerOverview(sink, duoOverview(list), "Finale", "").ok());
        QStringList first;
        for (const PageCall& call : sink.textsOnPage(1))
            if (call.x == 300) first << call.text;
        QVERIFY(first.contains("Speleroverzicht Finale / 20:15:07 / 08-12-2018"));
        QVERIFY(first.contains("Koos"));
        const auto cut = std::find_if(first.begin(), first.end(),
                                      [](const QString& t) { return t.startsWith("Gijsbert") && t.endsWith(u'…'); });
        QVERIFY2(cut != first.end(), qPrintable(first.join(" | ")));
        QVERIFY(cut->size() < longName.size());
    }
};

QTEST_MAIN(OverviewTest)
#include "test_overview.moc"

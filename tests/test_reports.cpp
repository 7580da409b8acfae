// SPDX-License-Identifier: GPL-3.0-or-later
// The printed reports: page layout through a recording page interface, and each report printed
// to PDF and read back.
#include "core/common/StartUp.h"
#include "core/review/PageSink.h"
#include "core/review/PlayerOverview.h"
#include "core/review/Reports.h"
#include "core/review/Statistics.h"
#include "testsupport.h"
#include "ui/print/Printing.h"

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vx;

namespace {

const QString kFooter = QStringLiteral("Dartclub De Pijl - seizoen 2018");
const QDateTime kAt(QDate(2018, 12, 8), QTime(20, 15, 7));

ScoreListModel::Row makeRow(int n) {
    ScoreListModel::Row row;
    row[0] = QStringLiteral("Speler%1").arg(n);
    row[1] = n % 2 ? QStringLiteral("v") : QString();
    for (int k = 2; k <= 26; ++k)
        row[k] = k < 8 ? QString::number(20 + k + n % 50) : QStringLiteral("-");
    row[27] = QStringLiteral("%1.5").arg(10 + n % 30);
    return row;
}

void fill(ScoreListModel& list, int rows) {
    ScoreListModel::Rows all;
    for (int n = 1; n <= rows; ++n)
        all.append(makeRow(n));
    list.replaceAll(all);
}

const PageCall* findText(const RecordingPageSink& sink, const QString& text, int page = 0) {
    for (const PageCall& call : sink.calls)
        if (call.kind == PageCall::Text && call.text == text && (page == 0 || call.page == page))
            return &call;
    return nullptr;
}

int countTexts(const QList<PageCall>& calls, const QString& text) {
    return int(std::count_if(calls.begin(), calls.end(), [&](const PageCall& c) { return c.text == text; }));
}

// One word of `pdftotext -bbox`, in points from the top-left of its page.
struct PdfWord {
    int page;
    double xMin, yMin, xMax;
    QString text;
};

struct PdfText {
    QList<QSizeF> pages;
    QList<PdfWord> words;
    // The first word `text` on `page` (1-based), or nullptr.
    const PdfWord* find(const QString& text, int page) const {
        for (const PdfWord& w : words)
            if (w.text == text && w.page == page) return &w;
        return nullptr;
    }
};

PdfText readPdf(const QString& pdf) {
    PdfText result;
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0) return result;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty())
            result.pages.append(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()));
        else
            result.words.append({int(result.pages.size()), m.captured(3).toDouble(), m.captured(4).toDouble(),
                                 m.captured(5).toDouble(),
                                 m.captured(6).replace(QStringLiteral("&amp;"), QStringLiteral("&"))});
    }
    return result;
}

// Every text the report `name` (a data tag of englishReports) draws in the language in force, then the
// message it gives up with.
QStringList reportTexts(const QString& name) {
    ScoreListModel list;
    fill(list, 3);
    for (int r = 0; r < list.count(); ++r)
        list.setCell(r, 0, QStringLiteral("Piet"));
    if (name == "statistics title") return {statisticsTitle("Piet", gatherAllStatistics(list))};
    if (name == "summary") return summaryText(gatherAllStatistics(list)).split("\r\n");

    RecordingPageSink sink;
    PrintResult result;
    if (name == "score list")
        result = printScoreList(sink, list, true, true, kFooter);
    else if (name == "checkout table")
        result = printCheckoutTable(sink, {"170 T20 T20 Bull"}, kFooter);
    else if (name == "help text")
        result = printHelpText(sink, {"Regel"}, {}, kFooter);
    else if (name == "board dimensions")
        result = printBoardDimensions(sink, "/geen/bord.jpg", kFooter);
    else if (name == "player overview")
        result = printPlayerOverview(sink, duoOverview(list), QString(), kFooter);
    QStringList texts;
    for (const PageCall& call : sink.calls)
        if (call.kind == PageCall::Text) texts << call.text;
    if (!result.ok()) texts << result.error;
    return texts;
}

bool anyStartsWith(const QStringList& texts, const QString& start) {
    return std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.startsWith(start); });
}

} // namespace

class ReportsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { m_clock.at = kAt; }

    void scoreListHeadings_data() {
        QTest::addColumn<bool>("isDuo");
        QTest::newRow("duo") << true;
        QTest::newRow("team") << false;
    }
    void scoreListHeadings() {
        QFETCH(bool, isDuo);
        ScoreListModel list;
        fill(list, 1);
        RecordingPageSink sink;
        QVERIFY(printScoreList(sink, list, isDuo, false, kFooter).ok());

        const PageCall* title = findText(sink, isDuo ? "Duo Match / 20:15:07 / 08-12-2018"
                                                     : "Team Match / 20:15:07 / 08-12-2018");
        QVERIFY(title);
        QCOMPARE(QPoint(title->x, title->y), QPoint(300, 300));
        QCOMPARE(title->family, "Arial");
        QCOMPARE(title->pointSize, 12.0);
        QVERIFY(title->bold);
        QCOMPARE(title->color, QColor(0, 0, 90));

        const QList<std::pair<QString, int>> headings{{"Speler", 300}, {"D.1", 2850},
                                                      {"D.2", 3360},   {"D.25", 15090},
                                                      {"Gem.", 15750}, {QString(266, u'-'), 300}};
        for (const auto& [text, x] : headings) {
            const PageCall* call = findText(sink, text);
            QVERIFY2(call, qPrintable(text));
            QCOMPARE(call->x, x);
            QCOMPARE(call->y, text.startsWith(u'-') ? 1140 : 900);
            QCOMPARE(call->pointSize, 9.0);
            QCOMPARE(call->color, QColor(90, 90, 90));
            QVERIFY(call->bold || text.startsWith(u'-'));
        }
        QCOMPARE(findText(sink, "Out") != nullptr, isDuo);
        if (isDuo) QCOMPARE(QPoint(findText(sink, "Out")->x, findText(sink, "Out")->y), QPoint(2250, 900));

        // The row itself: dark red, not bold, on the first body line; the "Out" cell is printed
        // in a team match too (empty there).
        const QList<PageCall> texts = sink.textsOnPage(1);
        const auto rowStart =
            std::find_if(texts.begin(), texts.end(), [](const PageCall& c) { return c.y == 1380; });
        QVERIFY(rowStart != texts.end());
        const ScoreListModel::Row& row = list.row(0);
        for (int k = 0; k < ScoreListModel::kColumns; ++k) {
            const PageCall& cell = *(rowStart + k);
            const int x = k == 0 ? 300 : k == 1 ? 2250 : k == 27 ? 15750 : 2850 + 510 * (k - 2);
            QCOMPARE(cell.text, row[k]);
            QCOMPARE(QPoint(cell.x, cell.y), QPoint(x, 1380));
            QCOMPARE(cell.color, QColor(90, 0, 0));
            QVERIFY(!cell.bold);
        }
    }

    void scoreListPages_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("rowsOnLastPage");
        QTest::newRow("empty") << 0 << 1 << 0;
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("36") << 36 << 1 << 36;
        QTest::newRow("37 fill page one, no bare page after") << 37 << 1 << 37;
        QTest::newRow("38th on top of page two") << 38 << 2 << 1;
        QTest::newRow("73") << 73 << 2 << 36;
        QTest::newRow("74 fill two pages") << 74 << 2 << 37;
        QTest::newRow("75") << 75 << 3 << 1;
        QTest::newRow("111 fill three pages") << 111 << 3 << 37;
    }
    void scoreListPages() {
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, rowsOnLastPage);
        ScoreListModel list;
        fill(list, rows);
        RecordingPageSink sink;
        QVERIFY(printScoreList(sink, list, true, true, kFooter).ok());

        QCOMPARE(sink.pageCount(), pages);
        QCOMPARE(sink.calls.last().kind, PageCall::End);
        for (int page = 1; page <= pages; ++page) {
            const QList<PageCall> texts = sink.textsOnPage(page);
            QCOMPARE(countTexts(texts, kFooter), 1);
            const PageCall& footer = *std::find_if(texts.begin(), texts.end(),
                                                   [](const PageCall& c) { return c.text == kFooter; });
            QCOMPARE(QPoint(footer.x, footer.y), QPoint(300, 11200));
            QCOMPARE(footer.color, QColor(Qt::black));
            QCOMPARE(footer.pointSize, 9.0);
            QVERIFY(!footer.bold);
            QCOMPARE(countTexts(texts, "Speler"), 1);
            QCOMPARE(countTexts(texts, "D.25"), 1);
            // The footer closes the page: nothing of this page is drawn after it.
            QCOMPARE(texts.last().text, kFooter);
            // Every page holds rows, except the single page of an empty list; pages before the
            // last are full.
            const int bodyLines = int(std::count_if(texts.begin(), texts.end(), [](const PageCall& c) {
                return c.x == 300 && c.y >= 1380 && c.y <= 10560 && c.text.startsWith("Speler") &&
                       c.text != "Speler";
            }));
            QCOMPARE(bodyLines, page < pages ? 37 : rowsOnLastPage);
        }
        if (rows > 0) {
            const PageCall* lastRow = findText(sink, QStringLiteral("Speler%1").arg(rows));
            QCOMPARE(lastRow->page, pages);
            QCOMPARE(lastRow->y, 1380 + 255 * (rowsOnLastPage - 1));
        }
    }

    void pageNumbers_data() {
        QTest::addColumn<bool>("switchedOn");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void pageNumbers() {
        QFETCH(bool, switchedOn);
        ScoreListModel list;
        fill(list, 38);
        RecordingPageSink sink;
        QVERIFY(printScoreList(sink, list, false, switchedOn, kFooter).ok());
        for (int page = 1; page <= 2; ++page) {
            const QString number = QStringLiteral(" %1").arg(page);
            const QList<PageCall> texts = sink.textsOnPage(page);
            QCOMPARE(countTexts(texts, number), switchedOn ? 1 : 0);
            if (!switchedOn) continue;
            const PageCall* call = findText(sink, number, page);
            QCOMPARE(QPoint(call->x, call->y), QPoint(15990, 11200));
            QCOMPARE(call->color, QColor(90, 0, 0));
            QCOMPARE(call->pointSize, 9.0);
        }
    }

    // The A4 page keeps its size where it fits and shrinks evenly where it does not.
    void pageOnOtherPaper_data() {
        QTest::addColumn<QPageLayout>("paper");
        QTest::addColumn<double>("fit"); // of a twip at 1/1440 inch
        auto landscape = [](QPageSize::PageSizeId id, double marginMm) {
            return QPageLayout(QPageSize(id), QPageLayout::Landscape,
                               QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
        };
        QTest::newRow("A4") << landscape(QPageSize::A4, 0) << 1.0;
        QTest::newRow("A3, not enlarged") << landscape(QPageSize::A3, 0) << 1.0;
        QTest::newRow("A5, by its height") << landscape(QPageSize::A5, 0) << 148.0 / 210;
        QTest::newRow("A4 inside 5 mm margins") << landscape(QPageSize::A4, 5) << 200.0 / 210;
    }
    void pageOnOtherPaper() {
        QFETCH(QPageLayout, paper);
        QFETCH(double, fit);
        const int dpi = 1200;
        const double scale = twipScale(paper, dpi);
        QVERIFY2(std::abs(scale * 1440 / dpi - fit) < 1e-3, qPrintable(QString::number(scale * 1440 / dpi)));
    }

    // A4 wherever the printer has it; otherwise the printer's own paper.
    void paperForAPrinter_data() {
        QTest::addColumn<QList<QPageSize>>("papers");
        QTest::addColumn<QPageSize>("printerDefault");
        QTest::addColumn<QPageSize>("paper");
        const QPageSize a4(QPageSize::A4), letter(QPageSize::Letter), legal(QPageSize::Legal);
        QTest::newRow("A4 among others") << QList{letter, a4, legal} << letter << a4;
        QTest::newRow("Letter only") << QList{letter} << letter << letter;
        QTest::newRow("no A4, no default") << QList{legal, letter} << QPageSize() << legal;
        QTest::newRow("nothing known") << QList<QPageSize>() << QPageSize() << a4;
    }
    void paperForAPrinter() {
        QFETCH(QList<QPageSize>, papers);
        QFETCH(QPageSize, printerDefault);
        QFETCH(QPageSize, paper);
        QVERIFY(paperFor(papers, printerDefault).isEquivalentTo(paper));
    }

    // On a US Letter sheet the page number at 15990 and the "Gem." column would run off the
    // sheet: the whole page lands on it, shrunk evenly.
    void letterPaperPdf() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        vxtest::TempHome home;
        ScoreListModel list;
        fill(list, 3);
        const QString path = home.file("letter.pdf");
        {
            QPdfWriter writer(path);
            QVERIFY(writer.setPageSize(QPageSize(QPageSize::Letter)));
            PainterPageSink sink(writer);
            QVERIFY(printScoreList(sink, list, true, true, kFooter).ok());
        }
        const PdfText pdf = readPdf(path);
        QCOMPARE(pdf.pages.size(), 1);
        QCOMPARE(pdf.pages[0], QSizeF(792, 612));
        const double fit = 11 * 1440.0 / 16838;
        const struct {
            const char* word;
            int x, y;
        } expected[] = {
            {"Duo", 300, 300}, {"Gem.", 15750, 900}, {"1", 15990 + 50, 11200}, {"Dartclub", 300, 11200}};
        for (const auto& e : expected) {
            const PdfWord* w = pdf.find(e.word, 1);
            QVERIFY2(w, e.word);
            QVERIFY2(w->xMax <= 792, e.word);
            QVERIFY2(std::abs(w->xMin - e.x * fit / 20) < 1 && std::abs(w->yMin - e.y * fit / 20) < 2.5,
                     qPrintable(QStringLiteral("%1 at %2,%3").arg(e.word).arg(w->xMin).arg(w->yMin)));
        }
    }

    void checkoutTable_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("page");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty table") << 0 << 0 << 1 << QPoint() << 1;
        QTest::newRow("first") << 33 << 1 << 1 << QPoint(300, 1200) << 1;
        QTest::newRow("32nd at the column's foot") << 33 << 32 << 1 << QPoint(300, 10500) << 1;
        QTest::newRow("33rd starts column two") << 33 << 33 << 1 << QPoint(3210, 1200) << 1;
        QTest::newRow("delivered table fits one page") << 162 << 162 << 1 << QPoint(14850, 1500) << 1;
        QTest::newRow("sixth column") << 192 << 161 << 1 << QPoint(14850, 1200) << 1;
        QTest::newRow("six full columns, no bare page") << 192 << 192 << 1 << QPoint(14850, 10500) << 1;
        QTest::newRow("193rd starts page two") << 193 << 193 << 2 << QPoint(300, 1200) << 2;
        QTest::newRow("page two goes on down") << 200 << 200 << 2 << QPoint(300, 3300) << 2;
        QTest::newRow("second column of page two") << 230 << 225 << 2 << QPoint(3210, 1200) << 2;
        QTest::newRow("two full pages") << 384 << 384 << 2 << QPoint(14850, 10500) << 2;
        QTest::newRow("385th starts page three") << 385 << 385 << 3 << QPoint(300, 1200) << 3;
    }
    void checkoutTable() {
        QFETCH(int, lines);
        QFETCH(int, line);
        QFETCH(int, page);
        QFETCH(QPoint, at);
        QFETCH(int, pages);
        QStringList checkout;
        for (int i = 1; i <= lines; ++i)
            checkout << QStringLiteral("%1 = T20 D%2").arg(i).arg(i % 20 + 1);
        RecordingPageSink sink;
        QVERIFY(printCheckoutTable(sink, checkout, kFooter).ok());
        QCOMPARE(sink.pageCount(), pages);
        QCOMPARE(sink.calls.last().kind, PageCall::End);
        const QString title = QStringLiteral("Dart Checkout Lijst / 20:15:07 / 08-12-2018");
        for (int p = 1; p <= pages; ++p) {
            const QList<PageCall> texts = sink.textsOnPage(p);
            QCOMPARE(countTexts(texts, title), 1);
            QCOMPARE(QPoint(texts.first().x, texts.first().y), QPoint(300, 300));
            QCOMPARE(countTexts(texts, kFooter), 1);
            QCOMPARE(texts.last().text, kFooter);
            QCOMPARE(texts.last().y, 11200);
            // Nothing stands right of the sixth column, which begins at 14850.
            for (const PageCall& call : texts)
                QVERIFY2(call.x <= 14850, qPrintable(call.text));
        }
        if (line == 0) return;
        const PageCall* call = findText(sink, checkout[line - 1]);
        QVERIFY(call);
        QCOMPARE(call->page, page);
        QCOMPARE(QPoint(call->x, call->y), at);
        QCOMPARE(call->pointSize, 11.0);
        QVERIFY(!call->bold);
        QCOMPARE(call->color, QColor(90, 0, 0));
    }

    void helpText() {
        const QStringList help{"Regel een", "", "Regel drie"};
        QImage small(38, 38, QImage::Format_RGB32);
        small.fill(Qt::red);
        const QList<QImage> pictures{small, QImage(), small, small, QImage(100, 20, QImage::Format_RGB32)};
        RecordingPageSink sink;
        QVERIFY(printHelpText(sink, help, pictures, kFooter).ok());

        const PageCall* title = findText(sink, "Beknopte uitleg Vorlentix / 20:15:07 / 08-12-2018");
        QCOMPARE(QPoint(title->x, title->y), QPoint(600, 600));
        const PageCall* third = findText(sink, "Regel drie");
        QCOMPARE(QPoint(third->x, third->y), QPoint(600, 1500 + 2 * 255));
        QCOMPARE(third->pointSize, 10.0);
        QCOMPARE(third->color, QColor(60, 60, 60));

        QList<QRect> drawn;
        for (const PageCall& call : sink.calls)
            if (call.kind == PageCall::Picture) drawn << QRect(call.x, call.y, call.width, call.height);
        QCOMPARE(drawn, (QList<QRect>{{600, 2820, 570, 570},
                                      {600, 6370, 570, 570},
                                      {600, 7650, 570, 570},
                                      {600, 9180, 1500, 300}}));

        bool webLine = false;
        for (const PageCall& call : sink.textsOnPage(1))
            if (call.text.contains(kSoftwarePage)) {
                webLine = true;
                QCOMPARE(QPoint(call.x, call.y), QPoint(600, 10500));
                QCOMPARE(call.pointSize, 10.0);
            }
        QVERIFY(webLine);
        QCOMPARE(QPoint(findText(sink, kFooter)->x, findText(sink, kFooter)->y), QPoint(300, 11200));
    }

    void boardDimensions() {
        vxtest::TempHome home;
        const QString picture = home.file("Afmetingen.jpg");
        RecordingPageSink missing;
        const PrintResult refused = printBoardDimensions(missing, picture, kFooter);
        QVERIFY(!refused.ok());
        QVERIFY(refused.error.contains("Afmetingen.jpg"));
        QVERIFY(missing.calls.isEmpty());

        home.write("Afmetingen.jpg", "not a picture");
        RecordingPageSink unreadable;
        QVERIFY(!printBoardDimensions(unreadable, picture, kFooter).ok());
        QVERIFY(unreadable.calls.isEmpty());

        QImage board(300, 200, QImage::Format_RGB32);
        board.fill(Qt::darkGreen);
        QVERIFY(board.save(picture, "JPG"));
        RecordingPageSink sink;
        QVERIFY(printBoardDimensions(sink, picture, kFooter).ok());
        QCOMPARE(findText(sink, "Dart Afmetingen / 20:15:07 / 08-12-2018")->y, 300);
        const PageCall& drawn = sink.calls[1];
        QCOMPARE(drawn.kind, PageCall::Picture);
        QCOMPARE(QRect(drawn.x, drawn.y, drawn.width, drawn.height), QRect(300, 1200, 15000, 9900));
        QCOMPARE(drawn.imageSize, QSize(300, 200));
        QCOMPARE(sink.pageCount(), 1);
    }

    void statisticsPrintout_data() {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<QSize>("size");
        QTest::newRow("graph shown") << true << QSize(16500, 9900);
        QTest::newRow("numbers shown") << false << QSize(15000, 9000);
    }
    void statisticsPrintout() {
        QFETCH(bool, graph);
        QFETCH(QSize, size);
        const QString title = "Speler (Piet) met een gemiddelde van 140.00 per 3 darts";
        RecordingPageSink sink;
        QVERIFY(printStatistics(sink, title, drawBarGraph({}), graph, kFooter).ok());
        QCOMPARE(sink.calls.size(), 4);
        const PageCall& head = sink.calls[0];
        QCOMPARE(head.text, title);
        QCOMPARE(QPoint(head.x, head.y), QPoint(750, 450));
        QCOMPARE(head.pointSize, 14.0);
        QVERIFY(head.bold);
        QCOMPARE(head.color, QColor(0, 0, 90));
        QCOMPARE(QRect(sink.calls[1].x, sink.calls[1].y, sink.calls[1].width, sink.calls[1].height),
                 QRect(QPoint(300, 1200), size));
        const PageCall& footer = sink.calls[2];
        QCOMPARE(footer.text, kFooter);
        QCOMPARE(QPoint(footer.x, footer.y), QPoint(600, 11200));
        QCOMPARE(footer.pointSize, 9.0);
        QVERIFY(!footer.bold);
        QCOMPARE(footer.color, QColor(Qt::black));
        QCOMPARE(sink.calls[3].kind, PageCall::End);
    }

    // With English in force every report speaks English; a Dutch text left over is one that
    // missed the translator.
    void englishReports_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("dutch");
        QTest::newRow("score list") << "Player"
                                    << "Speler";
        QTest::newRow("checkout table") << "Darts Checkout Chart / 20:15:07"
                                        << "Dart Checkout Lijst";
        QTest::newRow("help text") << "More information"
                                   << "Meer informatie";
        QTest::newRow("board dimensions") << "The picture"
                                          << "De afbeelding";
        QTest::newRow("player overview") << "Highest checkout"
                                         << "Hoogste uitgooi";
        QTest::newRow("statistics title") << "Player (Piet) with an average of"
                                          << "Speler";
        QTest::newRow("summary") << "Total of all scores: "
                                 << "Totaal";
    }
    void englishReports() {
        const QString report = QTest::currentDataTag();
        QFETCH(QString, english);
        QFETCH(QString, dutch);
        QVERIFY(applyLanguage(Language::English));
        const QStringList texts = reportTexts(report);
        (void)applyLanguage(Language::Dutch);
        QVERIFY2(anyStartsWith(texts, english), qPrintable(texts.join(" | ")));
        QVERIFY2(!anyStartsWith(texts, dutch), qPrintable(texts.join(" | ")));
        // Back in Dutch the same report is as it always was.
        QVERIFY(anyStartsWith(reportTexts(report), dutch));
    }

    void unwritablePdfIsReported() {
        vxtest::TempHome home;
        QPdfWriter writer(home.file("geen-map/lijst.pdf"));
        PainterPageSink sink(writer);
        ScoreListModel list;
        fill(list, 3);
        QVERIFY(!printScoreList(sink, list, true, false, kFooter).ok());
    }

    void missingPictureLeavesNoFile() {
        vxtest::TempHome home;
        const QString pdf = home.file("afmetingen.pdf");
        {
            QPdfWriter writer(pdf);
            PainterPageSink sink(writer);
            QVERIFY(!printBoardDimensions(sink, home.file("Afmetingen.jpg"), kFooter).ok());
        }
        QVERIFY(!QFile::exists(pdf));
    }

    void preview() {
        ScoreListModel list;
        fill(list, 10);
        const QImage image =
            renderPagePreview([&](PageSink& sink) { (void)printScoreList(sink, list, true, true, kFooter); });
        QCOMPARE(image.size(), QSize(186, 136));
        // Title ink near the top left (300 twips = 3 px), rows below it, white at the right edge.
        int ink = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x)
                ink += qGray(image.pixel(x, y)) < 230;
        QVERIFY(ink > 0);
        for (int y = 0; y < image.height(); ++y)
            QCOMPARE(image.pixel(185, y), qRgb(255, 255, 255));
    }

    void endToEndPdf() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF cannot be read back");
        vxtest::TempHome home;
        auto print = [&](const QString& name, const std::function<PrintResult(PageSink&)>& report) {
            const QString path = home.file(name);
            QPdfWriter writer(path);
            PainterPageSink sink(writer);
            const PrintResult result = report(sink);
            return result.ok() ? readPdf(path) : PdfText{};
        };
        // Words are placed by their text position: x exactly (points = twips / 20), the top
        // within the font's internal leading.
        auto at = [](const PdfText& pdf, const QString& word, int page, int x, int y) {
            const PdfWord* w = pdf.find(word, page);
            if (!w) return QStringLiteral("'%1' not on page %2").arg(word).arg(page);
            if (std::abs(w->xMin - x / 20.0) > 0.5 || std::abs(w->yMin - y / 20.0) > 2.5)
                return QStringLiteral("'%1' at %2,%3 pt, expected %4,%5")
                    .arg(word)
                    .arg(w->xMin)
                    .arg(w->yMin)
                    .arg(x / 20.0)
                    .arg(y / 20.0);
            return QString();
        };

        ScoreListModel list;
        fill(list, 38);
        const PdfText scores = print(
            "scorelijst.pdf", [&](PageSink& s) { return printScoreList(s, list, true, true, kFooter); });
        QCOMPARE(scores.pages.size(), 2);
        for (const QSizeF& page : scores.pages) {
            QVERIFY(page.width() > page.height());
            QVERIFY(std::abs(page.width() - 841.89) < 1); // A4 landscape
        }
        for (const QString& problem :
             {at(scores, "Duo", 1, 300, 300), at(scores, "Speler", 1, 300, 900),
              at(scores, "Out", 1, 2250, 900), at(scores, "D.25", 1, 15090, 900),
              at(scores, "Gem.", 2, 15750, 900), at(scores, "Speler1", 1, 300, 1380),
              at(scores, "Speler37", 1, 300, 10560), at(scores, "Speler38", 2, 300, 1380),
              at(scores, "Dartclub", 1, 300, 11200), at(scores, "Dartclub", 2, 300, 11200),
              at(scores, "2", 2, 15990 + 50, 11200)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QStringList checkout;
        for (int i = 1; i <= 33; ++i)
            checkout << QStringLiteral("Uit%1").arg(i);
        const PdfText table =
            print("checkout.pdf", [&](PageSink& s) { return printCheckoutTable(s, checkout, kFooter); });
        QCOMPARE(table.pages.size(), 1);
        for (const QString& problem : {at(table, "Dart", 1, 300, 300), at(table, "Uit1", 1, 300, 1200),
                                       at(table, "Uit32", 1, 300, 10500), at(table, "Uit33", 1, 3210, 1200)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const PdfText help = print("help.pdf", [&](PageSink& s) {
            return printHelpText(s, {"Eerste", "Tweede"}, {QImage(38, 38, QImage::Format_RGB32)}, kFooter);
        });
        QCOMPARE(help.pages.size(), 1);
        for (const QString& problem : {at(help, "Beknopte", 1, 600, 600), at(help, "Tweede", 1, 600, 1755),
                                       at(help, "Meer", 1, 600, 10500), at(help, "Dartclub", 1, 300, 11200)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));

        QImage board(120, 80, QImage::Format_RGB32);
        board.fill(Qt::gray);
        QVERIFY(board.save(home.file("Afmetingen.jpg"), "JPG"));
        const PdfText dimensions = print("afmetingen.pdf", [&](PageSink& s) {
            return printBoardDimensions(s, home.file("Afmetingen.jpg"), kFooter);
        });
        QCOMPARE(dimensions.pages.size(), 1);
        QVERIFY(dimensions.pages[0].width() > dimensions.pages[0].height());
        for (const QString& problem :
             {at(dimensions, "Dart", 1, 300, 300), at(dimensions, "Dartclub", 1, 300, 11200)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const PdfText stats = print("statistiek.pdf", [&](PageSink& s) {
            return printStatistics(s, "Speler (Piet) met een gemiddelde van 140.00 per 3 darts",
                                   drawBarGraph({}), true, kFooter);
        });
        QCOMPARE(stats.pages.size(), 1);
        for (const QString& problem :
             {at(stats, "Speler", 1, 750, 450), at(stats, "Dartclub", 1, 600, 11200)})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

  private:
    vxtest::FixedClock m_clock{kAt};
};

QTEST_MAIN(ReportsTest)
#include "test_reports.moc"

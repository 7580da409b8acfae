// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/review/Reports.h"

#include "core/common/Services.h"
#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <QDir>

namespace vx {

namespace {

using namespace reportFrame;

const QColor kHelpGrey(60, 60, 60);

constexpr int kFooterY = 11200;
constexpr int kTurnX = 2850;
constexpr int kTurnStep = 510;

constexpr int kCheckoutTopY = 1200;
constexpr int kCheckoutBottomY = 10500;
constexpr int kCheckoutLineStep = 300;
constexpr int kCheckoutColumnStep = 2910;
constexpr int kCheckoutColumnsPerPage = 6;

void printTitle(PageSink& sink, int x, int y, const QString& word) {
    sink.setFont(kArial, 12, true);
    sink.setColor(kTitleBlue);
    sink.text(x, y, reportTitle(word));
}

PrintResult finish(PageSink& sink, const QString& footerText) {
    printFooter(sink, footerText);
    return endDocument(sink);
}

} // namespace

PrintResult endDocument(PageSink& sink) {
    if (sink.end()) return {};
    return {QCoreApplication::translate(
        "vx::Reports", "Het afdrukken is mislukt: de printer of het bestand kon niet worden geschreven.")};
}

QString reportTitle(const QString& word) {
    const QDateTime now = clock().now();
    // The time stamp is the same in every language: only the word is translated.
    return QStringLiteral("%1 / %2 / %3")
        .arg(word, now.toString(QStringLiteral("hh:mm:ss")), now.toString(QStringLiteral("dd-MM-yyyy")));
}

void printFooter(PageSink& sink, const QString& footerText) {
    sink.setColor(Qt::black);
    sink.setFont(kArial, 9, false);
    sink.text(300, kFooterY, footerText);
}

void printScoreListHeadings(PageSink& sink, bool isDuo) {
    sink.setFont(kArial, 9, true);
    sink.setColor(kHeadingGrey);
    sink.text(300, 900, QCoreApplication::translate("vx::Reports", "Speler"));
    if (isDuo) sink.text(2250, 900, QCoreApplication::translate("vx::Reports", "Out"));
    // The turn columns keep the names the score list has on screen and in its files.
    for (int k = 1; k <= ScoreListModel::kTurnColumns; ++k)
        sink.text(kTurnX + kTurnStep * (k - 1), 900, QStringLiteral("D.%1").arg(k));
    sink.text(15750, 900, QCoreApplication::translate("vx::Reports", "Gem."));
    sink.text(300, 1140, QString(266, u'-'));
}

PrintResult printScoreList(PageSink& sink, const ScoreListModel& list, bool isDuo, bool pageNumbers,
                           const QString& footerText) {
    printTitle(sink, 300, 300,
               isDuo ? QCoreApplication::translate("vx::Reports", "Duo Match")
                     : QCoreApplication::translate("vx::Reports", "Team Match"));
    printScoreListHeadings(sink, isDuo);
    sink.setFont(kArial, 9, false);

    int y = kFirstLineY;
    int page = 1;
    for (int r = 0; r < list.count(); ++r) {
        // The page is turned for the row that no longer fits, never after the last one: a
        // full last page is not followed by a bare one.
        if (y > kLastLineY) {
            printFooter(sink, footerText);
            sink.newPage();
            printScoreListHeadings(sink, isDuo);
            sink.setFont(kArial, 9, false);
            y = kFirstLineY;
            ++page;
        }
        const ScoreListModel::Row& row = list.row(r);
        sink.setColor(kBodyRed);
        sink.text(300, y, row[0]);
        sink.text(2250, y, row[1]);
        for (int k = 2; k <= 26; ++k)
            sink.text(kTurnX + kTurnStep * (k - 2), y, row[k]);
        sink.text(15750, y, row[27]);
        // Once per page is enough: every row of the page would print it on the same spot.
        if (pageNumbers && y == kFirstLineY) sink.text(15990, kFooterY, numberWithSignBlank(page));

        y += kLineHeight;
    }
    return finish(sink, footerText);
}

PrintResult printCheckoutTable(PageSink& sink, const QStringList& checkoutLines, const QString& footerText) {
    const QString title = QCoreApplication::translate("vx::Reports", "Dart Checkout Lijst");
    auto beginPage = [&] {
        printTitle(sink, 300, 300, title);
        sink.setFont(kArial, 11, false);
        sink.setColor(kBodyRed);
    };
    beginPage();
    int column = 0;
    int y = kCheckoutTopY;
    for (const QString& line : checkoutLines) {
        // Columns and pages are begun for the line that needs them, so none is left empty.
        if (y > kCheckoutBottomY) {
            y = kCheckoutTopY;
            if (++column == kCheckoutColumnsPerPage) {
                // A seventh column would stand beyond the right edge of the paper.
                printFooter(sink, footerText);
                sink.newPage();
                beginPage();
                column = 0;
            }
        }
        sink.text(300 + kCheckoutColumnStep * column, y, line);
        y += kCheckoutLineStep;
    }
    return finish(sink, footerText);
}

PrintResult printHelpText(PageSink& sink, const QStringList& helpLines, const QList<QImage>& illustrations,
                          const QString& footerText) {
    printTitle(sink, 600, 600, QCoreApplication::translate("vx::Reports", "Beknopte uitleg Vorlentix"));
    sink.setFont(kArial, 10, false);
    sink.setColor(kHelpGrey);
    int y = 1500;
    for (const QString& line : helpLines) {
        sink.text(600, y, line);
        y += kLineHeight;
    }
    static constexpr int kIllustrationY[] = {2820, 4590, 6370, 7650, 9180};
    for (qsizetype i = 0; i < illustrations.size() && i < qsizetype(std::size(kIllustrationY)); ++i) {
        const QImage& image = illustrations[i];
        if (!image.isNull())
            sink.picture(600, kIllustrationY[i], image.width() * 15, image.height() * 15, image);
    }
    sink.text(
        600, 10500,
        QCoreApplication::translate("vx::Reports", "Meer informatie en nieuwe versies van Vorlentix: %1")
            .arg(kSoftwarePage));
    return finish(sink, footerText);
}

PrintResult printBoardDimensions(PageSink& sink, const QString& picturePath, const QString& footerText) {
    const QImage picture(picturePath);
    if (picture.isNull())
        return {QCoreApplication::translate("vx::Reports",
                                            "De afbeelding \"%1\" ontbreekt of kan niet worden gelezen. "
                                            "De afmetingen van het dartbord worden niet afgedrukt.")
                    .arg(QDir::toNativeSeparators(picturePath))};
    printTitle(sink, 300, 300, QCoreApplication::translate("vx::Reports", "Dart Afmetingen"));
    sink.picture(300, 1200, 15000, 9900, picture);
    return finish(sink, footerText);
}

PrintResult printStatistics(PageSink& sink, const QString& windowTitle, const QImage& view, bool graphShown,
                            const QString& footerText) {
    sink.setFont(kArial, 14, true);
    sink.setColor(kTitleBlue);
    sink.text(750, 450, windowTitle);
    if (graphShown)
        sink.picture(300, 1200, 16500, 9900, view);
    else
        sink.picture(300, 1200, 15000, 9000, view);
    sink.setColor(Qt::black);
    sink.setFont(kArial, 9, false);
    sink.text(600, kFooterY, footerText);
    return endDocument(sink);
}

} // namespace vx

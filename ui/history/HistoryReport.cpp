// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryReport.h"

#include <QFontMetricsF>

namespace vx {

namespace {

using namespace reportFrame;

constexpr int kLeft = 300;
constexpr int kRight = 16500;
constexpr int kPictureWidth = 8700;
constexpr int kNotesY = 800;

} // namespace

PrintResult printFigureTable(PageSink& sink, const FigureTable& table, const QImage& picture,
                             const QString& footerText) {
    int notesEnd = kNotesY;
    const auto heading = [&] {
        sink.setFont(kArial, 12, true);
        sink.setColor(kTitleBlue);
        sink.text(kLeft, 300, reportTitle(table.title));
        sink.setFont(kArial, 9, false);
        sink.setColor(kHeadingGrey);
        int y = kNotesY;
        for (const QString& note : table.notes) {
            sink.text(kLeft, y, note);
            y += kLineHeight;
        }
        notesEnd = y;
    };
    heading();
    // The picture stands on the left of the first page, the table beside it.
    const int top = std::max(kFirstLineY, notesEnd + kLineHeight);
    int tableLeft = kLeft;
    if (!picture.isNull()) {
        const int height =
            std::min(kLastLineY - top, kPictureWidth * picture.height() / std::max(1, picture.width()));
        sink.picture(kLeft, top, height * picture.width() / std::max(1, picture.height()), height, picture);
        tableLeft = kLeft + kPictureWidth + 300;
    }
    // The first column holds names: it gets twice the room of a figure.
    const qsizetype columns = std::max<qsizetype>(1, table.headings.size());
    const int unit = int((kRight - tableLeft) / (columns + 1));
    const auto columnX = [&](qsizetype c) { return tableLeft + int(c == 0 ? 0 : (c + 1) * unit); };
    QFont body(kArial);
    body.setPixelSize(9 * 20); // 9 points are 180 twips
    const QFontMetricsF metrics(body);
    const auto headings = [&](int y) {
        sink.setFont(kArial, 9, true);
        sink.setColor(kHeadingGrey);
        for (qsizetype c = 0; c < table.headings.size(); ++c)
            sink.text(columnX(c), y,
                      metrics.elidedText(table.headings[c], Qt::ElideRight, (c == 0 ? 2 : 1) * unit - 60));
        sink.setFont(kArial, 9, false);
        sink.setColor(kBodyRed);
        return y + kLineHeight;
    };
    int y = headings(top);
    for (const QStringList& row : table.rows) {
        if (y > kLastLineY) {
            printFooter(sink, footerText);
            sink.newPage();
            heading();
            y = headings(std::max(kFirstLineY, notesEnd + kLineHeight));
        }
        for (qsizetype c = 0; c < row.size(); ++c)
            sink.text(columnX(c), y,
                      metrics.elidedText(row[c], Qt::ElideRight, (c == 0 ? 2 : 1) * unit - 60));
        y += kLineHeight;
    }
    printFooter(sink, footerText);
    return endDocument(sink);
}

} // namespace vx

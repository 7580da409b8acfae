// SPDX-License-Identifier: GPL-3.0-or-later
// Times the review work on large score lists: the statistics window's figures and pictures for
// 10,000 rows, and the score list report of 1,000 rows printed to a PDF file.
#include "bench/BestOf.h"
#include "core/review/PageSink.h"
#include "core/review/Reports.h"
#include "core/review/Statistics.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

vx::ScoreListModel::Rows makeRows(int count) {
    vx::ScoreListModel::Rows rows;
    rows.reserve(count);
    for (int n = 0; n < count; ++n) {
        vx::ScoreListModel::Row row;
        row[0] = n % 3 ? QStringLiteral("Piet") : QStringLiteral("piet");
        row[1] = QStringLiteral("v");
        for (int k = 2; k <= 26; ++k)
            row[k] = k < 12 ? QString::number((n * 7 + k * 13) % 181) : QStringLiteral("-");
        row[27] = QStringLiteral("20.3");
        rows.append(row);
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    vx::ScoreListModel big;
    big.replaceAll(makeRows(10000));
    QElapsedTimer first;
    first.start();
    {
        const vx::ScoreStatistics stats = vx::gatherStatistics(big, 1);
        (void)vx::drawBarGraph(stats);
        (void)vx::drawNumberTable(stats);
    }
    const double firstOpen = first.nsecsElapsed() / 1e6;
    const double open = bestOf(5, [&] {
        const vx::ScoreStatistics stats = vx::gatherStatistics(big, 1);
        const QImage graph = vx::drawBarGraph(stats);
        const QImage table = vx::drawNumberTable(stats);
        (void)vx::statisticsTitle(QStringLiteral("Piet"), stats);
    });
    std::printf(
        "statistics of 10,000 rows (gather + graph + table): %.1f ms (first run %.1f ms), goal < 100 ms\n",
        open, firstOpen);

    vx::ScoreListModel list;
    list.replaceAll(makeRows(1000));
    QTemporaryDir dir;
    bool ok = true;
    const double report = bestOf(3, [&] {
        QPdfWriter writer(dir.filePath(QStringLiteral("scorelijst.pdf")));
        vx::PainterPageSink sink(writer);
        ok = vx::printScoreList(sink, list, true, true, QStringLiteral("Vorlentix")).ok() && ok;
    });
    std::printf("score list report of 1,000 rows to PDF: %.1f ms, goal < 1000 ms%s\n", report,
                ok ? "" : " (PRINTING FAILED)");
    return ok ? 0 : 1;
}

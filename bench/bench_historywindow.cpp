// SPDX-License-Identifier: GPL-3.0-or-later
// The history window on a long history: a generated file of `legs` legs of seventeen turns of
// three darts (default 5000; ten players, two teams of five, a team evening and a duo match
// each week), the time the window takes to open (it works out only the view it opens on) and
// the time each other view takes when it is shown.
// Usage: bench_historywindow [legs]
#include "bench/BestOf.h"
#include "core/common/Services.h"
#include "core/history/HistoryStore.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void Generate(int legs) {
    vx::HistoryStore store(vx::historyFilePath());
    store.open();
    // A turn is a transaction of its own: without waiting for the disk they are quick enough.
    QSqlQuery(store.database()).exec(QStringLiteral("PRAGMA synchronous = OFF"));
    const QStringList codes{"20", "T20", "1", "5", "T19", "19", "D20", "0", "25", "3"};
    const QList<int> points{20, 60, 1, 5, 57, 19, 40, 0, 25, 3};
    for (int l = 0; l < legs; ++l) {
        const int week = l / 20;
        const bool team = l % 20 < 10;
        const int player = team ? (week % 2) * 5 + l % 5 : (week + l % 2) % 10;
        const QString name = QStringLiteral("Speler %1").arg(player);
        const vx::HistoryMatch match{
            QStringLiteral("gen-%1-%2").arg(week).arg(team), team ? vx::kMatchKindTeam : vx::kMatchKindLegs,
            501, team ? 0 : 6, team ? QStringLiteral("Team %1").arg(week % 2) : QStringLiteral("duo.lib")};
        const QDateTime at(QDate(2000, 1, 1).addDays(week * 7), QTime(20, 0));
        int remaining = 501;
        for (int t = 0; t < 17; ++t) {
            QList<vx::HistoryDart> darts;
            int total = 0;
            for (int d = 0; d < 3; ++d) {
                const int k = (l + t + d) % 10;
                darts.append({d + 1, codes[k], points[k]});
                total += points[k];
            }
            store.recordTurn(match, {l % 10 + 1, 1, name},
                             {name, t + 1, total, remaining, at.addSecs(l % 10 * 600 + t * 30), darts});
            remaining = std::max(0, remaining - total);
        }
        store.endLeg(match.key, l % 10 + 1, name, 51, at);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int legs = argc >= 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 5000;
    QTemporaryDir home;
    vx::setFolders({QString(), home.path()});

    QElapsedTimer timer;
    timer.start();
    Generate(legs);
    std::printf("generated %d legs, %d darts in %.0f ms (%.1f MB)\n", legs, legs * 51,
                double(timer.elapsed()), double(QFileInfo(vx::historyFilePath()).size()) / 1e6);

    std::fflush(stdout);
    vx::MainWindow main;
    std::printf("%-28s %10.1f ms (goal < 300 ms)\n", "open the window (best of 3)",
                bestOf(3, [&] { vx::HistoryWindow window(main); }));
    std::printf("%-28s %10.1f ms\n", "of which opening the file", bestOf(3, [] {
                    vx::HistoryStore store(vx::historyFilePath());
                    store.open();
                }));
    vx::HistoryWindow window(main);
    const char* names[] = {"checkout percentage", "where the darts land", "progress", "head to head",
                           "league table"};
    for (int v = 0; v < vx::HistoryWindow::kViews; ++v) {
        window.showView(vx::HistoryWindow::View(v));
        // Another player (or opponent, never the player himself): the view shown is worked out anew.
        QComboBox* box = v == vx::HistoryWindow::HeadToHeadView ? window.opponentBox : window.playerBox;
        const double ms = bestOf(3, [&] {
            int next = (box->currentIndex() + 1) % box->count();
            if (box == window.opponentBox && next == window.playerBox->currentIndex())
                next = (next + 1) % box->count();
            box->setCurrentIndex(next);
        });
        std::printf("%-28s %10.1f ms (goal < 100 ms)\n", names[v], ms);
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Times the score list files on a list of 10,000 rows: loading into the model, loading into a
// grid that is on screen, saving, and beside them a plain read of the same bytes into lines,
// all in one run on one file. Also shows what the loaded rows cost in memory, and prints
// `growth <name> <ratio>` lines: load and save time a row at 10,000 rows over the same at 1,000.
// Usage: bench_libfiles [--short]   (--short: fewer runs, for CI)
#include "bench/BestOf.h"
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/files/TextFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kRows = 10000;
constexpr int kFewRows = 1000;
int g_runs = 5;

// Team legs as they come: a time stamp, 8 to 20 turns, the fillers and the average.
vx::ScoreListModel::Rows MakeRows(int count) {
    vx::ScoreListModel::Rows rows;
    rows.reserve(count);
    for (int n = 0; n < count; ++n) {
        vx::ScoreListModel::Row row;
        row[0] = QStringLiteral("%1-%2-2024 / %3:%4:07")
                     .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                     .arg(n % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(n % 24)
                     .arg(n % 60, 2, 10, QLatin1Char('0'));
        const int turns = 8 + n % 13;
        for (int k = 0; k < 25; ++k)
            row[2 + k] = k < turns ? QString::number((n * 7 + k * 13) % 181) : QStringLiteral("-");
        row[27] = QStringLiteral("%1.%2").arg(15 + n % 20).arg(n % 10);
        rows.append(row);
    }
    return rows;
}

double ResidentMegabytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

void GiveBackFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void Figure(const char* what, double value, const char* unit, const char* goal, bool met) {
    std::printf("%-44s %9.1f %-3s  goal %-22s %s\n", what, value, unit, goal, met ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (QCoreApplication::arguments().contains(QStringLiteral("--short"))) g_runs = 2;
    QTemporaryDir home;
    vx::setFolders({QString(), home.path()});
    const QString name = QStringLiteral("bench");
    const QString path = vx::duoFilePath(name);

    for (const auto& [count, file] : {std::pair{kRows, name}, std::pair{kFewRows, QStringLiteral("klein")}}) {
        vx::ScoreListModel model;
        model.replaceAll(MakeRows(count));
        if (const vx::FileResult made = vx::saveDuoList(model, file); !made) {
            std::fprintf(stderr, "%s\n", qPrintable(made.error));
            return 1;
        }
    }
    GiveBackFreedMemory();

    // Memory first, on a fresh heap: what the loaded rows keep.
    const double before = ResidentMegabytes();
    vx::ScoreListModel model;
    if (!vx::loadDuoList(model, name) || model.count() != kRows) {
        std::fprintf(stderr, "the benchmark file did not load\n");
        return 1;
    }
    const double memory = ResidentMegabytes() - before;

    qsizetype lineCount = 0;
    const double plainRead = bestOf(g_runs, [&] {
        QStringList lines;
        vx::readTextLines(path, &lines);
        lineCount = lines.size();
    });
    const double rawSplit = bestOf(g_runs, [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        lineCount = file.readAll().split('\n').size() - 1;
    });
    const double intoModel = bestOf(g_runs, [&] { vx::loadDuoList(model, name); });

    vx::ScoreListModel shown;
    QTableView grid;
    grid.setModel(&shown);
    grid.resize(1200, 700);
    grid.show();
    QApplication::processEvents();
    const double intoGrid = bestOf(g_runs, [&] {
        vx::loadDuoList(shown, name);
        grid.viewport()->repaint();
        QApplication::processEvents();
    });

    const double save = bestOf(g_runs, [&] { vx::saveDuoList(model, QStringLiteral("bench-save")); });

    std::printf("%d rows, %lld lines, %.1f MB file\n\n", model.count(), static_cast<long long>(lineCount),
                double(QFileInfo(path).size()) / (1024.0 * 1024.0));
    std::printf("best of %d runs:\n", g_runs);
    Figure("plain read: bytes, decode, split into lines", plainRead, "ms", "(baseline)", true);
    Figure("raw bytes split at line feeds", rawSplit, "ms", "(for comparison)", true);
    Figure("load into the model", intoModel, "ms", "< 100 ms, <= 2 x plain",
           intoModel < 100 && intoModel <= 2 * plainRead);
    Figure("load into the model shown in a grid", intoGrid, "ms", "< 100 ms, < 4 x plain",
           intoGrid < 100 && intoGrid < 4 * plainRead);
    Figure("save (complete new file, then replace)", save, "ms", "< 50 ms", save < 50);
    Figure("memory of the loaded rows (RSS growth)", memory, "MB", "< 50 MB", memory < 50);
    std::printf("\nload / plain read: model %.2f x, grid %.2f x\n", intoModel / plainRead,
                intoGrid / plainRead);

    // A tenth of the work, so ten times the runs for as steady a best.
    vx::ScoreListModel few;
    const double fewLoad = bestOf(10 * g_runs, [&] { vx::loadDuoList(few, QStringLiteral("klein")); });
    const double fewSave = bestOf(10 * g_runs, [&] { vx::saveDuoList(few, QStringLiteral("klein-save")); });
    const double scale = double(kFewRows) / kRows;
    std::printf("growth libfiles-load-per-row %.2f\n", intoModel * scale / fewLoad);
    std::printf("growth libfiles-save-per-row %.2f\n", save * scale / fewSave);
    return 0;
}

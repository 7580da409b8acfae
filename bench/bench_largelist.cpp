// SPDX-License-Identifier: GPL-3.0-or-later
// Large score lists: 10,000, 100,000 and 380,000 rows (a file of 50 MB), each written to a
// temporary home and then opened by a fresh process of this program, so that its memory
// figures are its own. That process shows the real main window and measures:
//   - the rows' memory: resident memory grown by the load, per row, beside the row's bytes
//     on disk (goal: at most 4 x), and the peak during the load beside the file (at most 4 x);
//   - how long the window thread went without running its event loop while the main window
//     opened the list and saved it under another name (longest gap between the ticks of a
//     5 ms timer; goal under 100 ms, so that the window keeps painting), and that the saved
//     file is byte for byte the one read;
//   - beforehand, in this process: the load into a score list (best of a few runs) beside a
//     plain read of the same file, its bytes read, decoded and split into lines (at most 2 x).
// Usage: bench_largelist [--short]   (--short: 1,000 and 10,000 rows, for CI)
// Besides the figures it prints `growth <name> <ratio>` lines: a figure per row at the largest
// size over the same at the smallest, 1 when it does not grow with the list.
#include "bench/BestOf.h"
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/files/TextFile.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

const QString kName = QStringLiteral("groot");

// Duo legs as they come: a player, "v" or "-", 8 to 20 turns, the fillers and the average;
// about 131 bytes a row on disk.
void WriteList(int rows) {
    vx::ScoreListModel model;
    for (int n = 0; n < rows; ++n) {
        vx::ScoreListModel::Row row;
        row[0] = n % 2 ? QStringLiteral("Jan") : QStringLiteral("Piet");
        row[1] = n % 4 < 2 ? QStringLiteral("v") : QStringLiteral("-");
        const int turns = 8 + n % 13;
        for (int k = 0; k < 25; ++k)
            row[2 + k] = k < turns ? QString::number((n * 7 + k * 13) % 181) : QStringLiteral("-");
        row[27] = QStringLiteral("%1.%2").arg(15 + n % 20).arg(n % 10);
        model.appendRow(row);
    }
    if (const vx::FileResult made = vx::saveDuoList(model, kName); !made) qFatal("%s", qPrintable(made.error));
}

// Resident and peak resident memory in MB.
double StatusMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(qstrlen(field)).trimmed().split(' ')[0].toDouble() / 1024.0;
    return 0;
}

// The longest time the window thread's event loop did not come round while `work` ran.
double LongestBlockMs(const std::function<void()>& work) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    work();
    QCoreApplication::processEvents();
    longest = std::max(longest, clock.nsecsElapsed() - last);
    return double(longest) / 1e6;
}

// In the fresh process: prints the figures as one line of numbers for the parent.
int Measure(int rows) {
    vx::MainWindow window;
    window.compose(vx::MatchKind::Duo);
    window.show();
    QCoreApplication::processEvents();
    const double fileMb = double(QFileInfo(vx::duoFilePath(kName)).size()) / (1024.0 * 1024.0);
    const double before = StatusMegabytes("VmRSS:");
    const double openBlocked = LongestBlockMs([&] {
        if (!window.loadDuoList(kName) || window.scoreList.count() != rows) qFatal("the list did not load");
    });
    const double grown = StatusMegabytes("VmRSS:") - before;
    const double peak = StatusMegabytes("VmHWM:") - before;
    const double saveBlocked = LongestBlockMs([&] {
        if (!window.saveDuoList(QStringLiteral("kopie"))) qFatal("the list was not saved");
    });
    QFile original(vx::duoFilePath(kName));
    QFile copy(vx::duoFilePath(QStringLiteral("kopie")));
    if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::ReadOnly) || original.readAll() != copy.readAll())
        qFatal("the saved list differs from the one read");
    std::printf("%d %f %f %f %f %f\n", rows, fileMb, grown, peak, openBlocked, saveBlocked);
    return 0;
}

struct Figures {
    double fileMb, grownMb, peakMb, openBlocked, saveBlocked, plainRead, load;
    double diskBytesPerRow(int rows) const { return fileMb * 1024 * 1024 / rows; }
    double memoryBytesPerRow(int rows) const { return grownMb * 1024 * 1024 / rows; }
};

void Figure(const QString& what, double value, const char* unit, const char* goal, bool met) {
    std::printf("%-52s %9.1f %-3s  goal %-14s %s\n", qPrintable(what), value, unit, goal, met ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == u"--measure") {
        vx::setFolders(vx::foldersForExecutable(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"), args[2]));
        return Measure(args[3].toInt());
    }
    const bool quick = args.contains(QStringLiteral("--short"));
    const std::vector<int> sizes = quick ? std::vector<int>{1000, 10000} : std::vector<int>{10000, 100000, 380000};

    std::map<int, Figures> all;
    for (const int rows : sizes) {
        QTemporaryDir home;
        vx::setFolders({QString(), home.path()});
        WriteList(rows);
        Figures f{};
        // Timed here, without a window: in the measuring process the recovery thread and the
        // window would take turns with it.
        const int runs = rows > 100000 ? 3 : 5;
        f.plainRead = bestOf(runs, [&] {
            QStringList lines;
            vx::readTextLines(vx::duoFilePath(kName), &lines);
        });
        {
            vx::ScoreListModel model;
            f.load = bestOf(runs, [&] { vx::loadDuoList(model, kName); });
        }
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--measure"), home.path(), QString::number(rows)});
        if (!child.waitForFinished(600000) || child.exitCode() != 0) qFatal("the measuring process failed");
        const QList<QByteArray> numbers = child.readAllStandardOutput().trimmed().split(' ');
        if (numbers.size() != 6) qFatal("the measuring process printed no figures");
        double* fields[] = {&f.fileMb, &f.grownMb, &f.peakMb, &f.openBlocked, &f.saveBlocked};
        for (int i = 0; i < 5; ++i)
            *fields[i] = numbers[i + 1].toDouble();
        all[rows] = f;

        std::printf("%d rows, %.1f MB file, %.0f bytes a row on disk\n", rows, f.fileMb, f.diskBytesPerRow(rows));
        Figure(QStringLiteral("  memory a loaded row (bytes)"), f.memoryBytesPerRow(rows), "B", "<= 4 x disk",
               f.memoryBytesPerRow(rows) <= 4 * f.diskBytesPerRow(rows));
        Figure(QStringLiteral("  peak memory growth while opening (MB)"), f.peakMb, "MB", "<= 4 x file",
               f.peakMb <= 4 * f.fileMb);
        Figure(QStringLiteral("  plain read: bytes, decode, split into lines"), f.plainRead, "ms", "(baseline)", true);
        Figure(QStringLiteral("  load into a score list (%1 x plain)").arg(f.load / f.plainRead, 0, 'f', 2), f.load,
               "ms", "<= 2 x plain", f.load <= 2 * f.plainRead);
        Figure(QStringLiteral("  window thread blocked, opening in the window"), f.openBlocked, "ms", "< 100 ms",
               f.openBlocked < 100);
        Figure(QStringLiteral("  window thread blocked, saving in the window"), f.saveBlocked, "ms", "< 100 ms",
               f.saveBlocked < 100);
        std::fflush(stdout);
    }
    const int small = sizes.front();
    const int large = sizes.back();
    const Figures& a = all[small];
    const Figures& b = all[large];
    std::printf("\ngrowth largelist-load-per-row %.2f\n", (b.load / large) / (a.load / small));
    std::printf("growth largelist-memory-per-row %.2f\n", b.memoryBytesPerRow(large) / a.memoryBytesPerRow(small));
    return 0;
}

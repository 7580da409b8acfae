// SPDX-License-Identifier: GPL-3.0-or-later
// The match history while a duo match is played, with a history file that already holds
// 0, 1,000 and 10,000 turns: the time the scorer waits for a booked turn and for a leg end
// (the model's call with the recorder listening, median), and the time the writing thread
// needs for each (one transaction, measured by waiting for it). Also bytes on disk per dart.
// With --import: the import of score list files of `rows` rows in all (default 10000), ten
// players of nine-turn legs in each of ten teams, into an empty history, and a second time.
// Usage: bench_history [turns already kept...]   (default 0 1000 10000)
//        bench_history --import [rows]
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryImport.h"
#include "core/history/HistoryRecorder.h"
#include "core/scorelist/LegRows.h"
#include "core/match/DuoMatch.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double Ms(QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Fills the history with `turns` turns of three darts, ten to a leg, five legs to a match.
void Fill(const QString& path, int turns) {
    vx::HistoryStore store(path);
    store.open();
    store.database().transaction();
    const QList<vx::HistoryDart> darts{{1, QStringLiteral("20"), 20}, {2, QStringLiteral("T20"), 60},
                                       {3, QStringLiteral("D10"), 20}};
    for (int n = 0; n < turns; ++n) {
        const vx::HistoryMatch match{QStringLiteral("vooraf-%1").arg(n / 50), vx::kMatchKindLegs, 501, 3, {}};
        const vx::HistoryLeg leg{n / 10 % 5 + 1, 1, QStringLiteral("Speler %1").arg(n % 7)};
        store.recordTurn(match, leg, {QStringLiteral("Speler %1").arg(n % 7), n % 10 + 1, 100, 501, QDateTime::currentDateTime(), darts});
    }
    store.database().commit();
}

int Import(int rows) {
    QTemporaryDir home;
    vx::setFolders({QString(), home.path()});
    const int perFile = std::max(1, rows / 100);
    for (int t = 0; t < 10; ++t)
        for (int p = 0; p < 10; ++p) {
            vx::ScoreListModel list;
            for (int r = 0; r < perFile; ++r)
                list.appendRow(vx::teamLegRow({"60", "60", "60", "60", "60", "60", "60", "60", "21"},
                                              vx::legTimeStamp(QDateTime(QDate(2024, 1, 1 + r % 28), QTime(20, 0)))));
            vx::savePlayerList(list, QStringLiteral("Team %1").arg(t), QStringLiteral("Speler %1").arg(p));
        }
    vx::HistoryStore store(vx::historyFilePath());
    store.open();
    for (const char* pass : {"first", "again"}) {
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpu = std::clock();
        const vx::HistoryImport done = vx::importScoreLists(store);
        // The processor time beside the wall clock: on a machine shared with others the wall
        // clock says more about them than about the import.
        std::printf("import %s: %d rows from %d files in %.1f ms (processor %.1f ms; goal < 2000 ms)%s\n", pass,
                    done.rows, done.files, Ms(timer), 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC,
                    qPrintable(done.error));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--import") == 0) return Import(argc >= 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 10000);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (sizes.isEmpty()) sizes = {0, 1000, 10000};

    std::printf("%10s %14s %14s %14s %14s %12s\n", "turns kept", "turn (ms)", "leg end (ms)", "turn write", "leg write",
                "bytes/dart");
    for (int kept : sizes) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("historie.sqlite"));
        Fill(path, kept);
        vx::TeamMatch team;
        vx::DuoMatch duo;
        vx::SessionState session;
        vx::HistoryRecorder recorder(team, duo, session, path);
        std::vector<double> turn, legEnd, turnWrite, legWrite;
        duo.start({{QStringLiteral("Anna"), QStringLiteral("Bert")}, 501, vx::DuoSetup::Kind::Legs, 1000});
        for (int legs = 0; legs < 40; ++legs) {
            // 501: eight turns of 60 each, then 21 with a single and a double.
            for (int t = 0; t < 17; ++t) {
                const bool last = t == 16;
                if (last) {
                    duo.enterDart(1, QStringLiteral("E1"));
                    duo.enterDart(20, QStringLiteral("D10"));
                } else {
                    for (int d = 0; d < 3; ++d)
                        duo.enterDart(20, QStringLiteral("E20"));
                }
                QElapsedTimer timer;
                timer.start();
                duo.bookTurn();
                (last ? legEnd : turn).push_back(Ms(timer));
                timer.restart();
                recorder.flush();
                (last ? legWrite : turnWrite).push_back(Ms(timer));
            }
            duo.nextLeg();
        }
        recorder.flush();
        vx::HistoryStore store(path);
        store.open();
        QSqlQuery q(store.database());
        q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        q.exec(QStringLiteral("SELECT count(*) FROM darts"));
        q.next();
        const double perDart = double(QFileInfo(path).size()) / std::max(1, q.value(0).toInt());
        std::printf("%10d %14.4f %14.4f %14.4f %14.4f %12.1f\n", kept, Median(turn), Median(legEnd), Median(turnWrite),
                    Median(legWrite), perDart);
    }
    return 0;
}

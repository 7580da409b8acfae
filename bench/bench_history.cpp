// SPDX-License-Identifier: GPL-3.0-or-later
// The match history while a duo match is played, with a history file that already holds
// 0, 1,000 and 10,000 turns: the time the scorer waits for a booked turn and for a leg end
// (the model's call with the recorder listening, median), and the time the writing thread
// needs for each (one transaction, measured by waiting for it). Also bytes on disk per dart.
// With --import: the import of score list files of `rows` rows in all (default 10000), ten
// players of nine-turn legs in each of ten teams, into an empty history, and a second time.
// With --views: a generated history of `legs` legs of fifty darts (default 100000, five million
// darts): the time its file takes to open, the time each figure takes on it, in its own file as
// the window would read it (at a smaller size also extrapolated linearly to 100,000 legs), bytes
// on disk per dart, and then the import of 10,000 score list rows. The generator writes the
// tables of the file's third version, the migration adds what the figures add up, as it does
// for a history kept before there were columns for it; its time is printed too.
// Usage: bench_history [turns already kept...]   (default 0 1000 10000)
//        bench_history --import [rows]
//        bench_history --views [legs]
#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryFigures.h"
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


// Ten players in two teams of five; legs ten to a match, every other match a team evening, the
// others duo matches of two players; fifty evenings' worth of legs a year. Each leg is one
// player's sixteen turns of three darts and a last one of two.
void Generate(const QString& path, int legs) {
    vx::HistoryStore store(path);
    store.openAtVersion(3);
    QSqlDatabase db = store.database();
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA synchronous = OFF"));
    db.transaction();
    for (int p = 0; p < 10; ++p)
        store.playerId(QStringLiteral("Speler %1").arg(p));
    QSqlQuery match(db), leg(db), turn(db), dart(db);
    match.prepare(QStringLiteral("INSERT INTO matches (key, kind, start_score, target, file, started_at, ended_at)"
                                 " VALUES (?, ?, 501, 0, ?, ?, ?)"));
    leg.prepare(QStringLiteral("INSERT INTO legs (match, number, set_number, starter, winner, darts) VALUES (?, ?, 1, ?, ?, 50)"));
    turn.prepare(QStringLiteral("INSERT INTO turns (leg, player, number, total, remaining_before, thrown_at) VALUES (?, ?, ?, ?, ?, ?)"));
    dart.prepare(QStringLiteral("INSERT INTO darts (turn, slot, code, points) VALUES (?, ?, ?, ?)"));
    const QStringList codes{"20", "T20", "1", "5", "T19", "19", "D20", "0", "25", "3"};
    const QList<int> points{20, 60, 1, 5, 57, 19, 40, 0, 25, 3};
    qint64 matchRow = 0;
    for (int l = 0; l < legs; ++l) {
        const int m = l / 10;
        const bool team = m % 2 == 0;
        const int player = team ? (m / 2 % 2) * 5 + l % 5 : (m + l % 2) % 10;
        const QString at = vx::historyTimeText(QDateTime(QDate(2000, 1, 1).addDays(m / 2 * 7), QTime(20, l % 10 * 10)));
        if (l % 10 == 0) {
            for (const QVariant& v : {QVariant(QStringLiteral("gen-%1").arg(m)), QVariant(team ? vx::kMatchKindTeam : vx::kMatchKindLegs),
                                      QVariant(team ? QStringLiteral("Team %1").arg(m / 2 % 2) : QStringLiteral("duo-%1.lib").arg(m)),
                                      QVariant(at), QVariant(at)})
                match.addBindValue(v);
            match.exec();
            matchRow = match.lastInsertId().toLongLong();
        }
        for (const QVariant& v : {QVariant(matchRow), QVariant(l % 10 + 1), QVariant(player + 1), QVariant(player + 1)})
            leg.addBindValue(v);
        leg.exec();
        const qint64 legRow = leg.lastInsertId().toLongLong();
        int remaining = 501;
        for (int t = 0; t < 17; ++t) {
            const int n = t == 16 ? 2 : 3;
            int total = 0;
            for (int d = 0; d < n; ++d)
                total += points[(l + t + d) % 10];
            for (const QVariant& v : {QVariant(legRow), QVariant(player + 1), QVariant(t + 1), QVariant(total), QVariant(remaining), QVariant(at)})
                turn.addBindValue(v);
            turn.exec();
            const qint64 turnRow = turn.lastInsertId().toLongLong();
            for (int d = 0; d < n; ++d) {
                for (const QVariant& v : {QVariant(turnRow), QVariant(d + 1), QVariant(codes[(l + t + d) % 10]), QVariant(points[(l + t + d) % 10])})
                    dart.addBindValue(v);
                dart.exec();
            }
            remaining = std::max(0, remaining - total);
        }
    }
    db.commit();
}

int Views(int legs) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("historie.sqlite"));
    QElapsedTimer timer;
    timer.start();
    Generate(path, legs);
    std::printf("generated %d legs, %d darts in %.0f ms\n", legs, legs * 50, Ms(timer));
    timer.restart();
    {
        vx::HistoryStore migrated(path);
        if (!migrated.open()) std::printf("migration failed: %s\n", qPrintable(migrated.error()));
    }
    std::printf("%-28s %10.1f ms (once, for a history of an older version)\n", "migration", Ms(timer));
    timer.restart();
    vx::HistoryStore store(path);
    store.open();
    std::printf("%-28s %10.1f ms (goal < 300 ms for the window)\n", "open", Ms(timer));
    const QSqlDatabase db = store.database();
    // The pages the migration freed stay in the file until it is vacuumed; a history kept
    // from the start in this version has none.
    QSqlQuery pages(db);
    pages.exec(QStringLiteral("SELECT page_count, freelist_count, page_size FROM pragma_page_count,"
                              " pragma_freelist_count, pragma_page_size"));
    pages.next();
    std::printf("%-28s %10.1f bytes on disk per dart, %.1f in use\n", "size",
                double(QFileInfo(path).size()) / (legs * 50.0),
                (pages.value(0).toDouble() - pages.value(1).toDouble()) * pages.value(2).toDouble() /
                    (legs * 50.0));
    const QString who = QStringLiteral("speler 1");
    const double scale = 100000.0 / legs;
    // The processor time beside the wall clock, as for the import.
    const auto view = [&](const char* name, auto&& figure) {
        std::vector<double> times, cpu;
        for (int i = 0; i < 3; ++i) {
            timer.restart();
            const std::clock_t start = std::clock();
            figure();
            times.push_back(Ms(timer));
            cpu.push_back(1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC);
        }
        std::printf("%-28s %10.1f ms (processor %.1f ms)", name, Median(times), Median(cpu));
        if (legs != 100000) std::printf(", at 100,000 legs ~%.0f ms", Median(times) * scale);
        std::printf(" (goal < 100 ms)\n");
    };
    view("players and teams", [&] {
        vx::historyPlayers(db);
        vx::historyTeams(db);
    });
    view("darts known", [&] { vx::dartsKnown(db, who); });
    view("checkout figures", [&] { vx::checkoutFigures(db, who); });
    view("checkout figures, a year", [&] {
        vx::checkoutFigures(db, who, {QDate(2001, 1, 1), QDate(2001, 12, 31)});
    });
    view("darts per spot", [&] { vx::dartShares(db, who); });
    view("progress per evening", [&] { vx::eveningFigures(db, who); });
    view("head to head", [&] { vx::headToHead(db, who, QStringLiteral("Speler 2")); });
    view("a team's evenings", [&] { vx::teamEvenings(db, QStringLiteral("Team 0")); });
    view("league table, all evenings", [&] { vx::leagueTable(db, QStringLiteral("Team 0")); });
    view("league table, one evening", [&] { vx::leagueTable(db, QStringLiteral("Team 0"), {QDate(2000, 1, 1)}); });
    return Import(10000);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--import") == 0) return Import(argc >= 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 10000);
    if (argc >= 2 && qstrcmp(argv[1], "--views") == 0)
        return Views(argc >= 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (sizes.isEmpty()) sizes = {0, 1000, 10000};

    std::printf("goal: a booked turn < 1 ms and a leg end < 2 ms for the scorer (median)\n");
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

// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file per booked turn with a score list of 10,000 and 100,000 rows:
//   before: the whole list in the file (what versions 1 and 2 wrote, and what this version
//           still writes for a list that is not on disk);
//   after:  the list saved to its file, then a turn booked (no row changed), then a leg ended
//           (two rows of its own).
// Also the time the scorer's side spends telling the writer a list was saved (the digest of
// its rows), the one cost that grows with the list.
// Usage: bench_recovery [list sizes...]   (default 10000 100000)
#include "BestOf.h"
#include "core/common/Services.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"
#include "core/scorelist/LegRows.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

vx::ScoreListModel::Row LegRow(int n) {
    vx::ScoreListModel::Row row;
    row.fill(QStringLiteral("-"));
    row[0] = QStringLiteral("Speler %1").arg(n % 7);
    row[1] = n % 2 ? QStringLiteral("v") : QStringLiteral("-");
    for (int t = 0; t < 9; ++t)
        row[2 + t] = QString::number((n * 7 + t * 13) % 181);
    row[27] = QStringLiteral("%1,%2").arg(40 + n % 30).arg(n % 10);
    return row;
}

qint64 FileSize() {
    return QFileInfo(vx::recoveryFilePath()).size();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty()) sizes = {10000, 100000};

    std::printf("%9s %14s %14s %14s %16s\n", "rows", "before (B)", "after, turn", "after, leg",
                "list saved (ms)");
    for (int size : sizes) {
        QTemporaryDir home;
        vx::setFolders({QString(), home.path()});
        QDir(home.path()).mkdir(QStringLiteral("Teams"));
        vx::TeamMatch team;
        vx::DuoMatch duo;
        vx::ScoreListModel list;
        vx::SessionState session;
        vx::ScoreListModel::Rows rows;
        for (int r = 0; r < size; ++r)
            rows.append(LegRow(r));
        list.replaceAll(rows);
        vx::RecoveryWriter writer(team, duo, list, session);
        team.start({QStringLiteral("Bench"), {QStringLiteral("Speler")}, 501});
        team.leg().enterDart(60, QStringLiteral("T20"));
        team.leg().bookTurn();
        writer.flush();
        const qint64 before = FileSize();

        if (!vx::savePlayerList(list, QStringLiteral("Bench"), QStringLiteral("Speler"))) return 1;
        const QString path = vx::playerFilePath(QStringLiteral("Bench"), QStringLiteral("Speler"));
        const double saved = bestOf(3, [&] { writer.listOnDisk(path); });
        writer.flush();
        team.leg().enterDart(60, QStringLiteral("T20"));
        team.leg().bookTurn();
        writer.flush();
        const qint64 turn = FileSize();
        list.appendRow(LegRow(size));
        list.appendRow(LegRow(size + 1));
        session.scoreListChanged = true;
        writer.update();
        writer.flush();
        std::printf("%9d %14lld %14lld %14lld %16.1f\n", size, static_cast<long long>(before),
                    static_cast<long long>(turn), static_cast<long long>(FileSize()), saved);
        writer.finish();
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Times the player overview of a duo list of 10,000 rows (two players, names in mixed case) and
// of a team of ten players with 1,000 rows each.
#include "bench/BestOf.h"
#include "core/review/PlayerOverview.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

vx::ScoreListModel::Row MakeRow(int n, const QString& text) {
    vx::ScoreListModel::Row row;
    row[0] = text;
    row[1] = n % 2 ? QStringLiteral("v") : QStringLiteral("-");
    // Legs of 8 to 22 turns: most of the 25 turn cells are filled.
    const int turns = 8 + n % 15;
    for (int k = 2; k <= 26; ++k)
        row[k] = k - 2 < turns ? QString::number((n * 7 + k * 13) % 181) : QStringLiteral("-");
    row[27] = QStringLiteral("20.3");
    return row;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    vx::ScoreListModel duo;
    vx::ScoreListModel::Rows rows;
    for (int n = 0; n < 10000; ++n)
        rows.append(MakeRow(n, n % 2   ? QStringLiteral("Piet")
                               : n % 4 ? QStringLiteral("KLAAS")
                                       : QStringLiteral("klaas")));
    duo.replaceAll(rows);

    QList<vx::PlayerRows> team;
    for (int p = 0; p < 10; ++p) {
        vx::PlayerRows player{QStringLiteral("Speler %1").arg(p), {}};
        for (int n = 0; n < 1000; ++n)
            player.rows.append(MakeRow(n, QStringLiteral("01-01-2024 / 20:00:00")));
        team.append(player);
    }

    qsizetype players = 0;
    const double duoMs = bestOf(5, [&] { players = vx::duoOverview(duo).size(); });
    std::printf("overview of a duo list of 10,000 rows (%lld players): %.1f ms, goal < 100 ms\n",
                static_cast<long long>(players), duoMs);
    const double teamMs = bestOf(5, [&] { players = vx::teamOverview(team).size(); });
    std::printf("overview of a team of 10 x 1,000 rows (%lld players): %.1f ms, goal < 100 ms\n",
                static_cast<long long>(players), teamMs);
    return duoMs < 100 && teamMs < 100 ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryFigures.h"

#include "core/history/HistoryStore.h"

#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace vx {

namespace {

// The player's rows of a table kept per player and evening (player_legs, spots), in a period.
const QString kPlayerPeriod =
    QStringLiteral("player = (SELECT id FROM players WHERE folded = ?) AND evening >= ? AND evening <= ?");

// Per three darts; 0 without any.
double PerThree(const QVariant& points, const QVariant& darts) {
    return darts.toInt() ? 3.0 * points.toDouble() / darts.toDouble() : 0;
}

// The first time of an evening (and the end of the one before), as the store writes times: a
// filter on the times themselves can use their index, where one on the evening of each reads
// every turn.
QString EveningStart(const QDate& evening, const char* open) {
    return evening.isValid() ? evening.toString(Qt::ISODate) + QStringLiteral("T06:00:00.000") : QString::fromLatin1(open);
}

// Binds the two ends of a filter "thrown_at >= ? AND thrown_at < ?" for the period.
void BindPeriod(QSqlQuery& q, const HistoryPeriod& period) {
    q.addBindValue(EveningStart(period.from, ""));
    q.addBindValue(EveningStart(period.to.addDays(1), "9"));
}

// Binds kPlayerPeriod.
void BindPlayerPeriod(QSqlQuery& q, const QString& player, const HistoryPeriod& period) {
    q.addBindValue(player.toCaseFolded());
    q.addBindValue(period.from.isValid() ? period.from.toString(Qt::ISODate) : QStringLiteral(""));
    q.addBindValue(period.to.isValid() ? period.to.toString(Qt::ISODate) : QStringLiteral("9"));
}

QStringList FirstColumn(QSqlQuery& q) {
    QStringList values;
    while (q.next())
        values << q.value(0).toString();
    return values;
}

std::optional<qint64> PlayerRow(const QSqlDatabase& db, const QString& name) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT id FROM players WHERE folded = ?"));
    q.addBindValue(name.toCaseFolded());
    if (!q.exec() || !q.next()) return std::nullopt;
    return q.value(0).toLongLong();
}

} // namespace

DartsKnown dartsKnown(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT sum(turns), sum(turns_with_darts) FROM player_legs WHERE ") +
              kPlayerPeriod);
    BindPlayerPeriod(q, player, period);
    if (!q.exec() || !q.next()) return {};
    return {q.value(0).toInt(), q.value(1).toInt()};
}

CheckoutFigures checkoutFigures(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT left, points, count(*) FROM darts_at_double"
                             " WHERE player = (SELECT id FROM players WHERE folded = ?)"
                             " AND thrown_at >= ? AND thrown_at < ? GROUP BY left, points"));
    q.addBindValue(player.toCaseFolded());
    BindPeriod(q, period);
    q.exec();
    CheckoutFigures figures;
    while (q.next())
        for (int n = q.value(2).toInt(); n > 0; --n)
            figures.addDart(q.value(0).toInt(), q.value(1).toInt());
    return figures;
}

QMap<QString, double> dartShares(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT code, sum(darts) * 1.0 / sum(sum(darts)) OVER () FROM spots WHERE %1"
                             " GROUP BY code HAVING sum(darts) > 0")
                  .arg(kPlayerPeriod));
    BindPlayerPeriod(q, player, period);
    q.exec();
    QMap<QString, double> shares;
    while (q.next())
        shares.insert(q.value(0).toString(), q.value(1).toDouble());
    return shares;
}

TrebleRates trebleRates(const QMap<QString, double>& shares) {
    return {shares.value(QStringLiteral("T20")), shares.value(QStringLiteral("T19"))};
}

QList<EveningFigures> eveningFigures(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT evening, count(*), sum(points), sum(darts), sum(nine_points), sum(nine_darts)"
                       " FROM player_legs WHERE %1 GROUP BY evening ORDER BY evening")
            .arg(kPlayerPeriod));
    BindPlayerPeriod(q, player, period);
    q.exec();
    QList<EveningFigures> evenings;
    while (q.next())
        evenings.append({QDate::fromString(q.value(0).toString(), Qt::ISODate), q.value(1).toInt(),
                         PerThree(q.value(2), q.value(3)), PerThree(q.value(4), q.value(5))});
    return evenings;
}

HeadToHead headToHead(const QSqlDatabase& db, const QString& first, const QString& second,
                      const HistoryPeriod& period) {
    HeadToHead result;
    const std::optional<qint64> a = PlayerRow(db, first), b = PlayerRow(db, second);
    if (!a || !b || *a == *b) return result;
    // The matches both threw in that were no team evening.
    const QString duo =
        QStringLiteral("WITH duo AS (SELECT id FROM matches WHERE id IN (SELECT match FROM player_legs"
                       " WHERE player = ? INTERSECT SELECT match FROM player_legs WHERE player = ?)"
                       " AND kind <> '%1' AND started_at >= ? AND started_at < ?) ")
            .arg(kMatchKindTeam);
    QSqlQuery q(db);
    q.prepare(duo + QStringLiteral("SELECT player, (SELECT count(*) FROM duo),"
                                   " (SELECT count(*) FROM matches WHERE id IN duo AND winner = player),"
                                   " sum(won), sum(points), sum(darts) FROM player_legs"
                                   " WHERE match IN duo AND player IN (?, ?) GROUP BY player"));
    for (const qint64 p : {*a, *b})
        q.addBindValue(p);
    BindPeriod(q, period);
    for (const qint64 p : {*a, *b})
        q.addBindValue(p);
    if (!q.exec()) return result;
    while (q.next()) {
        const int i = q.value(0).toLongLong() == *a ? 0 : 1;
        result.matches = q.value(1).toInt();
        result.matchesWon[i] = q.value(2).toInt();
        result.legsWon[i] = q.value(3).toInt();
        result.average[i] = PerThree(q.value(4), q.value(5));
    }
    return result;
}

QStringList historyPlayers(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.exec(QStringLiteral(
        "SELECT name FROM players WHERE EXISTS (SELECT 1 FROM turns WHERE turns.player = players.id)"
        " ORDER BY folded"));
    return FirstColumn(q);
}

QStringList historyTeams(const QSqlDatabase& db) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT DISTINCT file FROM matches WHERE kind = ?"));
    q.addBindValue(kMatchKindTeam);
    q.exec();
    QStringList teams = FirstColumn(q);
    teams.sort(Qt::CaseInsensitive);
    return teams;
}

QList<QDate> teamEvenings(const QSqlDatabase& db, const QString& team) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT DISTINCT player_legs.evening FROM matches"
                             " JOIN player_legs ON player_legs.match = matches.id"
                             " WHERE matches.kind = ? AND matches.file = ? ORDER BY 1"));
    q.addBindValue(kMatchKindTeam);
    q.addBindValue(team);
    q.exec();
    QList<QDate> evenings;
    for (const QString& day : FirstColumn(q))
        evenings << QDate::fromString(day, Qt::ISODate);
    return evenings;
}

QList<LeagueRow> leagueTable(const QSqlDatabase& db, const QString& team, const QList<QDate>& evenings) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString sql =
        QStringLiteral(
            "SELECT players.name, count(*), sum(won), sum(points), sum(darts), sum(nine_points), "
            "sum(nine_darts),"
            " sum(one_eighties), sum(at_double), sum(checkouts), min(leg_darts) FILTER (WHERE won),"
            " max(finish) FILTER (WHERE won) FROM matches JOIN player_legs ON player_legs.match = matches.id"
            " JOIN players ON players.id = player_legs.player WHERE matches.kind = '%1' AND matches.file = ?")
            .arg(kMatchKindTeam);
    if (!evenings.isEmpty())
        sql += QStringLiteral(" AND evening IN (%1)")
                   .arg(QStringList(evenings.size(), QStringLiteral("?")).join(u','));
    q.prepare(sql + QStringLiteral(" GROUP BY player_legs.player ORDER BY players.folded"));
    q.addBindValue(team);
    for (const QDate& evening : evenings)
        q.addBindValue(evening.toString(Qt::ISODate));
    q.exec();
    QList<LeagueRow> rows;
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(),
                     PerThree(q.value(3), q.value(4)), PerThree(q.value(5), q.value(6)), q.value(7).toInt(),
                     q.value(8).toInt(), q.value(9).toInt(), q.value(10).toInt(), q.value(11).toInt()});
    return rows;
}

void sortLeague(QList<LeagueRow>& rows, LeagueColumn column, Qt::SortOrder order) {
    const auto value = [column](const LeagueRow& row) -> double {
        switch (column) {
        case LeagueColumn::Player: return 0;
        case LeagueColumn::Legs: return row.legs;
        case LeagueColumn::LegsWon: return row.legsWon;
        case LeagueColumn::Average: return row.average;
        case LeagueColumn::FirstNine: return row.firstNine;
        case LeagueColumn::OneEighties: return row.oneEighties;
        case LeagueColumn::Checkout: return row.checkoutPercentage();
        case LeagueColumn::BestLeg: return row.bestLeg;
        case LeagueColumn::HighestFinish: return row.highestFinish;
        }
        return 0;
    };
    const bool down = order == Qt::DescendingOrder;
    std::stable_sort(rows.begin(), rows.end(), [&](const LeagueRow& a, const LeagueRow& b) {
        if (column == LeagueColumn::BestLeg && (a.bestLeg == 0) != (b.bestLeg == 0)) return b.bestLeg == 0;
        const int byName = QString::compare(a.player, b.player, Qt::CaseInsensitive);
        const double va = value(a), vb = value(b);
        if (va != vb) return down ? va > vb : va < vb;
        return (column == LeagueColumn::Player && down) ? byName > 0 : byName < 0;
    });
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryFigures.h"

#include "core/history/HistoryStore.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace vx {

namespace {

const QString kEvening = QStringLiteral("date(turns.thrown_at, '-6 hours')");
const QString kTurnDarts =
    QStringLiteral("coalesce(nullif((SELECT count(*) FROM darts WHERE darts.turn = turns.id), 0), 3)");

// Per three darts; 0 without any.
double PerThree(const QVariant& points, const QVariant& darts) {
    return darts.toInt() ? 3.0 * points.toDouble() / darts.toDouble() : 0;
}

// Walks darts given as rows of (whose, turn, remaining before the turn, points), in the order
// they were thrown, adding each to the figures of whose they are.
template <typename Key> QHash<Key, CheckoutFigures> CheckoutWalk(QSqlQuery& q) {
    QHash<Key, CheckoutFigures> all;
    qint64 turn = -1;
    int remaining = 0;
    while (q.next()) {
        if (q.value(1).toLongLong() != turn) {
            turn = q.value(1).toLongLong();
            remaining = q.value(2).toInt();
        }
        const int points = q.value(3).toInt();
        if (atDouble(remaining)) {
            CheckoutFigures& figures = all[q.value(0).value<Key>()];
            DoubleFigure& at = figures.perDouble[remaining];
            ++at.darts;
            ++figures.dartsAtDouble;
            if (points == remaining) {
                ++at.hits;
                ++figures.checkouts;
            }
        }
        remaining -= points;
    }
    return all;
}

// The first time of an evening (and the end of the one before), as the store writes times: a
// filter on the times themselves can use their index, where one on kEvening reads every turn.
QString EveningStart(const QDate& evening, const char* open) {
    return evening.isValid() ? evening.toString(Qt::ISODate) + QStringLiteral("T06:00:00.000") : QString::fromLatin1(open);
}

// Binds the two ends of a filter "thrown_at >= ? AND thrown_at < ?" for the period.
void BindPeriod(QSqlQuery& q, const HistoryPeriod& period) {
    q.addBindValue(EveningStart(period.from, ""));
    q.addBindValue(EveningStart(period.to.addDays(1), "9"));
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
    q.prepare(QStringLiteral(
        "SELECT count(*), count(*) FILTER (WHERE EXISTS (SELECT 1 FROM darts WHERE darts.turn = turns.id))"
        " FROM turns JOIN players ON players.id = turns.player WHERE players.folded = ?"
        " AND turns.thrown_at >= ? AND turns.thrown_at < ?"));
    q.addBindValue(player.toCaseFolded());
    BindPeriod(q, period);
    if (!q.exec() || !q.next()) return {};
    return {q.value(0).toInt(), q.value(1).toInt()};
}

CheckoutFigures checkoutFigures(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT 0, turns.id, turns.remaining_before, darts.points FROM darts"
                             " JOIN turns ON turns.id = darts.turn JOIN players ON players.id = turns.player"
                             " WHERE players.folded = ? AND turns.thrown_at >= ? AND turns.thrown_at < ?"
                             " ORDER BY turns.id, darts.slot"));
    q.addBindValue(player.toCaseFolded());
    BindPeriod(q, period);
    q.exec();
    return CheckoutWalk<int>(q).value(0);
}

QMap<QString, double> dartShares(const QSqlDatabase& db, const QString& player, const HistoryPeriod& period) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT darts.code, count(*) * 1.0 / sum(count(*)) OVER () FROM darts"
                             " JOIN turns ON turns.id = darts.turn JOIN players ON players.id = turns.player"
                             " WHERE players.folded = ? AND turns.thrown_at >= ? AND turns.thrown_at < ?"
                             " GROUP BY darts.code"));
    q.addBindValue(player.toCaseFolded());
    BindPeriod(q, period);
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
    q.prepare(QStringLiteral("SELECT evening, count(DISTINCT leg), sum(total), sum(darts),"
                             " sum(total) FILTER (WHERE number <= 3), sum(darts) FILTER (WHERE number <= 3)"
                             " FROM (SELECT %1 AS evening, turns.leg, turns.number, turns.total, %2 AS darts FROM turns"
                             " JOIN players ON players.id = turns.player WHERE players.folded = ?"
                             " AND turns.thrown_at >= ? AND turns.thrown_at < ?) GROUP BY evening ORDER BY evening")
                  .arg(kEvening, kTurnDarts));
    q.addBindValue(player.toCaseFolded());
    BindPeriod(q, period);
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
    const QString duo = QStringLiteral(
        "WITH duo AS (SELECT legs.match AS id FROM turns JOIN legs ON legs.id = turns.leg"
        " JOIN matches ON matches.id = legs.match WHERE matches.kind <> '%1' AND turns.player IN (?, ?)"
        " AND matches.started_at >= ? AND matches.started_at < ?"
        " GROUP BY legs.match HAVING count(DISTINCT turns.player) = 2) ").arg(kMatchKindTeam);
    QSqlQuery q(db);
    for (int i = 0; i < 2; ++i) {
        const qint64 p = i == 0 ? *a : *b;
        q.prepare(duo + QStringLiteral("SELECT (SELECT count(*) FROM duo),"
                                       " (SELECT count(*) FROM matches WHERE id IN duo AND winner = ?),"
                                       " (SELECT count(*) FROM legs WHERE match IN duo AND winner = ?),"
                                       " (SELECT sum(total) FROM turns JOIN legs ON legs.id = turns.leg"
                                       "  WHERE legs.match IN duo AND turns.player = ?),"
                                       " (SELECT sum(%1) FROM turns JOIN legs ON legs.id = turns.leg"
                                       "  WHERE legs.match IN duo AND turns.player = ?)").arg(kTurnDarts));
        q.addBindValue(*a);
        q.addBindValue(*b);
        BindPeriod(q, period);
        for (int k = 0; k < 4; ++k)
            q.addBindValue(p);
        if (!q.exec() || !q.next()) return {};
        result.matches = q.value(0).toInt();
        result.matchesWon[i] = q.value(1).toInt();
        result.legsWon[i] = q.value(2).toInt();
        result.average[i] = PerThree(q.value(3), q.value(4));
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
    q.prepare(
        QStringLiteral("SELECT DISTINCT %1 FROM turns JOIN legs ON legs.id = turns.leg"
                       " JOIN matches ON matches.id = legs.match WHERE matches.kind = ? AND matches.file = ?"
                       " ORDER BY 1")
            .arg(kEvening));
    q.addBindValue(kMatchKindTeam);
    q.addBindValue(team);
    q.exec();
    QList<QDate> evenings;
    for (const QString& day : FirstColumn(q))
        evenings << QDate::fromString(day, Qt::ISODate);
    return evenings;
}

QList<LeagueRow> leagueTable(const QSqlDatabase& db, const QString& team, const QList<QDate>& evenings) {
    QStringList days; // from and to of each evening
    for (const QDate& evening : evenings)
        days << EveningStart(evening, "") << EveningStart(evening.addDays(1), "");
    QString scope = QStringLiteral(
        "SELECT turns.id, turns.leg, turns.player, turns.number, turns.total, turns.remaining_before, %1 AS darts,"
        " legs.winner, legs.darts AS leg_darts FROM turns JOIN legs ON legs.id = turns.leg"
        " JOIN matches ON matches.id = legs.match WHERE matches.kind = '%2' AND matches.file = ?")
                        .arg(kTurnDarts, kMatchKindTeam);
    if (!days.isEmpty())
        scope += QStringLiteral(" AND (%1)").arg(QStringList(days.size() / 2, QStringLiteral("turns.thrown_at >= ? AND turns.thrown_at < ?"))
                                                    .join(QStringLiteral(" OR ")));
    const auto bind = [&](QSqlQuery& q) {
        q.addBindValue(team);
        for (const QString& day : days)
            q.addBindValue(day);
    };

    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("WITH scope AS (%1) SELECT scope.player, players.name, count(DISTINCT leg),"
                             " count(DISTINCT leg) FILTER (WHERE winner = scope.player), sum(total), sum(darts),"
                             " sum(total) FILTER (WHERE number <= 3), sum(darts) FILTER (WHERE number <= 3),"
                             " count(*) FILTER (WHERE total = 180),"
                             " min(leg_darts) FILTER (WHERE winner = scope.player),"
                             " max(total) FILTER (WHERE winner = scope.player AND total = remaining_before)"
                             " FROM scope JOIN players ON players.id = scope.player GROUP BY scope.player"
                             " ORDER BY players.folded")
                  .arg(scope));
    bind(q);
    q.exec();
    QList<LeagueRow> rows;
    QHash<qint64, qsizetype> index;
    while (q.next()) {
        index.insert(q.value(0).toLongLong(), rows.size());
        rows.append({q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt(), PerThree(q.value(4), q.value(5)),
                     PerThree(q.value(6), q.value(7)), q.value(8).toInt(), 0, 0, q.value(9).toInt(), q.value(10).toInt()});
    }
    q.prepare(QStringLiteral("WITH scope AS (%1) SELECT scope.player, scope.id, scope.remaining_before, darts.points"
                             " FROM scope JOIN darts ON darts.turn = scope.id ORDER BY scope.id, darts.slot")
                  .arg(scope));
    bind(q);
    q.exec();
    const QHash<qint64, CheckoutFigures> checkouts = CheckoutWalk<qint64>(q);
    for (auto it = checkouts.begin(); it != checkouts.end(); ++it) {
        LeagueRow& row = rows[index.value(it.key())];
        row.dartsAtDouble = it->dartsAtDouble;
        row.checkouts = it->checkouts;
    }
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

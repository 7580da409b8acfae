// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryFigures.h"

#include <QSqlQuery>
#include <QVariant>

namespace vx {

CheckoutFigures checkoutFigures(const QSqlDatabase& db, const QString& player) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT turns.id, turns.remaining_before, darts.points FROM darts"
                             " JOIN turns ON turns.id = darts.turn JOIN players ON players.id = turns.player"
                             " WHERE players.folded = ? ORDER BY turns.id, darts.slot"));
    q.addBindValue(player.toCaseFolded());
    q.exec();
    CheckoutFigures figures;
    qint64 turn = -1;
    int remaining = 0;
    while (q.next()) {
        if (q.value(0).toLongLong() != turn) {
            turn = q.value(0).toLongLong();
            remaining = q.value(1).toInt();
        }
        const int points = q.value(2).toInt();
        if (atDouble(remaining)) {
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
    return figures;
}

QMap<QString, double> dartShares(const QSqlDatabase& db, const QString& player) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT darts.code, count(*) * 1.0 / sum(count(*)) OVER () FROM darts"
                             " JOIN turns ON turns.id = darts.turn JOIN players ON players.id = turns.player"
                             " WHERE players.folded = ? GROUP BY darts.code"));
    q.addBindValue(player.toCaseFolded());
    q.exec();
    QMap<QString, double> shares;
    while (q.next())
        shares.insert(q.value(0).toString(), q.value(1).toDouble());
    return shares;
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/ClubFetch.h"

#include "core/common/Services.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace vx {

QDateTime clubFetchedAt(const QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT at FROM club_fetched")) || !q.next()) return {};
    return QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
}

ClubFetch::ClubFetch(const QString& path) : m_store(path) {}

bool ClubFetch::open() {
    if (!m_open && !m_store.open()) {
        m_error = m_store.error();
        return false;
    }
    return m_open = true;
}

bool ClubFetch::fetch(ClubServer& server, int limit) {
    for (;;) {
        QSqlQuery q(m_store.database());
        if (!q.exec(QStringLiteral("SELECT turns, ends, gone FROM club_fetched")) || !q.next()) {
            m_error = q.lastError().text();
            return false;
        }
        const qint64 turns = q.value(0).toLongLong();
        const qint64 ends = q.value(1).toLongLong();
        const qint64 gone = q.value(2).toLongLong();
        q.finish();
        const std::optional<ClubBatch> batch = server.fetch(turns, ends, gone, limit);
        if (!batch) {
            m_error = server.error();
            return false;
        }
        if (batch->isEmpty()) return true;
        if (!write(*batch)) return false;
        q.prepare(
            QStringLiteral("UPDATE club_fetched SET turns = max(turns, ?), ends = max(ends, ?),"
                           " gone = max(gone, ?), at = ?"));
        // Legs' and matches' ends are counted alike: each change is a number of its own.
        qint64 endsUpTo = 0;
        for (const ClubEnd& end : batch->ends)
            endsUpTo = std::max(endsUpTo, end.row);
        q.addBindValue(batch->turns.isEmpty() ? 0 : batch->turns.last().row);
        q.addBindValue(endsUpTo);
        q.addBindValue(batch->lastGone);
        q.addBindValue(historyTimeText(clock().now()));
        if (!q.exec()) {
            m_error = q.lastError().text();
            return false;
        }
        if (batch->turns.size() < limit) return true;
    }
}

bool ClubFetch::write(const ClubBatch& batch) {
    const auto at = [](const QString& text) { return QDateTime::fromString(text, Qt::ISODateWithMs); };
    for (const ClubGone& gone : batch.gone)
        if (!m_store.removeTurn(gone.matchKey, gone.leg, gone.player, gone.number)) {
            m_error = m_store.error();
            return false;
        }
    for (const ClubTurn& turn : batch.turns) {
        const HistoryTurn written{
            turn.player,       turn.number,
            turn.total,        turn.remainingBefore,
            at(turn.thrownAt), turn.darts.isEmpty() ? std::nullopt : std::optional(turn.darts)};
        if (!m_store.recordTurn(turn.match, turn.leg, written, turn.board)) {
            m_error = m_store.error();
            return false;
        }
    }
    for (const ClubEnd& end : batch.ends) {
        const bool done = end.isLeg
                              ? m_store.endLeg(end.matchKey, end.leg, end.winner, end.darts, at(end.endedAt))
                              : m_store.endMatch(end.matchKey, end.winner);
        if (!done) {
            m_error = m_store.error();
            return false;
        }
    }
    return true;
}

} // namespace vx

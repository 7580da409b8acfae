// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryWriter.h"

#include "core/common/Services.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"

#include <QFile>

namespace vx {

namespace {

// The snapshot without the rows of the list.
std::optional<Recovery> MatchSnapshot(bool duo, const TeamMatch& team, const DuoMatch& match,
                                      const SessionState& session) {
    Recovery r;
    if (duo) {
        if (!match.isStarted()) return std::nullopt;
        DuoRecovery d;
        d.setup = match.setup();
        for (int p = 1; p <= 2; ++p) {
            d.turns[p - 1] = match.turns(p);
            d.booked[p - 1] = match.hasBooked(p);
            d.legsWon[p - 1] = match.legsWon(p);
            d.setsWon[p - 1] = match.setsWon(p);
        }
        d.atTheThrow = match.atTheThrow();
        d.starter = match.starter();
        d.fileName = session.duoFileName;
        d.matchId = match.matchId();
        r.match = d;
    } else {
        if (!team.hasTeam()) return std::nullopt;
        r.match = TeamRecovery{team.setup().team, team.setup().players, team.player(),
                               team.setup().startScore, team.leg().turns(), team.matchId()};
    }
    r.savedAt = clock().now();
    r.listChanged = session.scoreListChanged;
    r.scoreboard = session.scoreboard;
    return r;
}

} // namespace

std::optional<Recovery> recoverySnapshot(bool duo, const TeamMatch& team, const DuoMatch& match,
                                         const ScoreListModel& list, const SessionState& session) {
    std::optional<Recovery> r = MatchSnapshot(duo, team, match, session);
    if (r)
        for (const ScoreListModel::Row& row : list.rows())
            r->list.append(row);
    return r;
}

void restoreMatch(const DuoRecovery& from, DuoMatch& match) {
    match.restore(from.setup, from.turns, from.booked, from.legsWon, from.setsWon, from.atTheThrow,
                  from.starter, from.matchId);
}

void restoreMatch(const TeamRecovery& from, TeamMatch& team) {
    team.restore(TeamSetup{from.team, from.players, from.startScore}, from.atTheBoard, from.turns, from.matchId);
}

RecoveryWriter::RecoveryWriter(const TeamMatch& team, const DuoMatch& duo, const ScoreListModel& list,
                               const SessionState& session, QObject* parent)
    : QObject(parent), m_team(team), m_duoMatch(duo), m_list(list), m_session(session),
      m_path(recoveryFilePath()) {
    m_pool.setMaxThreadCount(1);
    const auto write = [this] { update(); };
    connect(&team, &TeamMatch::playerChanged, this, write);
    const TeamLeg& leg = team.leg();
    connect(&leg, &TeamLeg::legStarted, this, write);
    connect(&leg, &TeamLeg::turnBooked, this, write);
    connect(&leg, &TeamLeg::turnUndone, this, write);
    connect(&duo, &DuoMatch::legStarted, this, write);
    connect(&duo, &DuoMatch::turnBooked, this, write);
    connect(&duo, &DuoMatch::turnUndone, this, write);
    // Finished legs become rows after their turn is booked; rows are also edited, removed and
    // loaded.
    using Kind = RowChange::Kind;
    connect(&list, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { rowsChanged(Kind::Insert, first, last); });
    connect(&list, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { rowsChanged(Kind::Remove, first, last); });
    connect(&list, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                rowsChanged(Kind::Replace, from.row(), to.row());
            });
    connect(&list, &QAbstractItemModel::modelReset, this, [this] {
        // Loading a file replaces the list whole and then says so (listOnDisk): its rows need
        // not go over. Anything else sends them before itself, or soon.
        if (m_finished) return;
        m_resetWaiting = true;
        QMetaObject::invokeMethod(this, &RecoveryWriter::sendReset, Qt::QueuedConnection);
    });
    rowsChanged(Kind::Reset, 0, m_list.count() - 1);
}

void RecoveryWriter::sendReset() {
    if (!m_resetWaiting) return;
    m_resetWaiting = false;
    rowsChanged(RowChange::Kind::Reset, 0, m_list.count() - 1);
}

RecoveryWriter::~RecoveryWriter() {
    m_pool.waitForDone();
}

void RecoveryWriter::rowsChanged(RowChange::Kind kind, int first, int last) {
    if (m_finished) return;
    // A list replaced whole and not sent yet is sent as it stands now, this change included.
    if (kind != RowChange::Kind::Reset && m_resetWaiting) return sendReset();
    RowChange change{kind, first, last - first + 1, {}, {}, {}};
    if (kind != RowChange::Kind::Remove) {
        change.rows.reserve(change.count);
        for (int r = first; r <= last; ++r)
            change.rows.append(m_list.row(r));
    }
    queue(std::move(change));
}

void RecoveryWriter::update() {
    sendReset();
    queue(std::nullopt);
}

void RecoveryWriter::listOnDisk(const QString& path) {
    if (m_finished) return;
    m_resetWaiting = false;
    std::optional<RecoveryBase> base = recoveryBase(path, m_list.rows(), false);
    if (!base) {
        rowsChanged(RowChange::Kind::Reset, 0, m_list.count() - 1);
        return;
    }
    // The digest of 100,000 rows takes longer than a save: the thread takes it, from the list
    // shared for that long.
    queue(RowChange{RowChange::Kind::Base, 0, m_list.count(), m_list.rows(), std::move(base), {}});
}

void RecoveryWriter::listResumed(const std::optional<RecoveryBase>& base, const QVector<int>& origins) {
    if (m_finished) return;
    m_resetWaiting = false;
    RowChange change{RowChange::Kind::Base, 0, m_list.count(), {}, base, origins};
    for (int r = 0; r < m_list.count(); ++r)
        if (!base || r >= origins.size() || origins[r] < 0) change.rows.append(m_list.row(r));
    queue(std::move(change));
}

void RecoveryWriter::queue(std::optional<RowChange> change) {
    if (m_finished) return;
    // Without rows: the thread has its own; sharing the list's would copy it.
    std::optional<Recovery> snapshot = MatchSnapshot(m_duo, m_team, m_duoMatch, m_session);
    bool start = false;
    {
        std::lock_guard lock(m_mutex);
        // A write not yet started takes what comes now as well.
        const bool waiting = m_pending.recovery || !m_pending.changes.empty();
        if (change) m_pending.changes.push_back(std::move(*change));
        if (snapshot) m_pending.recovery = std::move(snapshot);
        start = !waiting && (m_pending.recovery || !m_pending.changes.empty());
        if (start) ++m_writing;
    }
    if (start)
        m_pool.start([this] {
            writePending();
            {
                std::lock_guard lock(m_mutex);
                --m_writing;
            }
            m_written.notify_all();
        });
}

// A failure is told once: the scorer can do nothing about it during play but should know the
// match is not protected; the next snapshot tries again.
void RecoveryWriter::writePending() {
    Pending next;
    {
        std::lock_guard lock(m_mutex);
        std::swap(next, m_pending);
    }
    for (RowChange& change : next.changes)
        apply(change);
    if (!next.recovery) return;
    // Runs of the base's rows as they follow one another, every other row as its own text.
    QList<QByteArray> pieces;
    for (std::size_t i = 0; i < m_entries.size();) {
        if (m_entries[i].origin < 0) {
            pieces.append(m_entries[i++].text);
            continue;
        }
        std::size_t end = i + 1;
        while (end < m_entries.size() && m_entries[end].origin == m_entries[end - 1].origin + 1)
            ++end;
        pieces.append(recoveryPieceJson(BaseRows{m_entries[i].origin, int(end - i)}));
        i = end;
    }
    next.recovery->base = m_base;
    const FileResult written = writeRecovery(m_path, *next.recovery, pieces);
    if (!written && !m_failureTold.exchange(true)) emit writeFailed(written.error);
}

void RecoveryWriter::apply(RowChange& change) {
    const auto own = [](const ScoreListModel::Row& row) { return Entry{-1, recoveryPieceJson(row)}; };
    switch (change.kind) {
    case RowChange::Kind::Reset:
        m_base.reset();
        m_entries.clear();
        m_entries.reserve(change.rows.size());
        for (const ScoreListModel::Row& row : change.rows)
            m_entries.push_back(own(row));
        break;
    case RowChange::Kind::Insert:
        for (int i = 0; i < change.rows.size(); ++i)
            m_entries.insert(m_entries.begin() + change.first + i, own(change.rows[i]));
        break;
    case RowChange::Kind::Remove:
        m_entries.erase(m_entries.begin() + change.first, m_entries.begin() + change.first + change.count);
        break;
    case RowChange::Kind::Replace:
        for (int i = 0; i < change.rows.size(); ++i)
            m_entries[change.first + i] = own(change.rows[i]);
        break;
    case RowChange::Kind::Base: {
        m_base = change.base;
        if (m_base && m_base->sha256.isEmpty()) {
            m_base->sha256 = scoreListDigest(change.rows);
            change.rows = {}; // the list's own: let go of it before the write
            m_entries.assign(change.count, Entry{});
            for (int r = 0; r < change.count; ++r)
                m_entries[r].origin = r;
            break;
        }
        m_entries.assign(change.count, Entry{});
        qsizetype ownRow = 0;
        for (int r = 0; r < change.count; ++r) {
            const int origin = change.origins.isEmpty() ? r : change.origins.value(r, -1);
            if (origin >= 0 && m_base)
                m_entries[r].origin = origin;
            else
                m_entries[r] = own(change.rows[ownRow++]);
        }
        break;
    }
    }
}

void RecoveryWriter::flush() {
    sendReset();
    std::unique_lock lock(m_mutex);
    m_written.wait(lock, [this] { return m_writing == 0; });
}

void RecoveryWriter::finish() {
    m_finished = true;
    m_pool.waitForDone();
    QFile::remove(m_path);
}

} // namespace vx

#include "core/files/RecoveryWriter.h"

#include "core/common/Services.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"

#include <QFile>

namespace vx {

std::optional<Recovery> recoverySnapshot(bool duo, const TeamMatch& team, const DuoMatch& match,
                                         const ScoreListModel& list, const SessionState& session) {
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
        r.match = d;
    } else {
        if (!team.hasTeam()) return std::nullopt;
        r.match = TeamRecovery{team.setup().team, team.setup().players, team.player(),
                               team.setup().startScore, team.leg().turns()};
    }
    r.savedAt = clock().now();
    r.rows = list.rows();
    r.listChanged = session.scoreListChanged;
    return r;
}

void restoreMatch(const DuoRecovery& from, DuoMatch& match) {
    match.restore(from.setup, from.turns, from.booked, from.legsWon, from.setsWon, from.atTheThrow,
                  from.starter);
}

void restoreMatch(const TeamRecovery& from, TeamMatch& team) {
    team.restore(TeamSetup{from.team, from.players, from.startScore}, from.atTheBoard, from.turns);
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
    connect(&list, &QAbstractItemModel::modelReset, this,
            [this] { rowsChanged(Kind::Reset, 0, m_list.count() - 1); });
    rowsChanged(Kind::Reset, 0, m_list.count() - 1);
}

RecoveryWriter::~RecoveryWriter() {
    m_pool.waitForDone();
}

void RecoveryWriter::rowsChanged(RowChange::Kind kind, int first, int last) {
    if (m_finished) return;
    RowChange change{kind, first, last - first + 1, {}};
    if (kind != RowChange::Kind::Remove) {
        change.rows.reserve(change.count);
        for (int r = first; r <= last; ++r)
            change.rows.append(m_list.row(r));
    }
    queue(std::move(change));
}

void RecoveryWriter::update() {
    queue(std::nullopt);
}

void RecoveryWriter::queue(std::optional<RowChange> change) {
    if (m_finished) return;
    std::optional<Recovery> snapshot = recoverySnapshot(m_duo, m_team, m_duoMatch, m_list, m_session);
    if (snapshot) snapshot->rows = {}; // the thread has its own; sharing the list's would copy it
    bool start = false;
    {
        std::lock_guard lock(m_mutex);
        // A write not yet started takes what comes now as well.
        const bool waiting = m_pending.recovery || !m_pending.changes.empty();
        if (change) m_pending.changes.push_back(std::move(*change));
        if (snapshot) m_pending.recovery = std::move(snapshot);
        start = !waiting && (m_pending.recovery || !m_pending.changes.empty());
    }
    if (start) m_pool.start([this] { writePending(); });
}

// A failure to write is not told: the scorer can do nothing about it during play, and the
// next snapshot tries again.
void RecoveryWriter::writePending() {
    Pending next;
    {
        std::lock_guard lock(m_mutex);
        std::swap(next, m_pending);
    }
    for (const RowChange& change : next.changes)
        apply(change);
    if (next.recovery) writeRecovery(m_path, *next.recovery, m_rowTexts);
}

void RecoveryWriter::apply(const RowChange& change) {
    switch (change.kind) {
    case RowChange::Kind::Reset:
        m_rowTexts.clear();
        m_rowTexts.reserve(change.rows.size());
        for (const ScoreListModel::Row& row : change.rows)
            m_rowTexts.append(recoveryRowJson(row));
        break;
    case RowChange::Kind::Insert:
        for (int i = 0; i < change.rows.size(); ++i)
            m_rowTexts.insert(change.first + i, recoveryRowJson(change.rows[i]));
        break;
    case RowChange::Kind::Remove:
        m_rowTexts.remove(change.first, change.count);
        break;
    case RowChange::Kind::Replace:
        for (int i = 0; i < change.rows.size(); ++i)
            m_rowTexts[change.first + i] = recoveryRowJson(change.rows[i]);
        break;
    }
}

void RecoveryWriter::flush() {
    m_pool.waitForDone();
}

void RecoveryWriter::finish() {
    m_finished = true;
    m_pool.waitForDone();
    QFile::remove(m_path);
}

} // namespace vx

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
    match.restore(from.setup, from.turns, from.legsWon, from.setsWon, from.atTheThrow, from.starter);
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
    const auto rows = [this] {
        rowsChanged();
        update();
    };
    connect(&list, &QAbstractItemModel::rowsInserted, this, rows);
    connect(&list, &QAbstractItemModel::rowsRemoved, this, rows);
    connect(&list, &QAbstractItemModel::dataChanged, this, rows);
    connect(&list, &QAbstractItemModel::modelReset, this, rows);
}

RecoveryWriter::~RecoveryWriter() {
    m_pool.waitForDone();
}

void RecoveryWriter::update() {
    if (m_finished) return;
    std::optional<Recovery> snapshot = recoverySnapshot(m_duo, m_team, m_duoMatch, m_list, m_session);
    if (!snapshot) return;
    const bool withRows = m_rowsVersion != m_rowsVersionSent;
    m_rowsVersionSent = m_rowsVersion;
    if (!withRows) snapshot->rows.clear();
    bool start = false;
    {
        std::lock_guard lock(m_mutex);
        start = !m_pending;
        // Rows not yet taken by the thread must not be lost to a snapshot without them.
        const bool rowsWaiting = m_pending && m_pending->withRows;
        if (!withRows && rowsWaiting) snapshot->rows = std::move(m_pending->recovery.rows);
        m_pending = Pending{std::move(*snapshot), withRows || rowsWaiting};
    }
    if (start) m_pool.start([this] { writePending(); });
}

// A failure to write is not told: the scorer can do nothing about it during play, and the
// next snapshot tries again.
void RecoveryWriter::writePending() {
    std::optional<Pending> next;
    {
        std::lock_guard lock(m_mutex);
        next.swap(m_pending);
    }
    if (!next) return;
    if (next->withRows) {
        m_writtenRows =
            QVector<ScoreListModel::Row>(next->recovery.rows.cbegin(), next->recovery.rows.cend());
        next->recovery.rows = {};
    }
    next->recovery.rows = m_writtenRows; // shared with this thread's copy only
    writeRecovery(m_path, next->recovery);
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

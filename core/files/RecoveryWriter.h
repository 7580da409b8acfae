// Keeps the recovery file up to date while a match is played: after every booked turn, leg
// end, undo, new match or leg and player change, and whenever the score list or its unsaved
// state changes. Darts of a turn not yet booked are not written.
//
// Taking the snapshot is all the scorer waits for: the file is written on a thread of its own,
// so a score list of thousands of rows does not slow down a booked turn. The rows go along
// only when they changed, shared, and the thread copies them at once: the list is never kept
// shared while it is written, which would make the next row added copy the whole list first.
// Snapshots taken while a write is running replace one another; the last is always written.
#pragma once

#include "core/files/RecoveryFile.h"

#include <QObject>
#include <QThreadPool>
#include <mutex>
#include <optional>

namespace vx {

struct SessionState;
class TeamMatch;

// The match in play as the recovery file keeps it; nothing before a match or team is set up.
std::optional<Recovery> recoverySnapshot(bool duo, const TeamMatch& team, const DuoMatch& match,
                                         const ScoreListModel& list, const SessionState& session);
// Puts the snapshot's match back into the model it came from, as after its last booked turn.
void restoreMatch(const DuoRecovery& from, DuoMatch& match);
void restoreMatch(const TeamRecovery& from, TeamMatch& team);

class RecoveryWriter : public QObject {
    Q_OBJECT
  public:
    RecoveryWriter(const TeamMatch& team, const DuoMatch& duo, const ScoreListModel& list,
                   const SessionState& session, QObject* parent = nullptr);
    ~RecoveryWriter() override;

    // Which of the two matches is in play.
    void setDuo(bool duo) { m_duo = duo; }
    // Takes a snapshot now and has it written; also for a change that sends no signal, such as
    // the score list saved.
    void update();
    // Waits until every snapshot taken is on disk.
    void flush();
    // The match was closed normally: writes nothing more and removes the file.
    void finish();

  private:
    void writePending();
    void rowsChanged() { ++m_rowsVersion; }

    struct Pending {
        Recovery recovery;
        bool withRows = false; // else the rows are those of the last write
    };

    const TeamMatch& m_team;
    const DuoMatch& m_duoMatch;
    const ScoreListModel& m_list;
    const SessionState& m_session;
    bool m_duo = false;
    bool m_finished = false;
    QString m_path;
    QThreadPool m_pool;
    std::mutex m_mutex;
    quint64 m_rowsVersion = 1;
    quint64 m_rowsVersionSent = 0;
    std::optional<Pending> m_pending;           // guarded by m_mutex
    QVector<ScoreListModel::Row> m_writtenRows; // the writing thread's own
};

} // namespace vx

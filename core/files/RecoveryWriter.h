// Keeps the recovery file up to date while a match is played: after every booked turn, leg
// end, undo, new match or leg and player change, and whenever the score list or its unsaved
// state changes. Darts of a turn not yet booked are not written.
//
// Taking the snapshot is all the scorer waits for: the file is written on a thread of its own,
// so a score list of thousands of rows does not slow down a booked turn or a leg end. That
// thread keeps its own copy of the rows, as the JSON text the file holds; the scorer's side
// hands it only the rows that changed (a finished leg's one or two), never the whole list,
// which would stay shared with the thread and make the next row added copy it first. Only a
// list loaded or replaced as a whole goes over whole.
// Snapshots taken while a write is running replace one another; the last is always written,
// with every change of the rows before it.
#pragma once

#include "core/files/RecoveryFile.h"

#include <QObject>
#include <QThreadPool>
#include <mutex>
#include <optional>
#include <vector>

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
    // Rows of the list as they changed; the rows are the changer's own copies.
    struct RowChange {
        enum class Kind { Reset, Insert, Remove, Replace };
        Kind kind = Kind::Reset;
        int first = 0;
        int count = 0; // Remove
        QVector<ScoreListModel::Row> rows;
    };
    struct Pending {
        std::optional<Recovery> recovery; // without rows
        std::vector<RowChange> changes;
    };

    void rowsChanged(RowChange::Kind kind, int first, int last);
    void queue(std::optional<RowChange> change);
    void writePending();
    void apply(const RowChange& change);

    const TeamMatch& m_team;
    const DuoMatch& m_duoMatch;
    const ScoreListModel& m_list;
    const SessionState& m_session;
    bool m_duo = false;
    bool m_finished = false;
    QString m_path;
    QThreadPool m_pool;
    std::mutex m_mutex;
    Pending m_pending;            // guarded by m_mutex
    QList<QByteArray> m_rowTexts; // the writing thread's own
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the recovery file up to date while a match is played: after every booked turn, leg
// end, undo, new match or leg and player change, and whenever the score list or its unsaved
// state changes. Darts of a turn not yet booked are not written.
//
// The file keeps only what is not safe on disk yet: the rows of the list that are not, as they
// stand, in the score list file the list was last loaded from or saved to (its base). Rows
// appended, edited or replaced since are its own; every other row is a run of the base's rows.
// After a save the file holds the match and one run, whatever the size of the list.
//
// Taking the snapshot is all the scorer waits for: the file is written on a thread of its own,
// so a score list of thousands of rows does not slow down a booked turn or a leg end. That
// thread keeps its own picture of the rows: for each, its row in the base, or the JSON text of
// a row of its own. The scorer's side hands it only the rows that changed (a finished leg's one
// or two), never the whole list, which would stay shared with the thread and make the next row
// added copy it first. A list replaced as a whole goes over whole, unless it turns out (in the
// same call of the scorer's side) to be the list of a file just loaded, or the list of a resumed
// match: then only where its rows come from. A list just loaded or saved is shared for as long
// as the thread takes the digest of its rows, which the scorer should not wait for.
// Snapshots taken while a write is running replace one another; the last is always written,
// with every change of the rows before it.
//
// A write that fails is told once, through writeFailed(), and play goes on: the next snapshot
// tries again.
#pragma once

#include "core/files/RecoveryFile.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <condition_variable>
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
    // The list as it stands is what `path` holds: it was just loaded from it or saved to it.
    void listOnDisk(const QString& path);
    // The list as it stands was put back from a recovery (see rebuildScoreList): its rows are
    // those of `base` where `origins` gives a row of it, and its own where -1.
    void listResumed(const std::optional<RecoveryBase>& base, const QVector<int>& origins);
    // The match was closed normally: writes nothing more and removes the file.
    void finish();

  signals:
    // A snapshot could not be written: the match in play is not kept for a crash. `why` is a
    // Dutch sentence with the path and the reason. Sent once, for the first failure.
    void writeFailed(const QString& why);

  private:
    // Rows of the list as they changed; the rows are the changer's own copies.
    struct RowChange {
        // Base: the whole list anew, as `origins` says (empty: every row of `base` in order),
        // with `rows` for the rows of its own; or, for a base without its digest yet, the
        // whole list to take it from.
        enum class Kind { Reset, Insert, Remove, Replace, Base };
        Kind kind = Kind::Reset;
        int first = 0;
        int count = 0; // Remove, Base
        ScoreListModel::Rows rows;
        std::optional<RecoveryBase> base;
        QVector<int> origins;
    };
    // A row as the writing thread knows it: a row of the base, or its own with its JSON text.
    struct Entry {
        int origin = -1;
        QByteArray text;
    };
    struct Pending {
        std::optional<Recovery> recovery; // without rows
        std::vector<RowChange> changes;
    };

    void rowsChanged(RowChange::Kind kind, int first, int last);
    void sendReset();
    void queue(std::optional<RowChange> change);
    void writePending();
    void apply(RowChange& change);

    const TeamMatch& m_team;
    const DuoMatch& m_duoMatch;
    const ScoreListModel& m_list;
    const SessionState& m_session;
    bool m_duo = false;
    bool m_finished = false;
    QString m_path;
    QThreadPool m_pool;
    std::mutex m_mutex;
    Pending m_pending; // guarded by m_mutex
    // Writes started and not yet done, guarded by m_mutex. A flush waits on it rather than on the
    // pool, whose waitForDone() ends its thread: the next booked turn would start another.
    int m_writing = 0;
    std::condition_variable m_written;
    // A list replaced whole is sent only once it is known not to be a file's list.
    bool m_resetWaiting = false;
    std::atomic_bool m_failureTold = false;
    // The writing thread's own.
    std::vector<Entry> m_entries;
    std::optional<RecoveryBase> m_base;
};

} // namespace vx

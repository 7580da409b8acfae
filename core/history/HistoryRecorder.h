// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the match history up to date while a match is played: every booked turn with its darts,
// every turn taken back, every leg and match end, as the match models report them.
//
// Play never waits for the disk: what happened is taken from the model on the spot and handed
// to a thread of its own, which has its own connection to the file and writes one transaction
// per booked turn. A history that cannot be written is told once per run (failed()) and play
// goes on; a damaged file is set aside under a dated name and a new one started.
#pragma once

#include "core/history/HistoryStore.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace vx {

class DuoMatch;
struct SessionState;
class TeamMatch;
class Turn;

class HistoryRecorder : public QObject {
    Q_OBJECT
  public:
    HistoryRecorder(const TeamMatch& team, const DuoMatch& duo, const SessionState& session,
                    const QString& path = historyFilePath(), QObject* parent = nullptr);
    // Writes everything still waiting before it goes.
    ~HistoryRecorder() override;

    // The match was put back from a recovery file: the leg as it stands is what was booked.
    // Turns the history lacks are added, turns it has beyond them go; nothing is kept twice.
    void resumed(bool duo);
    // Waits until everything reported so far is written (or failed).
    void flush();

  signals:
    // The history cannot be written: a Dutch sentence with the file and the reason. Sent once
    // per run, from the recorder's own thread once its event loop runs.
    void failed(const QString& why);

  private:
    // The writing thread's own state: its store, the match and the leg being written.
    struct Writer {
        explicit Writer(const QString& path) : store(path) {}
        HistoryStore store;
        HistoryMatch match;
        HistoryLeg leg;
    };
    using Job = std::function<bool(Writer&)>;

    void post(Job job);
    void run();
    void tell(const QString& why);
    // A new match, if `key` is not the one being recorded, then a new leg.
    void legStarted(const HistoryMatch& match, int set, const QString& starter);
    void turnBooked(const QString& player, int number, int total, int remainingBefore, const Turn& darts);
    void turnUndone(const QString& player, int number);
    void legWon(const QString& winner, int turns, const Turn& lastDarts);
    HistoryMatch duoMatch() const;
    HistoryMatch teamMatch() const;

    const TeamMatch& m_team;
    const DuoMatch& m_duo;
    const SessionState& m_session;
    QString m_path;
    QString m_matchKey; // the match last started, as the scorer's side knows it

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs; // guarded by m_mutex, and so are the two below
    bool m_busy = false;
    bool m_stopping = false;
    std::atomic_bool m_told = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace vx

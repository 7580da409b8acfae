// SPDX-License-Identifier: GPL-3.0-or-later
// Forwards a board's history to the club server, on a thread of its own: play writes to the
// board's file as always and never waits for the network.
//
// It reads what the server does not have yet from the file, in the order it was written, sends
// it in one transaction and marks it sent only after the server has committed. While the
// server cannot be reached it tries again, waiting longer each time up to a limit, and says how
// many turns are waiting.
#pragma once

#include "core/history/ClubServer.h"

#include <QObject>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace vx {

struct ClubStatus {
    bool reachable = false;
    int waiting = 0;
    QString why; // the reason while the server is not reachable
    bool operator==(const ClubStatus&) const = default;
};

// "Clubserver: niet bereikbaar — 12 beurten wachten", "Clubserver: bijgewerkt", ...
QString clubStatusText(const ClubStatus& status);

// Where the history window's figures come from with a club server chosen: "Alle borden,
// bijgewerkt om 21:14", or only this board and what it last fetched (clubFetchedAt()) while the
// server cannot be reached. The day is told for a time not of `today`.
QString clubSourceText(bool reachable, const QDateTime& fetched, const QDate& today);

struct ClubTiming {
    int pollMs = 1000;      // how often a reachable server is given what was written since
    int firstRetryMs = 500; // after the first failure; doubled after each next one
    int lastRetryMs = 2000; // the longest wait: a server back is used within this
    int batch = 500;        // turns a transaction at most
};

class ClubSender : public QObject {
    Q_OBJECT
  public:
    ClubSender(ClubSettings settings, const QString& historyPath = historyFilePath(),
               ClubTiming timing = ClubTiming(), QObject* parent = nullptr);
    // Stops after the send under way; what is not sent waits in the file for the next run.
    ~ClubSender() override;

  signals:
    // Sent from the sending thread whenever the status changes.
    void statusChanged(const vx::ClubStatus& status);

  private:
    void run();
    // Waits up to `ms`; false when the sender is stopping.
    bool pause(int ms);
    void report(const ClubStatus& status);

    ClubSettings m_settings;
    QString m_path;
    ClubTiming m_timing;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false; // guarded by m_mutex
    ClubStatus m_last;
    bool m_reported = false;
    std::unique_ptr<QThread> m_thread;
};

} // namespace vx

Q_DECLARE_METATYPE(vx::ClubStatus)

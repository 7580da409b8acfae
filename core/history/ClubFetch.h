// SPDX-License-Identifier: GPL-3.0-or-later
// The other boards' play, fetched from the club server into the board's own history file, so
// that every figure covers the whole club and a board cut off from the server still shows what
// it had fetched.
//
// What is fetched is written through the store like the board's own turns, so the figures' sums
// are kept alike; its matches carry the board they were played on, which keeps them out of what
// is sent. How far the fetch has come (the server's ids) is kept in the file beside them.
#pragma once

#include "core/history/ClubServer.h"
#include "core/history/HistoryStore.h"

#include <QDateTime>

namespace vx {

// When something last came in from the other boards; invalid before the first time.
QDateTime clubFetchedAt(const QSqlDatabase& db);

class ClubFetch {
  public:
    // A store of its own on the file, for the thread that fetches.
    explicit ClubFetch(const QString& path);

    // The file is migrated by the recorder: false until it has what the fetch keeps.
    bool open();
    // Everything new on the server, `limit` turns a round; false with error() when the server or
    // the file failed (what was written stays, and is written once however often it comes).
    bool fetch(ClubServer& server, int limit);
    QString error() const { return m_error; }

  private:
    bool write(const ClubBatch& batch);
    HistoryStore m_store;
    QString m_error;
    bool m_open = false;
};

} // namespace vx

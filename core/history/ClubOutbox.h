// SPDX-License-Identifier: GPL-3.0-or-later
// What the club server has not had yet, kept in the board's own history file.
//
// Triggers in the file keep the account, so the recorder writes as it always did: every turn
// written or changed waits (club_waiting) until it has been sent; a turn the server has is
// remembered with the key the server knows it by (club_sent), so that a turn taken back or
// changed afterwards can be taken off the server again (club_gone); a leg or match end waits in
// club_ends. Each waiting row carries a version that every change raises: a row is only marked
// sent when the version sent is still the one there, so a change made while a send was on its
// way is never lost.
#pragma once

#include "core/history/HistoryStore.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vx {

struct ClubTurn {
    qint64 row = 0; // the turn's id in the board's file; on the server, for a turn fetched
    QString board;  // the board a turn fetched was played on
    int version = 0;
    HistoryMatch match;
    QString matchStartedAt;
    HistoryLeg leg;
    QString player;
    int number = 1;
    int total = 0;
    int remainingBefore = 0;
    int bust = 0;
    QString thrownAt;
    QList<HistoryDart> darts;

    // From a query's columns: the row, one the caller reads itself, then the match's key, kind,
    // start score, target, file and start, the leg's number, set and starter, the player, and the
    // turn's number, total, score left before it, bust and time.
    static ClubTurn read(const QSqlQuery& q);
};

// A turn (or, without a player, a whole leg) the server has and should not have any more.
struct ClubGone {
    QString matchKey;
    int leg = 0;
    QString player; // case-folded; empty for the whole leg
    int number = 0;
};

// A leg's or a match's end: its winner and darts (a leg) or its end time (a match).
struct ClubEnd {
    bool isLeg = true;
    qint64 row = 0;
    int version = 0;
    QString matchKey;
    int leg = 0;
    QString winner;
    int darts = 0;
    QString endedAt;
    bool applied = false; // set by the server: false while the leg or match is not there yet
};

struct ClubBatch {
    qint64 lastGone = 0; // the highest club_gone id read
    QList<ClubGone> gone;
    QList<ClubTurn> turns;
    QList<ClubEnd> ends;
    bool isEmpty() const { return gone.isEmpty() && turns.isEmpty() && ends.isEmpty(); }
    // Each dart a query read (turn, slot, code, points) to its turn; the turns are in row order.
    void addDarts(QSqlQuery& q);
};

class ClubOutbox {
  public:
    // The step of the history file's migrations that starts the account: everything already in
    // the file waits, as the server has none of it.
    static QStringList schema();

    // Its own connection to the file the recorder writes; opened on the thread that uses it.
    explicit ClubOutbox(QString path);
    ~ClubOutbox();
    ClubOutbox(const ClubOutbox&) = delete;
    ClubOutbox& operator=(const ClubOutbox&) = delete;

    // The file is migrated by the recorder, never here: false until it has the account.
    bool open();
    QString error() const { return m_error; }

    // What is gone, up to `limit` waiting turns in the order they were written, and the ends.
    std::optional<ClubBatch> next(int limit);
    // After the server committed `batch`.
    bool markSent(const ClubBatch& batch);
    // The turns the server has not had yet.
    std::optional<int> waiting();

  private:
    bool fail(const QSqlError& error);
    QString m_path;
    QString m_connection;
    QString m_error;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The club's PostgreSQL server, where every board's history comes together: the same tables as
// the board's own file, each row marked with the board it was played on.
//
// No password is kept anywhere in the program: libpq finds it by itself in the user's
// ~/.pgpass (or a service file), the way a club's IT volunteer already hands one out. That
// needs nothing beyond the driver, and a stolen options file gives nothing away.
//
// A board's record is known on the server by (board, match key, leg number, player, turn
// number), so a send repeated after a broken connection changes nothing.
#pragma once

#include "core/history/ClubOutbox.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vx {

struct ClubSettings {
    QString host; // a name, an address, or a folder holding the server's socket
    int port = 5432;
    QString database;
    QString user;
    QString board = QStringLiteral("Bord 1");
    bool operator==(const ClubSettings&) const = default;
};

class ClubServer {
  public:
    // The server's schema, in its table club_schema.
    static int schemaVersion();

    explicit ClubServer(ClubSettings settings);
    ~ClubServer();
    ClubServer(const ClubServer&) = delete;
    ClubServer& operator=(const ClubServer&) = delete;

    // Connects and brings the server's schema up to date. False with error() when the server
    // cannot be reached, refuses the user, or has a schema newer than this program knows.
    bool connect();
    // Leaves the server at `version`, as an older copy of the program would.
    bool connectAtVersion(int version);
    void disconnect();
    bool isConnected() const;
    // A Dutch sentence for the scorer.
    QString error() const { return m_error; }
    QSqlDatabase database() const;

    // One transaction: takes off what is gone, adds the turns with their darts, and the ends
    // (each marked applied when its leg or match was there to end).
    bool send(ClubBatch& batch);

    // What the other boards have that is newer than the server's ids given (those of turns, of
    // the changes that ended legs and matches, and of turns taken back), as of one moment: every
    // turn taken back, up to `limit` turns in the order they came, each with its board and a
    // match key made unique in the board's file, and the ends only when every turn was in (each
    // end's row is its change).
    std::optional<ClubBatch> fetch(qint64 turnsAfter, qint64 endsAfter, qint64 goneAfter, int limit);

  private:
    bool migrate(int upTo);
    bool fail(const QString& what, const QString& reason);
    bool sendTurns(ClubBatch& batch);
    ClubSettings m_settings;
    QString m_connection;
    QString m_error;
};

} // namespace vx

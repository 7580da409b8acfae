// SPDX-License-Identifier: GPL-3.0-or-later
// A team match: the players of one team take turns at the board, each throwing a leg alone
// from the start score (see TeamLeg). The scorer picks who throws next; there is no rotation.
// Picking a player, also the one at the board, starts a fresh leg and drops a leg not finished.
//
// A window shows the team name, the player at the board (name and number) and the leg; it
// follows playerChanged() for the first two and the leg's own signals for the rest.
#pragma once

#include "core/match/TeamLeg.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace vx {

struct TeamSetup {
    QString team;
    QStringList players; // in the order of the team, at most TeamMatch::kMaxPlayers
    int startScore = 501;
};

class TeamMatch : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxPlayers = 10;

    explicit TeamMatch(QObject* parent = nullptr);

    void setCheckoutTable(const QStringList& table) { m_leg.setCheckoutTable(table); }

    // A new team: player 1 at the board with a fresh leg. Emits playerChanged(1), then the
    // leg's legStarted() and changed().
    void start(const TeamSetup& setup);
    // Player `player` (1-based) to the board with a fresh leg from the start score. Refused
    // (false, no signal) without a team or for a player the team does not have.
    bool takeOver(int player);

    // The team with `player` at the board and the turns of that player's leg, as after the last
    // booked turn. Emits only the leg's changed(), then playerChanged() once all is back.
    // The match id is kept (a new one when none is given).
    void restore(const TeamSetup& setup, int player, const QList<int>& turns, const QString& matchId = {});

    bool hasTeam() const { return m_player != 0; }
    const TeamSetup& setup() const { return m_setup; }
    // The player at the board, 1-based; 0 before a team is set up.
    int player() const { return m_player; }
    // Empty before a team is set up.
    QString playerName() const { return hasTeam() ? m_setup.players.at(m_player - 1) : QString(); }

    // Made by start(): one team evening is one match, whoever takes over.
    const QString& matchId() const { return m_matchId; }

    TeamLeg& leg() { return m_leg; }
    const TeamLeg& leg() const { return m_leg; }

  signals:
    void playerChanged(int player);

  private:
    TeamSetup m_setup;
    int m_player = 0;
    QString m_matchId;
    TeamLeg m_leg;
};

} // namespace vx

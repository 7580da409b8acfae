// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/TeamMatch.h"

namespace vx {

TeamMatch::TeamMatch(QObject* parent) : QObject(parent) {}

void TeamMatch::start(const TeamSetup& setup) {
    m_setup = setup;
    m_matchId = newMatchId();
    m_player = 0;
    takeOver(1);
}

bool TeamMatch::takeOver(int player) {
    if (m_setup.players.isEmpty() || player < 1 || player > m_setup.players.size()) return false;
    m_player = player;
    emit playerChanged(player);
    m_leg.start(m_setup.startScore);
    return true;
}

void TeamMatch::restore(const TeamSetup& setup, int player, const QList<int>& turns,
                        const QString& matchId) {
    m_setup = setup;
    m_matchId = matchId.isEmpty() ? newMatchId() : matchId;
    m_player = player;
    // Whoever follows the player (the recovery writer saves the match at it) must find the leg
    // already back.
    m_leg.restore(setup.startScore, turns);
    emit playerChanged(player);
}

} // namespace vx

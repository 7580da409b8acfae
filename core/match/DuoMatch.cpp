// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/DuoMatch.h"

#include "core/match/CheckoutAdvice.h"
#include "core/scorelist/LegRows.h"

namespace vx {

DuoMatch::DuoMatch(QObject* parent) : QObject(parent) {}

int DuoMatch::index(int player) {
    Q_ASSERT(player == 1 || player == 2);
    return player - 1;
}

void DuoMatch::start(const DuoSetup& setup) {
    m_setup = setup;
    m_matchId = newMatchId();
    m_started = true;
    m_players = {};
    m_winner = 0;
    startLeg(1);
}

void DuoMatch::startLeg(int starter) {
    for (Player& p : m_players) {
        p.remaining = m_setup.startScore;
        p.turns.clear();
        p.booked = false;
    }
    m_turn.clear();
    m_starter = m_atTheThrow = starter;
    m_legWinner = 0;
    emit legStarted(starter);
    emit changed();
}

bool DuoMatch::enterDart(int points, const QString& code) {
    if (!m_started || isLegOver() || m_turn.isFull()) return false;
    const int slot = m_turn.nextSlot();
    m_turn.put({points, code});
    m_turn.advance();
    emit dartEntered(m_atTheThrow, slot, points, code);
    emit changed();
    return true;
}

void DuoMatch::correct() {
    m_turn.clear();
    emit changed();
}

DuoMatch::BookResult DuoMatch::bookTurn() {
    if (!m_started || isLegOver()) return BookResult::Refused;
    const int p = m_atTheThrow;
    Player& player = at(p);
    const int total = m_turn.sum();
    // Leaving 1 is fine, and so is exactly the remaining score: there is no double-out.
    if (total > player.remaining) return BookResult::TooHigh;

    player.remaining -= total;
    player.turns.append(total);
    player.booked = true;
    m_booked = m_turn;
    m_turn.clear();
    m_atTheThrow = 3 - p;
    BookResult result = BookResult::Booked;
    if (player.remaining == 0) {
        m_legWinner = p;
        result = countLeg(p);
    }

    emit turnBooked(p, total);
    if (result != BookResult::Booked) emit legWon(p);
    if (result == BookResult::SetWon ||
        (result == BookResult::MatchWon && m_setup.kind == DuoSetup::Kind::Sets))
        emit setWon(p);
    if (result == BookResult::MatchWon) emit matchWon(p);
    emit changed();
    return result;
}

DuoMatch::BookResult DuoMatch::countLeg(int player) {
    Player& p = at(player);
    ++p.legs;
    if (m_setup.kind == DuoSetup::Kind::Legs) {
        if (p.legs != m_setup.target) return BookResult::LegWon;
    } else {
        if (p.legs != kLegsPerSet) return BookResult::LegWon;
        // Every set starts at 0-0: legs the loser took in this set count for nothing in the next.
        for (Player& each : m_players)
            each.legs = 0;
        ++p.sets;
        if (p.sets != m_setup.target) return BookResult::SetWon;
    }
    m_winner = player;
    return BookResult::MatchWon;
}

void DuoMatch::restore(const DuoSetup& setup, const std::array<QList<int>, 2>& turns,
                       const std::array<bool, 2>& booked, const std::array<int, 2>& legsWon,
                       const std::array<int, 2>& setsWon, int atTheThrow, int starter,
                       const QString& matchId) {
    m_setup = setup;
    m_matchId = matchId.isEmpty() ? newMatchId() : matchId;
    m_started = true;
    m_legWinner = m_winner = 0;
    for (int p = 1; p <= 2; ++p) {
        Player& player = at(p);
        player.turns = turns[index(p)];
        player.remaining = setup.startScore;
        for (int total : player.turns)
            player.remaining -= total;
        player.booked = booked[index(p)] || !player.turns.isEmpty();
        player.legs = legsWon[index(p)];
        player.sets = setsWon[index(p)];
        if (player.remaining == 0) m_legWinner = p;
        const int won = setup.kind == DuoSetup::Kind::Sets ? player.sets : player.legs;
        if (won == setup.target) m_winner = p;
    }
    // A file written just after a set was won by a copy that let the loser's legs count on still
    // holds them; the winner's legs at 0 beside a won leg can only mean a set just ended.
    if (m_legWinner != 0 && setup.kind == DuoSetup::Kind::Sets && at(m_legWinner).legs == 0)
        at(3 - m_legWinner).legs = 0;
    m_turn.clear();
    m_atTheThrow = atTheThrow;
    m_starter = starter;
    emit changed();
}

bool DuoMatch::nextLeg() {
    if (!canStartNextLeg()) return false;
    startLeg(3 - m_starter);
    return true;
}

bool DuoMatch::undoLastTurn() {
    return m_started && undoLastTurn(3 - m_atTheThrow);
}

bool DuoMatch::undoLastTurn(int player) {
    if (!m_started || isLegOver()) return false;
    Player& p = at(player);
    if (p.turns.isEmpty()) return false;
    const int total = p.turns.takeLast();
    p.remaining += total;
    emit turnUndone(player, total);
    emit changed();
    return true;
}

QString DuoMatch::average(int player) const {
    const Player& p = m_players.at(index(player));
    // No turn in the leg reads "0" however it came about, on the label and in the score list.
    return p.turns.isEmpty() ? QStringLiteral("0") : averagePerDart(turnTexts(p.turns));
}

std::optional<QString> DuoMatch::checkout(int player) const {
    // The player not at the throw has a whole turn ahead.
    const int dartsLeft = player == m_atTheThrow ? Turn::kDarts + 1 - m_turn.nextSlot() : Turn::kDarts;
    return checkoutAdvice(m_checkoutTable, remaining(player) - turnSum(player), dartsLeft);
}

} // namespace vx

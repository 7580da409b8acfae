// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/TeamLeg.h"

#include "core/match/CheckoutAdvice.h"

namespace vx {

TeamLeg::TeamLeg(QObject* parent) : QObject(parent) {}

void TeamLeg::start(int startScore) {
    m_started = true;
    m_won = false;
    m_remaining = m_remainingBeforeTurn = startScore;
    m_turns.clear();
    m_turn.clear();
    emit legStarted();
    emit changed();
}

void TeamLeg::restore(int startScore, const QList<int>& turns) {
    m_started = true;
    m_turns = turns;
    m_remaining = startScore;
    for (int total : turns)
        m_remaining -= total;
    m_remainingBeforeTurn = m_remaining;
    m_won = m_remaining == 0;
    m_turn.clear();
    emit changed();
}

TeamLeg::DartResult TeamLeg::enterDart(int points, const QString& code) {
    if (m_turn.isFull()) return DartResult::Ignored;
    const int slot = m_turn.nextSlot();
    m_turn.put({points, code});
    m_remaining -= points;
    DartResult result = DartResult::Held;
    if (m_started && !m_won && m_remaining >= 0) {
        m_turn.advance();
        result = m_remaining == 0 ? DartResult::LegWon : DartResult::Entered;
    }
    if (result == DartResult::LegWon) {
        m_won = true;
        m_turns.append(m_turn.sum());
        m_remainingBeforeTurn = 0;
        m_booked = m_turn;
    }
    emit dartEntered(slot, points, code);
    if (result == DartResult::LegWon) {
        emit turnBooked(m_turns.last());
        emit legWon();
    }
    emit changed();
    return result;
}

void TeamLeg::correct() {
    m_turn.clear();
    m_remaining = m_remainingBeforeTurn;
    emit changed();
}

bool TeamLeg::bookTurn() {
    if (!m_started || m_won || m_remaining < 0) return false;
    const int total = m_turn.sum();
    m_turns.append(total);
    m_remainingBeforeTurn = m_remaining;
    m_booked = m_turn;
    m_turn.clear();
    emit turnBooked(total);
    emit changed();
    return true;
}

bool TeamLeg::undoLastTurn() {
    if (!m_started || m_won) return false;
    // The darts in the slots are already off the remaining score: they go first, or the turn
    // taken back would be added to a score that still lacks them.
    m_turn.clear();
    m_remaining = m_remainingBeforeTurn;
    if (m_turns.isEmpty()) {
        emit changed();
        return false;
    }
    const int total = m_turns.takeLast();
    m_remaining = m_remainingBeforeTurn += total;
    emit turnUndone(total);
    emit changed();
    return true;
}

std::optional<QString> TeamLeg::checkout() const {
    return checkoutAdvice(m_checkoutTable, m_remaining, Turn::kDarts + 1 - m_turn.nextSlot());
}

} // namespace vx

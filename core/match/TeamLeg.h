// SPDX-License-Identifier: GPL-3.0-or-later
// A leg of a team match: one player at the board counts down alone from the start score to
// exactly 0. Every dart is subtracted the moment it is entered; the dart that makes the
// remaining score exactly 0 wins the leg at once and books its turn itself (no double-out).
// A remaining score below 0 is a bust: nothing is taken up or booked until Correctie (or an
// undo) restores the score before the turn.
//
// A window drives it with the calls below, each answering on the spot, and shows:
// - remainingBeforeTurn() as the big score, turns() as the turn list, the three slots of turn();
// - after enterDart(): a board marker for every dart that went into a slot (not Ignored, not a
//   miss); for Entered and LegWon the checkout() suggestion and the turn total turn().sum();
//   for LegWon the finished leg as a score list row (turns() holds the winning turn too);
// - the board markers cleared by a successful bookTurn(), by start() and by undoLastTurn(),
//   not by correct() and not by the winning dart;
// - the add button disabled once isWon() (before a leg is started it shows enabled, and
//   bookTurn() refuses).
// Observers that did not make the call follow the signals instead.
#pragma once

#include "core/match/Turn.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

namespace vx {

class TeamLeg : public QObject {
    Q_OBJECT
  public:
    enum class DartResult {
        Ignored, // the turn was full: nothing changed
        Held,    // in the next slot and off the remaining score, but not taken up: no leg
                 // started, the leg already won, or a bust; the next dart overwrites it
        Entered, // taken up: the next dart goes into the next slot
        LegWon,  // taken up and the remaining score is exactly 0: the leg is won
    };

    explicit TeamLeg(QObject* parent = nullptr);

    // The checkout table as loaded from its file, one entry per line (see lookupCheckout).
    void setCheckoutTable(const QStringList& table) { m_checkoutTable = table; }

    // A fresh leg from `startScore` for the player at the board: no turns, empty slots. A leg
    // not finished is dropped. Emits legStarted() and changed().
    void start(int startScore);

    // The leg as it stood after its last booked turn: started from `startScore`, won when the
    // turns reach it. Emits only changed(): nothing was played.
    void restore(int startScore, const QList<int>& turns);

    // One dart. Emits dartEntered() unless Ignored; on LegWon also turnBooked() and legWon();
    // then changed().
    DartResult enterDart(int points, const QString& code);

    // Correctie: empty slots and the remaining score back to the score before the turn. Leaves
    // the booked turns alone, also after a won leg. Emits changed().
    void correct();

    // Books the darts of the slots (fewer than three, or none, count as misses) as one turn.
    // Refused (false, no signal) before a leg is started, after it is won and during a bust.
    // Emits turnBooked() and changed().
    bool bookTurn();

    // Drops the darts of the turn in progress as correct() does, then takes the last booked
    // turn back onto the remaining score. True when a booked turn was taken back (turnUndone());
    // emits changed() whenever the leg is in play. A won leg is already a score list row and is
    // not undone: false and no signal.
    bool undoLastTurn();

    // Darts are taken up only once a leg was started, until it is won.
    bool isStarted() const { return m_started; }
    bool isWon() const { return m_won; }
    bool isBust() const { return m_started && !m_won && m_remaining < 0; }
    // The remaining score with the darts of the turn in progress taken off.
    int remaining() const { return m_remaining; }
    // The remaining score before the turn in progress (0 once the leg is won).
    int remainingBeforeTurn() const { return m_remainingBeforeTurn; }
    // The booked turn totals of the leg, in order.
    const QList<int>& turns() const { return m_turns; }
    const Turn& turn() const { return m_turn; }
    // The darts of the turn booked last, as they were in the slots; for observers of
    // turnBooked(), which is sent once the slots are empty again.
    const Turn& bookedTurn() const { return m_booked; }
    // The checkout advice for remaining() with the darts left in the turn (see checkoutAdvice);
    // nothing when there is none, also once the turn is full.
    std::optional<QString> checkout() const;

  signals:
    void changed();
    void legStarted();
    // A dart went into `slot` (1 to 3); also a dart that was held.
    void dartEntered(int slot, int points, const QString& code);
    void turnBooked(int total);
    void legWon();
    void turnUndone(int total);

  private:
    QStringList m_checkoutTable;
    bool m_started = false;
    bool m_won = false;
    int m_remaining = 0;
    int m_remainingBeforeTurn = 0;
    QList<int> m_turns;
    Turn m_turn;
    Turn m_booked;
};

} // namespace vx

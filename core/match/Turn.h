// SPDX-License-Identifier: GPL-3.0-or-later
// The turn in progress: the three darts a player throws before the turn is booked.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace vx {

// One dart as the board gives it: its points and its code ("E20", "D16", "T19", "B25", "B50";
// empty for a miss, which has no spot on the board).
struct Dart {
    int points = 0;
    QString code;
    bool operator==(const Dart&) const = default;
};

// Three dart slots and the slot the next dart goes into. A dart is written into that slot
// first and taken up separately, because a dart that is not taken up (a team bust) stays in
// its slot only until the next dart overwrites it.
class Turn {
  public:
    static constexpr int kDarts = 3;

    // The slot (1 to 3) of the next dart; kDarts + 1 once three darts are in and the turn is full.
    int nextSlot() const { return m_next; }
    bool isFull() const { return m_next > kDarts; }
    // The dart in slot 1 to 3; a slot without a dart holds a miss of 0 points.
    const Dart& dart(int slot) const { return m_darts.at(slot - 1); }
    // The points of the three slots together: the total the turn is booked with.
    int sum() const;

    // Writes the dart into the next slot without moving on; the turn must not be full.
    void put(const Dart& dart) { m_darts.at(m_next - 1) = dart; }
    // Moves on to the next slot, keeping the dart just put.
    void advance() { ++m_next; }
    // Empty slots, the next dart into slot 1.
    void clear() { *this = Turn(); }

  private:
    std::array<Dart, kDarts> m_darts{};
    int m_next = 1;
};

// A fresh key for a match just started: the match history tells matches apart by it, and the
// recovery file keeps it so that a resumed match goes on under the same one.
QString newMatchId();

// Turn totals as the texts the turn lists, the score list rows and the averages work on.
QStringList turnTexts(const QList<int>& turns);

} // namespace vx

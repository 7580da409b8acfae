// SPDX-License-Identifier: GPL-3.0-or-later
// A duo match: two players throw in turn, both counting down from the start score in every
// leg; the first to reach exactly 0 wins the leg. The match goes to the first to reach the
// target, in legs or in sets of three legs. The starter alternates from leg to leg.
//
// Players are numbered 1 and 2. A duo turn is taken off the remaining score only when it is
// booked, and a turn above the remaining score is refused.
//
// A window drives it with the calls below, each answering on the spot, and shows per player:
// remaining(p) as the big score, turnSum(p) as the running turn total, turns(p) as the turn
// list, average(p), legsWon(p) and setsWon(p); the start marker at starter(); the player at
// the throw, atTheThrow(), marked as such (also after a leg, for whoever would throw next);
// and the three slots of turn().
// - The add button of atTheThrow() is enabled, and the dart buttons with it, while
//   isStarted() && !isLegOver(); the next-leg button while canStartNextLeg().
// - After enterDart(): checkout(atTheThrow()) as that player's suggestion.
// - After bookTurn(): TooHigh is told to the scorer; LegWon, SetWon and MatchWon all end the
//   leg: its two score list rows are made from the turns, averages and remaining scores that
//   stay until nextLeg(); MatchWon then announces winner(). Dialogs are best opened from the
//   returned result, after the call: a slot connected to a signal runs before the call returns.
// Observers that did not make the call follow the signals instead.
#pragma once

#include "core/match/Turn.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vx {

struct DuoSetup {
    enum class Kind { Sets, Legs };
    std::array<QString, 2> names; // player 1, player 2
    int startScore = 501;
    Kind kind = Kind::Sets;
    int target = 3; // sets or legs to win
};

class DuoMatch : public QObject {
    Q_OBJECT
  public:
    // A set is always won by the first to three legs, whatever the target.
    static constexpr int kLegsPerSet = 3;

    enum class BookResult {
        Refused,  // nobody may book: no match started, or the leg is over
        TooHigh,  // the turn is above the remaining score: nothing changed, the darts stay
        Booked,   // booked, the throw passes to the other player
        LegWon,   // booked and the leg is won
        SetWon,   // ... and with it a set
        MatchWon, // ... and with it the match
    };

    explicit DuoMatch(QObject* parent = nullptr);

    // The checkout table as loaded from its file, one entry per line (see lookupCheckout).
    void setCheckoutTable(const QStringList& table) { m_checkoutTable = table; }

    // A new match: counters at 0, the first leg with player 1 to start. Emits legStarted()
    // and changed().
    void start(const DuoSetup& setup);

    // One dart for the player at the throw, into the next slot. Refused (false, no signal)
    // when the turn is full, the leg is over or no match was started. Emits dartEntered() and
    // changed().
    bool enterDart(int points, const QString& code);

    // Correctie: empty slots, the turn in progress back to 0. Emits changed().
    void correct();

    // Books the turn in progress for the player at the throw (fewer than three darts, or none,
    // count as misses). Emits turnBooked(), then legWon(), setWon() and matchWon() as far as
    // they apply, then changed(); nothing when refused or too high.
    BookResult bookTurn();

    // The next leg, the other player to start. Refused (false) unless a leg is over and the
    // match is not decided. Emits legStarted() and changed().
    bool nextLeg();

    // The match as it stood after a booked turn, from what a recovery file keeps: the setup,
    // each player's turns of the leg in play and whether they booked any (see hasBooked), legs
    // and sets won, who is at the throw and who started. A player whose turns reach the start
    // score has won the leg. No turn in progress. When that leg ended a set (the winner's legs
    // at 0 in a sets match), the other player's legs are 0 too, whatever the file kept. Emits
    // only changed(): nothing was played.
    void restore(const DuoSetup& setup, const std::array<QList<int>, 2>& turns,
                 const std::array<bool, 2>& booked, const std::array<int, 2>& legsWon,
                 const std::array<int, 2>& setsWon, int atTheThrow, int starter,
                 const QString& matchId = {});

    // Takes the last booked turn of the player who threw before the one at the throw back onto
    // that player's remaining score. The player at the throw stays at the throw, with the darts
    // of the turn in progress: they are that player's, not yet off any score. True when a turn
    // was taken back (turnUndone(), changed()). A finished leg is already in the score list and
    // is not undone: false and no signal.
    bool undoLastTurn();
    // The same for the last booked turn of `player`.
    bool undoLastTurn(int player);

    const DuoSetup& setup() const { return m_setup; }
    QString name(int player) const { return m_setup.names.at(index(player)); }
    bool isStarted() const { return m_started; }
    // The player whose turn it is, or after a leg would be; 0 before a match is started.
    int atTheThrow() const { return m_atTheThrow; }
    // The player who started the leg; 0 before a match is started.
    int starter() const { return m_starter; }

    int remaining(int player) const { return m_players.at(index(player)).remaining; }
    const QList<int>& turns(int player) const { return m_players.at(index(player)).turns; }
    // The average per dart of the player's turns in the leg, "#0.0" with the user's decimal
    // separator; "0" while the player has no turn in the leg, also when every turn was taken
    // back: the label and the score list row then read the same as before a first turn.
    QString average(int player) const;
    // Whether the player booked a turn in the leg, also one taken back since. The average no
    // longer depends on it; the recovery file still keeps it.
    bool hasBooked(int player) const { return m_players.at(index(player)).booked; }
    // The running total of the player's turn in progress; 0 for the player not at the throw.
    int turnSum(int player) const { return player == m_atTheThrow ? m_turn.sum() : 0; }
    const Turn& turn() const { return m_turn; }
    // The darts of the turn booked last, as they were in the slots; for observers of
    // turnBooked(), which is sent once the slots are empty again.
    const Turn& bookedTurn() const { return m_booked; }
    // Made by start(), kept by restore() (a new one when none is given).
    const QString& matchId() const { return m_matchId; }
    // The checkout advice for the player's remaining score less the turn in progress, with the
    // darts left in that turn (see checkoutAdvice); nothing when there is none.
    std::optional<QString> checkout(int player) const;

    // Legs won; in a sets match the legs won in the current set. Every set starts at 0-0: when a
    // set is won both players' legs go back to 0.
    int legsWon(int player) const { return m_players.at(index(player)).legs; }
    int setsWon(int player) const { return m_players.at(index(player)).sets; }

    bool isLegOver() const { return m_legWinner != 0; }
    // The winner of the leg just finished; 0 while the leg is in play.
    int legWinner() const { return m_legWinner; }
    bool isMatchOver() const { return m_winner != 0; }
    // The winner of the match; 0 while it is undecided.
    int winner() const { return m_winner; }
    // A decided match plays no further leg.
    bool canStartNextLeg() const { return isLegOver() && !isMatchOver(); }

  signals:
    void changed();
    void legStarted(int starter);
    // A dart of `player` went into `slot` (1 to 3).
    void dartEntered(int player, int slot, int points, const QString& code);
    void turnBooked(int player, int total);
    void legWon(int player);
    void setWon(int player);
    void matchWon(int player);
    void turnUndone(int player, int total);

  private:
    struct Player {
        int remaining = 0;
        QList<int> turns;
        bool booked = false; // a turn was booked in this leg, also one taken back since
        int legs = 0;
        int sets = 0;
    };

    static int index(int player);
    Player& at(int player) { return m_players.at(index(player)); }
    void startLeg(int starter);
    // Counts the leg just won by `player`: legs, then sets; the match when the target is reached.
    BookResult countLeg(int player);

    QStringList m_checkoutTable;
    DuoSetup m_setup;
    bool m_started = false;
    std::array<Player, 2> m_players{};
    int m_starter = 0;
    int m_atTheThrow = 0;
    int m_legWinner = 0;
    int m_winner = 0;
    Turn m_turn;
    Turn m_booked;
    QString m_matchId;
};

} // namespace vx

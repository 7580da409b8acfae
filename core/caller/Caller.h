// SPDX-License-Identifier: GPL-3.0-or-later
// The match caller: says every booked turn, every won leg, set and match, and what the player
// stepping up to the board needs to finish, the way a caller at a match does. It only listens
// to the match model and speaks through Speech, so it never slows down the darts being entered.
//
// One booked turn makes one call, because a new call cuts off one still being spoken:
// - a turn that wins: "Game shot, en de leg voor Koos" (or "de set", "de wedstrijd" for the
//   highest it won) instead of its score, as a caller does;
// - any other turn: its score in words, shouted ("honderd!") from a ton upwards, "geen score"
//   for 0; then, when the checkout table has a finish for the player at the throw now,
//   "Fred, u heeft tweeëndertig nodig". In a duo match that is the opponent stepping up (the
//   caller tells each player what they need as they come to the board), in a team leg the same
//   player again. The two are one call: "zestig. Fred, u heeft honderd nodig".
// Darts, Correctie, undo, a refused booking and a new leg are not called.
// In English the calls are English: "Game shot, and the leg to Koos", "one hundred and
// eighty!", "Fred, you require thirty-two".
#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace vx {

class DuoMatch;
class TeamLeg;

// The language the caller speaks in, which its voice has to speak too.
QLocale::Language callerLanguage();

class Speech {
  public:
    virtual ~Speech() = default;
    // Starts saying the text and returns at once; a call still being spoken is cut off.
    virtual void say(const QString& text) = 0;
    // Who wants to hear that the engine, once made, cannot speak after all (it failed, or has
    // no voice), with why in Dutch. Told later on the thread that made this Speech, never from
    // inside say().
    void whenUnavailable(std::function<void(const QString& why)> tell) { m_tell = std::move(tell); }

  protected:
    void tellUnavailable(const QString& why) const {
        if (m_tell) m_tell(why);
    }

  private:
    std::function<void(const QString&)> m_tell;
};

class Caller : public QObject {
    Q_OBJECT
  public:
    explicit Caller(Speech& speech, QObject* parent = nullptr);

    // Calls what happens in the match or leg from now on. The checkout suggestions come from
    // the model's own table.
    void follow(const DuoMatch& match);
    void follow(const TeamLeg& leg);
    // The player at the board of the team leg: the leg itself does not know who throws.
    void setTeamPlayer(const QString& name) { m_teamPlayer = name; }

  private:
    // Signals of one booking arrive one by one (turn, leg, set, match, then changed()); the
    // call is made once the model has finished, from what they said together. Every other
    // changed() (each dart) passes without a look at the checkout table.
    static QString scoreCall(int total);
    void booked(int total);
    void won(const QString& what, const QString& name);
    void speakBooking(const QString& nextPlayer, int nextRemaining,
                      const std::optional<QString>& nextCheckout);

    Speech& m_speech;
    QString m_teamPlayer;
    std::optional<int> m_bookedTotal;
    QString m_gameShot;
};

} // namespace vx

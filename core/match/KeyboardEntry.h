// SPDX-License-Identifier: GPL-3.0-or-later
// Darts typed on the keyboard, for scorers at a busy board who keep one hand on the keys:
// an optional ring letter (S or E single, D double, T treble; "/" and "*" on the keypad for
// double and treble) and the number, then Space or keypad "+" to enter the dart: "T20",
// "D16", "5", "25" the outer bull, "50" or "D25" the bull's eye, "0" a miss. Enter enters a
// typed dart and books the turn; Backspace takes back a typed character, or corrects the turn
// when nothing is typed; Esc forgets what was typed.
//
// This only reads keys. The window turns what it answers into presses of its own buttons, so
// a typed dart follows exactly the rules of a clicked one.
#pragma once

#include <QString>
#include <QStringView>
#include <Qt>
#include <optional>

namespace vx {

struct TypedDart {
    int points = 0;
    QString dartCode; // "E5", "D16", "T20", "B25", "B50"; empty for a miss
    bool operator==(const TypedDart&) const = default;
};

// A complete entry ("T20", "s5", "50", "D25", "0") as a dart; nothing for anything else
// ("T25", "D21", "61", "05", "T", "X3").
std::optional<TypedDart> parseTypedDart(QStringView text);

class KeyboardEntry {
  public:
    enum class Action {
        NotMine,   // a key this scheme leaves to the window (arrows, Tab, shortcuts, Space
                   // with nothing typed)
        Nothing,   // taken, nothing to do (keypad "+" with nothing typed, a held Enter)
        Typed,     // the typed text changed
        Rejected,  // refused: nothing entered or booked; the window beeps
        EnterDart, // enter `dart`
        Book,      // enter `dart` when there is one, then book the turn
        Correctie, // nothing was typed: clear the turn as the Correctie button does
    };
    struct Step {
        Action action = Action::NotMine;
        std::optional<TypedDart> dart;
    };

    // One key press: the Qt key code, its modifiers, its text and whether it is a repeat of a
    // key held down (a held Enter or Space must not book or enter again and again).
    Step press(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool autoRepeat = false);

    QString typed() const { return m_typed; }
    // False once a character was typed that no entry can follow ("T25", "61", "X").
    bool typedIsValid() const;

  private:
    Step typeCharacter(QChar c);
    Step enterTyped(Action onSuccess);

    QString m_typed; // upper case
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Darts from the keyboard: the typed entries, the keys of the scheme, and the same result
// through the main window as with the buttons.
#include "core/match/KeyboardEntry.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/main/MainWindow.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTest>

using namespace vx;
using namespace vxtest;

Q_DECLARE_METATYPE(std::optional<vx::TypedDart>)

namespace {

// A key by name: "T", "2", "Space", "Enter", "Back", "Esc", "KP/", "KP*", "KP+", "Up", "Tab",
// "Ctrl+S"; "!" after a name makes it a held key's repeat.
struct Key {
    int code;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool repeat;
};

Key keyNamed(QString name) {
    const bool repeat = name.endsWith('!');
    if (repeat) name.chop(1);
    static const QHash<QString, Key> named = {
        {"Space", {Qt::Key_Space, {}, " ", false}},
        {"Enter", {Qt::Key_Return, {}, "\r", false}},
        {"KPEnter", {Qt::Key_Enter, Qt::KeypadModifier, "\r", false}},
        {"Back", {Qt::Key_Backspace, {}, "\b", false}},
        {"Esc", {Qt::Key_Escape, {}, "\x1b", false}},
        {"KP/", {Qt::Key_Slash, Qt::KeypadModifier, "/", false}},
        {"KP*", {Qt::Key_Asterisk, Qt::KeypadModifier, "*", false}},
        {"KP+", {Qt::Key_Plus, Qt::KeypadModifier, "+", false}},
        {"Up", {Qt::Key_Up, {}, "", false}},
        {"Tab", {Qt::Key_Tab, {}, "\t", false}},
        {"Ctrl+S", {Qt::Key_S, Qt::ControlModifier, "\x13", false}},
    };
    Key key = named.value(name, {0, {}, name, false});
    if (key.code == 0) {
        const QChar c = name.at(0);
        key.code = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A');
    }
    key.repeat = repeat;
    return key;
}

// What each press answered: t typed, r rejected, n nothing, x not mine, c Correctie,
// e:CODE a dart entered, b:CODE a turn booked after entering CODE ("-" a miss, "none" no dart).
QString describe(const KeyboardEntry::Step& step) {
    using A = KeyboardEntry::Action;
    auto code = [&] {
        if (!step.dart) return QStringLiteral("none");
        return step.dart->dartCode.isEmpty() ? QStringLiteral("-") : step.dart->dartCode;
    };
    switch (step.action) {
    case A::NotMine:
        return "x";
    case A::Nothing:
        return "n";
    case A::Typed:
        return "t";
    case A::Rejected:
        return "r";
    case A::EnterDart:
        return "e:" + code();
    case A::Book:
        return "b:" + code();
    case A::Correctie:
        return "c";
    }
    return "?";
}

void typeKeys(MainWindow& m, const QString& keys) {
    for (const QString& name : keys.split(' ', Qt::SkipEmptyParts)) {
        const Key k = keyNamed(name);
        QTest::keyClick(&m, Qt::Key(k.code), k.modifiers);
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        home = std::make_unique<TempHome>();
        prompts = std::make_unique<ScriptedPrompts>();
    }
    void cleanup() {
        prompts.reset();
        home.reset();
    }

    void parse_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<TypedDart>>("dart");
        auto dart = [](int points, const QString& code) {
            return std::optional<TypedDart>(TypedDart{points, code});
        };
        QTest::newRow("T20") << "T20" << dart(60, "T20");
        QTest::newRow("lower case") << "t20" << dart(60, "T20");
        QTest::newRow("D16") << "D16" << dart(32, "D16");
        QTest::newRow("plain 5") << "5" << dart(5, "E5");
        QTest::newRow("S5") << "S5" << dart(5, "E5");
        QTest::newRow("E5") << "E5" << dart(5, "E5");
        QTest::newRow("T1") << "T1" << dart(3, "T1");
        QTest::newRow("20") << "20" << dart(20, "E20");
        QTest::newRow("outer bull") << "25" << dart(25, "B25");
        QTest::newRow("S25") << "S25" << dart(25, "B25");
        QTest::newRow("bull's eye") << "50" << dart(50, "B50");
        QTest::newRow("D25") << "D25" << dart(50, "B50");
        QTest::newRow("miss") << "0" << dart(0, "");
        const std::optional<TypedDart> none;
        for (const char* bad : {"T25", "D21", "61", "21", "05", "00", "T0", "D0", "D50", "S50", "T", "", "X3",
                                "T20x", " 5", "T 20", "TT20", "-5", "100"})
            QTest::newRow(qPrintable(QStringLiteral("refused \"%1\"").arg(bad))) << bad << none;
    }
    void parse() {
        QFETCH(QString, text);
        QFETCH(std::optional<TypedDart>, dart);
        QCOMPARE(parseTypedDart(text), dart);
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("left");
        QTest::newRow("T20 Space") << "T 2 0 Space"
                                   << "t t t e:T20"
                                   << "";
        QTest::newRow("lower case") << "t 2 0 Space"
                                    << "t t t e:T20"
                                    << "";
        QTest::newRow("keypad double") << "KP/ 1 6 KP+"
                                       << "t t t e:D16"
                                       << "";
        QTest::newRow("keypad treble") << "KP* 1 9 Space"
                                       << "t t t e:T19"
                                       << "";
        QTest::newRow("plain 5") << "5 Space"
                                 << "t e:E5"
                                 << "";
        QTest::newRow("outer bull") << "2 5 Space"
                                    << "t t e:B25"
                                    << "";
        QTest::newRow("bull's eye") << "5 0 Space"
                                    << "t t e:B50"
                                    << "";
        QTest::newRow("D25") << "D 2 5 Space"
                             << "t t t e:B50"
                             << "";
        QTest::newRow("miss") << "0 Space"
                              << "t e:-"
                              << "";
        QTest::newRow("ring changed") << "D T 2 0 Space"
                                      << "t t t t e:T20"
                                      << "";
        QTest::newRow("three darts") << "T 2 0 Space 5 Space 0 Space"
                                     << "t t t e:T20 t e:E5 t e:-"
                                     << "";
        QTest::newRow("T25 refused") << "T 2 5 Space"
                                     << "t t r r"
                                     << "T25";
        QTest::newRow("T25 put right") << "T 2 5 Back Space"
                                       << "t t r t e:T2"
                                       << "";
        QTest::newRow("D21 not booked") << "D 2 1 Enter"
                                        << "t t r r"
                                        << "D21";
        QTest::newRow("61 refused") << "6 1 Space"
                                    << "t r r"
                                    << "61";
        QTest::newRow("three digits") << "1 2 3"
                                      << "t t r"
                                      << "123";
        QTest::newRow("a letter") << "X 5 Space"
                                  << "r r r"
                                  << "X";
        QTest::newRow("Esc forgets") << "X Esc Space"
                                     << "r t x"
                                     << "";
        QTest::newRow("Esc with nothing typed") << "Esc"
                                                << "n"
                                                << "";
        QTest::newRow("unfinished") << "D Enter"
                                    << "t r"
                                    << "D";
        QTest::newRow("Enter books") << "Enter"
                                     << "b:none"
                                     << "";
        QTest::newRow("keypad Enter books") << "KPEnter"
                                            << "b:none"
                                            << "";
        QTest::newRow("Enter enters and books") << "T 2 0 Enter"
                                                << "t t t b:T20"
                                                << "";
        QTest::newRow("Space alone") << "Space"
                                     << "x"
                                     << "";
        QTest::newRow("keypad + alone") << "KP+"
                                        << "n"
                                        << "";
        QTest::newRow("Backspace is Correctie") << "Back"
                                                << "c"
                                                << "";
        QTest::newRow("Backspace takes back first") << "T 2 Back Back Back"
                                                    << "t t t t c"
                                                    << "";
        QTest::newRow("held Space") << "T 2 0 Space!"
                                    << "t t t n"
                                    << "T20";
        QTest::newRow("held Enter") << "Enter!"
                                    << "n"
                                    << "";
        QTest::newRow("window keys") << "Up Tab Ctrl+S"
                                     << "x x x"
                                     << "";
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, steps);
        QFETCH(QString, left);
        KeyboardEntry entry;
        QStringList seen;
        for (const QString& name : keys.split(' ')) {
            const Key k = keyNamed(name);
            seen << describe(entry.press(k.code, k.modifiers, k.text, k.repeat));
        }
        QCOMPARE(seen.join(' '), steps);
        QCOMPARE(entry.typed(), left);
    }

    // The same darts typed and clicked leave the same window.
    void typedDartsAreButtonDarts() {
        MainWindow typed, clicked;
        StartTeamMatch(typed, "Club", {"Ann"}, 501);
        StartTeamMatch(clicked, "Club", {"Ann"}, 501);
        typeKeys(typed, "T 2 0 Space KP/ 1 6 KP+ 5 Space");
        darts(clicked, {"Knop3(20)", "Knop2(16)", "Knop1(5)"});
        QCOMPARE(dartSlots(typed), QStringList({"60", "32", "5"}));
        QCOMPARE(dartSlots(typed), dartSlots(clicked));
        QCOMPARE(remainingScore(typed), remainingScore(clicked));
        QCOMPARE(nextDartSlot(typed), nextDartSlot(clicked));
        QCOMPARE(control<StyledButton>(typed, "AddKnop")->toolTip(),
                 control<StyledButton>(clicked, "AddKnop")->toolTip());
        QVERIFY(typed.teamPanel()->markedBoard() == clicked.teamPanel()->markedBoard());
        QVERIFY(typed.teamPanel()->markedBoard() != typed.teamPanel()->boardImage());

        typeKeys(typed, "Enter");
        QCOMPARE(entries(typed, "List1"), QStringList{"97"});
        QCOMPARE(caption(typed, "Label7"), QString("404"));
        typeKeys(typed, "2 5 Enter");
        QCOMPARE(entries(typed, "List1"), QStringList({"97", "25"}));
        QCOMPARE(caption(typed, "Label7"), QString("379"));
    }

    void theTypedTextIsShown() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        auto* label = control<QLabel>(m, "TypedDartLabel");
        QCOMPARE(label->parentWidget(), control<QFrame>(m, "Frame1"));
        typeKeys(m, "T 2");
        QCOMPARE(label->text(), QString("T2"));
        typeKeys(m, "5");
        QCOMPARE(label->text(), QString("T25"));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(200, 0, 0));
        typeKeys(m, "Space Enter");
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(control<QListWidget>(m, "List1")->count(), 0);
        typeKeys(m, "Back");
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        typeKeys(m, "Space");
        QCOMPARE(label->text(), QString());
        QCOMPARE(dartSlots(m), QStringList({"6", "0", "0"}));
        // The label sits on the board without covering any other control.
        for (QWidget* other :
             control<QFrame>(m, "Frame1")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (other != label && !other->isHidden())
                QVERIFY2(!other->geometry().intersects(label->geometry()), qPrintable(other->objectName()));
    }

    void backspaceWithNothingTypedIsCorrectie() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        typeKeys(m, "T 2 0 Space T 2 0 Space");
        QCOMPARE(remainingScore(m), 381);
        typeKeys(m, "1 Back Back");
        QCOMPARE(remainingScore(m), 501);
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(nextDartSlot(m), 1);
    }

    // A Space meant for a typed dart never also presses the button that has the focus; with
    // nothing typed, Space presses that button.
    void spaceOnAFocusedButtonEntersOnce() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann"}, 501);
        QTest::keyClick(control<StyledButton>(m, "Knop1(20)"), Qt::Key_5);
        QTest::keyClick(control<StyledButton>(m, "Knop1(20)"), Qt::Key_Space);
        QCOMPARE(dartSlots(m), QStringList({"5", "0", "0"}));
        QTest::keyClick(control<StyledButton>(m, "Knop1(20)"), Qt::Key_Space);
        QCOMPARE(dartSlots(m), QStringList({"5", "20", "0"}));
        QCOMPARE(remainingScore(m), 476);
    }

    void spaceClicksTheFocusedButton_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("button");
        for (const char* name : {"AddKnop", "CorrectieKnop", "NextPlayerKnop", "MenuKnop(2)", "MenuKnop(4)"})
            QTest::newRow(name) << false << name;
        QTest::newRow("duo AddKnopDuo(1)") << true << "AddKnopDuo(1)";
        QTest::newRow("duo NextKnop") << true << "NextKnop";
    }
    void spaceClicksTheFocusedButton() {
        QFETCH(bool, duo);
        QFETCH(QString, button);
        MainWindow m;
        if (duo)
            StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        else
            StartTeamMatch(m, "Club", {"Ann"}, 501);
        auto* b = control<QAbstractButton>(m, button);
        b->setEnabled(true); // NextKnop waits for the end of a leg
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        // Held down for a while: the key repeats, and the button clicks once as it is let go.
        QTest::keyPress(b, Qt::Key_Space);
        for (QEvent::Type type :
             {QEvent::KeyRelease, QEvent::KeyPress, QEvent::KeyRelease, QEvent::KeyPress}) {
            QKeyEvent repeat(type, Qt::Key_Space, Qt::NoModifier, " ", true);
            QApplication::sendEvent(b, &repeat);
        }
        QCOMPARE(clicks.count(), 0);
        QTest::keyRelease(b, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
    }

    void enterBooksForThePlayerAtTheThrow() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "duo");
        typeKeys(m, "T 2 0 Space T 2 0 Enter");
        QCOMPARE(entries(m, "ListSpeler(1)"), QStringList{"120"});
        typeKeys(m, "5 0 Enter");
        QCOMPARE(entries(m, "ListSpeler(2)"), QStringList{"50"});
        QCOMPARE(caption(m, "ScoreLabel(2)"), QString("451"));
        QVERIFY(control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
    }

    // Typed darts obey the board: switched-off buttons refuse them too.
    void keysFollowTheButtonsState() {
        MainWindow m;
        StartDuoMatch(m, "Koos", "Fred", false, 3, 40, "duo");
        typeKeys(m, "D 2 0 Enter");
        QCOMPARE(caption(m, "LegsLabel(1)"), QString("1"));
        typeKeys(m, "T 2 0 Space Enter");
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        QCOMPARE(m.scoreList.count(), 2);
        QCOMPARE(m.duoMatch().legsWon(1), 1);
    }

    void keysWaitWhileADialogIsOpen() {
        MainWindow m;
        StartTeamMatch(m, "Club", {"Ann", "Bob"}, 501);
        {
            QDialog dialog(&m);
            dialog.setModal(true);
            dialog.show();
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            typeKeys(m, "T 2 0 Space Enter");
            QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
            QCOMPARE(control<QListWidget>(m, "List1")->count(), 0);
        }
        // While the scorer picks the next player the keys belong to the player list.
        click(m, "NextPlayerKnop");
        typeKeys(m, "5 Space");
        QCOMPARE(dartSlots(m), QStringList({"0", "0", "0"}));
        // A letter and Return pick a player; the Return must not book a turn for him as well.
        auto* players = control<QListWidget>(m, "SpelersList");
        QTest::keyClick(players, Qt::Key_B);
        QTest::keyClick(players, Qt::Key_Return);
        QVERIFY(players->isHidden());
        QCOMPARE(caption(m, "Label9"), QString("Bob"));
        QCOMPARE(control<QListWidget>(m, "List1")->count(), 0);
        QCOMPARE(remainingScore(m), 501);
        typeKeys(m, "T 2 0 Enter");
        QCOMPARE(entries(m, "List1"), QStringList{"60"});
    }

  private:
    std::unique_ptr<TempHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's usual keys: the main window's shortcuts in the middle of a typed dart, and Enter
// and Escape on every dialog.
#include "playsupport.h"
#include "shellsupport.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/CheckoutChartDialog.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/dialogs/RowEditorDialog.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/main/HelpPanel.h"
#include "ui/print/Printing.h"

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTableView>

using namespace vx;
using namespace vxtest;

namespace {

// Keys as QKeySequence writes them: "Ctrl+S", "F1, F1", "Return", "Enter" (the keypad's).
void press(QWidget* target, const QString& keys) {
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i)
        QTest::keyClick(target, sequence[i].key(), sequence[i].keyboardModifiers());
}

void addRow(MainWindow& m) {
    ScoreListModel::Row row;
    row[0] = QStringLiteral("Ann");
    m.scoreList.appendRow(row);
    control<QTableView>(m, "ListView1")->selectRow(0);
    m.session.scoreListChanged = true;
}

// A dialog by its window's name, filled in as a scorer would before confirming it, and what
// confirming it changes, in a word.
std::unique_ptr<QDialog> makeDialog(const QString& name, MainWindow& m) {
    m.session.newTeamMode = true;
    const QHash<QString, std::function<QDialog*()>> make = {
        {"StartForm", [] { return new StartDialog; }},
        {"SpelersForm",
         [&] {
             auto* team = new TeamSetupDialog(m);
             team->teamNameEdit->setText("Tweede");
             team->playerNameEdits[1]->setText("Cor");
             return team;
         }},
        {"DuoForm", [&] { return new DuoSetupDialog(m); }},
        {"AfdrukForm", [&] { return new PrintDialog(m); }},
        {"ItemForm", [&] { return new RowEditorDialog(m); }},
        {"SaveForm", [&] { return new SaveDialog(m); }},
        {"ConfigForm",
         [&] {
             auto* settings = new SettingsDialog(m);
             settings->footerEdit->setText("Clubavond");
             return settings;
         }},
        {"AboutForm", [] { return new AboutDialog; }},
        {"CheckoutForm", [] { return new CheckoutChartDialog; }},
        {"ScoresForm", [&] { return new StatisticsDialog(m); }},
    };
    std::unique_ptr<QDialog> dialog(make.value(name)());
    if (dialog->objectName() != name) qFatal("no dialog named %s", qPrintable(name));
    return dialog;
}

QString modelAfter(const QString& name, MainWindow& m, const QStringList& pdfAsked) {
    if (name == u"StartForm") {
        const QWidgetList all = QApplication::topLevelWidgets();
        return QString::number(std::count_if(
            all.begin(), all.end(), [&](QWidget* w) { return w != &m && qobject_cast<MainWindow*>(w); }));
    }
    if (name == u"SpelersForm") return m.teamMatch().playerName();
    if (name == u"DuoForm") return m.duoMatch().name(1);
    if (name == u"AfdrukForm") return pdfAsked.join(u',');
    if (name == u"SaveForm" || name == u"ItemForm") return m.session.scoreListChanged ? "changed" : "saved";
    if (name == u"ConfigForm") return m.session.footerText;
    return {};
}

} // namespace

class KeysTest : public QObject, PlaySession {
    Q_OBJECT
  private slots:
    void init() { startSession(); }
    void cleanup() { endSession(); }

    // Each key in the middle of a team leg: one turn booked (321 left), "T2" typed for the next
    // dart, which goes on after the key as if nothing had come between.
    void mainWindowKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("rows");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+S") << "Ctrl+S" << true << "SaveForm 321 off -";
        QTest::newRow("Ctrl+S, no rows")
            << "Ctrl+S" << false << "- 321 off - Scorelijst Spelers laden a.u.b.";
        QTest::newRow("Ctrl+P") << "Ctrl+P" << true << "AfdrukForm 321 off -";
        QTest::newRow("Ctrl+Z") << "Ctrl+Z" << true << "- 501 off -";
        QTest::newRow("F1") << "F1" << true << "- 321 on -";
        QTest::newRow("F1 twice") << "F1, F1" << true << "- 321 off -";
        QTest::newRow("F10") << "F10" << true << "- 321 off Bestand";
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << true << "closed Scorelijst is gewijzigd, wilt u deze opslaan?";
    }
    void mainWindowKeys() {
        QFETCH(QString, keys);
        QFETCH(bool, rows);
        QFETCH(QString, effect);
        DialogRecorder dialogs;
        QPointer<MainWindow> m = new MainWindow;
        StartTeamMatch(*m, "Club", {"Ann"}, 501);
        play(*m, "T20 T20 T20 ADD");
        if (rows) addRow(*m);
        m->show();
        QVERIFY(QTest::qWaitForWindowActive(m));
        auto* dart = control<StyledButton>(*m, "Knop1(20)");
        dart->setFocus();
        press(dart, "T, 2");
        prompts->clear();

        press(dart, keys);
        QStringList seen{QStringLiteral("closed")};
        if (m && m->isVisible()) {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            seen =
                QStringList{dialogs.opened.value(0, "-"), QString::number(m->teamMatch().leg().remaining()),
                            m->helpPanel()->isVisible() ? "on" : "off", menu ? menu->title() : "-"};
            if (menu) menu->close();
        }
        QCOMPARE((seen + prompts->texts()).join(u' '), effect);
        if (seen[0] == u"closed") return;
        press(dart, "0, Space");
        QCOMPARE(dartSlots(*m)[0], QStringLiteral("60"));
        // Shown beside their menu entries.
        QCOMPARE(control<QAction>(*m, "FileExit")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(control<QAction>(*m, "EditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(control<QAction>(*m, "HelpUitleg")->shortcut(), QKeySequence("F1"));
        delete m;
    }

    // The confirming button looks focused while the focus is in a text field, and hands the
    // look over to a button that takes the focus; its own state stays Normal meanwhile.
    void theDefaultButtonLooksFocused() {
        MainWindow m;
        SettingsDialog form(m);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // The side strip: (52, 213, 254) in the Focused look, grey or pale blue in the others.
        const auto looksFocused = [](StyledButton* b) {
            const QColor strip = b->grab().toImage().pixelColor(1, 4);
            return strip.blue() - strip.red() > 150;
        };
        form.footerEdit->setFocus();
        QVERIFY(looksFocused(form.okButton) && !looksFocused(form.cancelButton));
        QCOMPARE(form.okButton->buttonState(), int(StyledButton::Normal));
        form.cancelButton->setFocus();
        QVERIFY(!looksFocused(form.okButton) && looksFocused(form.cancelButton));
        form.footerEdit->setFocus();
        form.okButton->setEnabled(false);
        QVERIFY(!looksFocused(form.okButton));
    }

    // Enter presses the confirming button, or the button that has the focus; Escape the
    // cancelling one. `focus` names the control with the focus, none for the dialog's choice.
    void dialogKeys_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("effect");
        const QList<std::tuple<const char*, const char*, const char*, const char*>> rows = {
            {"StartForm", "", "Return", "open 1"},
            {"StartForm", "", "Esc", "rejected 0"},
            {"SpelersForm", "", "Return", "accepted Cor"},
            {"SpelersForm", "Combo1", "Return", "accepted Cor"},
            {"SpelersForm", "Text1(1)", "Enter", "accepted Cor"},
            {"SpelersForm", "CancelKnop", "Return", "rejected Ann"},
            {"SpelersForm", "Text2", "Esc", "rejected Ann"},
            {"DuoForm", "Combo2", "Return", "accepted Koos"},
            {"DuoForm", "", "Esc", "rejected Ann"},
            {"AfdrukForm", "", "Return", "open Vorlentix Scorelijst.pdf"},
            {"AfdrukForm", "", "Esc", "rejected "},
            {"ItemForm", "Combo1(3)", "Return",
             "open changed Wilt u deze wijzigingen doorvoeren in de scorelijst?"},
            {"ItemForm", "", "Esc", "rejected changed"},
            {"SaveForm", "", "Return", "accepted saved"},
            {"SaveForm", "", "Esc", "rejected changed"},
            {"ConfigForm", "Text1", "Return", "accepted Clubavond"},
            {"ConfigForm", "", "Esc", "rejected default"},
            {"AboutForm", "", "Return", "accepted "},
            {"AboutForm", "", "Esc", "accepted "},
            {"CheckoutForm", "", "Return", "open "},
            {"CheckoutForm", "", "Esc", "rejected "},
            {"ScoresForm", "", "Return", "open "},
            {"ScoresForm", "", "Esc", "rejected "},
        };
        for (const auto& [dialog, focus, key, effect] : rows)
            QTest::addRow("%s %s %s", dialog, focus, key) << dialog << focus << key << effect;
    }
    void dialogKeys() {
        QFETCH(QString, dialog);
        QFETCH(QString, focus);
        QFETCH(QString, key);
        QFETCH(QString, effect);
        MainWindow m;
        if (dialog == u"DuoForm")
            StartDuoMatch(m, "Ann", "Bob", false, 3, 501, "Finale");
        else
            StartTeamMatch(m, "Club", {"Ann"}, 501);
        addRow(m);
        m.session.footerText = QStringLiteral("default");
        QStringList pdfAsked;
        setPdfFileAsker([&](QWidget*, const QString& suggested) {
            pdfAsked << QFileInfo(suggested).fileName();
            return QString();
        });
        std::unique_ptr<QDialog> form = makeDialog(dialog, m);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        if (!focus.isEmpty()) control(*form, focus)->setFocus();
        prompts->clear();

        press(QApplication::focusWidget(), key);
        setPdfFileAsker({});
        const QString state = form->isVisible()                     ? "open"
                              : form->result() == QDialog::Accepted ? "accepted"
                                                                    : "rejected";
        QCOMPARE((QStringList{state, modelAfter(dialog, m, pdfAsked)} + prompts->texts()).join(u' '), effect);
        // The start dialog's main window; its own windows go with it.
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &m && qobject_cast<MainWindow*>(w)) opened << w;
        qDeleteAll(opened);
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"

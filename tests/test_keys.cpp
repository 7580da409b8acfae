// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's usual keys: the main window's shortcuts in the middle of play, typed darts
// going on around them, and Enter and Escape on every dialog.
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
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

// "Ctrl+S", "F1", "Enter", "Esc": one key with its modifiers.
QKeyCombination keyNamed(const QString& name) {
    if (name == u"Enter") return Qt::Key_Return;
    if (name == u"KPEnter") return QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter);
    if (name == u"Esc") return Qt::Key_Escape;
    const QKeySequence sequence(name);
    return sequence[0];
}

void press(QWidget* target, const QString& keys) {
    for (const QString& name : keys.split(u' ', Qt::SkipEmptyParts)) {
        const QKeyCombination key = keyNamed(name);
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    }
}

void addRow(MainWindow& m) {
    ScoreListModel::Row row;
    row[0] = QStringLiteral("Ann");
    row[2] = QStringLiteral("60");
    m.scoreList.appendRow(row);
    control<QTableView>(m, "ListView1")->selectRow(0);
    m.session.scoreListChanged = true;
}

// A dialog by its window's name, filled in as a scorer would before confirming it.
std::unique_ptr<QDialog> makeDialog(const QString& name, MainWindow& m) {
    std::unique_ptr<QDialog> dialog;
    if (name == u"StartForm") {
        dialog = std::make_unique<StartDialog>();
    } else if (name == u"SpelersForm") {
        m.session.newTeamMode = true;
        auto* team = new TeamSetupDialog(m);
        team->teamNameEdit->setText(QStringLiteral("Tweede"));
        team->playerNameEdits[1]->setText(QStringLiteral("Cor"));
        dialog.reset(team);
    } else if (name == u"DuoForm") {
        dialog = std::make_unique<DuoSetupDialog>(m);
    } else if (name == u"AfdrukForm") {
        dialog = std::make_unique<PrintDialog>(m);
    } else if (name == u"ItemForm") {
        dialog = std::make_unique<RowEditorDialog>(m);
    } else if (name == u"SaveForm") {
        dialog = std::make_unique<SaveDialog>(m);
    } else if (name == u"ConfigForm") {
        auto* settings = new SettingsDialog(m);
        settings->footerEdit->setText(QStringLiteral("Clubavond"));
        dialog.reset(settings);
    } else if (name == u"AboutForm") {
        dialog = std::make_unique<AboutDialog>();
    } else if (name == u"CheckoutForm") {
        dialog = std::make_unique<CheckoutChartDialog>();
    } else if (name == u"ScoresForm") {
        dialog = std::make_unique<StatisticsDialog>(m);
    }
    if (!dialog || dialog->objectName() != name) qFatal("no dialog named %s", qPrintable(name));
    return dialog;
}

// What a confirmed dialog changes, in a word per dialog.
QString modelAfter(const QString& name, MainWindow& m, const QStringList& pdfAsked) {
    if (name == u"StartForm") {
        int opened = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &m && qobject_cast<MainWindow*>(w) && w->isVisible()) ++opened;
        return QStringLiteral("windows %1").arg(opened);
    }
    if (name == u"SpelersForm") return m.teamMatch().playerName();
    if (name == u"DuoForm") return m.duoMatch().name(1);
    if (name == u"AfdrukForm") return pdfAsked.join(u',');
    if (name == u"SaveForm" || name == u"ItemForm")
        return m.session.scoreListChanged ? QStringLiteral("changed") : QStringLiteral("saved");
    if (name == u"ConfigForm") return m.session.footerText;
    return {};
}

QString dialogState(const QDialog& dialog) {
    if (dialog.isVisible()) return QStringLiteral("open");
    return dialog.result() == QDialog::Accepted ? QStringLiteral("accepted") : QStringLiteral("rejected");
}

} // namespace

class KeysTest : public QObject, PlaySession {
    Q_OBJECT
  private slots:
    void init() { startSession(); }
    void cleanup() { endSession(); }

    // Each key in the middle of a team leg: one turn booked, "T2" typed for the next dart.
    // After the key the typed dart goes on as if nothing had come between.
    void mainWindowKeys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("rows");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+S") << "Ctrl+S" << true << "dialogs SaveForm|left 321|help off|menu -|";
        QTest::newRow("Ctrl+S, empty list")
            << "Ctrl+S" << false << "dialogs -|left 321|help off|menu -|Scorelijst Spelers laden a.u.b.";
        QTest::newRow("Ctrl+P") << "Ctrl+P" << true << "dialogs AfdrukForm|left 321|help off|menu -|";
        QTest::newRow("Ctrl+Z") << "Ctrl+Z" << true << "dialogs -|left 501|help off|menu -|";
        QTest::newRow("F1") << "F1" << true << "dialogs -|left 321|help on|menu -|";
        QTest::newRow("F1 twice") << "F1 F1" << true << "dialogs -|left 321|help off|menu -|";
        QTest::newRow("F10") << "F10" << true << "dialogs -|left 321|help off|menu Bestand|";
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << true << "closed|Scorelijst is gewijzigd, wilt u deze opslaan?";
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
        press(dart, "T 2");
        prompts->clear();

        press(dart, keys);
        QString seen;
        if (!m || m->isHidden()) {
            seen = QStringLiteral("closed");
        } else {
            QWidget* popup = QApplication::activePopupWidget();
            auto* menu = qobject_cast<QMenu*>(popup);
            seen = QStringLiteral("dialogs %1|left %2|help %3|menu %4")
                       .arg(dialogs.opened.isEmpty() ? QStringLiteral("-") : dialogs.opened.join(u','))
                       .arg(m->teamMatch().leg().remaining())
                       .arg(m->helpPanel()->isVisible() ? "on" : "off")
                       .arg(menu ? menu->title() : QStringLiteral("-"));
            if (popup) popup->close();
        }
        QCOMPARE(seen + u'|' + prompts->texts().join(u';'), effect);
        if (seen == u"closed") return;
        QCOMPARE(m->menuBar()->activeAction(), nullptr);
        press(dart, "0 Space");
        QCOMPARE(dartSlots(*m)[0], QStringLiteral("60"));
        delete m;
    }

    // The shortcuts stand beside their menu entries.
    void shortcutsAreShownInTheMenus() {
        MainWindow m;
        QCOMPARE(control<QAction>(m, "FileExit")->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(control<QAction>(m, "EditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(control<QAction>(m, "HelpUitleg")->shortcut(), QKeySequence("F1"));
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
        QVERIFY(looksFocused(form.okButton));
        QVERIFY(!looksFocused(form.cancelButton));
        QCOMPARE(form.okButton->buttonState(), int(StyledButton::Normal));
        form.cancelButton->setFocus();
        QVERIFY(!looksFocused(form.okButton));
        QVERIFY(looksFocused(form.cancelButton));
        form.footerEdit->setFocus();
        form.okButton->setEnabled(false);
        QVERIFY(!looksFocused(form.okButton));
    }

    // Enter presses the confirming button, or the button that has the focus; Escape the
    // cancelling one. `focus` names the control with the focus, empty for the dialog's own
    // choice when it opens.
    void dialogKeys_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("effect");
        const QString changed = QStringLiteral("Wilt u deze wijzigingen doorvoeren in de scorelijst?");
        const QList<std::tuple<const char*, const char*, const char*, QString>> rows = {
            {"StartForm", "", "Enter", "open windows 1"},
            {"StartForm", "", "Esc", "rejected windows 0"},
            {"SpelersForm", "", "Enter", "accepted Cor"},
            {"SpelersForm", "Combo1", "Enter", "accepted Cor"},
            {"SpelersForm", "Text1(1)", "KPEnter", "accepted Cor"},
            {"SpelersForm", "CancelKnop", "Enter", "rejected Ann"},
            {"SpelersForm", "Text2", "Esc", "rejected Ann"},
            {"DuoForm", "Combo2", "Enter", "accepted Koos"},
            {"DuoForm", "", "Esc", "rejected Ann"},
            {"AfdrukForm", "", "Enter", "open Vorlentix Scorelijst.pdf"},
            {"AfdrukForm", "", "Esc", "rejected "},
            {"ItemForm", "Combo1(3)", "Enter", "open changed " + changed},
            {"ItemForm", "", "Esc", "rejected changed"},
            {"SaveForm", "", "Enter", "accepted saved"},
            {"SaveForm", "", "Esc", "rejected changed"},
            {"ConfigForm", "Text1", "Enter", "accepted Clubavond"},
            {"ConfigForm", "", "Esc", "rejected default"},
            {"AboutForm", "", "Enter", "accepted "},
            {"AboutForm", "", "Esc", "accepted "},
            {"CheckoutForm", "", "Enter", "open "},
            {"CheckoutForm", "", "Esc", "rejected "},
            {"ScoresForm", "", "Enter", "open "},
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
        const QString seen = dialogState(*form) + u' ' + modelAfter(dialog, m, pdfAsked);
        QCOMPARE((QStringList{seen} + prompts->texts()).join(u' '), effect);
        // The start dialog's main window; its own windows go with it.
        QList<QPointer<QWidget>> opened;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &m && qobject_cast<MainWindow*>(w)) opened << w;
        qDeleteAll(opened);
    }
};

QTEST_MAIN(KeysTest)
#include "test_keys.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a match through the real main window: controls found by their names, clicked with
// the mouse, and a match set up through the team and duo setup dialogs.
#pragma once

#include "testsupport.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TeamPanel.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace vxtest {

// A control of a window by its object name: "Label19", "Knop1(20)", "EditUndo".
template <class T = QWidget> T* control(const QObject& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found) qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QString caption(vx::MainWindow& m, const QString& name) {
    return control<QLabel>(m, name)->text();
}

inline void click(vx::MainWindow& m, const QString& name) {
    QTest::mouseClick(control<QAbstractButton>(m, name), Qt::LeftButton);
}

// Darts by their button names: "Knop3(20)", "Bull50", "ZeroKnop".
inline void darts(vx::MainWindow& m, const QStringList& buttons) {
    for (const QString& b : buttons)
        click(m, b);
}

// A scorer's actions in a few letters: "T20", "D16", "5" (a single), "0" (a miss), "ADD" (the
// add button of the one at the throw), "COR" (Correctie) and "UNDO" (the Bewerken menu's take-back).
inline void play(vx::MainWindow& m, const QString& script) {
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        if (step == u"ADD")
            click(m, !m.isDuoMatch() ? QStringLiteral("AddKnop")
                     : control(m, QStringLiteral("AddKnopDuo(1)"))->isEnabled()
                         ? QStringLiteral("AddKnopDuo(1)")
                         : QStringLiteral("AddKnopDuo(2)"));
        else if (step == u"COR")
            click(m, QStringLiteral("CorrectieKnop"));
        else if (step == u"UNDO")
            control<QAction>(m, QStringLiteral("EditUndo"))->trigger();
        else if (step == u"0")
            click(m, QStringLiteral("ZeroKnop"));
        else if (step.startsWith(u'T') || step.startsWith(u'D'))
            click(m, QStringLiteral("Knop%1(%2)").arg(step.startsWith(u'T') ? 3 : 2).arg(step.mid(1)));
        else
            click(m, QStringLiteral("Knop1(%1)").arg(step));
    }
}

inline QStringList entries(vx::MainWindow& m, const QString& listName) {
    auto* list = control<QListWidget>(m, listName);
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The model behind the window: the team leg's remaining score with the darts of the turn in
// progress off, and the slot the next dart goes into (4 once the turn is full).
inline int remainingScore(vx::MainWindow& m) {
    return m.teamMatch().leg().remaining();
}
inline int nextDartSlot(vx::MainWindow& m) {
    return (m.isDuoMatch() ? m.duoMatch().turn() : m.teamMatch().leg().turn()).nextSlot();
}

inline QStringList dartSlots(vx::MainWindow& m) {
    return {caption(m, "Label5(1)"), caption(m, "Label5(2)"), caption(m, "Label5(3)")};
}

// A new team set up through the team setup dialog, as the scorer does it: the players' files
// on disk, player 1 at the board with a fresh leg from the start score.
inline void StartTeamMatch(vx::MainWindow& m, const QString& team, const QStringList& players,
                           int startScore) {
    m.compose(vx::MatchKind::Team);
    m.session.newTeamMode = true;
    vx::TeamSetupDialog form(m);
    form.teamNameEdit->setText(team);
    form.playerCountCombo->setCurrentIndex(int(players.size()) - 1);
    for (int i = 0; i < players.size(); ++i)
        form.playerNameEdits[i + 1]->setText(players[i]);
    form.startScoreCombo->setCurrentText(QString::number(startScore));
    QTest::mouseClick(form.okButton, Qt::LeftButton);
    if (form.result() != QDialog::Accepted) qFatal("team setup refused");
}

// A duo match set up through the duo setup dialog: player 1 starts, counters at 0.
inline void StartDuoMatch(vx::MainWindow& m, const QString& name1, const QString& name2, bool sets,
                          int target, int startScore, const QString& fileName) {
    m.compose(vx::MatchKind::Duo);
    vx::DuoSetupDialog form(m);
    form.fileNameCombo->setCurrentText(fileName);
    form.player1Edit->setText(name1);
    form.player2Edit->setText(name2);
    form.targetCombo->setCurrentText(QString::number(target));
    (sets ? form.setsOption : form.legsOption)->setChecked(true);
    form.startScoreCombo->setCurrentText(QString::number(startScore));
    QTest::mouseClick(form.okButton, Qt::LeftButton);
    if (form.result() != QDialog::Accepted) qFatal("duo setup refused");
}

// What every play test starts from and tears down again: a fresh home folder, scripted prompts
// and a clock that stands still.
struct PlaySession {
    std::unique_ptr<TempHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<FixedClock> clock;

    void startSession(const QDateTime& at = QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3))) {
        home = std::make_unique<TempHome>();
        prompts = std::make_unique<ScriptedPrompts>();
        clock = std::make_unique<FixedClock>(at);
    }
    void endSession() {
        clock.reset();
        prompts.reset();
        home.reset();
    }
};

} // namespace vxtest

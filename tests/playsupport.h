// Playing a match through the real main window: controls found by their names, clicked with
// the mouse, and a match set up the way the team and duo setup dialogs leave the window.
#pragma once

#include "app/Main.h"
#include "files/LibFiles.h"
#include "setup/ScreenMod.h"
#include "shell/VistaButton.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>

namespace vxtest {

template <class T = QWidget> T* control(vx::Main& m, const QString& name) {
    T* found = m.findChild<T*>(name);
    if (!found) qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QString caption(vx::Main& m, const QString& name) {
    return control<QLabel>(m, name)->text();
}

inline void click(vx::Main& m, const QString& name) {
    QTest::mouseClick(control<QAbstractButton>(m, name), Qt::LeftButton);
}

// Darts by their button names: "Knop3(20)", "Bull50", "ZeroKnop".
inline void darts(vx::Main& m, const QStringList& buttons) {
    for (const QString& b : buttons)
        click(m, b);
}

inline QStringList entries(vx::Main& m, const QString& listName) {
    auto* list = control<QListWidget>(m, listName);
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

inline QStringList dartSlots(vx::Main& m) {
    return {caption(m, "Label5(1)"), caption(m, "Label5(2)"), caption(m, "Label5(3)")};
}

// A new team as the team setup leaves it: the players' files on disk, player 1 at the board
// with a fresh leg from the start score.
inline void StartTeamMatch(vx::Main& m, const QString& team, const QStringList& players, int startScore) {
    vx::ComposeMainWindow(m, false);
    if (!vx::CreateTeamFiles(team, players)) qFatal("team files not created");
    m.state.PlayerCount = int(players.size());
    for (int i = 0; i < players.size(); ++i)
        m.state.PlayerNames[i + 1] = players[i];
    m.Label12->setText(team);
    m.Label9->setText(players.first());
    m.scoreList.setFirstHeader(players.first());
    m.LoadPlayerList(team, players.first());
    m.SetDartButtons(true);
    m.state.DartNumber = 1;
    m.state.StartScore = startScore;
    m.state.RemainingScore = startScore;
    for (int j = 1; j <= 3; ++j)
        m.Label5[j]->setText(QStringLiteral("0"));
    m.Label7->setText(QString::number(startScore));
    m.UitgooiLabel->setText(QStringLiteral("Darts Checkout"));
}

// A duo match as the duo setup leaves it: player 1 starts, counters at 0.
inline void StartDuoMatch(vx::Main& m, const QString& name1, const QString& name2, bool sets, int target,
                          int startScore, const QString& fileName) {
    vx::ComposeMainWindow(m, true);
    const std::array<QString, 3> names = {QString(), name1, name2};
    for (int k = 1; k <= 2; ++k) {
        m.SpelerLabel[k]->setText(names[k]);
        m.NaamLabel[k]->setText(names[k] + QStringLiteral(" "));
        m.ScoreLabel[k]->setText(QString::number(startScore));
        m.state.DuoRemaining[k] = startScore;
    }
    m.state.StartScore = startScore;
    m.state.DuoMatchKind = sets ? 1 : 2;
    (sets ? m.state.SetsToWin : m.state.LegsToWin) = target;
    m.SetDartButtons(true);
    for (int j = 1; j <= 3; ++j)
        m.Label5[j]->setText(QStringLiteral("0"));
    m.state.DartNumber = 1;
    m.state.LegsWon1 = m.state.LegsWon2 = m.state.SetsWon1 = m.state.SetsWon2 = 0;
    for (int k = 1; k <= 2; ++k) {
        m.UitgooiSpeler[k]->setText(QStringLiteral("Checkout"));
        m.SetsLabel[k]->setText(QStringLiteral("0"));
        m.LegsLabel[k]->setText(QStringLiteral("0"));
        m.ListSpeler[k]->clear();
        m.PuntenLabel[k]->setText(QStringLiteral("0"));
        m.GemidLabel[k]->setText(QStringLiteral("0"));
    }
    m.NextKnop->setEnabled(false);
    m.AddKnopDuo[1]->setEnabled(true);
    m.AddKnopDuo[2]->setEnabled(false);
    m.StartBol[2]->hide();
    m.StartBol[1]->show();
    m.scoreList.setFirstHeader(QStringLiteral("Naam Speler"));
    m.state.DuoFileName = fileName;
    m.LoadDuoList(fileName);
}

} // namespace vxtest

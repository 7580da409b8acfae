// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainMenus.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace vx {

namespace {

QAction* AddAction(QMenu* menu, const QString& caption, const QString& name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow& window) : QObject(&window) {
    const auto chosen = [this](QAction* action, void (MainMenus::*signal)()) {
        connect(action, &QAction::triggered, this, signal);
    };
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(tr("Bestand"));
    QAction* exit = AddAction(file, tr("Naar Keuzemenu"), QStringLiteral("FileExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    chosen(exit, &MainMenus::exitChosen);
    QAction* exportCsv = AddAction(file, tr("Exporteren naar CSV…"), QStringLiteral("FileExportCsv"));
    exportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    chosen(exportCsv, &MainMenus::exportChosen);
    QMenu* edit = bar->addMenu(tr("Bewerken"));
    QAction* undo = AddAction(edit, tr("Correctie Laatste 3 Darts"), QStringLiteral("EditUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    chosen(undo, &MainMenus::undoChosen);
    QMenu* players = bar->addMenu(tr("Spelers"));
    connect(AddAction(players, tr("Nieuwe Speler"), QStringLiteral("SpelersInvoer(1)")), &QAction::triggered,
            this, [this] { emit teamSetupChosen(true); });
    connect(AddAction(players, tr("Open Spelers"), QStringLiteral("SpelersInvoer(2)")), &QAction::triggered,
            this, [this] { emit teamSetupChosen(false); });
    QMenu* tools = bar->addMenu(tr("Tools"));
    chosen(AddAction(tools, tr("Instellingen"), QStringLiteral("ToolsConfig")), &MainMenus::settingsChosen);
    m_scoreboardAction = AddAction(tools, tr("Scorebord voor publiek"), QStringLiteral("ToolsScorebord"));
    m_scoreboardAction->setCheckable(true);
    m_scoreboardAction->setShortcut(Qt::Key_F9);
    connect(m_scoreboardAction, &QAction::triggered, this, &MainMenus::scoreboardChosen);
    tools->setToolTipsVisible(true); // the caller's says why it is disabled
    m_callerAction = AddAction(tools, tr("Caller"), QStringLiteral("ToolsCaller"));
    m_callerAction->setCheckable(true);
    connect(m_callerAction, &QAction::triggered, this, &MainMenus::callerChosen);
    QAction* history = AddAction(tools, tr("Historie…"), QStringLiteral("ToolsHistorie"));
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    chosen(history, &MainMenus::historyChosen);
    chosen(AddAction(tools, tr("Historie importeren…"), QStringLiteral("ToolsHistorieImporteren")),
           &MainMenus::historyImportChosen);
    QMenu* help = bar->addMenu(tr("Help"));
    m_helpAction = AddAction(help, tr("Help"), QStringLiteral("HelpUitleg"));
    m_helpAction->setCheckable(true);
    m_helpAction->setShortcut(Qt::Key_F1);
    chosen(m_helpAction, &MainMenus::helpChosen);
    chosen(AddAction(help, tr("Meer Software"), QStringLiteral("HelpMeerSoftware")),
           &MainMenus::moreSoftwareChosen);
    help->addSeparator()->setObjectName(QStringLiteral("Streep1"));
    chosen(AddAction(help, tr("Dart Checkout Lijst"), QStringLiteral("HelpCheckout")),
           &MainMenus::checkoutChartChosen);
    chosen(AddAction(help, tr("Spelregels"), QStringLiteral("HelpSpelregels")), &MainMenus::rulesChosen);
    QAction* divider = bar->addAction(QStringLiteral("|"));
    divider->setObjectName(QStringLiteral("Scheiding"));
    divider->setEnabled(false);
    m_fileNameAction = bar->addAction(tr("Bestandsnaam"));
    m_fileNameAction->setObjectName(QStringLiteral("NaamBestand"));

    // Saving and printing are menu buttons only, without an entry to carry their keys.
    const auto windowKey = [&](const QKeySequence& key, const QString& name) {
        auto* action = new QAction(&window);
        action->setObjectName(name);
        action->setShortcut(key);
        window.addAction(action);
        return action;
    };
    chosen(windowKey(QKeySequence(Qt::CTRL | Qt::Key_S), QStringLiteral("KeySave")), &MainMenus::saveChosen);
    chosen(windowKey(QKeySequence(Qt::CTRL | Qt::Key_P), QStringLiteral("KeyPrint")),
           &MainMenus::printChosen);
    // F10 opens the first menu, as desktops do; the arrow keys go on from there.
    connect(windowKey(Qt::Key_F10, QStringLiteral("KeyMenuBar")), &QAction::triggered, bar,
            [bar, file] { bar->setActiveAction(file->menuAction()); });

    m_statisticsMenu = new QMenu(&window);
    m_statisticsMenu->setObjectName(QStringLiteral("AlleItems"));
    connect(AddAction(m_statisticsMenu, tr("Geselecteerde Item"), QStringLiteral("SoortItem(1)")),
            &QAction::triggered, this, [this] { emit statisticsChosen(false); });
    connect(AddAction(m_statisticsMenu, tr("Alle Items"), QStringLiteral("SoortItem(2)")),
            &QAction::triggered, this, [this] { emit statisticsChosen(true); });
}

void MainMenus::setHelpChecked(bool checked) {
    m_helpAction->setChecked(checked);
}

void MainMenus::setScoreboardChecked(bool checked) {
    m_scoreboardAction->setChecked(checked);
}

void MainMenus::setCallerChecked(bool checked) {
    m_callerAction->setChecked(checked);
}

void MainMenus::disableCaller(const QString& why) {
    m_callerAction->setChecked(false);
    m_callerAction->setEnabled(false);
    m_callerAction->setToolTip(why);
}

void MainMenus::showFileName(const QString& name) {
    m_fileNameAction->setText(name);
}

void MainMenus::popUpStatistics(const QPoint& at) {
    m_statisticsMenu->popup(at);
}

} // namespace vx

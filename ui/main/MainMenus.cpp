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
    QMenu* file = bar->addMenu(QStringLiteral("Bestand"));
    chosen(AddAction(file, QStringLiteral("Naar Keuzemenu"), QStringLiteral("FileExit")),
           &MainMenus::exitChosen);
    QAction* exportCsv =
        AddAction(file, QStringLiteral("Exporteren naar CSV…"), QStringLiteral("FileExportCsv"));
    exportCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    chosen(exportCsv, &MainMenus::exportChosen);
    QMenu* edit = bar->addMenu(QStringLiteral("Bewerken"));
    chosen(AddAction(edit, QStringLiteral("Correctie Laatste 3 Darts"), QStringLiteral("EditUndo")),
           &MainMenus::undoChosen);
    QMenu* players = bar->addMenu(QStringLiteral("Spelers"));
    connect(AddAction(players, QStringLiteral("Nieuwe Speler"), QStringLiteral("SpelersInvoer(1)")),
            &QAction::triggered, this, [this] { emit teamSetupChosen(true); });
    connect(AddAction(players, QStringLiteral("Open Spelers"), QStringLiteral("SpelersInvoer(2)")),
            &QAction::triggered, this, [this] { emit teamSetupChosen(false); });
    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    chosen(AddAction(tools, QStringLiteral("Instellingen"), QStringLiteral("ToolsConfig")),
           &MainMenus::settingsChosen);
    m_scoreboardAction =
        AddAction(tools, QStringLiteral("Scorebord voor publiek"), QStringLiteral("ToolsScorebord"));
    m_scoreboardAction->setCheckable(true);
    m_scoreboardAction->setShortcut(Qt::Key_F9);
    connect(m_scoreboardAction, &QAction::triggered, this, &MainMenus::scoreboardChosen);
    tools->setToolTipsVisible(true); // the caller's says why it is disabled
    m_callerAction = AddAction(tools, QStringLiteral("Caller"), QStringLiteral("ToolsCaller"));
    m_callerAction->setCheckable(true);
    connect(m_callerAction, &QAction::triggered, this, &MainMenus::callerChosen);
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    m_helpAction = AddAction(help, QStringLiteral("Help"), QStringLiteral("HelpUitleg"));
    m_helpAction->setCheckable(true);
    chosen(m_helpAction, &MainMenus::helpChosen);
    chosen(AddAction(help, QStringLiteral("Meer Software"), QStringLiteral("HelpMeerSoftware")),
           &MainMenus::moreSoftwareChosen);
    help->addSeparator()->setObjectName(QStringLiteral("Streep1"));
    chosen(AddAction(help, QStringLiteral("Dart Checkout Lijst"), QStringLiteral("HelpCheckout")),
           &MainMenus::checkoutChartChosen);
    chosen(AddAction(help, QStringLiteral("Spelregels"), QStringLiteral("HelpSpelregels")),
           &MainMenus::rulesChosen);
    QAction* divider = bar->addAction(QStringLiteral("|"));
    divider->setObjectName(QStringLiteral("Scheiding"));
    divider->setEnabled(false);
    m_fileNameAction = bar->addAction(QStringLiteral("Bestandsnaam"));
    m_fileNameAction->setObjectName(QStringLiteral("NaamBestand"));

    m_statisticsMenu = new QMenu(&window);
    m_statisticsMenu->setObjectName(QStringLiteral("AlleItems"));
    connect(AddAction(m_statisticsMenu, QStringLiteral("Geselecteerde Item"), QStringLiteral("SoortItem(1)")),
            &QAction::triggered, this, [this] { emit statisticsChosen(false); });
    connect(AddAction(m_statisticsMenu, QStringLiteral("Alle Items"), QStringLiteral("SoortItem(2)")),
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

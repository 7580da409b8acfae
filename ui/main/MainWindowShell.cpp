// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell: the commands of the menu strip and the menus, their descriptions in
// the row counter, and the help panel in the score list's place.
#include "core/common/Services.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/CheckoutChartDialog.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/dialogs/RowEditorDialog.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/history/HistoryImportRun.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/HelpPanel.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MenuStrip.h"
#include "ui/main/ScoreListExport.h"
#include "ui/main/ScoreListPanel.h"
#include "ui/main/ScoreboardWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QUrl>
#include <algorithm>
#include <array>
#include <type_traits>

namespace vx {

namespace {

// Translated where they are shown.
const std::array<const char*, MenuStrip::kButtons> kMenuDescriptions = {
    QT_TRANSLATE_NOOP("vx::MainWindow", "Een nieuw team maken met hun spelers, (alleen bij een Team Match)."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Openen van een team en spelers (Duo Match en Team Match)."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Scorelijst spelers opslaan."),
    QT_TRANSLATE_NOOP(
        "vx::MainWindow",
        "Afdrukken van de scorelijst, dart checkout lijst, helptekst en afmetingen naar het dartbord."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Scorelijst bewerken van één speler"),
    QT_TRANSLATE_NOOP("vx::MainWindow",
                      "De scorelijst bekijken van één geselecteerde speler of alle spelers in de lijst."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Configuratie en instellingen van verschillende onderdelen."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Informatie over dit programma en de ontwerper."),
    QT_TRANSLATE_NOOP("vx::MainWindow", "Beknopte uitleg over dit programma."),
};

// Opens a dialog modally over the main window; some dialogs work on the main window, others
// only need a parent.
template <class Form> void OpenModal(MainWindow& main) {
    if constexpr (std::is_constructible_v<Form, MainWindow&, QWidget*>) {
        Form form(main, &main);
        main.showDialog(form);
    } else {
        Form form(&main);
        main.showDialog(form);
    }
}

// Commands that work on a loaded score list say so when it is empty and open nothing.
bool ScoreListLoaded(const MainWindow& main) {
    if (main.scoreList.rowCount() > 0) return true;
    showMessage(QCoreApplication::translate("vx::MainWindow", "Scorelijst Spelers laden a.u.b."));
    return false;
}

} // namespace

void MainWindow::connectShell() {
    connect(m_menuStrip, &MenuStrip::buttonClicked, this, &MainWindow::runMenuButton);
    connect(m_menuStrip, &MenuStrip::mouseOnButton, this, &MainWindow::showMenuButtonText);
    connect(m_menuStrip, &MenuStrip::mouseOffButton, this, &MainWindow::showRowCount);
    // The picture buttons have no caption: a screen reader says what the mouse would show.
    for (int i = 0; i < MenuStrip::kButtons; ++i)
        m_menuStrip->button(i)->setAccessibleName(tr(kMenuDescriptions[i]));

    connect(m_menus, &MainMenus::exitChosen, this, &MainWindow::close);
    connect(m_menus, &MainMenus::exportChosen, this, [this] {
        if (ScoreListLoaded(*this)) exportScoreList(*this);
    });
    connect(m_menus, &MainMenus::undoChosen, this, &MainWindow::undoLastTurn);
    connect(m_menus, &MainMenus::saveChosen, this, [this] { runMenuButton(2); });
    connect(m_menus, &MainMenus::printChosen, this, [this] { runMenuButton(3); });
    connect(m_menus, &MainMenus::teamSetupChosen, this, &MainWindow::openTeamSetup);
    connect(m_menus, &MainMenus::settingsChosen, this, [this] { OpenModal<SettingsDialog>(*this); });
    connect(m_menus, &MainMenus::helpChosen, this, &MainWindow::toggleHelp);
    connect(m_menus, &MainMenus::scoreboardChosen, this, &MainWindow::showScoreboard);
    connect(m_menus, &MainMenus::moreSoftwareChosen, this, [] { openWebPage(kMoreSoftwareAddress); });
    connect(m_menus, &MainMenus::checkoutChartChosen, this,
            [this] { OpenModal<CheckoutChartDialog>(*this); });
    connect(m_menus, &MainMenus::rulesChosen, this, [] { openWebPage(kDartsRulesAddress); });
    connect(m_menus, &MainMenus::statisticsChosen, this, &MainWindow::showStatistics);
    connect(m_menus, &MainMenus::historyChosen, this, [this] { OpenModal<HistoryWindow>(*this); });
    connect(m_menus, &MainMenus::historyImportChosen, this, [this] { importHistory(this); });

    // Full screen has no menu entry: F11 in and out, and Esc out, as in a browser. Shortcuts
    // reach the window before the typed darts do; Esc is one only while it has work to do.
    auto* fullScreen = new QAction(this);
    fullScreen->setObjectName(QStringLiteral("VolledigScherm"));
    fullScreen->setShortcut(Qt::Key_F11);
    connect(fullScreen, &QAction::triggered, this, [this] { setFullScreen(!isFullScreen()); });
    m_leaveFullScreen = new QAction(this);
    m_leaveFullScreen->setObjectName(QStringLiteral("VolledigSchermUit"));
    m_leaveFullScreen->setShortcut(Qt::Key_Escape);
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QAction::triggered, this, [this] { setFullScreen(false); });
    addActions({fullScreen, m_leaveFullScreen});
}

void MainWindow::setFullScreen(bool on) {
    // Back to what the window was before: maximised stays maximised.
    setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) m_leaveFullScreen->setEnabled(isFullScreen());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize room = centralWidget()->size();
        m_stage->move(std::max(0, (room.width() - m_stage->width()) / 2),
                      std::max(0, (room.height() - m_stage->height()) / 2));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showMenuButtonText(int index) {
    m_scoreListPanel->showText(tr(kMenuDescriptions[index]));
}

void MainWindow::runMenuButton(int index) {
    switch (index) {
    case 0:
        if (!isDuoMatch()) openTeamSetup(true);
        break;
    case 1:
        if (isDuoMatch())
            openMatchSetup();
        else
            openTeamSetup(false);
        break;
    case 2:
        if (ScoreListLoaded(*this)) OpenModal<SaveDialog>(*this);
        break;
    case 3:
        OpenModal<PrintDialog>(*this);
        break;
    case 4:
        if (ScoreListLoaded(*this)) OpenModal<RowEditorDialog>(*this);
        break;
    case 5:
        m_menus->popUpStatistics(QCursor::pos());
        break;
    case 6:
        OpenModal<SettingsDialog>(*this);
        break;
    case 7:
        OpenModal<AboutDialog>(*this);
        break;
    case 8:
        toggleHelp();
        break;
    }
}

void MainWindow::openTeamSetup(bool newTeam) {
    session.newTeamMode = newTeam;
    openMatchSetup();
}

void MainWindow::openMatchSetup() {
    if (!offerToSaveScoreList()) return;
    if (isDuoMatch())
        OpenModal<DuoSetupDialog>(*this);
    else
        OpenModal<TeamSetupDialog>(*this);
}

void MainWindow::showStatistics(bool allRows) {
    if (!ScoreListLoaded(*this)) return;
    if (allRows)
        showScoreListSummary(*this);
    else
        OpenModal<StatisticsDialog>(*this);
}

void MainWindow::toggleHelp() {
    const bool open = m_helpPanel->isHidden();
    if (open) {
        m_scoreListPanel->hide();
        m_helpPanel->open();
    } else {
        m_helpPanel->hide();
        m_scoreListPanel->show();
        showRowCount();
    }
    m_menus->setHelpChecked(open);
}

ScoreboardWindow& MainWindow::scoreboardWindow() {
    if (!m_scoreboard) {
        m_scoreboard = new ScoreboardWindow(*this);
        connect(m_scoreboard, &ScoreboardWindow::closed, m_menus,
                [this] { m_menus->setScoreboardChecked(false); });
    }
    return *m_scoreboard;
}

void MainWindow::showScoreboard(bool show) {
    m_menus->setScoreboardChecked(show);
    if (show)
        scoreboardWindow().open();
    else if (m_scoreboard)
        m_scoreboard->close();
}

void MainWindow::reopenScoreboard(const ScoreboardPlace& place) {
    m_menus->setScoreboardChecked(true);
    scoreboardWindow().openAt(place);
}

void MainWindow::openWebPage(const QString& address) {
    // The browser is the desktop's business: when it cannot be started there is nothing the
    // scorer could do about it here.
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace vx

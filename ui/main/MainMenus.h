// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down menus of the main window's menu bar, the file name shown at its end, and the
// pop-up menu of the statistics button, and the desktop's usual keys for them. They only say
// what was chosen.
#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QMainWindow;
class QMenu;

namespace vx {

class MainMenus : public QObject {
    Q_OBJECT
  public:
    explicit MainMenus(QMainWindow& window);

    void setHelpChecked(bool checked);
    void setScoreboardChecked(bool checked);
    // The duo match's file, at the end of the menu bar.
    void showFileName(const QString& name);
    void popUpStatistics(const QPoint& at);
    void setCallerChecked(bool checked);
    // No call can be heard: the entry is disabled and its tooltip says why.
    void disableCaller(const QString& why);

  signals:
    void exitChosen();
    void exportChosen();
    void undoChosen();
    // Ctrl+S and Ctrl+P: the save and print menu buttons.
    void saveChosen();
    void printChosen();
    // "Nieuwe Speler" (true) or "Open Spelers" (false).
    void teamSetupChosen(bool newTeam);
    void settingsChosen();
    // "Scorebord voor publiek" (also F9): to be shown (true) or closed.
    void scoreboardChosen(bool show);
    void callerChosen(bool on);
    // "Historie…" (also Ctrl+H) and "Historie importeren…".
    void historyChosen();
    void historyImportChosen();
    void helpChosen();
    void moreSoftwareChosen();
    void checkoutChartChosen();
    void rulesChosen();
    // "Geselecteerde Item" (false) or "Alle Items" (true).
    void statisticsChosen(bool allRows);

  private:
    QAction* m_helpAction = nullptr;
    QAction* m_scoreboardAction = nullptr;
    QAction* m_callerAction = nullptr;
    QAction* m_fileNameAction = nullptr;
    QMenu* m_statisticsMenu = nullptr;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: how often each turn score was thrown in the rows of the selected row's
// text, as a bar graph or a table of numbers, with the average per three darts in the title and
// a one-page printout of the view shown; and the overview of every player of the match, shown
// and printed as a table. Also the summary of the complete score list.
#pragma once

#include "core/review/PlayerOverview.h"

#include <QDialog>
#include <QImage>

class QAction;
class QLabel;
class QMenuBar;
class QTableWidget;

namespace vx {

class MainWindow;

class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    // Gathers the figures of the row selected in the main window's ListView1 and draws both
    // views; it opens on the graph.
    explicit StatisticsDialog(MainWindow& main, QWidget* parent = nullptr);

    // Shows the bar graph, or with false the table of numbers, and ticks its menu entry.
    void showGraph(bool graph);
    // Shows the player overview and ticks its menu entry.
    void showOverview();
    // Prints the view shown.
    void printView();

    QMenuBar* menuBar = nullptr;
    QAction* printAction = nullptr;
    QAction* numbersAction = nullptr;
    QAction* graphAction = nullptr;
    QAction* overviewAction = nullptr;
    QLabel* graphLabel = nullptr;          // the graph; hidden while the numbers are shown
    QTableWidget* overviewTable = nullptr; // over both, while the overview is shown
    QLabel* readoutLabel = nullptr;        // inside graphLabel: the axis caption, then the mouse readout

    const QImage& graphImage() const { return m_graph; }
    const QImage& tableImage() const { return m_table; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tickView(QAction* shown);

    MainWindow& m_main;
    QImage m_graph;
    QImage m_table;
    QList<PlayerFigures> m_players;
    QString m_playerTitle; // the title of the graph and the numbers
};

// The players of the match in play with their figures: in a duo match the rows of the score
// list; in a team match every player of the team from their file, the player at the board with
// the rows on screen, which hold the legs not saved yet.
QList<PlayerFigures> matchOverview(const MainWindow& main);
// The team, or the duo match by its score list file; empty before either is set up.
QString matchName(const MainWindow& main);

// The summary of the whole score list over all players, in a message box.
void showScoreListSummary(MainWindow& main);

} // namespace vx

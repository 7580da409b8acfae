// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/StatisticsDialog.h"

#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"
#include "core/review/Statistics.h"
#include "ui/dialogs/SelectedRow.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTableWidget>

#include <array>

namespace vx {

StatisticsDialog::StatisticsDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ScoresForm"));

    menuBar = new QMenuBar(this);
    QMenu* printMenu = menuBar->addMenu(tr("Print"));
    printAction = printMenu->addAction(tr("Afdrukken Lijst / Grafiek"));
    printAction->setObjectName(QStringLiteral("PrintList"));
    connect(printAction, &QAction::triggered, this, &StatisticsDialog::printView);
    QMenu* showMenu = menuBar->addMenu(tr("Show"));
    const std::array<QAction**, 3> views{&numbersAction, &graphAction, &overviewAction};
    const std::array<QString, 3> captions{tr("Getallen"), tr("Grafiek"), tr("Overzicht")};
    for (int k = 0; k < 3; ++k) {
        QAction*& view = *views[k];
        view = showMenu->addAction(captions[k]);
        view->setObjectName(QStringLiteral("zien(%1)").arg(k + 1));
        view->setCheckable(true);
    }
    connect(numbersAction, &QAction::triggered, this, [this] { showGraph(false); });
    connect(graphAction, &QAction::triggered, this, [this] { showGraph(true); });
    connect(overviewAction, &QAction::triggered, this, &StatisticsDialog::showOverview);

    // The window surface below the menu line carries the table of numbers; graphLabel covers it
    // with the graph.
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, ScoreStatistics::kViewWidth, menuHeight);
    setFixedSize(ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight + menuHeight);
    const QRect surfaceRect(0, menuHeight, ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight);
    auto* surface = new QLabel(this);
    surface->setGeometry(surfaceRect);
    graphLabel = new QLabel(this);
    graphLabel->setObjectName(QStringLiteral("Pic"));
    graphLabel->setGeometry(surfaceRect);
    graphLabel->setMouseTracking(true);
    graphLabel->installEventFilter(this);

    readoutLabel = new QLabel(tr("Score"), graphLabel);
    readoutLabel->setObjectName(QStringLiteral("Label1"));
    readoutLabel->setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette grey = readoutLabel->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    readoutLabel->setPalette(grey);
    // The readout follows the mouse over the whole graph, the caption's own spot included.
    readoutLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    readoutLabel->move(40, 320);
    readoutLabel->adjustSize();

    // Both views are drawn once; switching only shows or hides the graph.
    const int row = firstSelectedRow(main);
    const ScoreStatistics stats = gatherStatistics(main.scoreList, row);
    m_playerTitle = statisticsTitle(row >= 0 ? main.scoreList.cell(row, 0) : QString(), stats);
    m_graph = drawBarGraph(stats);
    m_table = drawNumberTable(stats);
    graphLabel->setPixmap(QPixmap::fromImage(m_graph));
    surface->setPixmap(QPixmap::fromImage(m_table));

    // The figures in the dark red of the printed page.
    m_players = matchOverview(main);
    const QStringList headings = overviewHeadings();
    overviewTable = new QTableWidget(int(m_players.size()), int(headings.size()), this);
    overviewTable->setObjectName(QStringLiteral("OverzichtTable"));
    overviewTable->setGeometry(surfaceRect);
    overviewTable->setHorizontalHeaderLabels(headings);
    overviewTable->setAccessibleName(tr("Overzicht van de spelers"));
    overviewTable->verticalHeader()->hide();
    overviewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    overviewTable->setSelectionMode(QAbstractItemView::NoSelection);
    overviewTable->setFont(QFont(QStringLiteral("Arial"), 9));
    overviewTable->horizontalHeader()->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    for (int r = 0; r < m_players.size(); ++r) {
        const QStringList cells = overviewCells(m_players[r]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setForeground(QColor(90, 0, 0));
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            overviewTable->setItem(r, c, item);
        }
    }
    overviewTable->resizeColumnsToContents();
    // The dark red figures stand on the page's white, not on a dark theme's base.
    QPalette page = overviewTable->palette();
    page.setColor(QPalette::Base, Qt::white);
    overviewTable->setPalette(page);
    showGraph(true);
}

void StatisticsDialog::tickView(QAction* shown) {
    for (QAction* view : {numbersAction, graphAction, overviewAction})
        view->setChecked(view == shown);
    graphLabel->setVisible(shown == graphAction);
    overviewTable->setVisible(shown == overviewAction);
    // The graph and the numbers are of one player, the overview of every player of the match.
    setWindowTitle(shown == overviewAction ? overviewTitle(matchName(m_main)) : m_playerTitle);
}

void StatisticsDialog::showGraph(bool graph) {
    tickView(graph ? graphAction : numbersAction);
}

void StatisticsDialog::showOverview() {
    tickView(overviewAction);
}

void StatisticsDialog::printView() {
    if (overviewAction->isChecked()) {
        (void)printDocument(this, tr("Vorlentix Speleroverzicht"), [&](PageSink& sink) {
            return printPlayerOverview(sink, m_players, matchName(m_main), m_main.session.footerText);
        });
        return;
    }
    const bool graphShown = graphAction->isChecked();
    (void)printDocument(this, tr("Vorlentix Statistiek"), [&](PageSink& sink) {
        return printStatistics(sink, windowTitle(), graphShown ? m_graph : m_table, graphShown,
                               m_main.session.footerText);
    });
}

bool StatisticsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == graphLabel && event->type() == QEvent::MouseMove) {
        readoutLabel->setText(graphReadout(int(static_cast<QMouseEvent*>(event)->position().x())));
        readoutLabel->adjustSize();
    }
    return QDialog::eventFilter(watched, event);
}

QString matchName(const MainWindow& main) {
    return main.isDuoMatch() ? main.session.duoFileName : main.teamMatch().setup().team;
}

QList<PlayerFigures> matchOverview(const MainWindow& main) {
    if (main.isDuoMatch()) return duoOverview(main.scoreList);
    const TeamMatch& match = main.teamMatch();
    const QString& team = match.setup().team;
    const QString atTheBoard = match.playerName();
    QList<PlayerRows> players;
    bool atTheBoardListed = false;
    // The list on screen was read from the file of exactly this name.
    for (const QString& name : listTeamPlayers(team)) {
        if (match.hasTeam() && name == atTheBoard) {
            players.append({name, main.scoreList.rows()});
            atTheBoardListed = true;
            continue;
        }
        // A file that cannot be read leaves its player without legs.
        ScoreListModel file;
        (void)readScoreList(playerFilePath(team, name), file);
        players.append({name, file.rows()});
    }
    if (match.hasTeam() && !atTheBoardListed) players.append({atTheBoard, main.scoreList.rows()});
    return teamOverview(players);
}

void showScoreListSummary(MainWindow& main) {
    showMessage(summaryText(gatherAllStatistics(main.scoreList)));
}

} // namespace vx

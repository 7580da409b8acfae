#include "ui/dialogs/StatisticsDialog.h"

#include "core/common/Services.h"
#include "core/review/Statistics.h"
#include "ui/dialogs/SelectedRow.h"
#include "ui/main/MainWindow.h"
#include "ui/print/Printing.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>

#include <array>

namespace vx {

StatisticsDialog::StatisticsDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ScoresForm"));

    menuBar = new QMenuBar(this);
    QMenu* printMenu = menuBar->addMenu(QStringLiteral("Print"));
    printAction = printMenu->addAction(QStringLiteral("Afdrukken Lijst / Grafiek"));
    printAction->setObjectName(QStringLiteral("PrintList"));
    connect(printAction, &QAction::triggered, this, &StatisticsDialog::printView);
    QMenu* showMenu = menuBar->addMenu(QStringLiteral("Show"));
    const std::array<QAction**, 2> views{&numbersAction, &graphAction};
    const std::array<QString, 2> captions{QStringLiteral("Getallen"), QStringLiteral("Grafiek")};
    for (int k = 0; k < 2; ++k) {
        QAction*& view = *views[k];
        view = showMenu->addAction(captions[k]);
        view->setObjectName(QStringLiteral("zien(%1)").arg(k + 1));
        view->setCheckable(true);
        connect(view, &QAction::triggered, this, [this, k] { showGraph(k == 1); });
    }

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

    readoutLabel = new QLabel(QStringLiteral("Score"), graphLabel);
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
    setWindowTitle(statisticsTitle(row >= 0 ? main.scoreList.cell(row, 0) : QString(), stats));
    m_graph = drawBarGraph(stats);
    m_table = drawNumberTable(stats);
    graphLabel->setPixmap(QPixmap::fromImage(m_graph));
    surface->setPixmap(QPixmap::fromImage(m_table));
    showGraph(true);
}

void StatisticsDialog::showGraph(bool graph) {
    numbersAction->setChecked(!graph);
    graphAction->setChecked(graph);
    graphLabel->setHidden(!graph);
}

void StatisticsDialog::printView() {
    const bool graphShown = !graphLabel->isHidden();
    (void)printDocument(this, QStringLiteral("Vorlentix Statistiek"), [&](PageSink& sink) {
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

void showScoreListSummary(MainWindow& main) {
    showMessage(summaryText(gatherAllStatistics(main.scoreList)));
}

} // namespace vx

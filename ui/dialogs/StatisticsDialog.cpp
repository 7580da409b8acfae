#include "ui/dialogs/StatisticsDialog.h"

#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/print/Printing.h"
#include "ui/dialogs/SelectedRow.h"
#include "core/review/Statistics.h"

#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>

namespace vx {

StatisticsDialog::StatisticsDialog(MainWindow& main, QWidget* parent) : QDialog(parent), m_main(main) {
    setObjectName(QStringLiteral("ScoresForm"));

    MenuBar = new QMenuBar(this);
    QMenu* printMenu = MenuBar->addMenu(QStringLiteral("Print"));
    PrintList = printMenu->addAction(QStringLiteral("Afdrukken Lijst / Grafiek"));
    PrintList->setObjectName(QStringLiteral("PrintList"));
    connect(PrintList, &QAction::triggered, this, &StatisticsDialog::PrintList_Click);
    QMenu* showMenu = MenuBar->addMenu(QStringLiteral("Show"));
    const std::array<QString, 3> captions{QString(), QStringLiteral("Getallen"), QStringLiteral("Grafiek")};
    for (int i = 1; i <= 2; ++i) {
        zien[i] = showMenu->addAction(captions[i]);
        zien[i]->setObjectName(QStringLiteral("zien(%1)").arg(i));
        zien[i]->setCheckable(true);
        connect(zien[i], &QAction::triggered, this, [this, i] { zien_Click(i); });
    }

    // The window surface below the menu line carries the table of numbers; Pic covers it
    // with the graph.
    const int menuHeight = MenuBar->sizeHint().height();
    MenuBar->setGeometry(0, 0, ScoreStatistics::kViewWidth, menuHeight);
    setFixedSize(ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight + menuHeight);
    const QRect surfaceRect(0, menuHeight, ScoreStatistics::kViewWidth, ScoreStatistics::kViewHeight);
    auto* surface = new QLabel(this);
    surface->setGeometry(surfaceRect);
    Pic = new QLabel(this);
    Pic->setObjectName(QStringLiteral("Pic"));
    Pic->setGeometry(surfaceRect);
    Pic->setMouseTracking(true);
    Pic->installEventFilter(this);

    Label1 = new QLabel(QStringLiteral("Score"), Pic);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette grey = Label1->palette();
    grey.setColor(QPalette::WindowText, QColor(64, 64, 64));
    Label1->setPalette(grey);
    // The readout follows the mouse over the whole graph, the caption's own spot included.
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->move(40, 320);
    Label1->adjustSize();

    // Both views are drawn once; switching only shows or hides the graph.
    const int row = FirstSelectedRow(main);
    const ScoreStatistics stats = GatherStatistics(main.scoreList, row);
    setWindowTitle(StatisticsTitle(row >= 0 ? main.scoreList.cell(row, 0) : QString(), stats));
    m_graph = DrawBarGraph(stats);
    m_table = DrawNumberTable(stats);
    Pic->setPixmap(QPixmap::fromImage(m_graph));
    surface->setPixmap(QPixmap::fromImage(m_table));
    zien_Click(2);
}

void StatisticsDialog::zien_Click(int index) {
    zien[1]->setChecked(false);
    zien[2]->setChecked(false);
    Pic->setHidden(index == 1);
    zien[index]->setChecked(true);
}

void StatisticsDialog::PrintList_Click() {
    const bool graphShown = !Pic->isHidden();
    (void)PrintDocument(this, QStringLiteral("Vorlentix Statistiek"), [&](PageSink& sink) {
        return PrintStatistics(sink, windowTitle(), graphShown ? m_graph : m_table, graphShown,
                               m_main.state.FooterText);
    });
}

bool StatisticsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Pic && event->type() == QEvent::MouseMove) {
        Label1->setText(GraphReadout(int(static_cast<QMouseEvent*>(event)->position().x())));
        Label1->adjustSize();
    }
    return QDialog::eventFilter(watched, event);
}

void ShowScoreListSummary(MainWindow& main) {
    showMessage(SummaryText(GatherAllStatistics(main.scoreList)));
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// One press of the scorer repaints each widget at most once, with the scoreboard open: a booked
// turn and a leg end in team and duo play. A score list that grows by a leg leaves the rows it
// already showed unpainted, and its scroll bars, shown from a kept picture, look as the style
// draws them.
#include "playsupport.h"
#include "testsupport.h"
#include "ui/main/ScoreboardWindow.h"
#include "ui/main/ScoreListPanel.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <map>

using namespace vx;
using namespace vxtest;

namespace {

// Paint events per widget and, for one widget, the region painted.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(const QWidget* watch = nullptr) : m_watch(watch) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints[watched];
            if (watched == m_watch) painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
    QStringList paintedTwice() const {
        QStringList names;
        for (const auto& [widget, count] : paints)
            if (count > 1) names << QStringLiteral("%1 %2x").arg(widget->objectName()).arg(count);
        return names;
    }
    std::map<QObject*, int> paints;
    QRegion painted;

  private:
    const QWidget* m_watch;
};

void settle() {
    for (int round = 0; round < 2; ++round) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

} // namespace

class PaintOnceTest : public QObject {
    Q_OBJECT
    PlaySession session;
    std::unique_ptr<MainWindow> main;

    void showWindows(MatchKind kind) {
        main->compose(kind);
        control<QTimer>(*main, QStringLiteral("Timer1"))->stop();
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        control<QAction>(*main, QStringLiteral("ToolsScorebord"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(main->scoreboard()));
        main->scoreboard()->move(main->frameGeometry().right() + 1, 0);
    }

  private slots:
    void init() {
        session.startSession();
        main = std::make_unique<MainWindow>();
    }
    void cleanup() {
        main.reset();
        session.endSession();
    }

    // The script is played first; then the button is pressed and the window settles, and only
    // the release, which books, is counted.
    void eachWidgetOnce_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("rowsAdded");
        const QString thrice = QStringLiteral("T20 T20 T20 ");
        QTest::newRow("team turn") << false << thrice << QStringLiteral("AddKnop") << 0;
        QTest::newRow("team leg end") << false << thrice + "ADD " + thrice + "ADD T20 T19"
                                      << QStringLiteral("Knop2(12)") << 1;
        QTest::newRow("duo turn") << true << thrice << QStringLiteral("AddKnopDuo(1)") << 0;
        QTest::newRow("duo leg end") << true << (thrice + "ADD ").repeated(4) + "T20 T19 D12"
                                     << QStringLiteral("AddKnopDuo(1)") << 2;
    }
    void eachWidgetOnce() {
        QFETCH(bool, duo);
        QFETCH(QString, script);
        QFETCH(QString, button);
        QFETCH(int, rowsAdded);
        showWindows(duo ? MatchKind::Duo : MatchKind::Team);
        if (duo)
            StartDuoMatch(*main, QStringLiteral("Koos"), QStringLiteral("Fred"), false, 3, 501,
                          QStringLiteral("Clubavond"));
        else
            StartTeamMatch(*main, QStringLiteral("De Pijlen"), {QStringLiteral("Ans"), QStringLiteral("Bert")}, 501);
        play(*main, script);
        auto* pressed = control<QAbstractButton>(*main, button);
        QTest::mouseMove(pressed);
        QTest::mousePress(pressed, Qt::LeftButton);
        QTest::qWait(50); // the buttons clicked before, no longer under the cursor, lose their hover look
        const int rows = main->scoreList.count();

        PaintCounter counter;
        QTest::mouseRelease(pressed, Qt::LeftButton);
        settle();
        QCOMPARE(main->scoreList.count(), rows + rowsAdded);
        QVERIFY(counter.paints.count(main->scoreboard()));
        QVERIFY2(counter.paintedTwice().isEmpty(), qPrintable(counter.paintedTwice().join(QStringLiteral(", "))));
        // What the step painted over the last picture is what painting the window anew gives.
        const QImage shown = main->screen()->grabWindow(main->winId()).toImage();
        const QImage anew = main->grab().toImage();
        QCOMPARE(shown.convertToFormat(anew.format()), anew);
    }

    void appendedRowsLeaveTheOthersUnpainted() {
        showWindows(MatchKind::Duo);
        QTableView* grid = main->scoreListPanel()->table();
        ScoreListModel::Row row;
        row.fill(QStringLiteral("-"));
        main->scoreList.appendRow(row);
        main->scoreList.appendRow(row);
        settle();
        const QRect shown = grid->visualRect(main->scoreList.index(0, 0))
                                .united(grid->visualRect(main->scoreList.index(1, ScoreListModel::kColumns - 1)));
        const QRect added = grid->visualRect(main->scoreList.index(1, 0)).translated(0, grid->rowHeight(1));

        PaintCounter counter(grid->viewport());
        main->scoreList.appendRow(row);
        settle();
        QVERIFY(counter.painted.intersects(added)); // the new row is drawn
        QVERIFY(!counter.painted.intersects(shown.intersected(grid->viewport()->rect())));

        counter.painted = QRegion();
        main->scoreList.removeRowAt(0); // every row moves up: all are drawn anew
        settle();
        QVERIFY(counter.painted.contains(shown.center()));
    }

    // Each bar of the list beside a plain scroll bar of the same window, size and position: the
    // picture kept must be what the style draws now, also after the slider moved and came back
    // and after rows were added that do not move it by a pixel.
    void scrollBarsLookAsTheStyleDraws_data() {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("at"); // share of the range
        QTest::newRow("vertical, top") << Qt::Vertical << 300 << 0.0;
        QTest::newRow("vertical, middle") << Qt::Vertical << 300 << 0.5;
        QTest::newRow("vertical, bottom") << Qt::Vertical << 300 << 1.0;
        QTest::newRow("vertical, a few rows more than shown") << Qt::Vertical << 20 << 1.0;
        QTest::newRow("horizontal, left") << Qt::Horizontal << 2 << 0.0;
        QTest::newRow("horizontal, right") << Qt::Horizontal << 2 << 1.0;
    }
    void scrollBarsLookAsTheStyleDraws() {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, rows);
        QFETCH(double, at);
        showWindows(MatchKind::Duo);
        QTableView* grid = main->scoreListPanel()->table();
        QScrollBar* bar = orientation == Qt::Vertical ? grid->verticalScrollBar() : grid->horizontalScrollBar();
        ScoreListModel::Row row;
        row.fill(QStringLiteral("-"));
        for (int i = 0; i < rows; ++i)
            main->scoreList.appendRow(row);
        settle();
        QVERIFY(bar->isVisible());
        QScrollBar plain(orientation, bar->parentWidget());
        plain.setGeometry(bar->geometry());
        const auto same = [&] {
            plain.setRange(bar->minimum(), bar->maximum());
            plain.setPageStep(bar->pageStep());
            plain.setValue(bar->value());
            return bar->grab().toImage() == plain.grab().toImage();
        };
        const int value = bar->minimum() + qRound(at * (bar->maximum() - bar->minimum()));
        const int other = value == bar->maximum() ? bar->minimum() : bar->maximum();
        bar->setValue(value);
        QVERIFY(same());
        if (other != value) {
            const QImage before = bar->grab().toImage();
            bar->setValue(other);
            QVERIFY(bar->grab().toImage() != before); // the slider moved
            QVERIFY(same());
            bar->setValue(value);
            QVERIFY(same());
        }
        main->scoreList.appendRow(row);
        settle();
        QVERIFY(same());
    }
};

QTEST_MAIN(PaintOnceTest)
#include "test_paintonce.moc"

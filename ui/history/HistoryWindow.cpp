// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryWindow.h"

#include "core/common/Services.h"
#include "core/history/ClubFetch.h"
#include "core/history/ClubSender.h"
#include "core/history/HistoryStore.h"
#include "ui/dialogs/SelectedRow.h"
#include "ui/history/HistoryDrawing.h"
#include "ui/history/HistoryReport.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreListExport.h"
#include "ui/print/Printing.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vx {

namespace {

// The picture of a view on paper, in pixels: the page frame scales it to its place.
constexpr QSize kPrintedPicture{1600, 1100};

// The player the statistics window would show: the one at the board in a team match, the one
// of the selected row in a duo match.
QString PlayerInFocus(const MainWindow& main) {
    if (!main.isDuoMatch()) return main.teamMatch().playerName();
    const int row = firstSelectedRow(main);
    return row >= 0 ? main.scoreList.cell(row, 0) : QString();
}

// The evening it is now: one runs until six in the morning.
QDate ThisEvening() {
    return clock().now().addSecs(-6 * 3600).date();
}

QComboBox* Chooser(QWidget* parent, const QString& name, const QString& caption, QLayout* into) {
    auto* label = new QLabel(caption, parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    label->setBuddy(box);
    into->addWidget(label);
    into->addWidget(box);
    return box;
}

void SelectText(QComboBox* box, const QString& text) {
    const int at = box->findText(text, Qt::MatchFixedString); // names in any case
    if (at >= 0) box->setCurrentIndex(at);
}

} // namespace

HistoryWindow::HistoryWindow(MainWindow& main, QWidget* parent)
    : QDialog(parent), m_main(main), m_store(std::make_unique<HistoryStore>(historyFilePath())) {
    setObjectName(QStringLiteral("Historie"));
    setWindowTitle(tr("Historie"));
    resize(1100, 680);
    const bool open = m_store->open();

    auto* top = new QHBoxLayout;
    playerBox = Chooser(this, QStringLiteral("HistorieSpeler"), tr("&Speler:"), top);
    periodBox = Chooser(this, QStringLiteral("HistoriePeriode"), tr("&Periode:"), top);
    periodBox->addItems({tr("Deze avond"), tr("Van … tot en met"), tr("Alles")});
    fromEdit = new QDateEdit(ThisEvening().addMonths(-1), this);
    fromEdit->setObjectName(QStringLiteral("HistorieVan"));
    fromEdit->setAccessibleName(tr("Van"));
    toEdit = new QDateEdit(ThisEvening(), this);
    toEdit->setObjectName(QStringLiteral("HistorieTot"));
    toEdit->setAccessibleName(tr("Tot en met"));
    for (QDateEdit* edit : {fromEdit, toEdit}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
        top->addWidget(edit);
    }
    top->addStretch();
    source = new QLabel(this);
    source->setObjectName(QStringLiteral("HistorieBron"));
    top->addWidget(source);

    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("HistorieTabs"));
    const std::array<QString, kViews> captions{tr("Checkout-percentage"), tr("Waar de darts landen"),
                                               tr("Voortgang"), tr("Onderling"), tr("Competitie")};
    for (int v = 0; v < kViews; ++v) {
        auto* page = new QWidget(tabs);
        auto* column = new QVBoxLayout(page);
        if (v == HeadToHeadView || v == League) {
            auto* choose = new QHBoxLayout;
            if (v == HeadToHeadView)
                opponentBox = Chooser(page, QStringLiteral("HistorieTegenstander"), tr("&Tegen:"), choose);
            else
                teamBox = Chooser(page, QStringLiteral("HistorieTeam"), tr("T&eam:"), choose);
            choose->addStretch();
            column->addLayout(choose);
        }
        notes[v] = new QLabel(page);
        notes[v]->setObjectName(QStringLiteral("HistorieUitleg(%1)").arg(v));
        notes[v]->setWordWrap(true);
        column->addWidget(notes[v]);
        auto* row = new QHBoxLayout;
        if (v == Board || v == Progress) {
            m_views[v] = new DrawnView(page);
            m_views[v]->setObjectName(QStringLiteral("HistorieTekening(%1)").arg(v));
            m_views[v]->setMinimumSize(420, 380);
            row->addWidget(m_views[v], 3);
        }
        if (v == League) {
            eveningList = new QListWidget(page);
            eveningList->setObjectName(QStringLiteral("HistorieAvonden"));
            eveningList->setAccessibleName(tr("Avonden in de stand"));
            eveningList->setMaximumWidth(110);
            row->addWidget(eveningList);
        }
        tables[v] = new QTableWidget(page);
        tables[v]->setObjectName(QStringLiteral("HistorieTabel(%1)").arg(v));
        tables[v]->setAccessibleName(tr("Cijfers: %1").arg(captions[v]));
        tables[v]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tables[v]->verticalHeader()->hide();
        tables[v]->verticalHeader()->setDefaultSectionSize(tables[v]->fontMetrics().height() + 6);
        tables[v]->horizontalHeader()->setStretchLastSection(true);
        row->addWidget(tables[v], 2);
        column->addLayout(row, 1);
        tabs->addTab(page, captions[v]);
    }
    tables[League]->horizontalHeader()->setSortIndicatorShown(true);
    tables[League]->horizontalHeader()->setSectionsClickable(true);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    buttons->addStretch();
    QPushButton* print = button(tr("Afdrukken…"), QStringLiteral("HistorieAfdrukken"));
    QPushButton* exportCsv = button(tr("Exporteren naar CSV…"), QStringLiteral("HistorieExporteren"));
    QPushButton* close = button(tr("Sluiten"), QStringLiteral("HistorieSluiten"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    if (open) {
        const QSqlDatabase db = m_store->database();
        const QStringList players = historyPlayers(db);
        playerBox->addItems(players);
        opponentBox->addItems(players);
        SelectText(playerBox, PlayerInFocus(main));
        opponentBox->setCurrentIndex(playerBox->currentIndex() == 0 && players.size() > 1 ? 1 : 0);
        teamBox->addItems(historyTeams(db));
        if (!main.isDuoMatch()) SelectText(teamBox, main.teamMatch().setup().team);
        if (const std::optional<bool> reachable = main.clubReachable())
            source->setText(clubSourceText(*reachable, clubFetchedAt(db), clock().now().date()));
    } else {
        notes[Checkout]->setText(m_store->error());
    }
    periodBox->setCurrentIndex(int(Period::Everything));

    const auto again = [this] {
        m_current.fill(false);
        refresh();
    };
    const auto periodShown = [this] {
        const bool range = periodBox->currentIndex() == int(Period::Range);
        fromEdit->setEnabled(range);
        toEdit->setEnabled(range);
    };
    periodShown();
    connect(periodBox, &QComboBox::currentIndexChanged, this, periodShown);
    for (QComboBox* box : {playerBox, periodBox, opponentBox})
        connect(box, &QComboBox::currentIndexChanged, this, again);
    for (QDateEdit* edit : {fromEdit, toEdit})
        connect(edit, &QDateEdit::dateChanged, this, again);
    connect(teamBox, &QComboBox::currentIndexChanged, this, again);
    connect(eveningList, &QListWidget::itemChanged, this, again);
    connect(tables[League]->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &HistoryWindow::sortLeague);
    connect(tabs, &QTabWidget::currentChanged, this, &HistoryWindow::refresh);
    connect(print, &QPushButton::clicked, this, &HistoryWindow::printView);
    connect(exportCsv, &QPushButton::clicked, this, &HistoryWindow::exportView);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    refresh();
}

HistoryWindow::~HistoryWindow() = default;

HistoryPeriod HistoryWindow::period() const {
    switch (Period(periodBox->currentIndex())) {
    case Period::ThisEvening:
        return {ThisEvening(), ThisEvening()};
    case Period::Range:
        return {fromEdit->date(), toEdit->date()};
    case Period::Everything:
        break;
    }
    return {};
}

void HistoryWindow::fillTeam() {
    const QSignalBlocker quiet(eveningList);
    eveningList->clear();
    m_eveningsOf = teamBox->currentText();
    for (const QDate& evening : teamEvenings(m_store->database(), teamBox->currentText())) {
        auto* item = new QListWidgetItem(evening.toString(QStringLiteral("dd-MM-yyyy")), eveningList);
        item->setData(Qt::UserRole, evening);
        item->setCheckState(Qt::Checked);
    }
}

void HistoryWindow::showView(View view) {
    tabs->setCurrentIndex(view);
    refresh();
}

const FigureTable& HistoryWindow::table() const {
    return m_tables[tabs->currentIndex()];
}

QImage HistoryWindow::picture() const {
    const auto& draw = m_drawings[tabs->currentIndex()];
    return draw ? drawnImage(kPrintedPicture, draw) : QImage();
}

void HistoryWindow::refresh() {
    const auto view = View(tabs->currentIndex());
    if (m_current[view] || !m_store->database().isOpen()) return;
    m_current[view] = true;
    const QSqlDatabase db = m_store->database();
    const QString player = playerBox->currentText();
    const HistoryPeriod when = period();
    switch (view) {
    case Checkout:
        fill(view, checkoutTable(player, checkoutFigures(db, player, when), dartsKnown(db, player, when)));
        break;
    case Board: {
        const QMap<QString, double> shares = dartShares(db, player, when);
        fill(view, boardTable(player, shares, dartsKnown(db, player, when)),
             [shares](QPainter& painter, const QRectF& area) { drawHeatBoard(painter, area, shares); });
        break;
    }
    case Progress: {
        const QList<EveningFigures> evenings = eveningFigures(db, player, when);
        fill(view, progressTable(player, evenings), [evenings](QPainter& painter, const QRectF& area) {
            drawProgressChart(painter, area, evenings);
        });
        break;
    }
    case HeadToHeadView: {
        const QString opponent = opponentBox->currentText();
        fill(view, headToHeadTable(player, opponent, headToHead(db, player, opponent, when)));
        break;
    }
    case League: {
        // The team's evenings are read when its table is first shown, not when the window opens.
        if (m_eveningsOf != teamBox->currentText()) fillTeam();
        QList<QDate> evenings;
        for (int i = 0; i < eveningList->count(); ++i)
            if (eveningList->item(i)->checkState() == Qt::Checked)
                evenings << eveningList->item(i)->data(Qt::UserRole).toDate();
        // None ticked is none at all; all ticked is asked as the whole team, not evening by evening.
        if (evenings.isEmpty())
            m_league.clear();
        else
            m_league = leagueTable(db, teamBox->currentText(),
                                   evenings.size() == eveningList->count() ? QList<QDate>() : evenings);
        vx::sortLeague(m_league, m_leagueColumn, m_leagueOrder);
        fill(view, leagueFigureTable(teamBox->currentText(), m_league));
        tables[League]->horizontalHeader()->setSortIndicator(int(m_leagueColumn), m_leagueOrder);
        break;
    }
    case kViews:
        break;
    }
}

void HistoryWindow::sortLeague(int column) {
    const auto chosen = LeagueColumn(column);
    // Names from A, fewest darts first, every other figure from the highest; again reverses.
    const Qt::SortOrder first = chosen == LeagueColumn::Player || chosen == LeagueColumn::BestLeg
                                    ? Qt::AscendingOrder
                                    : Qt::DescendingOrder;
    m_leagueOrder = chosen == m_leagueColumn
                        ? (m_leagueOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder)
                        : first;
    m_leagueColumn = chosen;
    m_current[League] = false;
    refresh();
}

void HistoryWindow::fill(View view, FigureTable table, std::function<void(QPainter&, const QRectF&)> draw) {
    notes[view]->setText(table.notes.join(u'\n'));
    QTableWidget* grid = tables[view];
    grid->clear();
    grid->setColumnCount(int(table.headings.size()));
    grid->setRowCount(int(table.rows.size()));
    grid->setHorizontalHeaderLabels(table.headings);
    for (int r = 0; r < table.rows.size(); ++r)
        for (int c = 0; c < table.rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(table.rows[r][c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(r, c, item);
        }
    grid->resizeColumnsToContents();
    if (m_views[view]) m_views[view]->setDrawing(draw);
    m_drawings[view] = std::move(draw);
    m_tables[view] = std::move(table);
}

void HistoryWindow::printView() {
    const FigureTable& shown = table();
    const QImage drawn = picture();
    (void)printDocument(this, tr("Vorlentix Historie"), [&](PageSink& sink) {
        return printFigureTable(sink, shown, drawn, m_main.session.footerText);
    });
}

void HistoryWindow::exportView() {
    const FigureTable& shown = table();
    exportTable(this, shown.title, shown.headings, shown.rows);
}

} // namespace vx

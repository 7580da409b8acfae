// SPDX-License-Identifier: GPL-3.0-or-later
// The "Historie" window: a player's figures over a period from the match history, in five
// views (checkout percentage, where the darts land, progress over the evenings, head to head,
// a team's league table), each printable and exportable as CSV. Only the view shown is worked
// out, when it is shown, so the window opens at once on a long history.
#pragma once

#include "core/history/HistoryFigures.h"
#include "ui/history/HistoryTables.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPainter;
class QTabWidget;
class QTableWidget;

namespace vx {

class DrawnView;
class HistoryStore;
class MainWindow;

class HistoryWindow : public QDialog {
    Q_OBJECT
  public:
    enum View { Checkout, Board, Progress, HeadToHeadView, League, kViews };
    enum class Period { ThisEvening, Range, Everything };

    // Opens on the player the statistics window would show: the one of the selected row.
    explicit HistoryWindow(MainWindow& main, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    void showView(View view);
    // The view shown, as it is printed and exported.
    const FigureTable& table() const;
    // Its picture as printed; null for a view without one.
    QImage picture() const;
    void printView();
    void exportView();

    QComboBox* playerBox = nullptr;
    QComboBox* periodBox = nullptr;
    QDateEdit* fromEdit = nullptr;
    QDateEdit* toEdit = nullptr;
    QTabWidget* tabs = nullptr;
    QComboBox* opponentBox = nullptr;
    QComboBox* teamBox = nullptr;
    QListWidget* eveningList = nullptr;
    std::array<QTableWidget*, kViews> tables{};
    std::array<QLabel*, kViews> notes{};
    // Where the figures come from, with a club server chosen.
    QLabel* source = nullptr;

  private:
    HistoryPeriod period() const;
    // Works out the view shown; the others are worked out again when they are shown.
    void refresh();
    void fillTeam();
    void sortLeague(int column);
    void fill(View view, FigureTable table, std::function<void(QPainter&, const QRectF&)> draw = {});

    MainWindow& m_main;
    std::unique_ptr<HistoryStore> m_store;
    std::array<FigureTable, kViews> m_tables;
    std::array<std::function<void(QPainter&, const QRectF&)>, kViews> m_drawings;
    std::array<bool, kViews> m_current{};
    std::array<DrawnView*, kViews> m_views{};
    std::optional<QString> m_eveningsOf; // the team whose evenings are listed
    QList<LeagueRow> m_league;
    LeagueColumn m_leagueColumn = LeagueColumn::Player;
    Qt::SortOrder m_leagueOrder = Qt::AscendingOrder;
};

} // namespace vx

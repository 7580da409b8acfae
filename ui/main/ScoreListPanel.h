// SPDX-License-Identifier: GPL-3.0-or-later
// The score list panel: the grid of the score list, and below it the row counter,
// which also shows what a menu button does while the mouse is on it.
#pragma once

#include <QFrame>

class QLabel;
class QTableView;

namespace vx {

class ScoreListModel;

class ScoreListPanel : public QFrame {
    Q_OBJECT
  public:
    // The row counter is placed in `parent` below the grid, and follows the list by itself.
    ScoreListPanel(QWidget* parent, ScoreListModel& list);

    void compose(const QColor& screen);

    // The number of rows followed by " Items".
    void showRowCount();
    // Any other text in the counter's place, until the count is shown again.
    void showText(const QString& text);

    QTableView* table() const { return m_table; }

  private:
    ScoreListModel& m_list;
    QTableView* m_table = nullptr;
    QLabel* m_rowCountLabel = nullptr;
};

} // namespace vx

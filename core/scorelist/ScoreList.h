// SPDX-License-Identifier: GPL-3.0-or-later
// The score list: every finished leg as a row of 28 text cells (row text, "Out", turns 1 to 25,
// "Gemiddelde"). This model is the one store of the rows; the grid ListView1 is a view on it,
// and the files, statistics, editor and reports all read and write through it.
#pragma once

#include "core/scorelist/ScoreRows.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace vx {

class ScoreListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kColumns = ScoreRows::kColumns;
    static constexpr int kTurnColumns = 25;
    using Row = ScoreRows::Row;
    using Rows = ScoreRows;

    explicit ScoreListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Cell c of row r, 0-based: column 0 is the row text, column k the sub-item k.
    QString cell(int row, int column) const { return m_rows.cell(row, column).toString(); }
    Row row(int r) const { return m_rows[r]; }
    int count() const { return static_cast<int>(m_rows.size()); }
    // Shared, not copied: a snapshot of the whole list costs nothing until the list changes.
    const Rows& rows() const { return m_rows; }

    void appendRow(const Row& row);
    void setCell(int row, int column, const QString& text);
    void removeRowAt(int row);
    void clear();
    void replaceAll(Rows rows);

    // The first column's header follows the player at the board, or is "Naam Speler" while no
    // one is (an empty name).
    void setFirstHeader(const QString& name);
    // The headers as files hold them; shownHeaderText() as the screen shows them, translated.
    QString headerText(int column) const;
    QString shownHeaderText(int column) const;

    // "N Items", the text of the row counter.
    QString itemsText() const;

  private:
    Rows m_rows;
    QString m_playerName;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The score list: every finished leg as a row of 28 text cells (row text, "Out", turns 1 to 25,
// "Gemiddelde"). This model is the one store of the rows; the grid ListView1 is a view on it,
// and the files, statistics, editor and reports all read and write through it.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>
#include <array>

// A row is 28 implicitly shared strings and, like a QString, stays valid when moved in memory as
// it is. Said so, the list of rows grows by reallocating its block instead of moving every string
// one by one: otherwise the first leg after loading a list of 10,000 rows moves 280,000 strings
// before its row appears.
template <>
class QTypeInfo<std::array<QString, 28>> : public QTypeInfoMerger<std::array<QString, 28>, QString> {};

namespace vx {

class ScoreListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    static constexpr int kColumns = 28;
    static constexpr int kTurnColumns = 25;
    using Row = std::array<QString, kColumns>;
    static_assert(QTypeInfo<Row>::isRelocatable, "the rows grow by reallocation, see above");

    explicit ScoreListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Cell c of row r, 0-based: column 0 is the row text, column k the sub-item k.
    const QString& cell(int row, int column) const { return m_rows[row][column]; }
    const Row& row(int r) const { return m_rows[r]; }
    int count() const { return static_cast<int>(m_rows.size()); }
    // Shared, not copied: a snapshot of the whole list costs nothing until the list changes.
    const QVector<Row>& rows() const { return m_rows; }

    void appendRow(const Row& row);
    void setCell(int row, int column, const QString& text);
    void removeRowAt(int row);
    void clear();
    void replaceAll(QVector<Row> rows);

    // The first column's header follows the player at the board, or is "Naam Speler" while no
    // one is (an empty name).
    void setFirstHeader(const QString& name);
    // The headers as files hold them; shownHeaderText() as the screen shows them, translated.
    QString headerText(int column) const;
    QString shownHeaderText(int column) const;

    // "N Items", the text of the row counter.
    QString itemsText() const;

  private:
    QVector<Row> m_rows;
    QString m_playerName;
};

} // namespace vx

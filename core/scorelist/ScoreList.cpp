// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scorelist/ScoreList.h"

namespace vx {

ScoreListModel::ScoreListModel(QObject* parent) : QAbstractTableModel(parent) {}

int ScoreListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int ScoreListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant ScoreListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count() || index.column() >= kColumns) return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole) return cell(index.row(), index.column());
    return {};
}

namespace {
// Written into files as they are, and translated on screen.
const char* const kNoPlayerHeader = QT_TRANSLATE_NOOP("vx::ScoreListModel", "Naam Speler");
const char* const kOutHeader = QT_TRANSLATE_NOOP("vx::ScoreListModel", "Out");
const char* const kAverageHeader = QT_TRANSLATE_NOOP("vx::ScoreListModel", "Gemiddelde");
} // namespace

QString ScoreListModel::headerText(int column) const {
    if (column == 0) return m_playerName.isEmpty() ? QString::fromLatin1(kNoPlayerHeader) : m_playerName;
    if (column == 1) return QString::fromLatin1(kOutHeader);
    if (column == kColumns - 1) return QString::fromLatin1(kAverageHeader);
    return QStringLiteral("D.%1").arg(column - 1);
}

QString ScoreListModel::shownHeaderText(int column) const {
    if (column == 0 && !m_playerName.isEmpty()) return m_playerName;
    if (column == 0) return tr(kNoPlayerHeader);
    if (column == 1) return tr(kOutHeader);
    if (column == kColumns - 1) return tr(kAverageHeader);
    return headerText(column);
}

QVariant ScoreListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns)
        return shownHeaderText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ScoreListModel::appendRow(const Row& row) {
    const int at = count();
    beginInsertRows({}, at, at);
    m_rows.append(row);
    endInsertRows();
}

void ScoreListModel::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= count() || column < 0 || column >= kColumns) return;
    m_rows.setCell(row, column, text);
    emit dataChanged(index(row, column), index(row, column));
}

void ScoreListModel::removeRowAt(int row) {
    if (row < 0 || row >= count()) return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

void ScoreListModel::clear() {
    replaceAll({});
}

void ScoreListModel::replaceAll(Rows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void ScoreListModel::setFirstHeader(const QString& name) {
    m_playerName = name;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

QString ScoreListModel::itemsText() const {
    return tr("%n Items", nullptr, count());
}

} // namespace vx

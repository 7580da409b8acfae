// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SelectedRow.h"

#include "ui/main/MainWindow.h"
#include "ui/main/ScoreListPanel.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace vx {

int firstSelectedRow(const MainWindow& main) {
    const QItemSelectionModel* selection = main.scoreListPanel()->table()->selectionModel();
    if (!selection) return -1;
    int first = -1;
    for (const QModelIndex& index : selection->selectedIndexes())
        if (first < 0 || index.row() < first) first = index.row();
    return first;
}

} // namespace vx

#include "review/SelectedRow.h"

#include "app/Main.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace vx {

int FirstSelectedRow(const Main& main) {
    const QItemSelectionModel* selection = main.ListView1->selectionModel();
    if (!selection) return -1;
    int first = -1;
    for (const QModelIndex& index : selection->selectedIndexes())
        if (first < 0 || index.row() < first) first = index.row();
    return first;
}

} // namespace vx

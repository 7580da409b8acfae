// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryImportRun.h"

#include "core/common/Services.h"
#include "core/history/HistoryImport.h"
#include "core/history/HistoryStore.h"
#include "ui/main/BackgroundWork.h"

#include <QCoreApplication>

namespace vx {

namespace {

// The store is opened on the thread that does the work: a connection stays on its thread.
HistoryImport Run(QWidget* parent, bool firstStart) {
    HistoryImport result;
    (void)runWithProgress(
        parent, QCoreApplication::translate("vx::HistoryImportRun", "Scorelijsten in de historie zetten…"),
        [&](const Progress& progress) {
            HistoryStore store(historyFilePath());
            if (!store.open()) {
                result.error = store.error();
                return;
            }
            if (firstStart && firstImportDone(store)) return;
            result = importScoreLists(store, [&](int done, int total) { return progress(done, total); });
            if (firstStart && result.error.isEmpty()) (void)markFirstImportDone(store);
        });
    return result;
}

} // namespace

void importHistory(QWidget* parent) {
    const HistoryImport result = Run(parent, false);
    if (!result.error.isEmpty())
        showMessage(
            QCoreApplication::translate("vx::HistoryImportRun", "De scorelijsten konden niet in de historie: %1")
                .arg(result.error));
    else if (result.cancelled)
        showMessage(QCoreApplication::translate(
            "vx::HistoryImportRun",
            "Het importeren is afgebroken; %n scorelijst(en) staan al in de historie.", nullptr,
            result.files));
    else
        showMessage(QCoreApplication::translate("vx::HistoryImportRun",
                                                "%n scorelijst(en) met %1 rijen in de historie gezet.",
                                                nullptr, result.files)
                        .arg(result.rows));
}

// Nothing is shown at the start: a history that cannot be written is told once by the recorder,
// and a message here would stand between the scorer and the evening. Not marked done, the import
// is tried again at the next start; the menu entry says why it fails.
void importHistoryAtFirstStart(QWidget* parent) {
    if (const HistoryImport result = Run(parent, true); !result.error.isEmpty())
        qWarning("The score lists could not be put into the history: %s", qUtf8Printable(result.error));
}

} // namespace vx

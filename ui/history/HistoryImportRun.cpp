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
        showMessage(result.error);
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

void importHistoryAtFirstStart(QWidget* parent) {
    if (const HistoryImport result = Run(parent, true); !result.error.isEmpty()) showMessage(result.error);
}

} // namespace vx

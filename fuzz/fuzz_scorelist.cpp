// SPDX-License-Identifier: GPL-3.0-or-later
// Score list files as anyone may have edited them: whatever a file holds, what is read from it
// can be saved and reads back as the same rows.
#include "FuzzSupport.h"

#include "core/common/Services.h"
#include "core/files/ScoreListFiles.h"

using vxfuzz::require;

// The lists are saved under Teams/ of a scratch home folder.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    vx::setFolders({QString(), vxfuzz::scratchDir()});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = vxfuzz::writeScratch(QStringLiteral("input.lib"), vxfuzz::bytes(data, size));
    vx::ScoreListModel read;
    const vx::FileResult result = vx::readScoreList(path, read);
    if (!result) {
        require(!result.error.isEmpty(), "a refused file comes with a reason");
        require(read.count() == 0, "a refused file leaves the list empty");
        return 0;
    }
    // A record whose first cell is empty or only blanks is skipped as a removed one.
    for (int r = 0; r < read.count(); ++r)
        require(read.cell(r, 0).count(u' ') != read.cell(r, 0).size(), "no row read has a blank first cell");

    const QString name = QStringLiteral("fuzz");
    require(bool(vx::saveDuoList(read, name)), "every list read can be saved");
    vx::ScoreListModel again;
    require(bool(vx::loadDuoList(again, name)), "a saved list can be read");
    require(again.count() == read.count(), "a saved list reads back with as many rows");
    for (int r = 0; r < read.count(); ++r)
        require(again.row(r) == read.row(r), "a saved list reads back with the same cells");
    return 0;
}

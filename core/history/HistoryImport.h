// SPDX-License-Identifier: GPL-3.0-or-later
// What was played before the history: the score list files of the home (every team's player
// files, every duo match file) put into the history as legs of turn totals, without darts.
//
// Each file is one match, known by its path under the home; each row of a player file is a leg
// of that player (its first cell the date and time the leg ended), each two rows of a duo file
// the two players' turns of one leg (dated by the file). Importing a file again replaces what
// an earlier import made of it, so importing twice is the same as once.
#pragma once

#include <QString>
#include <functional>

namespace vx {

class HistoryStore;

// A duo match file's legs, of a kind the file does not say; a team player's file is a team's.
inline const QString kMatchKindImported = QStringLiteral("lib");

struct HistoryImport {
    int files = 0; // imported
    int rows = 0;
    bool cancelled = false;
    QString error; // the first file that could not be imported, and why; the rest were not tried
};

// Rows done so far and rows in all; false cancels after the file in hand (files done stay).
using ImportProgress = std::function<bool(int done, int total)>;

HistoryImport importScoreLists(HistoryStore& store, const ImportProgress& progress = {});

// The import at the first start with a history happens once, kept in the history itself: a
// home opened with a new history file is asked again, one that had it is not.
bool firstImportDone(const HistoryStore& store);
bool markFirstImportDone(HistoryStore& store);

} // namespace vx

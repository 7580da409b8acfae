// The score list written as CSV for a spreadsheet, in the form a Dutch spreadsheet opens at a
// double click: UTF-8 with a byte-order mark, ";" between fields, CR LF after every line.
#pragma once

#include "core/files/ScoreListFiles.h"
#include "core/scorelist/ScoreList.h"

#include <QByteArray>
#include <QString>

namespace vx {

// The whole file: first the headers of all 28 columns as the grid shows them, then one line
// per row with its 28 cells as they stand. A field holding ";", a quote, a CR or an LF is put
// between quotes with its quotes doubled; every other field is written as it is.
QByteArray csvBytes(const ScoreListModel& list);

// Writes csvBytes to `path`. The file is written whole under another name and only then put in
// place, so a failure leaves nothing half-written and an old file as it was; the error then
// says in Dutch what went wrong.
FileResult exportCsv(const ScoreListModel& list, const QString& path);

} // namespace vx

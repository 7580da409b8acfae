// SPDX-License-Identifier: GPL-3.0-or-later
// The score list written as CSV for a spreadsheet, in the form a Dutch spreadsheet opens at a
// double click: UTF-8 with a byte-order mark, ";" between fields, CR LF after every line.
#pragma once

#include "core/files/ScoreListFiles.h"
#include "core/scorelist/ScoreList.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

// The whole file: first the headers of all 28 columns as the grid shows them, then one line
// per row with its 28 cells. A number after the first column (digits, an optional minus, one
// '.' or ',' between digits) is written with the decimal separator of the default locale
// at the time of the export, whichever one the cell holds. A text that begins with '=', '+',
// '-', '@', a tab or a CR gets a leading "'", except the lone "-" of an unused cell. A field
// holding ";", a quote, a CR or an LF is then put between quotes with its quotes doubled.
QByteArray csvBytes(const ScoreListModel& list);

// Writes csvBytes to `path`. The file is written whole under another name and only then put in
// place, so a failure leaves nothing half-written and an old file as it was; the error then
// says in Dutch what went wrong.
FileResult exportCsv(const ScoreListModel& list, const QString& path);

// Any other table by the same conventions: the first column text, the others numbers where
// they look like one. A failure says in Dutch that the table was not exported.
QByteArray csvBytes(const QStringList& headings, const QList<QStringList>& rows);
FileResult exportCsv(const QStringList& headings, const QList<QStringList>& rows, const QString& path);

} // namespace vx

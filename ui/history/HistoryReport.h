// SPDX-License-Identifier: GPL-3.0-or-later
// A view of the history window on paper, in the frame every landscape report shares: the title
// with its time, the notes, the picture of the view when it has one, its table (headings again
// on every page) and the footer.
#pragma once

#include "core/review/Reports.h"
#include "ui/history/HistoryTables.h"

#include <QImage>

namespace vx {

// A null picture leaves the whole width to the table.
PrintResult printFigureTable(PageSink& sink, const FigureTable& table, const QImage& picture,
                             const QString& footerText);

} // namespace vx

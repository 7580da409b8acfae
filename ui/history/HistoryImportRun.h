// SPDX-License-Identifier: GPL-3.0-or-later
// The score lists of the home put into the history off the window thread, with a bar and a
// cancel button on a large home.
#pragma once

class QWidget;

namespace vx {

// From the menu: what came of it is told.
void importHistory(QWidget* parent);
// At the first start with a history, once; a failure only on stderr. A cancel counts as done:
// the menu entry is there for the rest.
void importHistoryAtFirstStart(QWidget* parent);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The row of the score list the review windows open for: the first row of ListView1, from the
// top, that is selected.
#pragma once

namespace vx {

class MainWindow;

// 0-based, or -1 when no row is selected.
int firstSelectedRow(const MainWindow& main);

} // namespace vx

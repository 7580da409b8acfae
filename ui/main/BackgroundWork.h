// SPDX-License-Identifier: GPL-3.0-or-later
// Long file work (a score list of 50 MB) off the window thread, so that the window goes on
// painting while it runs.
#pragma once

#include "core/files/ScoreListFiles.h"

#include <QString>
#include <functional>

class QWidget;

namespace vx {

// Runs `work` on a thread of its own and waits for it while this thread goes on painting. Work
// done within a moment shows nothing; longer work shows a bar with a cancel button, which then
// takes all input, as nothing else does before it shows: the window and its list stay as they
// are for as long as the work runs. Answers whether the scorer cancelled, `work` having
// stopped at its next call of the progress it is given.
bool runWithProgress(QWidget* parent, const QString& label, const std::function<void(const Progress&)>& work);

} // namespace vx

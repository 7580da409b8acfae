// SPDX-License-Identifier: GPL-3.0-or-later
// The best of a few timed runs, in milliseconds: the run least disturbed by the rest of the
// machine, and not the first, which pays for loading fonts and files.
#pragma once

#include <QElapsedTimer>
#include <algorithm>

template <typename Work> double bestOf(int runs, Work&& work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

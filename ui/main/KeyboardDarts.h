// SPDX-License-Identifier: GPL-3.0-or-later
// Darts typed on the keyboard anywhere in the main window. Keys reach the dart scheme first,
// whichever control has the focus; a focused button therefore never sees a Space meant for a
// typed dart, and gets every other Space. Typed darts become presses of the board's own
// buttons, so a disabled button refuses them too.
#pragma once

#include "core/match/KeyboardEntry.h"

#include <QObject>

namespace vx {

class MainWindow;

class KeyboardDarts : public QObject {
  public:
    explicit KeyboardDarts(MainWindow& main);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void act(const KeyboardEntry::Step& step);

    MainWindow& m_main;
    KeyboardEntry m_entry;
    bool m_spaceIsMine = false;
};

} // namespace vx

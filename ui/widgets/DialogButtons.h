// SPDX-License-Identifier: GPL-3.0-or-later
// Enter and Escape on the program's dialogs. Their buttons are styled buttons, of which QDialog
// knows nothing: by itself it presses only a default QPushButton on Enter, and on Escape it
// closes without the cancelling button's own work (the start dialog's Exit ends the program).
#pragma once

class QDialog;

namespace vx {

class StyledButton;

// Enter (Return or the keypad's Enter) presses `confirm`, or the styled button that has the
// focus, as on any desktop; `confirm` shows the focused look while no other button has the
// focus. Escape presses `cancel`. Without a confirming button Enter does nothing; without a
// cancelling one Escape closes the dialog as QDialog does. A control that uses these keys itself
// (an open drop-down list) keeps them: only what it leaves reaches the dialog.
void setDialogButtons(QDialog& dialog, StyledButton* confirm, StyledButton* cancel);

} // namespace vx

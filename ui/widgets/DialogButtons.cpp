// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/DialogButtons.h"

#include "ui/widgets/StyledButton.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

namespace vx {

namespace {

// Watches the dialog itself: a key comes here only after the control with the focus has passed
// it on, so a control that gives Enter or Escape a meaning of its own keeps it.
class DialogKeys : public QObject {
  public:
    DialogKeys(QDialog& dialog, StyledButton* confirm, StyledButton* cancel)
        : QObject(&dialog), m_dialog(dialog), m_confirm(confirm), m_cancel(cancel) {
        dialog.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &m_dialog || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers != Qt::NoModifier) return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* focused = qobject_cast<StyledButton*>(m_dialog.focusWidget());
            StyledButton* button = focused ? focused : m_confirm.data();
            if (!button) return false;
            // A held Enter presses once: the repeats would answer the question the press
            // may have opened.
            if (!key->isAutoRepeat() && button->isEnabled() && button->isVisible()) button->click();
            return true;
        }
        case Qt::Key_Escape:
            if (!m_cancel) return false;
            if (!key->isAutoRepeat() && m_cancel->isEnabled()) m_cancel->click();
            return true;
        default:
            return false;
        }
    }

  private:
    QDialog& m_dialog;
    QPointer<StyledButton> m_confirm;
    QPointer<StyledButton> m_cancel;
};

} // namespace

void setDialogButtons(QDialog& dialog, StyledButton* confirm, StyledButton* cancel) {
    if (confirm) confirm->setDefault(true);
    new DialogKeys(dialog, confirm, cancel);
}

} // namespace vx

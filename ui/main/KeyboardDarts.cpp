// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/KeyboardDarts.h"

#include "ui/main/DartBoardPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TeamPanel.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QKeyEvent>

namespace vx {

KeyboardDarts::KeyboardDarts(MainWindow& main) : QObject(&main), m_main(main) {
    qApp->installEventFilter(this);
}

bool KeyboardDarts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &m_main) return false;
    // A dialog or message box over the main window has the keys to itself; so does the player
    // list while the scorer picks the next player.
    const QWidget* modal = QApplication::activeModalWidget();
    if ((modal && modal != &m_main) || m_main.teamPanel()->isOfferingPlayers()) return false;

    auto* key = static_cast<QKeyEvent*>(event);
    // A button clicks when Space is let go: the release goes where the press went.
    if (event->type() == QEvent::KeyRelease) return key->key() == Qt::Key_Space && m_spaceIsMine;

    const KeyboardEntry::Step step =
        m_entry.press(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
    if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
        m_spaceIsMine = step.action != KeyboardEntry::Action::NotMine;
    if (step.action == KeyboardEntry::Action::NotMine) return false;
    act(step);
    m_main.dartBoard()->showTyped(m_entry.typed(), m_entry.typedIsValid());
    return true;
}

void KeyboardDarts::act(const KeyboardEntry::Step& step) {
    DartBoardPanel& board = *m_main.dartBoard();
    switch (step.action) {
    case KeyboardEntry::Action::NotMine:
    case KeyboardEntry::Action::Nothing:
    case KeyboardEntry::Action::Typed:
        break;
    case KeyboardEntry::Action::Rejected:
        QApplication::beep();
        break;
    case KeyboardEntry::Action::EnterDart:
        board.dartButton(step.dart->dartCode)->click();
        break;
    case KeyboardEntry::Action::Book:
        if (step.dart) board.dartButton(step.dart->dartCode)->click();
        if (StyledButton* add = m_main.addButtonAtTheThrow()) add->click();
        break;
    case KeyboardEntry::Action::Correctie:
        board.correctionButton()->click();
        break;
    }
}

} // namespace vx

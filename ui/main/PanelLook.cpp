// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PanelLook.h"

#include "ui/widgets/FormLook.h"

#include <QLabel>
#include <QListWidget>

namespace vx {

QString indexedName(const QString& name, int index) {
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

void placeCaption(QLabel* label, const QString& text, int left, int top) {
    label->setText(text);
    placeTwips(label, left, top);
}

void showSpoken(QLabel* label, const QString& what, const QString& text) {
    if (label->text() != text) label->setText(text);
    // A changed name is what a screen reader is told about (QWidget sends the event).
    label->setAccessibleName(text.isEmpty() ? what : QStringLiteral("%1: %2").arg(what, text));
}

void scoreBox(QLabel* label, int pointSize) {
    label->setFont(QFont(QStringLiteral("Arial"), pointSize, QFont::Bold));
    label->setAlignment(Qt::AlignCenter);
}

void showTurns(QListWidget* list, const QList<int>& turns) {
    while (list->count() > turns.size())
        delete list->takeItem(list->count() - 1);
    for (int i = 0; i < turns.size(); ++i) {
        const QString text = QString::number(turns[i]);
        if (i == list->count())
            list->addItem(text);
        else if (list->item(i)->text() != text)
            list->item(i)->setText(text);
    }
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// What the panels of the main window share when they build and compose their controls.
#pragma once

#include <QString>

#include <QList>

class QLabel;
class QListWidget;
class QWidget;

namespace vx {

// A control under its historic object name, the name tests and outside scripts know it by.
template <class T> T* MakeControl(QWidget* parent, const QString& name) {
    auto* control = new T(parent);
    control->setObjectName(name);
    return control;
}

// The name of one control of a row of them: the row's name and the index in brackets.
QString indexedName(const QString& name, int index);

// A caption that sizes itself to its text, placed in twips.
void placeCaption(QLabel* label, const QString& text, int left, int top);

// A label whose text a screen reader should hear with what it is, "Dart 2: 60", and hear again
// whenever the text changes; an unchanged text costs nothing.
void showSpoken(QLabel* label, const QString& what, const QString& text);

// A label holding a number the scorer reads from a distance.
void scoreBox(QLabel* label, int pointSize);

// A turn list made to show `turns`, one entry per turn; only what differs is touched, so a
// dart that books nothing costs the list nothing.
void showTurns(QListWidget* list, const QList<int>& turns);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FormLook.h"

#include "core/common/Utilities.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QWidget>

namespace vx {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void placeTwips(QWidget* widget, int left, int top) {
    widget->adjustSize();
    widget->move(twipsToPixels(left), twipsToPixels(top));
}

void placeTwipsWidth(QWidget* widget, int left, int top, int width) {
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        widget->sizeHint().height());
}

void sizeTwips(QWidget* window, int width, int height) {
    window->setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void setBackColor(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) view->viewport()->setAutoFillBackground(true);
}

void setForeColor(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    pal.setColor(QPalette::ButtonText, colour);
    widget->setPalette(pal);
}

QPixmap ruledBackground(int widthPx, int heightPx, const QColor& colour, const QColor& line) {
    QPixmap pixmap(qMax(1, widthPx), qMax(1, heightPx));
    pixmap.fill(colour);
    QPainter painter(&pixmap);
    painter.setPen(line);
    // every 30 twips from the top, the last at the largest multiple not above the height
    for (int twips = 0; twipsToPixels(twips) < heightPx; twips += 30)
        painter.drawLine(0, twipsToPixels(twips), widthPx, twipsToPixels(twips));
    return pixmap;
}

void setBackgroundPixmap(QWidget* widget, const QPixmap& pixmap) {
    QPalette pal = widget->palette();
    pal.setBrush(QPalette::Window, QBrush(pixmap));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    placeTwips(label, left, top);
    return label;
}

QComboBox* makeEditableChoice(QWidget* parent, const QString& name, const QStringList& entries) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // What is typed is what counts: completed from the entries, a typed 100 would start a leg
    // at 1001 and a new file name would open another match's file.
    combo->setCompleter(nullptr);
    combo->addItems(entries);
    return combo;
}

QPixmap uiPicture(const QString& name) {
    return QPixmap(QStringLiteral(":/ui/") + name);
}

QStringList listEntries(const QListWidget* list) {
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FormLook.h"

#include "core/common/Utilities.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QWidget>

#include <array>
#include <cmath>

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

namespace {

constexpr std::array<QPalette::ColorRole, 3> kTextRoles = {QPalette::WindowText, QPalette::Text,
                                                           QPalette::ButtonText};

// The enabled text only: a disabled caption keeps the theme's grey, as it had before any colour.
void setEnabledText(QPalette& pal, const QColor& colour) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role : kTextRoles)
            pal.setColor(group, role, colour);
}

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& colour) {
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textColourOn(const QColor& background) {
    return contrastRatio(background, Qt::black) >= contrastRatio(background, Qt::white) ? QColor(Qt::black)
                                                                                        : QColor(Qt::white);
}

void setBackColor(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    setEnabledText(pal, textColourOn(colour));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
    if (auto* view = qobject_cast<QAbstractItemView*>(widget)) view->viewport()->setAutoFillBackground(true);
}

void setForeColor(QWidget* widget, const QColor& colour) {
    QPalette pal = widget->palette();
    for (const QPalette::ColorRole role : kTextRoles)
        pal.setColor(role, colour);
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
    // A smooth scale to one pixel averages the whole picture.
    const QImage average = pixmap.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!average.isNull()) setEnabledText(pal, textColourOn(average.pixelColor(0, 0)));
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

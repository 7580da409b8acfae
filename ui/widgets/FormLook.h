// SPDX-License-Identifier: GPL-3.0-or-later
// The few layout and look helpers every window shares: positions in twips, colours as the
// forms set them, the ruled dialog background and the pictures compiled into the program.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QWidget;

namespace vx {

void placeTwips(QWidget* widget, int left, int top, int width, int height);
// Places a widget that sizes itself to its contents (an auto-sized label).
void placeTwips(QWidget* widget, int left, int top);
// Places a widget whose width is laid out and whose height is its own (a drop-down list).
void placeTwipsWidth(QWidget* widget, int left, int top, int width);
// Sizes a top-level window's client area.
void sizeTwips(QWidget* window, int width, int height);

// A background also sets the text on it: black on a light one, as the forms were drawn on a
// light desktop, white on a dark one. Left to the desktop, a dark theme would put its white text
// on the form's pale yellow. A fore colour set after it wins; disabled text stays the theme's.
void setBackColor(QWidget* widget, const QColor& colour);
void setForeColor(QWidget* widget, const QColor& colour);

// The text colour that reads best on `background`: black or white.
QColor textColourOn(const QColor& background);
// WCAG's relative luminance (0 black to 1 white) and the contrast of two colours (1 to 21).
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

// A background of `colour` ruled with horizontal lines every 30 twips (2 pixels), as the
// dialogs are drawn.
QPixmap ruledBackground(int widthPx, int heightPx, const QColor& colour, const QColor& line);
// Sets the text colour as setBackColor does, for the picture's average colour.
void setBackgroundPixmap(QWidget* widget, const QPixmap& pixmap);

// The controls the dialogs build by the dozen: an auto-sized caption placed in twips, and an
// editable drop-down list whose typed text is read as typed, never completed from its entries
// nor added to them.
QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, int left, int top);
QComboBox* makeEditableChoice(QWidget* parent, const QString& name, const QStringList& entries);

// The texts of a list box, in order.
QStringList listEntries(const QListWidget* list);

// A picture compiled into the program; a null pixmap when it is missing.
QPixmap uiPicture(const QString& name);

} // namespace vx

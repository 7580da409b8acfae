// SPDX-License-Identifier: GPL-3.0-or-later
// Small shared helpers of the whole program: number reading and formatting, rounding,
// geometry units and the event-friendly pause.
#pragma once

#include <QString>
#include <QStringView>

namespace vx {

// Reads the number at the start of a text the lenient way: leading blanks skipped, an optional
// sign, digits with an optional '.' fraction; reading stops at the first character that cannot
// continue the number. A text without a leading number reads as 0.
double leadingNumber(QStringView text);

// Whole numbers the two ways the program needs them: half to the even neighbour (what integer
// conversion of a typed value does) and half away from zero (what "#0" formatting does).
qint64 roundHalfEven(double value);
qint64 roundHalfAway(double value);

// "#0.0" / "#0.00" style: at least one digit before the separator, exactly `decimals` after,
// halves rounded away from zero, the user's decimal separator, no grouping.
QString formatFixed(double value, int decimals);

// A number as a plain decimal with a blank where a positive sign would go (" 1", "-3"),
// the way numbers are printed.
QString numberWithSignBlank(qint64 value);

// Positions and sizes are laid out in twips; 15 twips are one pixel at 96 dpi.
int twipsToPixels(int twips);

// Waits the given time while the user interface keeps handling events. Measured on a
// monotonic clock, so a jump of the wall clock (midnight, daylight saving) changes nothing.
void pause(double seconds);

} // namespace vx

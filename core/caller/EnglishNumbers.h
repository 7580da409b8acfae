// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as an English caller says them, in British usage.
#pragma once

#include <QString>

namespace vx {

// The English words of 0 to 1001: tens and units joined by a hyphen ("twenty-one"), "and"
// before the last part below a hundred ("one hundred and eighty", "one thousand and one").
// Outside that range the digits, which a speech engine reads out as well.
QString englishNumber(int n);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as a Dutch caller says them, written the way Dutch spelling has them.
#pragma once

#include <QString>

namespace vx {

// The Dutch number word of 0 to 1001, as one word up to 999 ("tweeëndertig", "honderdeen",
// "vijfhonderdeenentwintig"); after "duizend" the rest is written apart ("duizend een").
// Outside that range the digits, which a speech engine reads out as well.
QString dutchNumber(int n);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Checkout advice that fits the darts still in hand. The checkout table gives three-dart routes;
// with fewer darts left its route is only shown when it can still be thrown, and otherwise a
// route for the darts left is worked out here.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vx {

// The route to show for `remaining` with `dartsLeft` darts in hand, in the table's own notation:
// darts separated by blanks, a single as its number ("20", "25" for the outer bull), "T20",
// "D20", and "Bull" for the bull's eye. Nothing when there is no advice: the window then shows
// its no-checkout text.
//
// - Three darts (or more): the table's route for the score, exactly as lookupCheckout gives it.
// - Two darts or one: the table's route when it needs no more darts than are left, adds up to
//   the score and ends on a double or the Bull. Otherwise the route is worked out, ending on a
//   double or the Bull as every route of the table does:
//     - the fewest darts first (a one-dart finish before a two-dart one);
//     - the last dart by preference D20, D16, D8, D18, D12, D10, then the other doubles from
//       D19 down to D1, the Bull last;
//     - the setup dart a single before a treble, a treble before a double, a double before
//       the Bull.
//   Nothing when no such route exists (an odd score with one dart, anything above 110 with two).
// - No dart left (zero or less): nothing.
std::optional<QString> checkoutAdvice(const QStringList& table, int remaining, int dartsLeft);

} // namespace vx

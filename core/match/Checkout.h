// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout suggestion for a remaining score, looked up in the table loaded from the
// checkout file (one entry per line: the score, a comma, the suggestion).
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace vx {

// Every entry is tried and the last one that matches wins. An entry matches when its first
// three characters read as a number equal the score; its suggestion is the text between the
// first and the second comma (or the end). An entry without any comma has no suggestion and
// is passed over. No value when nothing matches.
std::optional<QString> lookupCheckout(const QStringList& table, int score);

} // namespace vx

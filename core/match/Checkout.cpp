// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/Checkout.h"

#include "core/common/Utilities.h"

namespace vx {

std::optional<QString> lookupCheckout(const QStringList& table, int score) {
    std::optional<QString> found;
    for (const QString& entry : table) {
        if (leadingNumber(QStringView(entry).left(3)) != score) continue;
        const qsizetype firstComma = entry.indexOf(u',');
        if (firstComma < 0) continue;
        const qsizetype secondComma = entry.indexOf(u',', firstComma + 1);
        found = entry.mid(firstComma + 1, secondComma < 0 ? -1 : secondComma - firstComma - 1);
    }
    return found;
}

} // namespace vx

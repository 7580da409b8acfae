// SPDX-License-Identifier: GPL-3.0-or-later
// The checkout table as anyone may have edited it, asked for any score with any darts in hand:
// a suggestion comes from an entry for that score, and with fewer than three darts the advice
// is a finish that can be thrown, given whenever one exists.
#include "FuzzSupport.h"

#include "core/common/Utilities.h"
#include "core/files/TextFile.h"
#include "core/match/Checkout.h"
#include "core/match/CheckoutAdvice.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <optional>
#include <vector>

using vxfuzz::require;

namespace {

// Every dart a board offers, written as the table writes it.
struct Dart {
    QString text;
    int points;
    bool finishes; // a double or the Bull
};

struct Board {
    std::vector<Dart> darts;
    Board() {
        for (int s = 1; s <= 20; ++s) {
            darts.push_back({QString::number(s), s, false});
            darts.push_back({QStringLiteral("D%1").arg(s), 2 * s, true});
            darts.push_back({QStringLiteral("T%1").arg(s), 3 * s, false});
        }
        darts.push_back({QStringLiteral("25"), 25, false});
        darts.push_back({QStringLiteral("Bull"), 50, true});
    }
    const Dart* find(const QString& text) const {
        const auto it =
            std::find_if(darts.begin(), darts.end(), [&](const Dart& d) { return d.text == text; });
        return it == darts.end() ? nullptr : &*it;
    }
    // Whether `remaining` can be finished with at most `dartsLeft` (1 or 2) darts.
    bool finishable(int remaining, int dartsLeft) const {
        for (const Dart& last : darts) {
            if (!last.finishes) continue;
            if (last.points == remaining) return true;
            if (dartsLeft == 2)
                for (const Dart& setup : darts)
                    if (setup.points + last.points == remaining) return true;
        }
        return false;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Board board;
    FuzzedDataProvider input(data, size);
    const int remaining = input.ConsumeIntegralInRange(-200, 1200);
    const int dartsLeft = input.ConsumeIntegralInRange(-1, 4);
    const std::vector<uint8_t> tableBytes = input.ConsumeRemainingBytes<uint8_t>();
    const QStringList table =
        vx::splitLines(vx::decodeCp1252(vxfuzz::bytes(tableBytes.data(), tableBytes.size())));

    const std::optional<QString> suggestion = vx::lookupCheckout(table, remaining);
    if (suggestion) {
        require(!suggestion->contains(u','), "a suggestion ends at a comma");
        const bool fromEntry = std::any_of(table.begin(), table.end(), [&](const QString& entry) {
            const qsizetype comma = entry.indexOf(u',');
            return vx::leadingNumber(QStringView(entry).left(3)) == remaining && comma >= 0 &&
                   QStringView(entry).mid(comma + 1).startsWith(*suggestion);
        });
        require(fromEntry, "a suggestion comes from an entry for the score");
    }

    const std::optional<QString> advice = vx::checkoutAdvice(table, remaining, dartsLeft);
    if (dartsLeft < 1) {
        require(!advice, "no advice without a dart in hand");
    } else if (dartsLeft >= 3) {
        require(advice == suggestion, "with three darts the advice is the table's");
    } else {
        require(advice.has_value() == board.finishable(remaining, dartsLeft),
                "with fewer darts there is advice exactly when a finish exists");
        if (advice) {
            const QStringList darts = advice->split(u' ', Qt::SkipEmptyParts);
            require(!darts.isEmpty(), "the advice names at least one dart");
            int sum = 0;
            const Dart* dart = nullptr;
            for (const QString& text : darts) {
                dart = board.find(text);
                require(dart != nullptr, "the advice names darts of the board");
                sum += dart->points;
            }
            require(darts.size() <= dartsLeft && sum == remaining && dart->finishes,
                    "the advice finishes the score with the darts in hand");
        }
    }
    return 0;
}

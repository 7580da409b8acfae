// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/CheckoutAdvice.h"

#include "core/match/Checkout.h"

#include <array>

namespace vx {

namespace {

// The finishing darts by half their points, most wanted first; 25 stands for the Bull, which
// scores 50 as a double 25 would. First the doubles players practise most: D16 and D8 still
// leave a double when the dart drops into the single (16 left: D8, 8 left: D4).
constexpr std::array<int, 21> kFinishPreference{20, 16, 8, 18, 12, 10, 19, 17, 15, 14, 13,
                                                11, 9,  7, 6,  5,  4,  3,  2,  1,  25};

QString FinishText(int half) {
    return half == 25 ? QStringLiteral("Bull") : QStringLiteral("D%1").arg(half);
}

// The dart that sets up the finish: a single is the easiest to hit, then a treble, a double,
// the Bull.
std::optional<QString> SetupText(int points) {
    if ((points >= 1 && points <= 20) || points == 25) return QString::number(points);
    if (points >= 3 && points <= 60 && points % 3 == 0) return QStringLiteral("T%1").arg(points / 3);
    if (points >= 2 && points <= 40 && points % 2 == 0) return QStringLiteral("D%1").arg(points / 2);
    if (points == 50) return QStringLiteral("Bull");
    return std::nullopt;
}

struct Dart {
    int points = 0;
    bool finishes = false; // a double or the Bull
};

// One dart of a route in the table's notation; nothing for any other text.
std::optional<Dart> ParseDart(QStringView token) {
    if (token == u"Bull") return Dart{50, true};
    int multiplier = 1;
    if (token.startsWith(u'T') || token.startsWith(u'D')) {
        multiplier = token.startsWith(u'T') ? 3 : 2;
        token = token.mid(1);
    }
    bool ok = false;
    const int segment = token.toInt(&ok);
    // Only the plain way of writing the number: no sign, blank or leading zero.
    if (!ok || token != QString::number(segment)) return std::nullopt;
    if (segment >= 1 && segment <= 20) return Dart{segment * multiplier, multiplier == 2};
    if (segment == 25 && multiplier == 1) return Dart{25, false};
    return std::nullopt;
}

// Whether the route can still be thrown: no more darts than are left, adding up to the
// score, the last one a double or the Bull.
bool Fits(const QString& route, int remaining, int dartsLeft) {
    const QStringList tokens = route.split(u' ', Qt::SkipEmptyParts);
    if (tokens.isEmpty() || tokens.size() > dartsLeft) return false;
    int sum = 0;
    bool finishes = false;
    for (const QString& token : tokens) {
        const std::optional<Dart> dart = ParseDart(token);
        if (!dart) return false;
        sum += dart->points;
        finishes = dart->finishes;
    }
    return sum == remaining && finishes;
}

std::optional<QString> WorkedOutRoute(int remaining, int dartsLeft) {
    // Nothing finishes below a D1; checking it first also keeps `remaining - 2 * half` in range.
    if (remaining < 2) return std::nullopt;
    for (int half : kFinishPreference)
        if (2 * half == remaining) return FinishText(half);
    if (dartsLeft < 2) return std::nullopt;
    for (int half : kFinishPreference)
        if (const std::optional<QString> setup = SetupText(remaining - 2 * half))
            return *setup + u' ' + FinishText(half);
    return std::nullopt;
}

} // namespace

std::optional<QString> checkoutAdvice(const QStringList& table, int remaining, int dartsLeft) {
    if (dartsLeft < 1) return std::nullopt;
    const std::optional<QString> route = lookupCheckout(table, remaining);
    if (dartsLeft >= 3) return route;
    if (route && Fits(*route, remaining, dartsLeft)) return route;
    return WorkedOutRoute(remaining, dartsLeft);
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/caller/EnglishNumbers.h"

#include <QStringList>

namespace vx {

namespace {

const QStringList kUnits = {
    QStringLiteral("zero"),     QStringLiteral("one"),      QStringLiteral("two"),
    QStringLiteral("three"),    QStringLiteral("four"),     QStringLiteral("five"),
    QStringLiteral("six"),      QStringLiteral("seven"),    QStringLiteral("eight"),
    QStringLiteral("nine"),     QStringLiteral("ten"),      QStringLiteral("eleven"),
    QStringLiteral("twelve"),   QStringLiteral("thirteen"), QStringLiteral("fourteen"),
    QStringLiteral("fifteen"),  QStringLiteral("sixteen"),  QStringLiteral("seventeen"),
    QStringLiteral("eighteen"), QStringLiteral("nineteen")};
const QStringList kTens = {QString(),
                           QString(),
                           QStringLiteral("twenty"),
                           QStringLiteral("thirty"),
                           QStringLiteral("forty"),
                           QStringLiteral("fifty"),
                           QStringLiteral("sixty"),
                           QStringLiteral("seventy"),
                           QStringLiteral("eighty"),
                           QStringLiteral("ninety")};

// 1 to 99.
QString BelowHundred(int n) {
    if (n < 20) return kUnits[n];
    return n % 10 ? kTens[n / 10] + u'-' + kUnits[n % 10] : kTens[n / 10];
}

// 1 to 999.
QString BelowThousand(int n) {
    if (n < 100) return BelowHundred(n);
    const QString hundreds = kUnits[n / 100] + QStringLiteral(" hundred");
    return n % 100 ? hundreds + QStringLiteral(" and ") + BelowHundred(n % 100) : hundreds;
}

} // namespace

QString englishNumber(int n) {
    if (n < 0 || n > 1001) return QString::number(n);
    if (n == 0) return kUnits[0];
    if (n < 1000) return BelowThousand(n);
    const QString thousand = QStringLiteral("one thousand");
    return n == 1000 ? thousand : thousand + QStringLiteral(" and ") + BelowThousand(n - 1000);
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/caller/DutchNumbers.h"

#include <QStringList>

namespace vx {

namespace {

const QStringList kUnits = {
    QStringLiteral("nul"),      QStringLiteral("een"),      QStringLiteral("twee"),
    QStringLiteral("drie"),     QStringLiteral("vier"),     QStringLiteral("vijf"),
    QStringLiteral("zes"),      QStringLiteral("zeven"),    QStringLiteral("acht"),
    QStringLiteral("negen"),    QStringLiteral("tien"),     QStringLiteral("elf"),
    QStringLiteral("twaalf"),   QStringLiteral("dertien"),  QStringLiteral("veertien"),
    QStringLiteral("vijftien"), QStringLiteral("zestien"),  QStringLiteral("zeventien"),
    QStringLiteral("achttien"), QStringLiteral("negentien")};
const QStringList kTens = {QString(),
                           QString(),
                           QStringLiteral("twintig"),
                           QStringLiteral("dertig"),
                           QStringLiteral("veertig"),
                           QStringLiteral("vijftig"),
                           QStringLiteral("zestig"),
                           QStringLiteral("zeventig"),
                           QStringLiteral("tachtig"),
                           QStringLiteral("negentig")};

// 1 to 99.
QString BelowHundred(int n) {
    if (n < 20) return kUnits[n];
    if (n % 10 == 0) return kTens[n / 10];
    const QString& unit = kUnits[n % 10];
    // "en" after a unit ending in e would read as one long e: the trema splits it (twee-en).
    return unit + (unit.endsWith(u'e') ? QStringLiteral("ën") : QStringLiteral("en")) + kTens[n / 10];
}

// 1 to 999.
QString BelowThousand(int n) {
    if (n < 100) return BelowHundred(n);
    const int hundreds = n / 100;
    QString word = (hundreds == 1 ? QString() : BelowHundred(hundreds)) + QStringLiteral("honderd");
    if (n % 100) word += BelowHundred(n % 100);
    return word;
}

} // namespace

QString dutchNumber(int n) {
    if (n < 0 || n > 1001) return QString::number(n);
    if (n == 0) return kUnits[0];
    if (n < 1000) return BelowThousand(n);
    const QString thousand = QStringLiteral("duizend");
    return n == 1000 ? thousand : thousand + u' ' + BelowThousand(n - 1000);
}

} // namespace vx

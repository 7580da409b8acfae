// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QThread>
#include <cmath>

namespace vx {

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double value = 0;
    bool any = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - u'0');
        any = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10;
            any = true;
            ++i;
        }
    }
    if (!any || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

qint64 roundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<qint64>(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

qint64 roundHalfAway(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<qint64>(std::round(value));
}

QString formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0;
    const double scale = std::pow(10.0, decimals);
    // Round on the decimal digits a person sees: 33.45 typed as a double is 33.4499..., and
    // the small nudge keeps it from dropping a half that is really there.
    double scaled = value * scale;
    scaled = std::round(scaled + (scaled >= 0 ? 1e-9 : -1e-9));
    const double rounded = scaled / scale;
    QString text = QString::number(std::fabs(rounded), 'f', decimals);
    if (rounded < 0 && scaled != 0) text.prepend(u'-');
    const QString separator = QLocale().decimalPoint();
    if (decimals > 0 && separator != QStringLiteral(".")) text.replace(u'.', separator);
    return text;
}

QString numberWithSignBlank(qint64 value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

void pause(double seconds) {
    QElapsedTimer timer;
    timer.start();
    const qint64 wanted = static_cast<qint64>(seconds * 1000.0);
    while (timer.elapsed() < wanted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (timer.elapsed() < wanted) QThread::msleep(1);
    }
}

} // namespace vx

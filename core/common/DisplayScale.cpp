// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/DisplayScale.h"

#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace vx {

namespace {

double gFactorInForce = 1.0;

// The main window's outer size at factor 1, 17200 x 9780 twips.
QSize MainWindowSize() {
    return {twipsToPixels(17200), twipsToPixels(9780)};
}

} // namespace

QList<DisplayScale> displayScales() {
    return {DisplayScale::Percent100, DisplayScale::Percent125, DisplayScale::Percent150, DisplayScale::Percent200,
            DisplayScale::Fit};
}

QString displayScaleCode(DisplayScale scale) {
    switch (scale) {
    case DisplayScale::Percent100:
        return QStringLiteral("100");
    case DisplayScale::Percent125:
        return QStringLiteral("125");
    case DisplayScale::Percent150:
        return QStringLiteral("150");
    case DisplayScale::Percent200:
        return QStringLiteral("200");
    case DisplayScale::Fit:
        break;
    }
    return QStringLiteral("fit");
}

std::optional<DisplayScale> displayScaleFromCode(const QString& code) {
    for (DisplayScale scale : displayScales())
        if (displayScaleCode(scale) == code) return scale;
    return std::nullopt;
}

QString displayScaleName(DisplayScale scale) {
    if (scale == DisplayScale::Fit) return QCoreApplication::translate("vx::DisplayScale", "Passend");
    return displayScaleCode(scale) + QStringLiteral(" %");
}

double scaleFactor(DisplayScale scale, double fitted) {
    return scale == DisplayScale::Fit ? fitted : displayScaleCode(scale).toInt() / 100.0;
}

double fitFactor(QSize window, QSize room) {
    if (window.isEmpty() || room.isEmpty()) return 1.0;
    const double ratio = std::min(double(room.width()) / window.width(), double(room.height()) / window.height());
    // A hair over a step still counts as the step: the division need not come out exact.
    return std::max(0.5, std::floor(ratio * 20 + 1e-9) / 20);
}

double fitFactorOn(const QScreen& screen) {
    const QSize room = screen.availableGeometry().size() * scaleFactorInForce();
    return fitFactor(MainWindowSize(), room);
}

void applyScaleFactor(double factor) {
    if (factor != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
    // At 100 % a factor the desktop asked for stays, and is what the screen is measured by.
    bool set = false;
    const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    gFactorInForce = set && desktop > 0 ? desktop : 1.0;
}

double scaleFactorInForce() {
    return gFactorInForce;
}

} // namespace vx

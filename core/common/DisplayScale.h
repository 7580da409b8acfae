// SPDX-License-Identifier: GPL-3.0-or-later
// Large print: every window of the program drawn larger as a whole, board, panels, texts and
// pictures together, so that every proportion of the layout stays. Qt's own scale factor does
// this; it is read once, when the application object is made, so a choice takes effect at the
// next start (or for one run with --scale).
#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <optional>

class QScreen;

namespace vx {

// Fit: the largest scale at which the main window fits the screen it is on.
enum class DisplayScale { Percent100, Percent125, Percent150, Percent200, Fit };

// In the order a chooser lists them.
QList<DisplayScale> displayScales();
// The code on the command line and in the options file: "100", "125", "150", "200", "fit".
QString displayScaleCode(DisplayScale scale);
std::optional<DisplayScale> displayScaleFromCode(const QString& code);
// "100 %" ... and "Passend", in the language in force.
QString displayScaleName(DisplayScale scale);

// The factor of a choice; Fit has the factor `fitted` measured on the screen.
double scaleFactor(DisplayScale scale, double fitted);
// The largest factor, in whole steps of 5 %, at which a window of `window` pixels at factor 1
// fits into `room` pixels; never below 50 %, where the 8-point texts can no longer be read.
double fitFactor(QSize window, QSize room);
// The fit factor on `screen`, whatever factor this run has: its room in device pixels.
double fitFactorOn(const QScreen& screen);

// Puts `factor` in force for the application object about to be made. A factor of 1 leaves
// the environment as the desktop set it.
void applyScaleFactor(double factor);
// The factor this run was started with, 1 unless applyScaleFactor set another.
double scaleFactorInForce();

} // namespace vx

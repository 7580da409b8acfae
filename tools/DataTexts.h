// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the delivered data files, kept here so that the files and the pictures that
// show them (the checkout chart, the print previews) come from one source.
#pragma once

#include <QStringList>

namespace vxtools {

// Data/Uitgooiscore.lib: "score,darts", scores ascending.
QStringList CheckoutLines();

// Data/Help.lib: the lines of the help page. The blank lines keep the bands free where the
// help page shows its five illustrations.
QStringList HelpLines();
// Data/Help-en.lib: the same page in English, shown and printed when English is in force.
QStringList EnglishHelpLines();

} // namespace vxtools

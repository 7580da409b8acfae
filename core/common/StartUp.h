// SPDX-License-Identifier: GPL-3.0-or-later
// The program's first steps: reading the command line, before any window system is touched, and
// putting the chosen language in force.
#pragma once

#include "core/common/DisplayScale.h"
#include "core/common/Language.h"

#include <QString>
#include <QStringList>

namespace vx {

struct StartOptions {
    bool run = true;                  // false: the program ends at once with exitCode
    int exitCode = 0;                 // 0 after --version, 2 after a wrong option or word
    bool help = false;                // --help: the run only prints helpText()
    QString homeDir;                  // --home, empty when not given
    std::optional<Language> language; // --lang, for this run only
    std::optional<DisplayScale> scale; // --scale, for this run only
};

// Which of Qt's options (-platform, -style, -geometry, -nograb, ...) there are, and which take a
// value, only the application object knows, once made for its platform.
enum class QtOptions {
    Pending, // not yet made: a single-dash word that is not ours is Qt's, with its value
    Taken,   // made, and it took its own out of the arguments: whatever is left is refused
};

// Reads the program's options from `arguments` (the program's name first). --version prints to
// stdout, a wrong option or a word that is no option a short usage to stderr; none of them needs
// a display, so they answer on a terminal without one.
StartOptions readCommandLine(const QStringList& arguments, QtOptions qt = QtOptions::Pending);

// What --help prints for `program`: the usage, the options and the folders in force (folders()),
// in the language in force.
QString helpText(const QString& program);

// Loads Qt's Dutch translation, so its file dialog and standard buttons speak Dutch like the
// rest of the program; false when the translation files are not installed.
bool installQtTranslations();

// Puts `language` in force: uiLanguage() answers it and the translators of the program's texts
// are installed (in English the program's own translation, Qt's dialogs keeping their English;
// in Dutch Qt's Dutch translation). Windows made before keep their texts. False when a
// translation could not be loaded; the language is in force all the same.
bool applyLanguage(Language language);

} // namespace vx

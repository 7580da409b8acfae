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
    int exitCode = 0;                 // 0 after --help or --version, 2 after a wrong option or word
    QString homeDir;                  // --home, empty when not given
    std::optional<Language> language; // --lang, for this run only
    std::optional<DisplayScale> scale; // --scale, for this run only
};

// Reads the program's options from `arguments` (the program's name first). --help and --version
// print to stdout, a wrong option or a word that is no option a short usage to stderr; none of them needs a
// display, so they answer on a terminal without one. Qt's own options (-platform, -style, ...) pass
// untouched.
StartOptions readCommandLine(const QStringList& arguments);

// Loads Qt's Dutch translation, so its file dialog and standard buttons speak Dutch like the
// rest of the program; false when the translation files are not installed.
bool installQtTranslations();

// Puts `language` in force: uiLanguage() answers it and the translators of the program's texts
// are installed (in English the program's own translation, Qt's dialogs keeping their English;
// in Dutch Qt's Dutch translation). Windows made before keep their texts. False when a
// translation could not be loaded; the language is in force all the same.
bool applyLanguage(Language language);

} // namespace vx

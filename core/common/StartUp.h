// The program's first steps: reading the command line, before any window system is touched, and
// giving Qt's own dialogs their Dutch texts.
#pragma once

#include <QString>
#include <QStringList>

namespace vx {

struct StartOptions {
    bool run = true;  // false: the program ends at once with exitCode
    int exitCode = 0; // 0 after --help or --version, 2 after a wrong option
    QString homeDir;  // --home, empty when not given
};

// Reads the program's options from `arguments` (the program's name first). --help and --version
// print to stdout, a wrong option a short usage to stderr; none of them needs a display, so they
// answer on a terminal without one. Qt's own options (-platform, -style, ...) pass untouched.
StartOptions readCommandLine(const QStringList& arguments);

// Loads Qt's Dutch translation, so its file dialog and standard buttons speak Dutch like the
// rest of the program; false when the translation files are not installed.
bool installQtTranslations();

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The replaceable services of the program: every message box, question and input box goes
// through Prompts; every date and time through Clock; every file location through Folders.
// Tests install their own prompts and clock and always run in a fresh home folder.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace vx {

inline const QString kAppTitle = QStringLiteral("Vorlentix");

class Prompts {
  public:
    virtual ~Prompts() = default;
    // A plain message with only an OK button.
    virtual void message(const QString& text, const QString& title) = 0;
    // A Yes/No question; true means Yes.
    virtual bool question(const QString& text, const QString& title) = 0;
    // An input box; no value when it was cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText) = 0;
};

// The prompt service in force. Until one is installed, messages are dropped and questions
// answered No, so code without windows never blocks.
Prompts& prompts();
void setPrompts(Prompts* service); // not owned; nullptr restores the silent default

// Shorthand for the most common case: a message under the program's title.
void showMessage(const QString& text);

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

const Clock& clock();
void setClock(const Clock* source); // not owned; nullptr restores the system clock

// Where the program's files live. Data/ holds the delivered read-only files; the home folder
// holds the user's own files, Teams/ and the recovery file; the settings folder holds
// Vorlentix.ini and the options file beside it. A portable home keeps everything in one folder,
// and so does a Folders whose settingsDir is left empty.
struct Folders {
    QString dataDir;
    QString homeDir;
    QString settingsDir = {};

    QString dataFile(const QString& name) const;
    QString teamsDir() const;
    QString settingsFolder() const;
    QString settingsFile() const;
};

// Where the files of a program started from `exeDir` live. Data/ beside the executable, or the
// installed data folder (<prefix>/share/vorlentix/Data) for an installed program. The user's
// files are all in `homeOverride` when given, else all beside the executable when Vorlentix.ini
// or Teams/ is already there (a portable copy), else in the user's folders: the settings in
// vorlentix/ of the configuration folder, the rest in vorlentix/ of the data folder (XDG). Only
// computed: nothing is created or moved, so --help can name them without side effects.
Folders foldersForExecutable(const QString& exeDir, const QString& homeOverride);

// The folders of the package made before the user's folders were split, where its files are
// taken from: vorlentix's data folder named twice, after the organisation and the application.
QString earlierPackageFolder();

// Makes the folders of a run and, in the user's folders, takes over what the earlier package
// left in earlierPackageFolder(): each file is moved once to its new place unless a file of that
// name is already there, which is never written over. Nothing is deleted: what could not be
// moved stays where it was. Returns the files left behind, so the run can say so.
QStringList prepareFolders(const Folders& where);

const Folders& folders();
void setFolders(const Folders& where);

} // namespace vx

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
// holds Teams/ and Vorlentix.ini, the user's own files.
struct Folders {
    QString dataDir;
    QString homeDir;

    QString dataFile(const QString& name) const;
    QString teamsDir() const;
    QString settingsFile() const;
};

// Where the files of a program started from `exeDir` live. Data/ beside the executable, or the
// installed data folder (<prefix>/share/vorlentix/Data) for an installed program. The home
// folder is `homeOverride` when given, else the executable's folder while the program can write
// there and is not installed, else the user's own data folder. The home folder is created.
Folders foldersForExecutable(const QString& exeDir, const QString& homeOverride);

const Folders& folders();
void setFolders(const Folders& where);

} // namespace vx

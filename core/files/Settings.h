// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file Vorlentix.ini: three quoted values, one a line, Windows-1252, CR LF.
// Line 1 is a title, line 2 a rule of hyphens, line 3 the footer text of the printed pages.
#pragma once

#include "core/common/DisplayScale.h"
#include "core/common/Language.h"
#include "core/history/ClubServer.h"

#include <QString>
#include <optional>

namespace vx {

// What the settings file held at start-up. Only a file that is there but cannot be read is
// kept from being written over: it may well hold the club's footer. A missing file, and one
// read whole that holds fewer than three values or a footer that could not be written back
// whole (see below), is incomplete and may be replaced by the default.
struct SettingsFile {
    enum class State { Read, Missing, Incomplete, Unreadable };
    State state = State::Missing;
    QString footer; // when Read
};
SettingsFile readSettings(const QString& path);

// The footer text from the file, or nothing when it was not Read.
std::optional<QString> readSettingsFooter(const QString& path);

// Writes the settings file. False when it could not be written; the old file is then kept and
// `error` says why, in Dutch.
bool writeSettings(const QString& path, const QString& footerText, QString* error = nullptr);

// The quoted convention has no escape for a double quote, and the file holds one byte per
// character in one line: a footer text is storable only without quotes, line breaks and
// characters outside Windows-1252. Texts that are not are refused where they are typed.
bool isStorableFooter(const QString& text);

// Choices older copies of the program do not know are kept in a file of their own beside it,
// "Vorlentix-opties.ini" in the settings folder (Qt's INI format), so that the three lines above
// stay exactly as those copies read and write them. A write that fails keeps the old file and
// says why in `error`, in Dutch.
QString optionsFilePath();
// The caller, off unless switched on.
bool readCallerOn();
bool writeCallerOn(bool on, QString* error = nullptr);
// The language chosen in the settings, Dutch unless another was chosen (or the file holds a
// code this copy does not know).
Language readLanguage();
bool writeLanguage(Language language, QString* error = nullptr);
// The scale chosen in the settings, 100 % unless another was chosen.
DisplayScale readDisplayScale();
bool writeDisplayScale(DisplayScale scale, QString* error = nullptr);
// The factor last measured for "Passend", 1 before any was.
double readFittedFactor();
bool writeFittedFactor(double factor, QString* error = nullptr);

// Where the history goes besides the board's own file: nowhere ("Deze computer", the default)
// or a club server. The server's fields are kept while it is off, for the next time it is on.
struct HistoryPlace {
    bool club = false;
    ClubSettings server;
    bool operator==(const HistoryPlace&) const = default;
};
HistoryPlace readHistoryPlace();
bool writeHistoryPlace(const HistoryPlace& place, QString* error = nullptr);

// The files the program asks a place for, each remembering its own folder.
enum class SavedFile { Pdf, Csv };
// The folder its file dialog opens in: the one last used while it is still there, else the
// user's Documents folder (or the user's own folder when there is none).
QString startFolder(SavedFile kind);
// Remembers the folder of `chosenFile` for the next dialog. Only a convenience: a folder that
// cannot be kept is not remembered, without a word.
void rememberFolder(SavedFile kind, const QString& chosenFile);

} // namespace vx

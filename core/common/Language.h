// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks in this run. Dutch is the program's own language: its texts
// are written in Dutch and English comes from a translation. Everything that depends on the
// language (the translators, the help text, the caller's words, the voice) asks uiLanguage().
#pragma once

#include <QString>
#include <optional>

namespace vx {

enum class Language { Dutch, English };

Language uiLanguage();
void setUiLanguage(Language language);

// The code a language is given by on the command line and in the options file: "nl", "en".
QString languageCode(Language language);
std::optional<Language> languageFromCode(const QString& code);

// The name of a language in that language itself, as a chooser lists it: "Nederlands",
// "English". Never translated: a reader looks for their own language's name.
QString languageName(Language language);

// The data file of the language in force: in English "Help-en.lib" for "Help.lib", the
// Dutch file's name with "-en" before its extension.
QString dataFileInUiLanguage(const QString& dutchName);

} // namespace vx

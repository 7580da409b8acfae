// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Language.h"

namespace vx {

namespace {
Language gLanguage = Language::Dutch;
}

Language uiLanguage() {
    return gLanguage;
}

void setUiLanguage(Language language) {
    gLanguage = language;
}

QString languageCode(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("nl");
}

std::optional<Language> languageFromCode(const QString& code) {
    for (Language language : {Language::Dutch, Language::English})
        if (code == languageCode(language)) return language;
    return std::nullopt;
}

QString languageName(Language language) {
    return language == Language::English ? QStringLiteral("English") : QStringLiteral("Nederlands");
}

QString dataFileInUiLanguage(const QString& dutchName) {
    if (uiLanguage() == Language::Dutch) return dutchName;
    const qsizetype dot = dutchName.lastIndexOf(u'.');
    return dot < 0 ? dutchName + QStringLiteral("-en") : dutchName.left(dot) + QStringLiteral("-en") + dutchName.mid(dot);
}

} // namespace vx

#include "core/files/Settings.h"

#include "core/common/Services.h"
#include "core/files/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

namespace vx {

namespace {

// Reads the comma-delimited values of the text: blanks before a value are skipped; a value
// that begins with a double quote runs to the next double quote (the rest up to the next
// comma or line end is dropped); an unquoted value runs to the next comma or line end.
QStringList DelimitedValues(const QString& text, int wanted) {
    QStringList values;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto atEnd = [&](qsizetype k) { return k >= n; };
    while (!atEnd(i) && values.size() < wanted) {
        while (!atEnd(i) && text[i] == u' ')
            ++i;
        if (atEnd(i)) break;
        QString value;
        if (text[i] == u'"') {
            const qsizetype close = text.indexOf(u'"', i + 1);
            const qsizetype stop = close < 0 ? n : close;
            value = text.mid(i + 1, stop - i - 1);
            i = stop < n ? stop + 1 : n;
            while (!atEnd(i) && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
                ++i;
        } else {
            const qsizetype start = i;
            while (!atEnd(i) && text[i] != u',' && text[i] != u'\r' && text[i] != u'\n')
                ++i;
            value = text.mid(start, i - start).trimmed();
        }
        values.append(value);
        if (!atEnd(i)) {
            if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            ++i;
        }
    }
    return values;
}

} // namespace

SettingsFile readSettings(const QString& path) {
    using State = SettingsFile::State;
    QFile file(path);
    if (!file.exists()) return {State::Missing, {}};
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) return {State::Unreadable, {}};
    // Read whole, as every file of the program is: a footer longer than any fixed share of the
    // file would come back cut short and be written back so at shutdown.
    const QStringList values = DelimitedValues(decodeCp1252(bytes), 3);
    if (values.size() < 3 || !isStorableFooter(values[2])) return {State::Incomplete, {}};
    return {State::Read, values[2]};
}

std::optional<QString> readSettingsFooter(const QString& path) {
    const SettingsFile read = readSettings(path);
    if (read.state != SettingsFile::State::Read) return std::nullopt;
    return read.footer;
}

bool writeSettings(const QString& path, const QString& footerText, QString* error) {
    if (!isStorableFooter(footerText)) {
        if (error)
            *error = QCoreApplication::translate(
                "vx::Settings", "de tekst onderaan de afdrukpagina's kan niet worden bewaard");
        return false;
    }
    const QStringList lines = {QStringLiteral("\"Vorlentix\""),
                               QStringLiteral("\"%1\"").arg(QString(26, u'-')),
                               QStringLiteral("\"%1\"").arg(footerText)};
    return writeTextLinesAtomic(path, lines, error);
}

bool isStorableFooter(const QString& text) {
    return !text.contains(u'"') && fitsTextLine(text);
}

namespace {
const QString kCallerKey = QStringLiteral("Caller/aan");
const QString kLanguageKey = QStringLiteral("Opties/taal");
} // namespace

QString optionsFilePath() {
    return QDir(folders().homeDir).filePath(QStringLiteral("Vorlentix-opties.ini"));
}

bool readCallerOn() {
    return QSettings(optionsFilePath(), QSettings::IniFormat).value(kCallerKey, false).toBool();
}

void writeCallerOn(bool on) {
    QSettings(optionsFilePath(), QSettings::IniFormat).setValue(kCallerKey, on);
}

Language readLanguage() {
    const QString code = QSettings(optionsFilePath(), QSettings::IniFormat).value(kLanguageKey).toString();
    return languageFromCode(code).value_or(Language::Dutch);
}

void writeLanguage(Language language) {
    QSettings(optionsFilePath(), QSettings::IniFormat).setValue(kLanguageKey, languageCode(language));
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Settings.h"

#include "core/common/Services.h"
#include "core/files/FileReason.h"
#include "core/files/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

// The options file in Qt's INI format, read and changed here line by line: a changed value
// goes through writeFileAtomic like every other file, and what this copy does not know (keys
// of a newer copy) stays as it was.
struct IniKey {
    QByteArrayView group;
    QByteArrayView name;
};
const IniKey kCallerKey{"Caller", "aan"};
const IniKey kLanguageKey{"Opties", "taal"};
IniKey FolderKey(SavedFile kind) {
    return {"Mappen", kind == SavedFile::Pdf ? "pdf" : "csv"};
}
const IniKey kScaleKey{"Opties", "weergave"};
const IniKey kFittedKey{"Opties", "passend"};
const IniKey kPlaceKey{"Historie", "plaats"};
const IniKey kHostKey{"Historie", "server"};
const IniKey kPortKey{"Historie", "poort"};
const IniKey kDatabaseKey{"Historie", "database"};
const IniKey kUserKey{"Historie", "gebruiker"};
const IniKey kBoardKey{"Historie", "bord"};

QByteArray GroupOf(const QByteArray& line) {
    const QByteArray text = line.trimmed();
    if (text.size() < 2 || !text.startsWith('[') || !text.endsWith(']')) return {};
    return text.mid(1, text.size() - 2).trimmed();
}

// The name of a "name=value" line; empty for anything else.
QByteArray NameOf(const QByteArray& line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0 || line.trimmed().startsWith(';')) return {};
    return line.left(eq).trimmed();
}

// The lines of the file, each without its line end; no lines when there is no file.
QList<QByteArray> OptionLines(bool* readable = nullptr) {
    QFile file(optionsFilePath());
    const bool opened = file.open(QIODevice::ReadOnly);
    if (readable) *readable = opened || !file.exists();
    QList<QByteArray> lines = opened ? file.readAll().split('\n') : QList<QByteArray>();
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r')) line.chop(1);
    return lines;
}

std::optional<QByteArray> ReadOption(const IniKey& key) {
    QByteArray group;
    for (const QByteArray& line : OptionLines()) {
        if (const QByteArray g = GroupOf(line); !g.isEmpty())
            group = g;
        else if (group == key.group && NameOf(line) == key.name)
            return line.mid(line.indexOf('=') + 1).trimmed();
    }
    return std::nullopt;
}

bool WriteOption(const IniKey& key, const QByteArray& value, QString* error) {
    bool readable = true;
    QList<QByteArray> lines = OptionLines(&readable);
    const QString path = optionsFilePath();
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QCoreApplication::translate("vx::Settings", "De keuze is niet bewaard in \"%1\": %2.")
                         .arg(QDir::toNativeSeparators(path), why);
        return false;
    };
    // Written over, an unreadable file would lose every other choice in it.
    if (!readable)
        return fail(QCoreApplication::translate("vx::Settings", "het bestand kan niet worden gelezen (%1)")
                        .arg(fileFailureReason(FileAction::Read, path)));
    const QByteArray entry = key.name.toByteArray() + '=' + value;
    QByteArray group;
    qsizetype endOfGroup = -1; // after the last line of the key's group
    bool done = false;
    for (qsizetype i = 0; i < lines.size() && !done; ++i) {
        if (const QByteArray g = GroupOf(lines[i]); !g.isEmpty()) {
            group = g;
            if (group == key.group) endOfGroup = i + 1;
        } else if (group == key.group) {
            if (NameOf(lines[i]) == key.name) {
                lines[i] = entry;
                done = true;
            } else if (!lines[i].trimmed().isEmpty()) {
                endOfGroup = i + 1;
            }
        }
    }
    if (!done && endOfGroup >= 0) {
        lines.insert(endOfGroup, entry);
    } else if (!done) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) lines.append(QByteArray());
        lines.append('[' + key.group.toByteArray() + ']');
        lines.append(entry);
    }
    QString why;
    if (!writeFileAtomic(path, lines.join('\n') + '\n', &why)) return fail(why);
    return true;
}

// A text as Qt writes one that needs it: in double quotes, a backslash or a double quote
// inside escaped with a backslash, so that commas and semicolons stay part of it.
QByteArray QuotedValue(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + bytes + '"';
}

QString UnquotedValue(const QByteArray& value) {
    if (!value.startsWith('"')) return QString::fromUtf8(value);
    QByteArray text;
    for (qsizetype i = 1; i < value.size() && value[i] != '"'; ++i)
        text += value[i] == '\\' && i + 1 < value.size() ? value[++i] : value[i];
    return QString::fromUtf8(text);
}

} // namespace

QString optionsFilePath() {
    return QDir(folders().settingsFolder()).filePath(QStringLiteral("Vorlentix-opties.ini"));
}

bool readCallerOn() {
    // As Qt reads a boolean: anything but nothing, "0" and "false".
    const QByteArray value = ReadOption(kCallerKey).value_or(QByteArray()).toLower();
    return !value.isEmpty() && value != "0" && value != "false";
}

bool writeCallerOn(bool on, QString* error) {
    return WriteOption(kCallerKey, on ? "true" : "false", error);
}

Language readLanguage() {
    const QString code = QString::fromLatin1(ReadOption(kLanguageKey).value_or(QByteArray()));
    return languageFromCode(code).value_or(Language::Dutch);
}

bool writeLanguage(Language language, QString* error) {
    return WriteOption(kLanguageKey, languageCode(language).toLatin1(), error);
}

QString startFolder(SavedFile kind) {
    const QString used = UnquotedValue(ReadOption(FolderKey(kind)).value_or(QByteArray()));
    if (!used.isEmpty() && QFileInfo(used).isDir()) return used;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberFolder(SavedFile kind, const QString& chosenFile) {
    const QString folder = QFileInfo(chosenFile).absolutePath();
    // One line a value: a folder whose name breaks the line is not worth breaking the file for.
    if (folder.contains(u'\n') || folder.contains(u'\r')) return;
    WriteOption(FolderKey(kind), QuotedValue(folder), nullptr);
}

DisplayScale readDisplayScale() {
    const QString code = QString::fromLatin1(ReadOption(kScaleKey).value_or(QByteArray()));
    return displayScaleFromCode(code).value_or(DisplayScale::Percent100);
}

bool writeDisplayScale(DisplayScale scale, QString* error) {
    return WriteOption(kScaleKey, displayScaleCode(scale).toLatin1(), error);
}

double readFittedFactor() {
    bool ok = false;
    const double factor = ReadOption(kFittedKey).value_or(QByteArray()).toDouble(&ok);
    // A hand-edited value out of reason would make the window unusable.
    return ok && factor >= 0.5 && factor <= 8 ? factor : 1.0;
}

bool writeFittedFactor(double factor, QString* error) {
    return WriteOption(kFittedKey, QByteArray::number(factor), error);
}

HistoryPlace readHistoryPlace() {
    const auto text = [](const IniKey& key) { return UnquotedValue(ReadOption(key).value_or(QByteArray())); };
    HistoryPlace place;
    place.club = text(kPlaceKey) == QLatin1String("clubserver");
    place.server.host = text(kHostKey);
    bool ok = false;
    const int port = text(kPortKey).toInt(&ok);
    if (ok && port > 0 && port < 65536) place.server.port = port;
    place.server.database = text(kDatabaseKey);
    place.server.user = text(kUserKey);
    if (const QString board = text(kBoardKey); !board.isEmpty()) place.server.board = board;
    return place;
}

bool writeHistoryPlace(const HistoryPlace& place, QString* error) {
    const ClubSettings& s = place.server;
    const QList<std::pair<IniKey, QByteArray>> entries{{kPlaceKey, place.club ? "clubserver" : "computer"},
                                                       {kHostKey, QuotedValue(s.host)},
                                                       {kPortKey, QByteArray::number(s.port)},
                                                       {kDatabaseKey, QuotedValue(s.database)},
                                                       {kUserKey, QuotedValue(s.user)},
                                                       {kBoardKey, QuotedValue(s.board)}};
    for (const auto& [key, value] : entries)
        if (!WriteOption(key, value, error)) return false;
    return true;
}

} // namespace vx

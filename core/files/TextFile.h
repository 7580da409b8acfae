// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 text with CR LF line ends: the one format every file of the program uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vx {

// Decodes Windows-1252 bytes. Never fails: the five bytes the code page leaves undefined
// come through as their C1 control characters. The second form writes bytes.size() characters
// to `out`.
QString decodeCp1252(QByteArrayView bytes);
void decodeCp1252(QByteArrayView bytes, char16_t* out);

// Encodes to Windows-1252. Returns false (and leaves `out` unspecified) when a character has
// no place in the code page: the caller must then refuse, never write an altered text.
bool encodeCp1252(const QString& text, QByteArray* out);
bool fitsCp1252(const QString& text);

// Whether the text can be one line of a file: no line break (CR or LF, the readers split on
// both) and every character one the code page holds.
bool fitsTextLine(const QString& text);

// Splits decoded text into lines: CR LF, CR alone and LF alone each end a line. A final line
// without a line end still counts; a file that ends with a line end has no empty last line.
QStringList splitLines(const QString& text);

// Appends the line and its CR LF; false (`out` then unspecified) when it does not fit a line.
bool appendTextLine(QStringView line, QByteArray* out);

// Reads a whole file, as bytes or as lines. Returns false when the file cannot be opened or read; `error`
// then gets the reason in Dutch.
bool readFileBytes(const QString& path, QByteArray* bytes, QString* error = nullptr);
bool readTextLines(const QString& path, QStringList* lines, QString* error = nullptr);

// Joins lines, each one followed by CR LF, and encodes them. Fails on a line that does not
// fit a line (see fitsTextLine); `badLine` then gets its index.
bool encodeLines(const QStringList& lines, QByteArray* out, qsizetype* badLine = nullptr);

// Writes the bytes as a complete new file and only then replaces the old one, so a failure
// (a full disk, a read-only folder) leaves the old file exactly as it was. On failure `error`
// gets a short Dutch description with the reason.
bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// encodeLines, then writeFileAtomic: a text that cannot be encoded writes nothing either.
bool writeTextLinesAtomic(const QString& path, const QStringList& lines, QString* error = nullptr);

} // namespace vx

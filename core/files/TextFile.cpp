// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/TextFile.h"

#include "core/files/FileReason.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <array>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace vx {

namespace {

// The 0x80..0x9F block of Windows-1252; 0 marks the five undefined bytes, which map to the
// C1 control character of the same value (as the code page's "best fit" tables do).
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

void decodeCp1252(QByteArrayView bytes, char16_t* out) {
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) c = kHigh[b - 0x80];
        out[i] = c;
    }
}

QString decodeCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    decodeCp1252(bytes, reinterpret_cast<char16_t*>(text.data()));
    return text;
}

namespace {

// Appends the encoded text; false at the first character the code page cannot hold.
bool AppendCp1252(QStringView text, QByteArray& out) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dst = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            dst[i] = static_cast<char>(c);
            continue;
        }
        int found = -1;
        for (int k = 0; k < 32; ++k) {
            if (kHigh[k] == c || (kHigh[k] == 0 && c == 0x80 + k)) {
                found = k;
                break;
            }
        }
        if (found < 0) return false;
        dst[i] = static_cast<char>(0x80 + found);
    }
    return true;
}

} // namespace

bool appendTextLine(QStringView line, QByteArray* out) {
    // A line break inside a field would shift every field after it when read back.
    if (line.contains(u'\r') || line.contains(u'\n') || !AppendCp1252(line, *out)) return false;
    out->append("\r\n", 2);
    return true;
}

bool encodeCp1252(const QString& text, QByteArray* out) {
    out->clear();
    return AppendCp1252(text, *out);
}

bool fitsCp1252(const QString& text) {
    QByteArray ignored;
    return encodeCp1252(text, &ignored);
}

bool fitsTextLine(const QString& text) {
    QByteArray ignored;
    return appendTextLine(text, &ignored);
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

bool readFileBytes(const QString& path, QByteArray* bytes, QString* error) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) *bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        if (error) *error = fileFailureReason(FileAction::Read, path, file.error());
        return false;
    }
    return true;
}

bool readTextLines(const QString& path, QStringList* lines, QString* error) {
    QByteArray bytes;
    if (!readFileBytes(path, &bytes, error)) return false;
    *lines = splitLines(decodeCp1252(bytes));
    return true;
}

bool encodeLines(const QStringList& lines, QByteArray* out, qsizetype* badLine) {
    out->clear();
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() + 2;
    out->reserve(total);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!appendTextLine(lines[i], out)) {
            if (badLine) *badLine = i;
            return false;
        }
    }
    return true;
}

namespace {

// Hands every byte to the system and makes it durable, so that each failure is seen here with
// its errno. Writing through QSaveFile's buffer is not enough: in Qt 6.4 commit() ignores a
// failed final flush and puts an empty or cut-short file in place of the old one.
bool WriteDurably(QSaveFile& file, const QByteArray& bytes, int* systemError) {
#ifdef Q_OS_UNIX
    const int fd = file.handle();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            *systemError = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += n;
    }
    // Some file systems only find out at the sync that there is no room; one that cannot sync
    // at all is no failure.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS) {
        *systemError = errno;
        return false;
    }
    return true;
#else
    *systemError = 0;
    return file.write(bytes) == bytes.size() && file.flush();
#endif
}

} // namespace

bool writeFileAtomic(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    int systemError = 0;
    auto fail = [&](const char* sentence) {
        if (error)
            *error = QCoreApplication::translate("vx::TextFile", sentence)
                         .arg(fileFailureReason(FileAction::Write, path, file.error(), systemError));
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(QT_TRANSLATE_NOOP("vx::TextFile", "het bestand kan niet worden aangemaakt (%1)"));
    if (!WriteDurably(file, bytes, &systemError)) {
        const bool failed =
            fail(QT_TRANSLATE_NOOP("vx::TextFile", "het bestand kan niet worden geschreven (%1)"));
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return fail(QT_TRANSLATE_NOOP("vx::TextFile", "het bestand kan niet worden opgeslagen (%1)"));
    return true;
}

bool writeTextLinesAtomic(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    if (!encodeLines(lines, &bytes)) {
        if (error)
            *error = QCoreApplication::translate("vx::TextFile",
                                                 "de tekst bevat tekens die niet in het bestand passen");
        return false;
    }
    return writeFileAtomic(path, bytes, error);
}

} // namespace vx

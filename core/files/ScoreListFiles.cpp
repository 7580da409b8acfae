// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ScoreListFiles.h"

#include "core/common/Services.h"
#include "core/files/FileReason.h"
#include "core/files/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vx {

namespace {

constexpr int kHeaderLines = 3;
constexpr int kRecordLines = ScoreListModel::kColumns + 1;
const QString kExtension = QStringLiteral(".lib");

// Most file systems stop a single name at 255 bytes.
constexpr qsizetype kMaxNameBytes = 255;

// How often long work tells how far it is.
constexpr qsizetype kRowsPerProgress = 4096;

// The separator is plain ASCII, so its bytes are the same in the file as in the text.
constexpr QByteArrayView kSeparatorBytes("----------------------------");

bool IsBlank(QByteArrayView cell) {
    return std::all_of(cell.begin(), cell.end(), [](char c) { return c == ' '; });
}

// The lines of a file's bytes without copying them: CR LF, CR alone and LF alone each end a
// line, as splitLines has it.
class LineReader {
  public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}
    bool next(QByteArrayView* line) {
        const qsizetype n = m_bytes.size();
        if (m_at >= n) return false;
        const char* data = m_bytes.data();
        qsizetype end = m_at;
        while (end < n && data[end] != '\r' && data[end] != '\n')
            ++end;
        *line = m_bytes.sliced(m_at, end - m_at);
        m_at = end < n && data[end] == '\r' && end + 1 < n && data[end + 1] == '\n' ? end + 2 : end + 1;
        return true;
    }
    qsizetype position() const { return std::min(m_at, m_bytes.size()); }

  private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

// One record's cells as text, decoded into a buffer that the next record reuses.
void AppendRow(const std::array<QByteArrayView, ScoreListModel::kColumns>& cells, QString& buffer,
               ScoreRows& rows) {
    qsizetype total = 0;
    for (const QByteArrayView cell : cells)
        total += cell.size();
    if (buffer.size() < total) buffer.resize(total);
    auto* out = reinterpret_cast<char16_t*>(buffer.data());
    ScoreRows::Cells texts;
    for (int c = 0; c < ScoreListModel::kColumns; ++c) {
        decodeCp1252(cells[c], out);
        texts[c] = QStringView(out, cells[c].size());
        out += cells[c].size();
    }
    rows.append(texts);
}

// Score lists travel between machines, so a name must also be one that Windows accepts.
bool IsReservedDeviceName(const QString& component) {
    QString base = component.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    static const QStringList kDevices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                         QStringLiteral("NUL")};
    if (kDevices.contains(base)) return true;
    return base.size() == 4 &&
           (base.startsWith(QStringLiteral("COM")) || base.startsWith(QStringLiteral("LPT"))) &&
           base[3] >= u'1' && base[3] <= u'9';
}

QString FirstUnstorableCharacter(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype length = name[i].isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString character = name.mid(i, length);
        if (!fitsCp1252(character)) return character;
        i += length - 1;
    }
    return {};
}

FileResult CheckedFolder(const QString& folder) {
    if (QDir().mkpath(folder)) return FileResult::success();
    return FileResult::failure(
        QCoreApplication::translate("vx::ScoreListFiles", "De map \"%1\" kan niet worden aangemaakt (%2).")
            .arg(QDir::toNativeSeparators(folder), fileFailureReason(FileAction::MakeFolder, folder)));
}

// Names the row as the row editor shows it ("Item 3" and its text), and the field, so that the
// scorer can find and mend it there.
FileResult UnstorableRow(const ScoreListModel& model, qsizetype line) {
    Q_ASSERT(line >= kHeaderLines);
    const int row = int((line - kHeaderLines) / kRecordLines);
    const int column = int((line - kHeaderLines) % kRecordLines);
    return FileResult::failure(
        QCoreApplication::translate("vx::ScoreListFiles",
                                    "De scorelijst is niet opgeslagen: de tekst bij \"%1\" van Item %2 "
                                    "(\"%3\") bevat een regeleinde of tekens die niet in het bestand passen. "
                                    "Verbeter deze met \"Item Wijzigen\" en sla de scorelijst opnieuw op.")
            .arg(column == 0 ? QCoreApplication::translate("vx::ScoreListModel", "Naam Speler")
                             : model.shownHeaderText(column),
                 QString::number(row + 1), model.cell(row, 0).simplified()));
}

// Names the first line out of place, so that whoever edited the file can find it.
QString NotAScoreList(const QString& shownPath, qsizetype badLine) {
    if (badLine < 0)
        return QCoreApplication::translate("vx::ScoreListFiles", "Het bestand \"%1\" is geen scorelijst.")
            .arg(shownPath);
    return QCoreApplication::translate("vx::ScoreListFiles",
                                       "Het bestand \"%1\" is geen scorelijst: de scheidingsregels van 28 "
                                       "streepjes staan niet op hun plaats (regel %2).")
        .arg(shownPath, QString::number(badLine + 1));
}

// A file that can be read and is no score list is someone else's text, or a list damaged in a
// way that a save would make permanent: it is never replaced. An empty file is a new list; one
// that cannot be read is left to the write, which says why it fails.
FileResult CheckReplaceable(const QString& path) {
    QByteArray bytes;
    qsizetype badLine = -1;
    if (!readFileBytes(path, &bytes) || bytes.isEmpty() || parseScoreList(bytes, nullptr, &badLine))
        return FileResult::success();
    return FileResult::failure(
        QCoreApplication::translate(
            "vx::ScoreListFiles", "De scorelijst is niet opgeslagen. %1 Het bestand wordt niet overschreven.")
            .arg(NotAScoreList(QDir::toNativeSeparators(path), badLine)));
}

FileResult WriteScoreList(const ScoreListModel& model, const QString& headerName, const QString& folder,
                          const QString& path, const Progress& progress) {
    QByteArray bytes;
    qsizetype badLine = -1;
    // Names are checked before: only a row's text can be the line that does not fit.
    if (!encodeScoreList(model.rows(), headerName, &bytes, &badLine, progress)) {
        if (badLine < 0)
            return FileResult::failure(QCoreApplication::translate(
                "vx::ScoreListFiles", "De scorelijst is niet opgeslagen: het opslaan is afgebroken."));
        return UnstorableRow(model, badLine);
    }
    if (FileResult replaceable = CheckReplaceable(path); !replaceable) return replaceable;
    if (FileResult made = CheckedFolder(folder); !made) return made;
    QString why;
    if (!writeFileAtomic(path, bytes, &why))
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles",
                                        "De scorelijst is niet opgeslagen in \"%1\": %2.")
                .arg(QDir::toNativeSeparators(path), why));
    return FileResult::success();
}

QStringList LibFileNames(const QString& folder) {
    // Case-sensitive, so that every name listed is one the readers and writers find again.
    QStringList names =
        QDir(folder).entryList({QStringLiteral("*.lib")}, QDir::Files | QDir::Hidden | QDir::CaseSensitive,
                               QDir::Name | QDir::IgnoreCase);
    for (QString& name : names)
        name.chop(kExtension.size());
    return names;
}

} // namespace

FileResult checkName(const QString& name, NameKind kind) {
    if (kind == NameKind::Team && name.isEmpty())
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles", "De naam mag niet leeg zijn."));
    if (name == u"." || name == u"..")
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles", "De naam mag niet \".\" of \"..\" zijn."));
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\')
            return FileResult::failure(
                QCoreApplication::translate("vx::ScoreListFiles", "De naam mag geen / of \\ bevatten."));
        if (c.category() == QChar::Other_Control)
            return FileResult::failure(
                QCoreApplication::translate("vx::ScoreListFiles", "De naam mag geen stuurtekens bevatten."));
        if (QStringView(u"<>:\"|?*").contains(c))
            return FileResult::failure(QCoreApplication::translate(
                "vx::ScoreListFiles", "De naam mag geen van deze tekens bevatten: < > : \" | ? *"));
    }
    if (const QString character = FirstUnstorableCharacter(name); !character.isEmpty())
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles",
                                        "Het teken \"%1\" kan niet in een bestand worden bewaard.")
                .arg(character));
    const QString component = kind == NameKind::Team ? name : name + kExtension;
    if (kind == NameKind::Team && (name.endsWith(u'.') || name.endsWith(u' ')))
        return FileResult::failure(QCoreApplication::translate(
            "vx::ScoreListFiles", "De naam mag niet op een punt of een spatie eindigen."));
    if (IsReservedDeviceName(component))
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles",
                                        "De naam \"%1\" is gereserveerd voor het systeem.")
                .arg(name));
    if (QFile::encodeName(component).size() > kMaxNameBytes)
        return FileResult::failure(QCoreApplication::translate("vx::ScoreListFiles", "De naam is te lang."));
    return FileResult::success();
}

QString teamFolderPath(const QString& team) {
    return QDir(folders().teamsDir()).filePath(team);
}

QString playerFilePath(const QString& team, const QString& player) {
    return QDir(teamFolderPath(team)).filePath(player + kExtension);
}

QString duoFilePath(const QString& name) {
    return QDir(folders().teamsDir()).filePath(name + kExtension);
}

bool encodeScoreList(const ScoreRows& rows, const QString& headerName, QByteArray* out, qsizetype* badLine,
                     const Progress& progress) {
    out->clear();
    // A byte a character, two a line end.
    out->reserve(rows.characters() + rows.size() * (kRecordLines * 2 + kSeparatorBytes.size()) +
                 kHeaderLines * (kSeparatorBytes.size() + 2) + headerName.size());
    qsizetype line = 0;
    auto fail = [&](qsizetype at) {
        if (badLine) *badLine = at;
        return false;
    };
    for (const QString& header : {kScoreListTitle, headerName, kRecordSeparator}) {
        if (!appendTextLine(header, out)) return fail(line);
        ++line;
    }
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (progress && r % kRowsPerProgress == 0 && !progress(r, rows.size())) return fail(-1);
        for (int c = 0; c < ScoreListModel::kColumns; ++c, ++line)
            if (!appendTextLine(rows.cell(r, c), out)) return fail(line);
        out->append(kSeparatorBytes.data(), kSeparatorBytes.size()).append("\r\n", 2);
        ++line;
    }
    return true;
}

// Lines 1 and 2 differ between versions; the separators are what every score list shares. A
// record of the wrong length would shift every cell after it. A file cut short ends inside a
// record; one that ends on a separator too early lost lines of its last record.
bool parseScoreList(QByteArrayView bytes, ScoreRows* rows, qsizetype* badLine, const Progress& progress) {
    if (rows) rows->clear();
    auto refuse = [&](qsizetype at) {
        if (badLine) *badLine = at;
        if (rows) rows->clear();
        return false;
    };
    LineReader lines(bytes);
    QByteArrayView line;
    for (int i = 0; i < kHeaderLines; ++i)
        if (!lines.next(&line)) return refuse(-1);
    if (line != kSeparatorBytes) return refuse(kHeaderLines - 1);

    std::array<QByteArrayView, ScoreListModel::kColumns> cells;
    QString buffer;
    qsizetype at = kHeaderLines;
    for (qsizetype record = 0;; ++record) {
        if (progress && record % kRowsPerProgress == 0 && !progress(lines.position(), bytes.size()))
            return refuse(-1);
        int present = 0;
        while (present < ScoreListModel::kColumns && lines.next(&cells[present]))
            ++present;
        if (present == 0) break;
        at += present;
        const bool separated = present == ScoreListModel::kColumns && lines.next(&line);
        if (!separated) {
            // A record cut short by the end of the file keeps its missing cells empty.
            if (cells[present - 1] == kSeparatorBytes) return refuse(at - 1);
            std::fill(cells.begin() + present, cells.end(), QByteArrayView());
        } else if (line != kSeparatorBytes) {
            return refuse(at);
        }
        if (rows && !IsBlank(cells[0])) AppendRow(cells, buffer, *rows);
        if (!separated) break;
        ++at;
    }
    if (badLine) *badLine = -1;
    return true;
}

FileResult readScoreListRows(const QString& path, ScoreRows* rows, const Progress& progress) {
    rows->clear();
    const QString shown = QDir::toNativeSeparators(path);
    QByteArray bytes;
    QString why;
    if (!readFileBytes(path, &bytes, &why))
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles",
                                        "Het bestand \"%1\" kan niet worden gelezen (%2).")
                .arg(shown, why));
    if (qsizetype badLine = -1; !parseScoreList(bytes, rows, &badLine, progress))
        return FileResult::failure(NotAScoreList(shown, badLine));
    return FileResult::success();
}

FileResult readScoreList(const QString& path, ScoreListModel& model) {
    ScoreRows rows;
    const FileResult read = readScoreListRows(path, &rows);
    model.replaceAll(std::move(rows));
    return read;
}

FileResult loadPlayerList(ScoreListModel& model, const QString& team, const QString& player) {
    for (const auto& [name, kind] : {std::pair{team, NameKind::Team}, std::pair{player, NameKind::Player}}) {
        if (FileResult checked = checkName(name, kind); !checked) {
            model.clear();
            return checked;
        }
    }
    return readScoreList(playerFilePath(team, player), model);
}

FileResult loadDuoList(ScoreListModel& model, const QString& name) {
    if (FileResult checked = checkName(name, NameKind::Duo); !checked) {
        model.clear();
        return checked;
    }
    return readScoreList(duoFilePath(name), model);
}

FileResult savePlayerList(const ScoreListModel& model, const QString& team, const QString& player,
                          const Progress& progress) {
    if (FileResult checked = checkName(team, NameKind::Team); !checked) return checked;
    if (FileResult checked = checkName(player, NameKind::Player); !checked) return checked;
    return WriteScoreList(model, player, teamFolderPath(team), playerFilePath(team, player), progress);
}

FileResult saveDuoList(const ScoreListModel& model, const QString& name, const Progress& progress) {
    if (FileResult checked = checkName(name, NameKind::Duo); !checked) return checked;
    return WriteScoreList(model, kDuoHeaderName, folders().teamsDir(), duoFilePath(name), progress);
}

FileResult createTeamFiles(const QString& team, const QStringList& players) {
    // Every name is checked before anything is written, so a refused name leaves no half team.
    if (FileResult checked = checkName(team, NameKind::Team); !checked) return checked;
    for (const QString& player : players) {
        if (FileResult checked = checkName(player, NameKind::Player); !checked)
            return FileResult::failure(QCoreApplication::translate("vx::ScoreListFiles", "Speler \"%1\": %2")
                                           .arg(player, checked.error));
    }
    if (FileResult made = CheckedFolder(teamFolderPath(team)); !made) return made;
    QStringList refusals;
    for (const QString& player : players) {
        const QString path = playerFilePath(team, player);
        QStringList lines = {kScoreListTitle, player, kRecordSeparator};
        if (QFileInfo::exists(path)) {
            QByteArray existing;
            QString why;
            if (!readFileBytes(path, &existing, &why)) {
                refusals << QCoreApplication::translate(
                                "vx::ScoreListFiles",
                                "Het bestand van speler \"%1\" kan niet worden gelezen (%2).")
                                .arg(player, why);
                continue;
            }
            // Only the rows of a score list are kept behind the new header; any other text is
            // left as it is, as the loader would not read it either. An empty file is a new list.
            if (qsizetype badLine = -1; !existing.isEmpty() && !parseScoreList(existing, nullptr, &badLine)) {
                refusals << QCoreApplication::translate("vx::ScoreListFiles",
                                                        "Speler \"%1\": %2 Het bestand blijft zoals het is.")
                                .arg(player, NotAScoreList(QDir::toNativeSeparators(path), badLine));
                continue;
            }
            lines += splitLines(decodeCp1252(existing)).mid(kHeaderLines);
        }
        QString why;
        if (!writeTextLinesAtomic(path, lines, &why))
            refusals << QCoreApplication::translate("vx::ScoreListFiles",
                                                    "Het bestand van speler \"%1\" is niet aangemaakt: %2.")
                            .arg(player, why);
    }
    return refusals.isEmpty() ? FileResult::success()
                              : FileResult::failure(refusals.join(QStringLiteral("\r\n")));
}

QStringList listTeams() {
    return QDir(folders().teamsDir())
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QStringList listTeamPlayers(const QString& team) {
    if (!checkName(team, NameKind::Team)) return {};
    return LibFileNames(teamFolderPath(team));
}

QStringList listDuoFiles() {
    return LibFileNames(folders().teamsDir());
}

} // namespace vx

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

bool IsBlank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c == u' '; });
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

// Lines 1 and 2 differ between versions; the separators are what every score list shares. A
// record of the wrong length would shift every cell after it. A file cut short ends inside a
// record; one that ends on a separator too early lost lines of its last record.
bool IsScoreListLayout(const QStringList& lines, qsizetype* badLine) {
    auto refuse = [&](qsizetype line) {
        if (badLine) *badLine = line;
        return false;
    };
    if (lines.size() < kHeaderLines) return refuse(-1);
    if (lines[kHeaderLines - 1] != kRecordSeparator) return refuse(kHeaderLines - 1);
    qsizetype separator = kHeaderLines + ScoreListModel::kColumns;
    for (; separator < lines.size(); separator += kRecordLines) {
        if (lines[separator] != kRecordSeparator) return refuse(separator);
    }
    const bool recordCutShort = separator - ScoreListModel::kColumns < lines.size();
    if (recordCutShort && lines.last() == kRecordSeparator) return refuse(lines.size() - 1);
    if (badLine) *badLine = -1;
    return true;
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
    QStringList lines;
    qsizetype badLine = -1;
    if (!readTextLines(path, &lines) || lines.isEmpty() || IsScoreListLayout(lines, &badLine))
        return FileResult::success();
    return FileResult::failure(
        QCoreApplication::translate(
            "vx::ScoreListFiles", "De scorelijst is niet opgeslagen. %1 Het bestand wordt niet overschreven.")
            .arg(NotAScoreList(QDir::toNativeSeparators(path), badLine)));
}

FileResult WriteScoreList(const ScoreListModel& model, const QString& headerName, const QString& folder,
                          const QString& path) {
    QByteArray bytes;
    qsizetype badLine = -1;
    // Names are checked before: only a row's text can be the line that does not fit.
    if (!encodeLines(scoreListLines(model, headerName), &bytes, &badLine))
        return UnstorableRow(model, badLine);
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

QStringList scoreListLines(const ScoreListModel& model, const QString& headerName) {
    QStringList lines;
    lines.reserve(kHeaderLines + qsizetype(model.count()) * kRecordLines);
    lines << kScoreListTitle << headerName << kRecordSeparator;
    for (int r = 0; r < model.count(); ++r) {
        for (const QString& cell : model.row(r))
            lines << cell;
        lines << kRecordSeparator;
    }
    return lines;
}

bool parseScoreList(const QStringList& lines, QVector<ScoreListModel::Row>* rows, qsizetype* badLine) {
    rows->clear();
    if (!IsScoreListLayout(lines, badLine)) return false;
    rows->reserve((lines.size() - kHeaderLines + kRecordLines - 1) / kRecordLines);
    for (qsizetype at = kHeaderLines; at < lines.size(); at += kRecordLines) {
        if (IsBlank(lines[at])) continue;
        // A record cut short by the end of the file keeps its missing cells empty.
        const qsizetype present = std::min<qsizetype>(ScoreListModel::kColumns, lines.size() - at);
        ScoreListModel::Row row;
        std::copy_n(lines.begin() + at, present, row.begin());
        rows->append(std::move(row));
    }
    return true;
}

FileResult readScoreList(const QString& path, ScoreListModel& model) {
    QStringList lines;
    QVector<ScoreListModel::Row> rows;
    const QString shown = QDir::toNativeSeparators(path);
    QString why;
    if (!readTextLines(path, &lines, &why)) {
        model.clear();
        return FileResult::failure(
            QCoreApplication::translate("vx::ScoreListFiles",
                                        "Het bestand \"%1\" kan niet worden gelezen (%2).")
                .arg(shown, why));
    }
    if (qsizetype badLine = -1; !parseScoreList(lines, &rows, &badLine)) {
        model.clear();
        return FileResult::failure(NotAScoreList(shown, badLine));
    }
    model.replaceAll(std::move(rows));
    return FileResult::success();
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

FileResult savePlayerList(const ScoreListModel& model, const QString& team, const QString& player) {
    if (FileResult checked = checkName(team, NameKind::Team); !checked) return checked;
    if (FileResult checked = checkName(player, NameKind::Player); !checked) return checked;
    return WriteScoreList(model, player, teamFolderPath(team), playerFilePath(team, player));
}

FileResult saveDuoList(const ScoreListModel& model, const QString& name) {
    if (FileResult checked = checkName(name, NameKind::Duo); !checked) return checked;
    return WriteScoreList(model, kDuoHeaderName, folders().teamsDir(), duoFilePath(name));
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
            QStringList existing;
            QString why;
            if (!readTextLines(path, &existing, &why)) {
                refusals << QCoreApplication::translate(
                                "vx::ScoreListFiles",
                                "Het bestand van speler \"%1\" kan niet worden gelezen (%2).")
                                .arg(player, why);
                continue;
            }
            // Only the rows of a score list are kept behind the new header; any other text is
            // left as it is, as the loader would not read it either. An empty file is a new list.
            QVector<ScoreListModel::Row> rows;
            if (qsizetype badLine = -1; !existing.isEmpty() && !parseScoreList(existing, &rows, &badLine)) {
                refusals << QCoreApplication::translate("vx::ScoreListFiles",
                                                        "Speler \"%1\": %2 Het bestand blijft zoals het is.")
                                .arg(player, NotAScoreList(QDir::toNativeSeparators(path), badLine));
                continue;
            }
            lines += existing.mid(kHeaderLines);
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

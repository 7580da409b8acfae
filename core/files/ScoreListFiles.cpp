#include "core/files/ScoreListFiles.h"

#include "core/files/FileReason.h"
#include "core/common/Services.h"
#include "core/files/TextFile.h"

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
        if (!FitsCp1252(character)) return character;
        i += length - 1;
    }
    return {};
}

FileResult CheckedFolder(const QString& folder) {
    if (QDir().mkpath(folder)) return FileResult::success();
    return FileResult::failure(
        QStringLiteral("De map \"%1\" kan niet worden aangemaakt (%2).")
            .arg(QDir::toNativeSeparators(folder), FileFailureReason(FileAction::MakeFolder, folder)));
}

// Names the row as the row editor shows it ("Item 3" and its text), and the field, so that the
// scorer can find and mend it there.
FileResult UnstorableRow(const ScoreListModel& model, qsizetype line) {
    Q_ASSERT(line >= kHeaderLines);
    const int row = int((line - kHeaderLines) / kRecordLines);
    const int column = int((line - kHeaderLines) % kRecordLines);
    return FileResult::failure(
        QStringLiteral("De scorelijst is niet opgeslagen: de tekst bij \"%1\" van Item %2 (\"%3\") bevat een "
                       "regeleinde of tekens die niet in het bestand passen. Verbeter deze met "
                       "\"Item Wijzigen\" en sla de scorelijst opnieuw op.")
            .arg(column == 0 ? QStringLiteral("Naam Speler") : model.headerText(column),
                 QString::number(row + 1), model.cell(row, 0).simplified()));
}

FileResult WriteScoreList(const ScoreListModel& model, const QString& headerName, const QString& folder,
                          const QString& path) {
    QByteArray bytes;
    qsizetype badLine = -1;
    // Names are checked before: only a row's text can be the line that does not fit.
    if (!EncodeLines(ScoreListLines(model, headerName), &bytes, &badLine))
        return UnstorableRow(model, badLine);
    if (FileResult made = CheckedFolder(folder); !made) return made;
    QString why;
    if (!WriteFileAtomic(path, bytes, &why))
        return FileResult::failure(QStringLiteral("De scorelijst is niet opgeslagen in \"%1\": %2.")
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

FileResult CheckName(const QString& name, NameKind kind) {
    if (kind == NameKind::Team && name.isEmpty())
        return FileResult::failure(QStringLiteral("De naam mag niet leeg zijn."));
    if (name == u"." || name == u"..")
        return FileResult::failure(QStringLiteral("De naam mag niet \".\" of \"..\" zijn."));
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\')
            return FileResult::failure(QStringLiteral("De naam mag geen / of \\ bevatten."));
        if (c.category() == QChar::Other_Control)
            return FileResult::failure(QStringLiteral("De naam mag geen stuurtekens bevatten."));
        if (QStringView(u"<>:\"|?*").contains(c))
            return FileResult::failure(
                QStringLiteral("De naam mag geen van deze tekens bevatten: < > : \" | ? *"));
    }
    if (const QString character = FirstUnstorableCharacter(name); !character.isEmpty())
        return FileResult::failure(
            QStringLiteral("Het teken \"%1\" kan niet in een bestand worden bewaard.").arg(character));
    const QString component = kind == NameKind::Team ? name : name + kExtension;
    if (kind == NameKind::Team && (name.endsWith(u'.') || name.endsWith(u' ')))
        return FileResult::failure(QStringLiteral("De naam mag niet op een punt of een spatie eindigen."));
    if (IsReservedDeviceName(component))
        return FileResult::failure(
            QStringLiteral("De naam \"%1\" is gereserveerd voor het systeem.").arg(name));
    if (QFile::encodeName(component).size() > kMaxNameBytes)
        return FileResult::failure(QStringLiteral("De naam is te lang."));
    return FileResult::success();
}

QString TeamFolderPath(const QString& team) {
    return QDir(folders().teamsDir()).filePath(team);
}

QString PlayerFilePath(const QString& team, const QString& player) {
    return QDir(TeamFolderPath(team)).filePath(player + kExtension);
}

QString DuoFilePath(const QString& name) {
    return QDir(folders().teamsDir()).filePath(name + kExtension);
}

QStringList ScoreListLines(const ScoreListModel& model, const QString& headerName) {
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

bool ParseScoreList(const QStringList& lines, QVector<ScoreListModel::Row>* rows) {
    rows->clear();
    if (lines.size() < kHeaderLines) return false;
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

FileResult ReadScoreList(const QString& path, ScoreListModel& model) {
    QStringList lines;
    QVector<ScoreListModel::Row> rows;
    const QString shown = QDir::toNativeSeparators(path);
    QString why;
    if (!ReadTextLines(path, &lines, &why)) {
        model.clear();
        return FileResult::failure(
            QStringLiteral("Het bestand \"%1\" kan niet worden gelezen (%2).").arg(shown, why));
    }
    if (!ParseScoreList(lines, &rows)) {
        model.clear();
        return FileResult::failure(QStringLiteral("Het bestand \"%1\" is geen scorelijst.").arg(shown));
    }
    model.replaceAll(std::move(rows));
    return FileResult::success();
}

FileResult LoadPlayerList(ScoreListModel& model, const QString& team, const QString& player) {
    for (const auto& [name, kind] : {std::pair{team, NameKind::Team}, std::pair{player, NameKind::Player}}) {
        if (FileResult checked = CheckName(name, kind); !checked) {
            model.clear();
            return checked;
        }
    }
    return ReadScoreList(PlayerFilePath(team, player), model);
}

FileResult LoadDuoList(ScoreListModel& model, const QString& name) {
    if (FileResult checked = CheckName(name, NameKind::Duo); !checked) {
        model.clear();
        return checked;
    }
    return ReadScoreList(DuoFilePath(name), model);
}

FileResult SavePlayerList(const ScoreListModel& model, const QString& team, const QString& player) {
    if (FileResult checked = CheckName(team, NameKind::Team); !checked) return checked;
    if (FileResult checked = CheckName(player, NameKind::Player); !checked) return checked;
    return WriteScoreList(model, player, TeamFolderPath(team), PlayerFilePath(team, player));
}

FileResult SaveDuoList(const ScoreListModel& model, const QString& name) {
    if (FileResult checked = CheckName(name, NameKind::Duo); !checked) return checked;
    return WriteScoreList(model, kDuoHeaderName, folders().teamsDir(), DuoFilePath(name));
}

FileResult CreateTeamFiles(const QString& team, const QStringList& players) {
    // Every name is checked before anything is written, so a refused name leaves no half team.
    if (FileResult checked = CheckName(team, NameKind::Team); !checked) return checked;
    for (const QString& player : players) {
        if (FileResult checked = CheckName(player, NameKind::Player); !checked)
            return FileResult::failure(QStringLiteral("Speler \"%1\": %2").arg(player, checked.error));
    }
    if (FileResult made = CheckedFolder(TeamFolderPath(team)); !made) return made;
    FileResult result;
    for (const QString& player : players) {
        const QString path = PlayerFilePath(team, player);
        QStringList lines = {kScoreListTitle, player, kRecordSeparator};
        if (QFileInfo::exists(path)) {
            QStringList existing;
            QString why;
            if (!ReadTextLines(path, &existing, &why)) {
                if (result)
                    result = FileResult::failure(
                        QStringLiteral("Het bestand van speler \"%1\" kan niet worden gelezen (%2).")
                            .arg(player, why));
                continue;
            }
            lines += existing.mid(kHeaderLines);
        }
        QString why;
        if (!WriteTextLinesAtomic(path, lines, &why) && result)
            result = FileResult::failure(
                QStringLiteral("Het bestand van speler \"%1\" is niet aangemaakt: %2.").arg(player, why));
    }
    return result;
}

QStringList ListTeams() {
    return QDir(folders().teamsDir())
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QStringList ListTeamPlayers(const QString& team) {
    if (!CheckName(team, NameKind::Team)) return {};
    return LibFileNames(TeamFolderPath(team));
}

QStringList ListDuoFiles() {
    return LibFileNames(folders().teamsDir());
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecoveryFile.h"

#include "core/common/Services.h"
#include "core/files/FileReason.h"
#include "core/files/TextFile.h"
#include "core/match/MatchSetup.h"
#include "core/match/TeamMatch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>

namespace vx {

namespace {

const QString kFileName = QStringLiteral("Vorlentix-herstel.json");
constexpr int kMaxTurn = 180;

const QString kDuo = QStringLiteral("duo");
const QString kTeam = QStringLiteral("team");
const QString kScoreboard = QStringLiteral("scoreboard");
const QString kSets = QStringLiteral("sets");
const QString kLegs = QStringLiteral("legs");
// The first version that keeps only the rows not on disk, against a base file.
constexpr int kBaseVersion = 3;

QJsonArray JsonNumbers(const QList<int>& values) {
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

QJsonArray JsonTexts(const auto& texts) {
    QJsonArray array;
    for (const QString& t : texts)
        array.append(t);
    return array;
}

QJsonObject DuoJson(const DuoRecovery& duo) {
    return {
        {QStringLiteral("names"), JsonTexts(duo.setup.names)},
        {QStringLiteral("startScore"), duo.setup.startScore},
        {QStringLiteral("kind"), duo.setup.kind == DuoSetup::Kind::Sets ? kSets : kLegs},
        {QStringLiteral("target"), duo.setup.target},
        {QStringLiteral("legsWon"), QJsonArray{duo.legsWon[0], duo.legsWon[1]}},
        {QStringLiteral("setsWon"), QJsonArray{duo.setsWon[0], duo.setsWon[1]}},
        {QStringLiteral("turns"), QJsonArray{JsonNumbers(duo.turns[0]), JsonNumbers(duo.turns[1])}},
        {QStringLiteral("booked"), QJsonArray{duo.booked[0], duo.booked[1]}},
        {QStringLiteral("atTheThrow"), duo.atTheThrow},
        {QStringLiteral("starter"), duo.starter},
        {QStringLiteral("fileName"), duo.fileName},
        {QStringLiteral("matchId"), duo.matchId},
    };
}

QJsonObject TeamJson(const TeamRecovery& team) {
    return {
        {QStringLiteral("name"), team.team},
        {QStringLiteral("players"), JsonTexts(team.players)},
        {QStringLiteral("atTheBoard"), team.atTheBoard},
        {QStringLiteral("startScore"), team.startScore},
        {QStringLiteral("turns"), JsonNumbers(team.turns)},
        {QStringLiteral("matchId"), team.matchId},
    };
}

// Thrown inside the reader only: the first fault found ends the reading.
struct Damaged {
    QString why;
};

[[noreturn]] void Fail(QString why) {
    throw Damaged{std::move(why)};
}

bool IsWhole(const QJsonValue& v) {
    return v.isDouble() && std::trunc(v.toDouble()) == v.toDouble();
}

// The readers of single values name the value by its path in the file ("duo.turns[1]").
int ReadNumber(const QJsonValue& v, const QString& name, int low, int high) {
    if (!IsWhole(v))
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" ontbreekt of is geen geheel getal")
                 .arg(name));
    const double d = v.toDouble();
    if (d < low || d > high)
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" is %2, buiten %3 tot en met %4")
                 .arg(name, QString::number(d, 'g', 15))
                 .arg(low)
                 .arg(high));
    return static_cast<int>(d);
}

QJsonArray ReadArray(const QJsonValue& v, const QString& name, qsizetype size = -1) {
    if (!v.isArray())
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" ontbreekt of is geen lijst").arg(name));
    const QJsonArray a = v.toArray();
    if (size >= 0 && a.size() != size)
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" heeft %2 elementen in plaats van %3")
                 .arg(name)
                 .arg(a.size())
                 .arg(size));
    return a;
}

QList<int> ReadNumbers(const QJsonValue& v, const QString& name, qsizetype size, int low, int high) {
    const QJsonArray array = ReadArray(v, name, size);
    QList<int> numbers;
    numbers.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i)
        numbers.append(ReadNumber(array[i], QStringLiteral("%1[%2]").arg(name).arg(i), low, high));
    return numbers;
}

QStringList ReadTexts(const QJsonValue& v, const QString& name, qsizetype size = -1) {
    const QJsonArray array = ReadArray(v, name, size);
    QStringList texts;
    texts.reserve(array.size());
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (!array[i].isString())
            Fail(
                QCoreApplication::translate("vx::RecoveryFile", "\"%1[%2]\" is geen tekst").arg(name).arg(i));
        texts.append(array[i].toString());
    }
    return texts;
}

// The turn totals of one leg: each a turn of three darts at most, together no more than the
// start score.
QList<int> ReadTurns(const QJsonValue& v, const QString& name, int startScore) {
    const QList<int> turns = ReadNumbers(v, name, -1, 0, kMaxTurn);
    if (std::accumulate(turns.begin(), turns.end(), 0LL) > startScore)
        Fail(QCoreApplication::translate("vx::RecoveryFile",
                                         "de beurten in \"%1\" zijn samen meer dan de startscore")
                 .arg(name));
    return turns;
}

// One object of the file with its path, so that its fields are read under their full names.
class Node {
  public:
    Node(QJsonObject object, QString path) : m_object(std::move(object)), m_path(std::move(path)) {}

    QString name(const QString& key) const { return m_path.isEmpty() ? key : m_path + u'.' + key; }
    QJsonValue operator[](const QString& key) const { return m_object.value(key); }

    QString text(const QString& key) const {
        if (!m_object.value(key).isString())
            Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" ontbreekt of is geen tekst")
                     .arg(name(key)));
        return m_object.value(key).toString();
    }
    bool flag(const QString& key) const {
        if (!m_object.value(key).isBool())
            Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" ontbreekt of is geen ja/nee-waarde")
                     .arg(name(key)));
        return m_object.value(key).toBool();
    }
    int number(const QString& key, int low, int high) const {
        return ReadNumber(m_object.value(key), name(key), low, high);
    }
    Node object(const QString& key) const {
        if (!m_object.value(key).isObject())
            Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" ontbreekt of is geen object")
                     .arg(name(key)));
        return {m_object.value(key).toObject(), name(key)};
    }

  private:
    QJsonObject m_object;
    QString m_path;
};

DuoRecovery ReadDuo(const Node& node, int version) {
    DuoRecovery duo;
    const auto field = [&](const char* key) { return node.name(QLatin1String(key)); };
    const QStringList names = ReadTexts(node[QStringLiteral("names")], field("names"), 2);
    duo.setup.names = {names[0], names[1]};
    duo.setup.startScore = node.number(QStringLiteral("startScore"), 1, kMaxStartScore);
    const QString kind = node.text(QStringLiteral("kind"));
    if (kind != kSets && kind != kLegs)
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" is \"%2\" en niet \"sets\" of \"legs\"")
                 .arg(field("kind"), kind));
    const bool sets = kind == kSets;
    duo.setup.kind = sets ? DuoSetup::Kind::Sets : DuoSetup::Kind::Legs;
    duo.setup.target = node.number(QStringLiteral("target"), 1, kMaxTarget);

    // A third leg wins the set and the count of legs starts again; a legs match wins no sets.
    const QList<int> legs = ReadNumbers(node[QStringLiteral("legsWon")], field("legsWon"), 2, 0,
                                        sets ? DuoMatch::kLegsPerSet - 1 : duo.setup.target);
    const QList<int> setsWon =
        ReadNumbers(node[QStringLiteral("setsWon")], field("setsWon"), 2, 0, sets ? duo.setup.target : 0);
    const QJsonArray turns = ReadArray(node[QStringLiteral("turns")], field("turns"), 2);
    std::array<bool, 2> atZero{}, reached{};
    for (int i : {0, 1}) {
        duo.legsWon[i] = legs[i];
        duo.setsWon[i] = setsWon[i];
        duo.turns[i] =
            ReadTurns(turns[i], QStringLiteral("%1[%2]").arg(field("turns")).arg(i), duo.setup.startScore);
        atZero[i] = std::accumulate(duo.turns[i].begin(), duo.turns[i].end(), 0) == duo.setup.startScore;
        reached[i] = (sets ? setsWon[i] : legs[i]) == duo.setup.target;
    }
    if (version == 1) {
        for (int i : {0, 1})
            duo.booked[i] = !duo.turns[i].isEmpty();
    } else {
        const QJsonArray booked = ReadArray(node[QStringLiteral("booked")], field("booked"), 2);
        for (int i : {0, 1}) {
            if (!booked[i].isBool())
                Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1[%2]\" is geen ja/nee-waarde")
                         .arg(field("booked"))
                         .arg(i));
            duo.booked[i] = booked[i].toBool();
        }
    }
    duo.atTheThrow = node.number(QStringLiteral("atTheThrow"), 1, 2);
    duo.starter = node.number(QStringLiteral("starter"), 1, 2);
    duo.fileName = node.text(QStringLiteral("fileName"));
    duo.matchId = node[QStringLiteral("matchId")].toString();

    if (atZero[0] && atZero[1])
        Fail(QCoreApplication::translate("vx::RecoveryFile", "beide spelers hebben de leg gewonnen"));
    if (reached[0] && reached[1])
        Fail(QCoreApplication::translate("vx::RecoveryFile", "beide spelers hebben de wedstrijd gewonnen"));
    // The leg that decided the match stays on the board: no further leg is started.
    if ((reached[0] && !atZero[0]) || (reached[1] && !atZero[1]))
        Fail(QCoreApplication::translate("vx::RecoveryFile",
                                         "de winnaar van de wedstrijd heeft de laatste leg niet gewonnen"));
    return duo;
}

TeamRecovery ReadTeam(const Node& node) {
    TeamRecovery team;
    team.team = node.text(QStringLiteral("name"));
    team.players = ReadTexts(node[QStringLiteral("players")], node.name(QStringLiteral("players")));
    if (team.players.isEmpty() || team.players.size() > TeamMatch::kMaxPlayers)
        Fail(
            QCoreApplication::translate("vx::RecoveryFile", "\"%1\" heeft %2 spelers en niet 1 tot en met %3")
                .arg(node.name(QStringLiteral("players")))
                .arg(team.players.size())
                .arg(TeamMatch::kMaxPlayers));
    team.atTheBoard = node.number(QStringLiteral("atTheBoard"), 1, int(team.players.size()));
    team.startScore = node.number(QStringLiteral("startScore"), 1, kMaxStartScore);
    team.turns =
        ReadTurns(node[QStringLiteral("turns")], node.name(QStringLiteral("turns")), team.startScore);
    team.matchId = node[QStringLiteral("matchId")].toString();
    return team;
}

Recovery ReadRoot(const QByteArray& bytes) {
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        Fail(QCoreApplication::translate("vx::RecoveryFile", "het is geen geldige JSON (fout bij teken %1)")
                 .arg(parse.offset + 1));
    if (!doc.isObject()) Fail(QCoreApplication::translate("vx::RecoveryFile", "het bevat geen JSON-object"));
    const Node root(doc.object(), {});
    if (root.text(QStringLiteral("format")) != kRecoveryFormat)
        Fail(QCoreApplication::translate("vx::RecoveryFile", "het is geen herstelbestand van Vorlentix"));
    const int version = root.number(QStringLiteral("version"), 0, INT_MAX);
    if (version < 1 || version > kRecoveryVersion)
        Fail(QCoreApplication::translate(
                 "vx::RecoveryFile",
                 "het heeft versie %1 en dit programma leest alleen versie 1 tot en met %2")
                 .arg(version)
                 .arg(kRecoveryVersion));

    Recovery recovery;
    const QString savedAt = root.text(QStringLiteral("savedAt"));
    recovery.savedAt = QDateTime::fromString(savedAt, Qt::ISODateWithMs).toLocalTime();
    if (!recovery.savedAt.isValid())
        Fail(QCoreApplication::translate("vx::RecoveryFile", "\"savedAt\" is \"%1\" en geen datum en tijd")
                 .arg(savedAt));
    // The time is written back in local time, which has a four-digit year: near the ends of the
    // calendar another offset can move it past them, and the file written would not be read.
    if (const int year = recovery.savedAt.date().year(); year < 1 || year > 9999)
        Fail(QCoreApplication::translate(
                 "vx::RecoveryFile", "\"savedAt\" is \"%1\" en valt hier buiten de jaren 1 tot en met 9999")
                 .arg(savedAt));
    const QString match = root.text(QStringLiteral("match"));
    if (match == kDuo)
        recovery.match = ReadDuo(root.object(kDuo), version);
    else if (match == kTeam)
        recovery.match = ReadTeam(root.object(kTeam));
    else
        Fail(
            QCoreApplication::translate("vx::RecoveryFile", "\"match\" is \"%1\" en niet \"duo\" of \"team\"")
                .arg(match));

    if (!root[kScoreboard].isUndefined()) {
        const Node board = root.object(kScoreboard);
        constexpr int far = 1 << 20; // beyond any desktop
        const QList<int> box = ReadNumbers(board[QStringLiteral("geometry")],
                                           board.name(QStringLiteral("geometry")), 4, -far, far);
        recovery.scoreboard = ScoreboardPlace{board.text(QStringLiteral("screen")),
                                              board.flag(QStringLiteral("fullScreen")),
                                              QRect(box[0], box[1], box[2], box[3])};
    }
    const Node list = root.object(QStringLiteral("scoreList"));
    recovery.listChanged = list.flag(QStringLiteral("changed"));
    if (version >= kBaseVersion && !list[QStringLiteral("base")].isUndefined()) {
        const Node node = list.object(QStringLiteral("base"));
        RecoveryBase base;
        base.file = node.text(QStringLiteral("file"));
        if (base.file.isEmpty())
            Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" is leeg")
                     .arg(node.name(QStringLiteral("file"))));
        base.rows = node.number(QStringLiteral("rows"), 1, INT_MAX);
        const QString digest = node.text(QStringLiteral("sha256"));
        static const QRegularExpression hex(QStringLiteral("^[0-9a-f]{64}$"));
        if (!hex.match(digest).hasMatch())
            Fail(QCoreApplication::translate("vx::RecoveryFile", "\"%1\" is geen SHA-256 in hexadecimalen")
                     .arg(node.name(QStringLiteral("sha256"))));
        base.sha256 = digest.toLatin1();
        recovery.base = base;
    }
    const QString rowsName = list.name(QStringLiteral("rows"));
    const QJsonArray rows = ReadArray(list[QStringLiteral("rows")], rowsName);
    recovery.list.reserve(rows.size());
    int next = 0; // runs follow the file's order and never overlap
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString name = QStringLiteral("%1[%2]").arg(rowsName).arg(r);
        if (rows[r].isObject() && version >= kBaseVersion) {
            if (!recovery.base)
                Fail(
                    QCoreApplication::translate(
                        "vx::RecoveryFile", "\"%1\" neemt rijen uit een scorelijst, maar er is geen \"base\"")
                        .arg(name));
            const Node run(rows[r].toObject(), name);
            BaseRows runRows;
            runRows.first = run.number(QStringLiteral("from"), next, recovery.base->rows - 1);
            runRows.count = run.number(QStringLiteral("count"), 1, recovery.base->rows - runRows.first);
            next = runRows.first + runRows.count;
            recovery.list.append(runRows);
            continue;
        }
        const QStringList cells = ReadTexts(rows[r], name, ScoreListModel::kColumns);
        ScoreListModel::Row row;
        std::copy(cells.begin(), cells.end(), row.begin());
        recovery.list.append(row);
    }
    return recovery;
}

} // namespace

// Turn lists are compared by their values, not with QList's own ==: Qt 6.4's hands memcmp a null
// pointer when one empty list has storage (all turns undone) and the other has none, which is
// undefined behaviour the sanitized tests rightly stop at.
static bool sameTurns(const QList<int>& a, const QList<int>& b) {
    return std::ranges::equal(a, b);
}

bool DuoRecovery::operator==(const DuoRecovery& o) const {
    return setup.names == o.setup.names && setup.startScore == o.setup.startScore &&
           setup.kind == o.setup.kind && setup.target == o.setup.target && sameTurns(turns[0], o.turns[0]) &&
           sameTurns(turns[1], o.turns[1]) && booked == o.booked && legsWon == o.legsWon &&
           setsWon == o.setsWon && atTheThrow == o.atTheThrow && starter == o.starter &&
           fileName == o.fileName && matchId == o.matchId;
}

bool TeamRecovery::operator==(const TeamRecovery& o) const {
    return team == o.team && players == o.players && atTheBoard == o.atTheBoard &&
           startScore == o.startScore && sameTurns(turns, o.turns) && matchId == o.matchId;
}

QString recoveryFilePath() {
    return QFileInfo(folders().homeDir, kFileName).filePath();
}

QByteArray recoveryPieceJson(const RecoveryPiece& piece) {
    if (const auto* run = std::get_if<BaseRows>(&piece))
        return QStringLiteral(R"({"from":%1,"count":%2})").arg(run->first).arg(run->count).toLatin1();
    return QJsonDocument(JsonTexts(std::get<ScoreListModel::Row>(piece))).toJson(QJsonDocument::Compact);
}

FileResult writeRecovery(const QString& path, const Recovery& recovery) {
    QList<QByteArray> pieceTexts;
    pieceTexts.reserve(recovery.list.size());
    for (const RecoveryPiece& piece : recovery.list)
        pieceTexts.append(recoveryPieceJson(piece));
    return writeRecovery(path, recovery, pieceTexts);
}

FileResult writeRecovery(const QString& path, const Recovery& recovery, const QList<QByteArray>& pieceTexts) {
    const bool duo = std::holds_alternative<DuoRecovery>(recovery.match);
    QJsonObject root{
        {QStringLiteral("format"), kRecoveryFormat},
        {QStringLiteral("version"), kRecoveryVersion},
        // With its offset, the time means the same after a change of time zone or summer time.
        {QStringLiteral("savedAt"),
         recovery.savedAt.toOffsetFromUtc(recovery.savedAt.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {QStringLiteral("match"), duo ? kDuo : kTeam},
    };
    if (duo)
        root.insert(kDuo, DuoJson(std::get<DuoRecovery>(recovery.match)));
    else
        root.insert(kTeam, TeamJson(std::get<TeamRecovery>(recovery.match)));
    if (const std::optional<ScoreboardPlace>& board = recovery.scoreboard) {
        const QRect& g = board->geometry;
        root.insert(kScoreboard, QJsonObject{{QStringLiteral("screen"), board->screen},
                                             {QStringLiteral("fullScreen"), board->fullScreen},
                                             {QStringLiteral("geometry"),
                                              QJsonArray{g.x(), g.y(), g.width(), g.height()}}});
    }
    QJsonObject list{{QStringLiteral("changed"), recovery.listChanged}};
    if (recovery.base)
        list.insert(QStringLiteral("base"),
                    QJsonObject{
                        {QStringLiteral("file"), recovery.base->file},
                        {QStringLiteral("rows"), recovery.base->rows},
                        {QStringLiteral("sha256"), QString::fromLatin1(recovery.base->sha256)},
                    });

    // The score list goes last, its rows put in as the texts they already are.
    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    bytes.chop(1); // the closing brace
    QByteArray listBytes = QJsonDocument(list).toJson(QJsonDocument::Compact);
    listBytes.chop(1);
    qsizetype size = bytes.size() + listBytes.size() + 32;
    for (const QByteArray& piece : pieceTexts)
        size += piece.size() + 1;
    bytes.reserve(size);
    bytes += R"(,"scoreList":)" + listBytes + R"(,"rows":[)";
    for (qsizetype r = 0; r < pieceTexts.size(); ++r) {
        if (r > 0) bytes += ',';
        bytes += pieceTexts[r];
    }
    bytes += "]}}";

    QString error;
    if (writeFileAtomic(path, bytes, &error)) return FileResult::success();
    return FileResult::failure(
        QCoreApplication::translate("vx::RecoveryFile", "De wedstrijd is niet bewaard in \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), error));
}

QString recoveryRefusal(const QString& path, const QString& why) {
    return QCoreApplication::translate("vx::RecoveryFile",
                                       "Het herstelbestand \"%1\" is niet te gebruiken: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

FileResult readRecovery(const QString& path, Recovery* out, QString* why) {
    const auto failure = [&](const QString& reason) {
        if (why) *why = reason;
        return FileResult::failure(recoveryRefusal(path, reason));
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(fileFailureReason(FileAction::Read, path, file.error()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(fileFailureReason(FileAction::Read, path, file.error()));
    try {
        *out = ReadRoot(bytes);
    } catch (const Damaged& damaged) {
        return failure(damaged.why);
    }
    return FileResult::success();
}

namespace {

// A free name beside `path` with the date and time of now in it.
QString DatedName(const QString& path) {
    const QFileInfo info(path);
    const QString stem = QStringLiteral("%1/%2-%3")
                             .arg(info.path(), info.completeBaseName(),
                                  clock().now().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString target = stem + suffix;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
    return target;
}

FileResult PutAside(const QString& path, QString* target, bool copy) {
    const QString dated = DatedName(path);
    QFile file(path);
    if (!(copy ? file.copy(dated) : file.rename(dated)))
        return FileResult::failure(
            QCoreApplication::translate("vx::RecoveryFile",
                                        "Het herstelbestand \"%1\" kan niet opzij worden gezet: %2.")
                .arg(QDir::toNativeSeparators(path),
                     fileFailureReason(FileAction::Write, dated, file.error())));
    if (target) *target = dated;
    return FileResult::success();
}

} // namespace

FileResult setRecoveryAside(const QString& path, QString* movedTo) {
    return PutAside(path, movedTo, false);
}

FileResult copyRecoveryAside(const QString& path, QString* copiedTo) {
    return PutAside(path, copiedTo, true);
}

QByteArray scoreListDigest(const ScoreListModel::Rows& rows) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray row;
    for (const ScoreListModel::Row& cells : rows) {
        // Each cell with its length first: no two lists of cells make the same bytes.
        row.clear();
        for (const QString& cell : cells) {
            const auto length = static_cast<quint32>(cell.size());
            row.append(reinterpret_cast<const char*>(&length), sizeof length);
            row.append(reinterpret_cast<const char*>(cell.utf16()), cell.size() * 2);
        }
        hash.addData(row);
    }
    return hash.result().toHex();
}

std::optional<RecoveryBase> recoveryBase(const QString& path, const ScoreListModel::Rows& rows,
                                         bool withDigest) {
    if (rows.isEmpty()) return std::nullopt;
    // Relative, so a home folder that moves (another --home, a copied stick) takes it along.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QString file = QDir(folders().homeDir).relativeFilePath(absolute);
    if (file.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(file)) file = absolute;
    return RecoveryBase{file, int(rows.size()), withDigest ? scoreListDigest(rows) : QByteArray()};
}

QString recoveryBasePath(const RecoveryBase& base) {
    return QDir(folders().homeDir).filePath(base.file);
}

RebuiltList rebuildScoreList(const Recovery& recovery) {
    RebuiltList out;
    if (!recovery.base) {
        for (const RecoveryPiece& piece : recovery.list)
            if (const auto* row = std::get_if<ScoreListModel::Row>(&piece)) out.rows.append(*row);
        out.origins = QVector<int>(out.rows.size(), -1);
        return out;
    }

    // The file as it is now, read the way a score list is loaded.
    const QString path = recoveryBasePath(*recovery.base);
    ScoreListModel::Rows fileRows;
    QString unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        unreadable = fileFailureReason(FileAction::Read, path, file.error());
    } else {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            unreadable = fileFailureReason(FileAction::Read, path, file.error());
        else if (!parseScoreList(bytes, &fileRows))
            unreadable = QCoreApplication::translate("vx::RecoveryFile", "het is geen scorelijst");
    }
    if (!unreadable.isEmpty()) fileRows.clear();
    out.baseUnreadable = !unreadable.isEmpty() && file.exists();

    if (unreadable.isEmpty() && fileRows.size() == recovery.base->rows &&
        scoreListDigest(fileRows) == recovery.base->sha256) {
        out.base = recovery.base;
        for (const RecoveryPiece& piece : recovery.list) {
            if (const auto* run = std::get_if<BaseRows>(&piece)) {
                for (int r = run->first; r < run->first + run->count; ++r) {
                    out.rows.append(fileRows[r]);
                    out.origins.append(r);
                }
            } else {
                out.rows.append(std::get<ScoreListModel::Row>(piece));
                out.origins.append(-1);
            }
        }
        return out;
    }

    // Edits and removals of the file's rows cannot be placed in another file's rows: what the
    // file holds now stays, and every row the recovery holds itself comes after it.
    out.rows = fileRows;
    out.base = recoveryBase(path, fileRows);
    for (int r = 0; r < fileRows.size(); ++r)
        out.origins.append(r);
    for (const RecoveryPiece& piece : recovery.list)
        if (const auto* row = std::get_if<ScoreListModel::Row>(&piece)) {
            out.rows.append(*row);
            out.origins.append(-1);
        }
    const QString shown = QDir::toNativeSeparators(path);
    const QString what =
        unreadable.isEmpty()
            ? QCoreApplication::translate(
                  "vx::RecoveryFile",
                  "De scorelijst \"%1\" is veranderd sinds de wedstrijd werd onderbroken.")
                  .arg(shown)
            : QCoreApplication::translate("vx::RecoveryFile", "De scorelijst \"%1\" is niet te lezen: %2.")
                  .arg(shown, unreadable);
    out.problem =
        what + u' ' +
        QCoreApplication::translate(
            "vx::RecoveryFile",
            "De rijen die nog niet waren opgeslagen, nieuwe en gewijzigde, staan nu achter de rijen "
            "die het bestand nu heeft; rijen die uit de lijst waren verwijderd, staan er weer in. "
            "Kijk de scorelijst na voordat u opslaat.");
    return out;
}

} // namespace vx

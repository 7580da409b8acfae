#include "core/files/RecoveryFile.h"

#include "core/common/Services.h"
#include "core/files/FileReason.h"
#include "core/files/TextFile.h"
#include "core/match/MatchSetup.h"
#include "core/match/TeamMatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
const QString kSets = QStringLiteral("sets");
const QString kLegs = QStringLiteral("legs");

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
    };
}

QJsonObject TeamJson(const TeamRecovery& team) {
    return {
        {QStringLiteral("name"), team.team},
        {QStringLiteral("players"), JsonTexts(team.players)},
        {QStringLiteral("atTheBoard"), team.atTheBoard},
        {QStringLiteral("startScore"), team.startScore},
        {QStringLiteral("turns"), JsonNumbers(team.turns)},
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

    const Node list = root.object(QStringLiteral("scoreList"));
    recovery.listChanged = list.flag(QStringLiteral("changed"));
    const QString rowsName = list.name(QStringLiteral("rows"));
    const QJsonArray rows = ReadArray(list[QStringLiteral("rows")], rowsName);
    recovery.rows.reserve(rows.size());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList cells =
            ReadTexts(rows[r], QStringLiteral("%1[%2]").arg(rowsName).arg(r), ScoreListModel::kColumns);
        ScoreListModel::Row row;
        std::copy(cells.begin(), cells.end(), row.begin());
        recovery.rows.append(row);
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
           fileName == o.fileName;
}

bool TeamRecovery::operator==(const TeamRecovery& o) const {
    return team == o.team && players == o.players && atTheBoard == o.atTheBoard &&
           startScore == o.startScore && sameTurns(turns, o.turns);
}

QString recoveryFilePath() {
    return QFileInfo(folders().homeDir, kFileName).filePath();
}

QByteArray recoveryRowJson(const ScoreListModel::Row& row) {
    return QJsonDocument(JsonTexts(row)).toJson(QJsonDocument::Compact);
}

FileResult writeRecovery(const QString& path, const Recovery& recovery) {
    QList<QByteArray> rowTexts;
    rowTexts.reserve(recovery.rows.size());
    for (const ScoreListModel::Row& row : recovery.rows)
        rowTexts.append(recoveryRowJson(row));
    return writeRecovery(path, recovery, rowTexts);
}

FileResult writeRecovery(const QString& path, const Recovery& recovery, const QList<QByteArray>& rowTexts) {
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

    // The score list goes last, its rows put in as the texts they already are.
    QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
    bytes.chop(1); // the closing brace
    bytes += recovery.listChanged ? R"(,"scoreList":{"changed":true,"rows":[)"
                                  : R"(,"scoreList":{"changed":false,"rows":[)";
    qsizetype size = bytes.size() + 3;
    for (const QByteArray& row : rowTexts)
        size += row.size() + 1;
    bytes.reserve(size);
    for (qsizetype r = 0; r < rowTexts.size(); ++r) {
        if (r > 0) bytes += ',';
        bytes += rowTexts[r];
    }
    bytes += "]}}";

    QString error;
    if (writeFileAtomic(path, bytes, &error)) return FileResult::success();
    return FileResult::failure(
        QCoreApplication::translate("vx::RecoveryFile", "De wedstrijd is niet bewaard in \"%1\": %2.")
            .arg(QDir::toNativeSeparators(path), error));
}

FileResult readRecovery(const QString& path, Recovery* out) {
    const auto failure = [&](const QString& why) {
        return FileResult::failure(
            QCoreApplication::translate("vx::RecoveryFile",
                                        "Het herstelbestand \"%1\" is niet te gebruiken: %2.")
                .arg(QDir::toNativeSeparators(path), why));
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

FileResult setRecoveryAside(const QString& path, QString* movedTo) {
    const QFileInfo info(path);
    const QString stem = QStringLiteral("%1/%2-%3")
                             .arg(info.path(), info.completeBaseName(),
                                  clock().now().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    QString target = stem + suffix;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix);
    QFile file(path);
    if (!file.rename(target))
        return FileResult::failure(
            QCoreApplication::translate("vx::RecoveryFile",
                                        "Het herstelbestand \"%1\" kan niet opzij worden gezet: %2.")
                .arg(QDir::toNativeSeparators(path),
                     fileFailureReason(FileAction::Write, target, file.error())));
    if (movedTo) *movedTo = target;
    return FileResult::success();
}

} // namespace vx

// The recovery file: every field back as written, and any damaged file refused with a reason.
#include "core/files/RecoveryFile.h"
#include "core/files/RecoveryWriter.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>

using namespace vx;

namespace {

ScoreListModel::Row MakeRow(const QString& first, const QString& out, const QStringList& turns,
                            const QString& avg) {
    ScoreListModel::Row row;
    row.fill(QStringLiteral("-"));
    row[0] = first;
    row[1] = out;
    for (int i = 0; i < turns.size(); ++i)
        row[2 + i] = turns[i];
    row[27] = avg;
    return row;
}

Recovery DuoExample() {
    DuoRecovery duo;
    duo.setup = {{QStringLiteral("Jürgen \"de Kat\""), QStringLiteral("Fred")}, 701, DuoSetup::Kind::Sets, 4};
    duo.turns = {QList<int>{100, 60, 0}, QList<int>{180}};
    duo.legsWon = {2, 1};
    duo.setsWon = {1, 3};
    duo.atTheThrow = 2;
    duo.starter = 2;
    duo.fileName = QStringLiteral("Finale 2024");
    Recovery r;
    r.savedAt = QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3, 250));
    r.match = duo;
    r.rows = {
        MakeRow(QStringLiteral("Fred"), QStringLiteral("v"), {"180", "140", "181"}, QStringLiteral("55,7")),
        MakeRow(QString(), QString(), {}, QString())};
    r.listChanged = true;
    return r;
}

Recovery TeamExample() {
    TeamRecovery team{QStringLiteral("De Pijlen"), {"Ann", "Bob", "Cees"}, 3, 301, {100, 100, 100, 1}};
    Recovery r;
    r.savedAt = QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59));
    r.match = team;
    r.rows = {MakeRow(QStringLiteral("31-12-2023 / 23:59:59"), QString(), {"100", "100", "100", "1"},
                      QStringLiteral("25,1"))};
    return r;
}

// Changes the file's JSON: each change is "path=value" with the value as JSON text, or
// "path=" to remove the field; changes are separated by "; ".
QByteArray Damage(const QByteArray& bytes, const QString& changes) {
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    for (const QString& change : changes.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString path = change.section(u'=', 0, 0);
        const QString text = change.section(u'=', 1);
        const QStringList keys = path.split(u'.');
        QList<QJsonObject> objects{root};
        for (int i = 0; i + 1 < keys.size(); ++i)
            objects.append(objects.last().value(keys[i]).toObject());
        if (text.isEmpty())
            objects.last().remove(keys.last());
        else
            objects.last().insert(keys.last(),
                                  QJsonDocument::fromJson(("[" + text + "]").toUtf8()).array().at(0));
        for (int i = int(keys.size()) - 2; i >= 0; --i)
            objects[i].insert(keys[i], objects[i + 1]);
        root = objects.first();
    }
    return QJsonDocument(root).toJson();
}

} // namespace

class RecoveryFileTest : public QObject {
    Q_OBJECT
  private slots:
    void roundTrip_data() {
        QTest::addColumn<Recovery>("recovery");
        QTest::newRow("duo") << DuoExample();
        QTest::newRow("team") << TeamExample();
    }
    void roundTrip() {
        QFETCH(Recovery, recovery);
        vxtest::TempHome home;
        QVERIFY(writeRecovery(recoveryFilePath(), recovery));
        const QJsonObject root = QJsonDocument::fromJson(home.read("Vorlentix-herstel.json")).object();
        QCOMPARE(root.value("format").toString(), "vorlentix-recovery");
        QCOMPARE(root.value("version").toInt(), 1);
        Recovery back;
        const FileResult read = readRecovery(recoveryFilePath(), &back);
        QVERIFY2(read, qPrintable(read.error));
        QVERIFY(back == recovery);
        QCOMPARE(back.savedAt.toString(Qt::ISODateWithMs), recovery.savedAt.toString(Qt::ISODateWithMs));
    }

    // Through the models: a match played, written, read and put back into fresh models gives
    // the same file contents again, every field included.
    void modelRoundTrip_data() {
        QTest::addColumn<Recovery>("recovery");
        QTest::newRow("duo") << DuoExample();
        QTest::newRow("team") << TeamExample();
    }
    void modelRoundTrip() {
        QFETCH(Recovery, recovery);
        vxtest::TempHome home;
        vxtest::FixedClock clock(recovery.savedAt);
        const bool duo = std::holds_alternative<DuoRecovery>(recovery.match);
        QVERIFY(writeRecovery(recoveryFilePath(), recovery));
        Recovery read;
        QVERIFY(readRecovery(recoveryFilePath(), &read));

        TeamMatch team;
        DuoMatch match;
        ScoreListModel list;
        SessionState session;
        if (duo) {
            restoreMatch(std::get<DuoRecovery>(read.match), match);
            session.duoFileName = std::get<DuoRecovery>(read.match).fileName;
        } else {
            restoreMatch(std::get<TeamRecovery>(read.match), team);
        }
        list.replaceAll(read.rows);
        session.scoreListChanged = read.listChanged;
        const std::optional<Recovery> again = recoverySnapshot(duo, team, match, list, session);
        QVERIFY(again);
        QVERIFY(*again == recovery);
        QVERIFY(!recoverySnapshot(!duo, team, match, list, session)); // the other kind was never set up
    }

    // The writer writes what was booked, not darts in progress, and a closed match leaves no file.
    void writer() {
        vxtest::TempHome home;
        vxtest::FixedClock clock(QDateTime(QDate(2024, 3, 7), QTime(21, 5)));
        TeamMatch team;
        DuoMatch match;
        ScoreListModel list;
        SessionState session;
        RecoveryWriter writer(team, match, list, session);
        writer.setDuo(true);
        // The turns of player 1 and the minute the snapshot was taken.
        const auto written = [&] {
            writer.flush();
            Recovery r;
            if (!readRecovery(recoveryFilePath(), &r)) return QStringLiteral("none");
            return turnTexts(std::get<DuoRecovery>(r.match).turns[0]).join(u' ') + r.savedAt.toString(" mm");
        };
        QCOMPARE(written(), "none");
        match.start({{"Koos", "Fred"}, 501, DuoSetup::Kind::Legs, 3});
        QCOMPARE(written(), " 05");
        clock.at = clock.at.addSecs(60);
        match.enterDart(60, "T20");
        QCOMPARE(written(), " 05");
        match.bookTurn();
        QCOMPARE(written(), "60 06");
        match.bookTurn();
        clock.at = clock.at.addSecs(60);
        match.undoLastTurn(1);
        QCOMPARE(written(), " 07");
        writer.finish();
        QVERIFY(!QFile::exists(recoveryFilePath()));
        match.bookTurn();
        writer.flush();
        QVERIFY(!QFile::exists(recoveryFilePath()));
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray duo, team;
        {
            vxtest::TempHome home;
            writeRecovery(recoveryFilePath(), DuoExample());
            duo = home.read("Vorlentix-herstel.json");
            writeRecovery(recoveryFilePath(), TeamExample());
            team = home.read("Vorlentix-herstel.json");
        }
        // clang-format off
        const QList<std::tuple<const char*, QByteArray, const char*>> rows = {
            {"no JSON at all", QByteArray("\x00\xff\x10garbage", 10), "geen geldige JSON"},
            {"empty", QByteArray(), "geen geldige JSON"},
            {"cut short", duo.left(duo.size() / 2), "geen geldige JSON"},
            {"an array", "[1, 2]", "geen JSON-object"},
            {"another format", Damage(duo, "format=\"vorlentix-settings\""), "geen herstelbestand"},
            {"a newer version", Damage(duo, "version=2"), "versie 2"},
            {"version as text", Damage(duo, "version=\"1\""), "\"version\""},
            {"no match type", Damage(duo, "match="), "\"match\""},
            {"unknown match type", Damage(duo, "match=\"trio\""), "\"trio\""},
            {"no duo object", Damage(duo, "duo="), "\"duo\""},
            {"one name", Damage(duo, "duo.names=[\"Koos\"]"), "\"duo.names\" heeft 1"},
            {"a name that is a number", Damage(duo, "duo.names=[\"Koos\", 5]"), "\"duo.names[1]\""},
            {"start score 0", Damage(duo, "duo.startScore=0"), "\"duo.startScore\" is 0"},
            {"start score absurd", Damage(duo, "duo.startScore=1e300"), "\"duo.startScore\" is 1e+300"},
            {"start score a fraction", Damage(duo, "duo.startScore=501.5"), "\"duo.startScore\""},
            {"unknown kind", Damage(duo, "duo.kind=\"best of\""), "\"best of\""},
            {"target 0", Damage(duo, "duo.target=0"), "\"duo.target\" is 0"},
            {"three legs in a set", Damage(duo, "duo.legsWon=[3, 0]"), "\"duo.legsWon[0]\" is 3"},
            {"sets in a legs match", Damage(duo, "duo.kind=\"legs\"; duo.legsWon=[0, 0]"), "\"duo.setsWon[0]\" is 1"},
            {"a turn of 181", Damage(duo, "duo.turns=[[181], []]"), "\"duo.turns[0][0]\" is 181"},
            {"a negative turn", Damage(duo, "duo.turns=[[], [-5]]"), "\"duo.turns[1][0]\" is -5"},
            {"turns beyond the start score", Damage(duo, "duo.turns=[[180, 180, 180, 180], []]"), "duo.turns[0]\" zijn samen meer"},
            {"turns not a list", Damage(duo, "duo.turns=[{}, []]"), "\"duo.turns[0]\""},
            {"both won the leg", Damage(duo, "duo.startScore=180; duo.turns=[[180], [180]]"), "beide spelers hebben de leg"},
            {"both won the match", Damage(duo, "duo.setsWon=[4, 4]"), "beide spelers hebben de wedstrijd"},
            {"a winner still playing", Damage(duo, "duo.setsWon=[4, 0]"), "laatste leg niet gewonnen"},
            {"nobody at the throw", Damage(duo, "duo.atTheThrow=0"), "\"duo.atTheThrow\" is 0"},
            {"a third starter", Damage(duo, "duo.starter=3"), "\"duo.starter\" is 3"},
            {"no file name", Damage(duo, "duo.fileName="), "\"duo.fileName\""},
            {"no date", Damage(duo, "savedAt=\"gisteren\""), "\"gisteren\""},
            // In the local time of any zone on earth (-12:00 and east of it) already the year 10000.
            {"a date past the year 9999", Damage(duo, "savedAt=\"9999-12-31T23:59:59.999-14:00\""), "buiten de jaren 1 tot en met 9999"},
            {"changed as text", Damage(duo, "scoreList.changed=\"ja\""), "\"scoreList.changed\""},
            {"a row of 27 cells", Damage(duo, "scoreList.rows=[[\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\",\"k\",\"l\",\"m\",\"n\",\"o\",\"p\",\"q\",\"r\",\"s\",\"t\",\"u\",\"v\",\"w\",\"x\",\"y\",\"z\",\"0\"]]"), "\"scoreList.rows[0]\" heeft 27"},
            {"no rows", Damage(duo, "scoreList.rows="), "\"scoreList.rows\""},
            {"eleven players", Damage(team, "team.players=[\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\"]"), "11 spelers"},
            {"no players", Damage(team, "team.players=[]"), "0 spelers"},
            {"a player beyond the team", Damage(team, "team.atTheBoard=4"), "\"team.atTheBoard\" is 4"},
            {"a team leg beyond its start", Damage(team, "team.turns=[100, 100, 100, 2]"), "\"team.turns\" zijn samen meer"},
            {"a team as a duo", Damage(team, "match=\"duo\""), "\"duo\" ontbreekt"},
        };
        // clang-format on
        for (const auto& [name, bytes, reason] : rows)
            QTest::newRow(name) << bytes << QString::fromUtf8(reason);
    }
    void damaged() {
        QFETCH(QByteArray, bytes);
        vxtest::TempHome home;
        home.write("Vorlentix-herstel.json", bytes);
        Recovery untouched = TeamExample(), out = untouched;
        const FileResult read = readRecovery(recoveryFilePath(), &out);
        QVERIFY(!read);
        QVERIFY2(read.error.startsWith("Het herstelbestand \"" +
                                       QDir::toNativeSeparators(recoveryFilePath()) +
                                       "\" is niet te gebruiken: "),
                 qPrintable(read.error));
        QFETCH(QString, reason);
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
        QVERIFY(out == untouched);
    }

    // Bytes changed at random never crash the reader, and what it accepts it writes back as it
    // read it.
    void randomDamage() {
        vxtest::TempHome home;
        writeRecovery(recoveryFilePath(), DuoExample());
        const QByteArray good = home.read("Vorlentix-herstel.json");
        QRandomGenerator random(11);
        int accepted = 0;
        const QByteArray characters = "0123456789-.,[]{}\"e:x";
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = good;
            for (int n = random.bounded(1, 4); n > 0; --n)
                bytes[random.bounded(int(bytes.size()))] = characters[random.bounded(int(characters.size()))];
            home.write("Vorlentix-herstel.json", bytes);
            Recovery read, again;
            if (!readRecovery(recoveryFilePath(), &read)) continue;
            ++accepted;
            QVERIFY(writeRecovery(recoveryFilePath(), read));
            QVERIFY(readRecovery(recoveryFilePath(), &again));
            QVERIFY(again == read);
        }
        QVERIFY(accepted > 0);
    }

    // Declined or damaged files are kept under the time they were set aside, never overwritten.
    void setAside() {
        vxtest::TempHome home;
        vxtest::FixedClock clock(QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3)));
        QString moved;
        QVERIFY(!setRecoveryAside(recoveryFilePath(), &moved));
        for (const QString suffix : {"", "-2", "-3"}) {
            home.write("Vorlentix-herstel.json", suffix.toUtf8());
            const FileResult done = setRecoveryAside(recoveryFilePath(), &moved);
            QVERIFY2(done, qPrintable(done.error));
            QCOMPARE(moved, home.file("Vorlentix-herstel-2024-03-07-210503" + suffix + ".json"));
            QCOMPARE(home.read(QFileInfo(moved).fileName()), suffix.toUtf8());
            QVERIFY(!QFile::exists(recoveryFilePath()));
        }
    }

    void writeFailureSaysWhy() {
        vxtest::TempHome home;
        const FileResult written = writeRecovery(home.file("geen map/herstel.json"), TeamExample());
        QVERIFY(!written);
        QVERIFY2(written.error.contains("bestaat niet"), qPrintable(written.error));
    }
};

QTEST_GUILESS_MAIN(RecoveryFileTest)
#include "test_recoveryfile.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery file: every field back as written, and any damaged file refused with a reason.
#include "core/files/RecoveryFile.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/TextFile.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSignalSpy>
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
    duo.booked = {true, true};
    duo.legsWon = {2, 1};
    duo.setsWon = {1, 3};
    duo.atTheThrow = 2;
    duo.starter = 2;
    duo.fileName = QStringLiteral("Finale 2024");
    duo.matchId = QStringLiteral("0b6d3f4e-8a51-4c1e-9f0a-2d7c5e3b1a90");
    Recovery r;
    r.savedAt = QDateTime(QDate(2024, 3, 7), QTime(21, 5, 3, 250));
    r.match = duo;
    r.list = {
        MakeRow(QStringLiteral("Fred"), QStringLiteral("v"), {"180", "140", "181"}, QStringLiteral("55,7")),
        MakeRow(QString(), QString(), {}, QString())};
    r.listChanged = true;
    return r;
}

Recovery TeamExample() {
    TeamRecovery team{QStringLiteral("De Pijlen"), {"Ann", "Bob", "Cees"}, 3, 301, {100, 100, 100, 1},
                      QStringLiteral("6e2a9c1d-3b47-4f85-a0d2-7c19e4b58f36")};
    Recovery r;
    r.savedAt = QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59));
    r.match = team;
    r.list = {MakeRow(QStringLiteral("31-12-2023 / 23:59:59"), QString(), {"100", "100", "100", "1"},
                      QStringLiteral("25,1"))};
    return r;
}

Recovery BasedExample() {
    Recovery r = DuoExample();
    r.base = RecoveryBase{QStringLiteral("Teams/Finale 2024.lib"), 10, QByteArray(64, 'a')};
    r.list = {BaseRows{0, 4}, std::get<ScoreListModel::Row>(r.list[0]), BaseRows{5, 5}};
    return r;
}

// Rows named by their first cell; the other cells tell nothing apart.
ScoreListModel::Row Named(const QString& name) {
    return MakeRow(name, QStringLiteral("v"), {QStringLiteral("60")}, QStringLiteral("20,0"));
}

QString Names(const ScoreListModel::Rows& rows) {
    QStringList names;
    for (const ScoreListModel::Row& row : rows)
        names << row[0];
    return names.join(u' ');
}

// What the scorer does to the list: "append N", "edit R", "remove R", "replace N" (a list
// replaced whole, not from a file), "clear", "save", "load", separated by "; ".
void Change(const QString& steps, ScoreListModel& list, RecoveryWriter& writer) {
    int made = 0;
    for (const QString& step : steps.split(QStringLiteral("; "), Qt::SkipEmptyParts)) {
        const QString what = step.section(u' ', 0, 0);
        const int n = step.section(u' ', 1).toInt();
        if (what == "append")
            for (int i = 0; i < n; ++i)
                list.appendRow(Named(QStringLiteral("new%1").arg(made++)));
        else if (what == "edit")
            list.setCell(n, 0, list.cell(n, 0).toUpper());
        else if (what == "remove")
            list.removeRowAt(n);
        else if (what == "replace") {
            ScoreListModel::Rows rows;
            for (int i = 0; i < n; ++i)
                rows.append(Named(QStringLiteral("other%1").arg(i)));
            list.replaceAll(rows);
        } else if (what == "clear")
            list.clear();
        else if (what == "save") {
            QVERIFY(saveDuoList(list, QStringLiteral("Finale")));
            writer.listOnDisk(duoFilePath(QStringLiteral("Finale")));
        } else if (what == "load") {
            QVERIFY(loadDuoList(list, QStringLiteral("Finale")));
            writer.listOnDisk(duoFilePath(QStringLiteral("Finale")));
        } else
            QFAIL(qPrintable("unknown step " + step));
    }
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
        QTest::newRow("duo on a saved list") << BasedExample();
        Recovery board = TeamExample();
        board.scoreboard = ScoreboardPlace{QStringLiteral("HDMI-1"), true, QRect(-1920, 40, 960, 540)};
        QTest::newRow("team with the scoreboard open, full screen") << board;
    }
    void roundTrip() {
        QFETCH(Recovery, recovery);
        vxtest::TempHome home;
        QVERIFY(writeRecovery(recoveryFilePath(), recovery));
        const QJsonObject root = QJsonDocument::fromJson(home.read("Vorlentix-herstel.json")).object();
        QCOMPARE(root.value("format").toString(), "vorlentix-recovery");
        QCOMPARE(root.value("version").toInt(), 3);
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
        Recovery undone = DuoExample();
        std::get<DuoRecovery>(undone.match).turns[1].clear();
        QTest::newRow("duo, every turn of a player taken back") << undone;
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
        list.replaceAll(rebuildScoreList(read).rows);
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
        // Every change of the rows reaches the file: rows added, edited, removed, replaced.
        const auto rowsWritten = [&] {
            writer.flush();
            Recovery r;
            readRecovery(recoveryFilePath(), &r);
            return rebuildScoreList(r).rows;
        };
        for (const char* first : {"a", "b", "c", "d"})
            list.appendRow(MakeRow(first, "-", {"60"}, "20.0"));
        list.setCell(2, 1, "v");
        list.removeRowAt(0);
        list.removeRowAt(1);
        QVERIFY(rowsWritten() == list.rows());
        list.replaceAll({MakeRow("e", "v", {}, "0.0")});
        list.appendRow(MakeRow("f", "v", {"180"}, "60.0"));
        list.setCell(0, 0, "g");
        QVERIFY(rowsWritten() == list.rows());
        QCOMPARE(list.count(), 2);
        writer.finish();
        QVERIFY(!QFile::exists(recoveryFilePath()));
        match.bookTurn();
        writer.flush();
        QVERIFY(!QFile::exists(recoveryFilePath()));
    }

    // A file of the first version has no "booked": a player with turns has booked.
    void readsVersion1() {
        vxtest::TempHome home;
        Recovery recovery = DuoExample();
        std::get<DuoRecovery>(recovery.match).turns[1].clear();
        QVERIFY(writeRecovery(recoveryFilePath(), recovery));
        home.write("Vorlentix-herstel.json",
                   Damage(home.read("Vorlentix-herstel.json"), "version=1; duo.booked="));
        Recovery back;
        const FileResult read = readRecovery(recoveryFilePath(), &back);
        QVERIFY2(read, qPrintable(read.error));
        QCOMPARE(std::get<DuoRecovery>(back.match).booked, (std::array<bool, 2>{true, false}));
        std::get<DuoRecovery>(back.match).booked[1] = true;
        QVERIFY(back == recovery);
    }

    // Resumed, the match is written at once as it was resumed: the player at the board with
    // the turns of his leg, not a fresh leg (which a second crash would then put back).
    void resumeWritesTheResumedMatch_data() {
        QTest::addColumn<Recovery>("recovery");
        Recovery team = TeamExample();
        std::get<TeamRecovery>(team.match).turns = {100, 180};
        QTest::newRow("team, mid-leg") << team;
        std::get<TeamRecovery>(team.match).turns.clear();
        std::get<TeamRecovery>(team.match).atTheBoard = 2;
        QTest::newRow("team, at the start of a leg") << team;
        Recovery duo = DuoExample();
        auto& d = std::get<DuoRecovery>(duo.match);
        d.setsWon = {0, 0};
        d.legsWon = {0, 0};
        QTest::newRow("duo, mid-leg of the first set") << duo;
        d.setsWon = {2, 1};
        d.legsWon = {1, 2};
        QTest::newRow("duo, in a later set") << duo;
    }
    void resumeWritesTheResumedMatch() {
        QFETCH(Recovery, recovery);
        vxtest::TempHome home;
        vxtest::FixedClock clock(recovery.savedAt);
        TeamMatch team;
        DuoMatch match;
        ScoreListModel list;
        SessionState session;
        RecoveryWriter writer(team, match, list, session);
        const bool duo = std::holds_alternative<DuoRecovery>(recovery.match);
        writer.setDuo(duo);
        const auto writtenMatch = [&] {
            writer.flush();
            Recovery back;
            const FileResult read = readRecovery(recoveryFilePath(), &back);
            return read ? back.match : decltype(back.match){};
        };
        if (duo) {
            session.duoFileName = std::get<DuoRecovery>(recovery.match).fileName;
            restoreMatch(std::get<DuoRecovery>(recovery.match), match);
        } else {
            restoreMatch(std::get<TeamRecovery>(recovery.match), team);
            // The player coming back is what the writer follows: its file is the first one.
            QVERIFY(writtenMatch() == recovery.match);
        }
        writer.update();
        QVERIFY(writtenMatch() == recovery.match);
    }

    // A write that fails is told once, with the reason, and the match goes on.
    void failedWriteToldOnce_data() {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder where the file goes") << ""
                                                      << "";
        QTest::newRow("home folder gone") << "weg"
                                          << "bestaat niet";
    }
    void failedWriteToldOnce() {
        QFETCH(QString, home);
        QFETCH(QString, reason);
        vxtest::TempHome temp;
        if (home.isEmpty())
            QVERIFY(QDir(temp.path()).mkdir("Vorlentix-herstel.json"));
        else
            setFolders({QStringLiteral(VX_DATA_DIR), temp.file(home)});
        TeamMatch team;
        DuoMatch match;
        ScoreListModel list;
        SessionState session;
        RecoveryWriter writer(team, match, list, session);
        QSignalSpy told(&writer, &RecoveryWriter::writeFailed);
        team.start({QStringLiteral("De Pijlen"), {"Ann"}, 501});
        for (int turn = 0; turn < 4; ++turn) {
            team.leg().enterDart(60, "T20");
            QVERIFY(team.leg().bookTurn());
            writer.flush();
        }
        QCOMPARE(team.leg().remainingBeforeTurn(), 501 - 4 * 60);
        QCOMPARE(told.count(), 1);
        const QString why = told.first().first().toString();
        QVERIFY2(why.startsWith("De wedstrijd is niet bewaard in \"" +
                                QDir::toNativeSeparators(recoveryFilePath())),
                 qPrintable(why));
        QVERIFY2(why.contains(reason), qPrintable(why));
    }

    // The file keeps the rows the score list file does not hold, and runs for the rest; read
    // back over the file, it gives the list exactly.
    void keepsOnlyUnsavedRows_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("ownRows");
        QTest::addColumn<int>("runs");
        QTest::newRow("just saved") << "" << 0 << 1;
        QTest::newRow("legs played") << "append 2" << 2 << 1;
        QTest::newRow("first row edited") << "edit 0" << 1 << 1;
        QTest::newRow("a middle row edited twice") << "edit 50; edit 50" << 1 << 2;
        QTest::newRow("last row edited") << "edit 199" << 1 << 1;
        QTest::newRow("first row removed") << "remove 0" << 0 << 1;
        QTest::newRow("a middle row removed") << "remove 50" << 0 << 2;
        QTest::newRow("every row removed") << "clear" << 0 << 0;
        QTest::newRow("removed, edited in its place, a leg") << "remove 50; edit 50; append 1" << 2 << 2;
        QTest::newRow("a leg taken out again") << "append 1; remove 200" << 0 << 1;
        QTest::newRow("played and saved") << "append 2; edit 3; save" << 0 << 1;
        QTest::newRow("loaded again") << "append 2; load" << 0 << 1;
        QTest::newRow("a list replaced whole") << "replace 3" << 3 << 0;
        QTest::newRow("replaced whole, then saved") << "replace 3; append 1; save" << 0 << 1;
        QTest::newRow("replaced, played, loaded") << "replace 3; append 1; load" << 0 << 1;
    }
    void keepsOnlyUnsavedRows() {
        QFETCH(QString, steps);
        vxtest::TempHome home;
        TeamMatch team;
        DuoMatch match;
        ScoreListModel list;
        SessionState session;
        RecoveryWriter writer(team, match, list, session);
        writer.setDuo(true);
        match.start({{"Koos", "Fred"}, 501, DuoSetup::Kind::Legs, 3});
        for (int r = 0; r < 200; ++r)
            list.appendRow(Named(QStringLiteral("r%1").arg(r)));
        Change("save", list, writer);
        Change(steps, list, writer);
        writer.flush();

        Recovery back;
        const FileResult read = readRecovery(recoveryFilePath(), &back);
        QVERIFY2(read, qPrintable(read.error));
        int own = 0, runs = 0;
        for (const RecoveryPiece& piece : back.list)
            (std::holds_alternative<BaseRows>(piece) ? runs : own) += 1;
        QTEST(own, "ownRows");
        QTEST(runs, "runs");
        // 200 rows are about 40 KB as rows of their own.
        QVERIFY2(QFileInfo(recoveryFilePath()).size() < 1000 + own * 300,
                 qPrintable(QString::number(QFileInfo(recoveryFilePath()).size())));
        const RebuiltList rebuilt = rebuildScoreList(back);
        QCOMPARE(rebuilt.problem, QString());
        QVERIFY(rebuilt.rows == list.rows());
    }

    // The score list file changed, went or broke after the crash: nothing is guessed, and no
    // row is lost: the file's rows as they are now, then every row of the recovery's own.
    void rebuildOverAnotherFile_data() {
        QTest::addColumn<QByteArray>("file"); // the file's text after the crash; "-": gone
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("unreadable");
        const auto list = [](const QStringList& names) {
            ScoreRows rows;
            for (const QString& name : names)
                rows.append(Named(name));
            QByteArray bytes;
            encodeScoreList(rows, kDuoHeaderName, &bytes);
            return bytes;
        };
        QTest::newRow("the same rows") << list({"a", "b", "c"}) << "a B c new0"
                                       << "" << false;
        QByteArray otherTitle = list({"a", "b", "c"});
        otherTitle.replace(kScoreListTitle.toLatin1(), "Scorelijst van de club");
        QTest::newRow("the same rows, another title") << otherTitle << "a B c new0"
                                                      << "" << false;
        QTest::newRow("a row added") << list({"a", "b", "c", "d"}) << "a b c d B new0"
                                     << "veranderd" << false;
        QTest::newRow("a cell changed") << list({"a", "b", "C"}) << "a b C B new0"
                                        << "veranderd" << false;
        QTest::newRow("a row less") << list({"a", "b"}) << "a b B new0"
                                    << "veranderd" << false;
        QTest::newRow("gone") << QByteArray("-") << "B new0"
                              << "niet te lezen" << false;
        QTest::newRow("not a score list") << QByteArray("x") << "B new0"
                                          << "geen scorelijst" << true;
    }
    void rebuildOverAnotherFile() {
        QFETCH(QByteArray, file);
        vxtest::TempHome home;
        Recovery recovery = DuoExample();
        {
            TeamMatch team;
            DuoMatch match;
            ScoreListModel list;
            SessionState session;
            RecoveryWriter writer(team, match, list, session);
            writer.setDuo(true);
            match.start({{"Koos", "Fred"}, 501, DuoSetup::Kind::Legs, 3});
            list.replaceAll({Named("a"), Named("b"), Named("c")});
            Change("save; edit 1; append 1", list, writer);
            writer.flush();
            QVERIFY(readRecovery(recoveryFilePath(), &recovery));
        }
        const QString path = duoFilePath(QStringLiteral("Finale"));
        if (file == "-")
            QVERIFY(QFile::remove(path));
        else
            home.write(QStringLiteral("Teams/Finale.lib"), file);
        const RebuiltList rebuilt = rebuildScoreList(recovery);
        QTEST(Names(rebuilt.rows), "rows");
        QFETCH(QString, problem);
        QCOMPARE(rebuilt.problem.isEmpty(), problem.isEmpty());
        QVERIFY2(rebuilt.problem.contains(problem), qPrintable(rebuilt.problem));
        if (!problem.isEmpty()) QVERIFY(rebuilt.problem.contains(QDir::toNativeSeparators(path)));
        QTEST(rebuilt.baseUnreadable, "unreadable");
        // Played on, the rows of the file that is there now are again runs of it.
        QCOMPARE(rebuilt.origins.size(), rebuilt.rows.size());
        const int fromFile = int(std::count_if(rebuilt.origins.begin(), rebuilt.origins.end(),
                                               [](int origin) { return origin >= 0; }));
        QCOMPARE(rebuilt.base ? rebuilt.base->rows : 0, problem.isEmpty() ? 3 : fromFile);
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QByteArray duo, team, based;
        {
            vxtest::TempHome home;
            writeRecovery(recoveryFilePath(), BasedExample());
            based = home.read("Vorlentix-herstel.json");
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
            {"a newer version", Damage(duo, "version=4"), "versie 4"},
            {"version 0", Damage(duo, "version=0"), "versie 0"},
            {"no booked in version 2", Damage(duo, "duo.booked="), "\"duo.booked\""},
            {"booked as a number", Damage(duo, "duo.booked=[true, 1]"), "\"duo.booked[1]\""},
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
            {"a run without a base", Damage(duo, "scoreList.rows=[{\"from\":0,\"count\":1}]"), "er is geen \"base\""},
            {"a run in version 2", Damage(based, "version=2"), "\"scoreList.rows[0]\" ontbreekt of is geen lijst"},
            {"runs overlapping", Damage(based, "scoreList.rows=[{\"from\":0,\"count\":4},{\"from\":3,\"count\":1}]"), "\"scoreList.rows[1].from\" is 3, buiten 4 tot en met 9"},
            {"runs out of order", Damage(based, "scoreList.rows=[{\"from\":5,\"count\":1},{\"from\":0,\"count\":1}]"), "\"scoreList.rows[1].from\" is 0"},
            {"a run past the file's end", Damage(based, "scoreList.rows=[{\"from\":5,\"count\":6}]"), "\"scoreList.rows[0].count\" is 6"},
            {"an empty run", Damage(based, "scoreList.rows=[{\"from\":5,\"count\":0}]"), "\"scoreList.rows[0].count\" is 0"},
            {"a run without its start", Damage(based, "scoreList.rows=[{\"count\":1}]"), "\"scoreList.rows[0].from\""},
            {"a digest that is none", Damage(based, "scoreList.base.sha256=\"abc\""), "\"scoreList.base.sha256\""},
            {"a digest in capitals", Damage(based, QStringLiteral("scoreList.base.sha256=\"%1\"").arg(QString(64, u'A'))), "\"scoreList.base.sha256\""},
            {"a base without a file", Damage(based, "scoreList.base.file=\"\""), "\"scoreList.base.file\" is leeg"},
            {"a base of no rows", Damage(based, "scoreList.base.rows=0"), "\"scoreList.base.rows\" is 0"},
            {"a base as a list", Damage(based, "scoreList.base=[]"), "\"scoreList.base\""},
            {"a scoreboard without its place", Damage(duo, "scoreboard={\"screen\":\"x\",\"fullScreen\":false}"), "\"scoreboard.geometry\""},
            {"a scoreboard of three numbers", Damage(duo, "scoreboard={\"screen\":\"x\",\"fullScreen\":true,\"geometry\":[0,0,9]}"), "\"scoreboard.geometry\" heeft 3"},
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

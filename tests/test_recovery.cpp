// SPDX-License-Identifier: GPL-3.0-or-later
// A match that survives the program being killed: a real process plays through the main
// window and is killed with SIGKILL; the start-up of the next run offers the match, and played
// on to the end it leaves the same score list file as the same match played without the kill.
//
// The killed process is this test program started again with --play-until-killed: the real
// main window, its recovery writer and its thread, in a process of its own that gets no chance
// to clean up. Answering the start-up question of the installed program itself would need a
// test hook in it, so the next run is the start-up function main() calls, in this process, with
// the question answered through the prompt service.
#include "core/files/RecoveryFile.h"
#include "core/files/RecoveryWriter.h"
#include "core/files/ScoreListFiles.h"
#include "core/history/HistoryRecorder.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace vx;

namespace {

const QString kBeforeKill = QStringLiteral("T20 ADD 20 ADD D20 1 ADD NEXT T20 ADD 5 ADD UNDO 1 ADD 7 ADD");
const QString kAfterRestart = QStringLiteral("D20 ADD");
const QDateTime kAt(QDate(2024, 3, 7), QTime(21, 5, 3));

void Play(MainWindow& m, const QString& script) {
    for (const QString& part : script.split(QStringLiteral(" NEXT "))) {
        if (part != script.section(QStringLiteral(" NEXT "), 0, 0))
            vxtest::click(m, QStringLiteral("NextKnop"));
        vxtest::play(m, part);
    }
}

// Koos and Fred from 101, first to 3 legs, on the list "Finale".
void Start(MainWindow& m) {
    vxtest::StartDuoMatch(m, QStringLiteral("Koos"), QStringLiteral("Fred"), false, 3, 101,
                          QStringLiteral("Finale"));
}

// The home folder made read-only for this process, root included: a read-only bind mount for
// root (whom file modes do not stop), the folder's mode for anyone else.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : m_path(path) {
        if (::geteuid() != 0) {
            m_ok = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
            return;
        }
        m_mounted = QProcess::execute("mount", {"--bind", path, path}) == 0;
        m_ok = m_mounted && QProcess::execute("mount", {"-o", "remount,ro,bind", path}) == 0;
    }
    ~ReadOnlyFolder() {
        if (m_mounted)
            QProcess::execute("umount", {m_path});
        else
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ok() const { return m_ok; }

  private:
    QString m_path;
    bool m_mounted = false;
    bool m_ok = false;
};

int PlayUntilKilled(const QString& home) {
    setFolders({QStringLiteral(VX_DATA_DIR), home});
    vxtest::ScriptedPrompts prompts;
    vxtest::FixedClock clock(kAt);
    auto* m = new MainWindow;
    m->show();
    Start(*m);
    Play(*m, kBeforeKill);
    m->recoveryWriter().flush();
    m->historyRecorder().flush();
    std::puts("booked");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
  private slots:
    void killedAndPlayedOn() {
        QByteArray expected;
        {
            vxtest::TempHome home;
            vxtest::ScriptedPrompts prompts;
            MainWindow m;
            Start(m);
            Play(m, kBeforeKill + u' ' + kAfterRestart);
            QVERIFY(m.saveDuoList(QStringLiteral("Finale")));
            expected = home.read(QStringLiteral("Teams/Finale.lib"));
        }
        QCOMPARE(expected.count("Koos"), 2); // both legs are in it

        vxtest::TempHome home;
        QProcess player;
        player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        player.start(QCoreApplication::applicationFilePath(), {"--play-until-killed", home.path()});
        QVERIFY(player.waitForReadyRead(60000));
        QCOMPARE(player.readAllStandardOutput(), "booked\n");
        player.kill(); // SIGKILL
        QVERIFY(player.waitForFinished(10000));
        QCOMPARE(player.exitStatus(), QProcess::CrashExit);

        vxtest::ScriptedPrompts prompts;
        prompts.answers = {true};
        QPointer<MainWindow> m = offerToResumeMatch();
        QVERIFY(m);
        QCOMPARE(
            prompts.texts(),
            QStringList{"De vorige wedstrijd is niet afgesloten (7-3-2024 21:05). Wilt u verder spelen?"});
        QVERIFY(m->isDuoMatch());
        QVERIFY(m->session.scoreListChanged);
        QCOMPARE(m->scoreList.count(), 2);
        QCOMPARE(vxtest::caption(*m, QStringLiteral("ScoreLabel(1)")) + u' ' +
                     vxtest::caption(*m, QStringLiteral("ScoreLabel(2)")),
                 QStringLiteral("94 40"));
        Play(*m, kAfterRestart);
        QVERIFY(m->saveDuoList(m->session.duoFileName));
        QCOMPARE(home.read(QStringLiteral("Teams/Finale.lib")), expected);
        // The history has every turn booked once, the one taken back not, both legs ended.
        m->historyRecorder().flush();
        HistoryStore history(historyFilePath());
        QVERIFY(history.open());
        QSqlQuery q(history.database());
        QVERIFY(q.exec("SELECT group_concat(p, ' ') FROM (SELECT players.name || ':' || turns.number || ':' ||"
                       " turns.total AS p FROM turns JOIN players ON players.id = turns.player ORDER BY turns.leg, turns.id)"
                       " UNION ALL SELECT group_concat(players.name, ' ') FROM legs JOIN players ON players.id = legs.winner"));
        QStringList rows;
        while (q.next())
            rows << q.value(0).toString();
        QCOMPARE(rows, (QStringList{"Koos:1:60 Fred:1:20 Koos:2:41 Fred:1:60 Fred:2:1 Koos:1:7 Fred:3:40", "Koos Fred"}));

        // A normal close leaves nothing to recover.
        QVERIFY(QFile::exists(recoveryFilePath()));
        m->close();
        QVERIFY(!QFile::exists(recoveryFilePath()));
        QVERIFY(!offerToResumeMatch());
    }

    // Declined or damaged, the file goes aside under a dated name and the start dialog follows.
    void declinedOrDamaged_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("told");
        QTest::newRow("declined") << QByteArray()
                                  << "De vorige wedstrijd is niet afgesloten (7-3-2024 21:05). "
                                     "Wilt u verder spelen?";
        QTest::newRow("damaged")
            << QByteArray("{\"format\": \"vorlentix-recovery\"")
            << "Het herstelbestand \"%2\" is niet te gebruiken: het is geen geldige JSON "
               "(fout bij teken 32).";
    }
    void declinedOrDamaged() {
        QFETCH(QByteArray, file);
        QFETCH(QString, told);
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        vxtest::FixedClock clock(kAt);
        QVERIFY(!offerToResumeMatch());
        QVERIFY(prompts.seen.isEmpty());
        {
            MainWindow m; // not closed: as if the program was killed
            Start(m);
        }
        clock.at = kAt.addDays(1);
        if (!file.isEmpty()) home.write(QStringLiteral("Vorlentix-herstel.json"), file);
        const QByteArray bytes = home.read(QStringLiteral("Vorlentix-herstel.json"));
        QVERIFY(!offerToResumeMatch());
        // The refusal names the file as the scorer can find it now: under its dated name.
        const QString aside = QStringLiteral("Vorlentix-herstel-2024-03-08-210503.json");
        QCOMPARE(prompts.texts(),
                 QStringList{told.replace("%2", QDir::toNativeSeparators(home.file(aside)))});
        QVERIFY(!QFile::exists(recoveryFilePath()));
        QCOMPARE(home.read(aside), bytes);
    }

    // Resumed over a score list file changed since the crash: the file's rows, then the rows
    // not saved, the scorer told, the recovery file kept as it was under a dated name.
    void resumeOverChangedFile() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        vxtest::FixedClock clock(kAt);
        {
            MainWindow m; // not closed: as if the program was killed
            Start(m);
            Play(m, kBeforeKill + u' ' + kAfterRestart);
            QVERIFY(m.saveDuoList(QStringLiteral("Finale")));
            // One leg more, not saved, won in one turn.
            vxtest::click(m, QStringLiteral("NextKnop"));
            vxtest::play(m, QStringLiteral("T20 1 D20 ADD"));
            QCOMPARE(m.scoreList.count(), 6);
        }
        const QByteArray recovery = home.read(QStringLiteral("Vorlentix-herstel.json"));
        QVERIFY2(recovery.count("\"from\":0,\"count\":4") == 1, recovery.constData());
        // Another copy of the program saved the list with a row less in between.
        ScoreListModel other;
        QVERIFY(readScoreList(duoFilePath(QStringLiteral("Finale")), other));
        other.removeRowAt(0);
        QVERIFY(saveDuoList(other, QStringLiteral("Finale")));

        clock.at = kAt.addDays(1);
        prompts.clear();
        prompts.answers = {true};
        const std::unique_ptr<MainWindow> m(offerToResumeMatch());
        QVERIFY(m);
        const QString aside = QStringLiteral("Vorlentix-herstel-2024-03-08-210503.json");
        QCOMPARE(home.read(aside), recovery);
        QCOMPARE(prompts.texts().size(), 2);
        const QString told = prompts.texts().at(1);
        QVERIFY2(told.contains("is veranderd") &&
                     told.endsWith(QDir::toNativeSeparators(home.file(aside)) + "\"."),
                 qPrintable(told));
        QCOMPARE(m->scoreList.count(), 5);
        QCOMPARE(m->scoreList.row(0), other.row(0));
        QCOMPARE(m->scoreList.row(3)[0], QStringLiteral("Koos"));
        QVERIFY(m->session.scoreListChanged);
        m->recoveryWriter().flush();
        Recovery now;
        QVERIFY(readRecovery(recoveryFilePath(), &now));
        QVERIFY(rebuildScoreList(now).rows == m->scoreList.rows());
    }

    // A home the recovery file cannot be written in: the scorer hears it once, with the reason,
    // and plays on.
    void unprotectedMatchToldOnce() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        MainWindow m;
        vxtest::StartTeamMatch(m, QStringLiteral("De Pijlen"), {"Ann", "Bob"}, 501);
        QVERIFY(prompts.seen.isEmpty());
        m.recoveryWriter().flush();
        ReadOnlyFolder readOnly(home.path());
        if (!readOnly.ok()) QSKIP("the home folder cannot be made read-only here");
        for (int turn = 0; turn < 4; ++turn) {
            vxtest::play(m, QStringLiteral("T20 T20 ADD"));
            m.recoveryWriter().flush();
            QCoreApplication::processEvents();
        }
        QCOMPARE(vxtest::remainingScore(m), 501 - 4 * 120);
        QCOMPARE(prompts.texts().size(), 1);
        const QString told = prompts.texts().first();
        QVERIFY2(
            told.startsWith("De wedstrijd die nu gespeeld wordt, kan niet worden bewaard voor het geval het "
                            "programma onverwacht stopt.\nDe wedstrijd is niet bewaard in \"" +
                            QDir::toNativeSeparators(recoveryFilePath())) &&
                (told.contains("alleen-lezen") || told.contains("schrijfrechten")),
            qPrintable(told));
        m.recoveryWriter().finish();
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play-until-killed")
        return PlayUntilKilled(QString::fromLocal8Bit(argv[2]));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recovery.moc"

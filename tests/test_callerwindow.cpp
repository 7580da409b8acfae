// SPDX-License-Identifier: GPL-3.0-or-later
// The caller on the main window: switched on and off from the Tools menu and the settings
// dialog, kept between runs beside the settings file, and heard through the desktop's engine.
#include "core/caller/Caller.h"
#include "core/files/Settings.h"
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TextSpeech.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

using namespace vx;

namespace {

class RecordingSpeech final : public Speech {
  public:
    explicit RecordingSpeech(QStringList& calls) : m_calls(calls) {}
    void say(const QString& text) override { m_calls << text; }

  private:
    QStringList& m_calls;
};

// An engine that turns out to have no voice only when its first call is made, and says so a
// moment later, as the desktop's engine does from its own thread.
class VoicelessSpeech final : public Speech {
  public:
    explicit VoicelessSpeech(QStringList& calls) : m_calls(calls) {}
    void say(const QString& text) override {
        m_calls << text;
        QTimer::singleShot(0, [this] { tellUnavailable(kNoVoice); });
    }
    static inline const QString kNoVoice = QStringLiteral("De spraakengine heeft geen stem.");

  private:
    QStringList& m_calls;
};

QAction* CallerEntry(MainWindow& m) {
    return vxtest::control<QAction>(m, QStringLiteral("ToolsCaller"));
}

} // namespace

class CallerWindowTest : public QObject, vxtest::PlaySession {
    Q_OBJECT
  private slots:
    void init() {
        startSession();
        MainWindow::makeSpeech = [this] { return std::make_unique<RecordingSpeech>(m_calls); };
        m_calls.clear();
    }
    void cleanup() {
        MainWindow::makeSpeech = nullptr;
        endSession();
    }

    // Off at first; the menu switches it on and off, the choice outlives the window, and the
    // three lines of the settings file stay as older copies read them.
    void menuAndNextRun() {
        QByteArray settings;
        {
            MainWindow m;
            settings = home->read(QStringLiteral("Vorlentix.ini"));
            QVERIFY(settings.startsWith("\"Vorlentix\"\r\n"));
            QVERIFY(!m.isCallerOn());
            vxtest::StartDuoMatch(m, "Koos", "Fred", false, 3, 101, "Finale");
            vxtest::play(m, "T19 ADD");
            QCOMPARE(m_calls, QStringList{});
            CallerEntry(m)->trigger();
            QVERIFY(m.isCallerOn() && CallerEntry(m)->isChecked());
            vxtest::play(m, "T20 20 ADD 0 ADD");
            QCOMPARE(m_calls, (QStringList{"tachtig. Koos, u heeft vierenveertig nodig",
                                           "geen score. Fred, u heeft eenentwintig nodig"}));
        }
        QCOMPARE(home->read(QStringLiteral("Vorlentix.ini")), settings);
        {
            MainWindow m;
            QVERIFY(m.isCallerOn() && CallerEntry(m)->isChecked());
            CallerEntry(m)->trigger();
            QVERIFY(!m.isCallerOn() && !CallerEntry(m)->isChecked());
            vxtest::StartDuoMatch(m, "Koos", "Fred", false, 3, 101, "Finale");
            vxtest::play(m, "T20 ADD");
            QCOMPARE(m_calls.size(), 2);
        }
        QVERIFY(!readCallerOn());
        QCOMPARE(home->read(QStringLiteral("Vorlentix.ini")), settings);
    }

    // The settings dialog's box shows the choice and changes it with OK only; Reset clears it.
    void settingsDialog() {
        MainWindow m;
        {
            SettingsDialog form(m);
            QVERIFY(!form.callerCheck->isChecked());
            form.callerCheck->setChecked(true);
            QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        }
        QVERIFY(!m.isCallerOn());
        {
            SettingsDialog form(m);
            form.callerCheck->setChecked(true);
            QTest::mouseClick(form.okButton, Qt::LeftButton);
        }
        QVERIFY(m.isCallerOn() && CallerEntry(m)->isChecked());
        SettingsDialog form(m);
        QVERIFY(form.callerCheck->isChecked());
        QTest::mouseClick(form.resetButton, Qt::LeftButton);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QVERIFY(!m.isCallerOn() && !readCallerOn());
    }

    // A voice found missing at the first call switches the caller off for this run and
    // disables the menu entry and the open settings dialog's box with the reason; the choice
    // for the next run stays.
    void voiceFoundMissingLater() {
        MainWindow::makeSpeech = [this] { return std::make_unique<VoicelessSpeech>(m_calls); };
        MainWindow m;
        CallerEntry(m)->trigger();
        QVERIFY(m.isCallerOn() && CallerEntry(m)->isEnabled());
        SettingsDialog form(m);
        QVERIFY(form.callerCheck->isEnabled() && form.callerCheck->isChecked());
        vxtest::StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "Finale");
        vxtest::play(m, "T20 ADD");
        QCOMPARE(m_calls, QStringList{"zestig"});
        QTRY_VERIFY(!m.isCallerOn());
        QCOMPARE(m.callerUnavailable(), VoicelessSpeech::kNoVoice);
        QVERIFY(!CallerEntry(m)->isEnabled() && !CallerEntry(m)->isChecked());
        QCOMPARE(CallerEntry(m)->toolTip(), VoicelessSpeech::kNoVoice);
        QVERIFY(!form.callerCheck->isEnabled() && !form.callerCheck->isChecked());
        QCOMPARE(form.callerCheck->toolTip(), VoicelessSpeech::kNoVoice);
        vxtest::play(m, "T20 ADD");
        QCOMPARE(m_calls.size(), 1);
        QVERIFY(readCallerOn());
    }

    // The desktop's engine, when there is one: a call starts and input goes on at once. Without
    // an engine or a voice the menu entry says why it is disabled.
    void realEngine() {
        // A speech server that does not answer blocks the engine's first connection; the real
        // engine is therefore tried in a child run of this test, which may be given up on.
        if (qEnvironmentVariableIsEmpty("VX_REAL_ENGINE_CHILD")) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("VX_REAL_ENGINE_CHILD"), QStringLiteral("1"));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("realEngine")});
            if (!child.waitForFinished(30000)) {
                child.kill();
                child.waitForFinished();
                QFAIL("the program hung on the speech server for 30 s");
            }
            const QByteArray output = child.readAll();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
            if (output.contains("SKIP   :")) QSKIP(output.constData());
            return;
        }
        MainWindow::makeSpeech = nullptr;
        QElapsedTimer closing;
        {
            MainWindow m;
            QAction* entry = CallerEntry(m);
            if (const QString missing = TextSpeech::missingEngine(); !missing.isEmpty()) {
                QVERIFY(!entry->isEnabled());
                QCOMPARE(entry->toolTip(), missing);
                QSKIP("no speech engine plugin installed; the disabled entry was checked");
            }
            QVERIFY(entry->isEnabled());
            vxtest::StartDuoMatch(m, "Koos", "Fred", false, 3, 501, "Finale");
            // Switching on and the first call go on while the engine is being made, however
            // long the speech server takes to answer.
            QElapsedTimer timer;
            timer.start();
            entry->trigger();
            QVERIFY(m.isCallerOn());
            vxtest::play(m, "T20 T20 T20 ADD T20");
            QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
            QCOMPARE(m.duoMatch().turnSum(2), 60);
            // An engine that cannot speak says so when it is made.
            QTest::qWait(2000);
            if (!m.callerUnavailable().isEmpty()) {
                QVERIFY(!entry->isEnabled() && !m.isCallerOn());
                QCOMPARE(entry->toolTip(), m.callerUnavailable());
                qInfo("the engine cannot speak here: %s", qPrintable(m.callerUnavailable()));
            }
            // Whatever the engine can do, nothing of it is an error to the scorer.
            QVERIFY2(prompts->seen.isEmpty(), qPrintable(prompts->texts().join(u'\n')));
            closing.start();
        }
        // Closing does not wait long for an engine still stuck in the speech server.
        QVERIFY2(closing.elapsed() < 2000, qPrintable(QString::number(closing.elapsed())));
    }

  private:
    QStringList m_calls;
};

QTEST_MAIN(CallerWindowTest)
#include "test_callerwindow.moc"

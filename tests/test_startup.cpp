// SPDX-License-Identifier: GPL-3.0-or-later
// The program's first steps: the command line answered on a terminal without a display, and
// Qt's own dialog texts in Dutch.
#include "core/common/StartUp.h"
#include "testsupport.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace vx;

class StartUpTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLineWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // patterns the whole output must match
        QTest::addColumn<QString>("err");
        const QString usage = QStringLiteral(
            "Usage: Vorlentix \\[--home DIR\\] \\[--lang en\\|nl\\] \\[--scale 100\\|125\\|150\\|200\\|fit\\] \\[--help\\] \\[--version\\]\n");
        // The version first, alone on its line, then the terms: help2man reads both.
        QTest::newRow("--version")
            << QStringList{"--version"} << 0
            << "Vorlentix " VORLENTIX_VERSION "\n"
               "Copyright \\(C\\) 20\\d\\d the Vorlentix team\n"
               "License GPLv3\\+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\\.\n"
               "This is free software: (.*\n)*There is NO WARRANTY, to the extent permitted by law\\.\n"
            << "";
        QTest::newRow("--help")
            << QStringList{"--help"} << 0
            << usage + "(.*\n)*  --lang <en\\|nl> +Speak English \\(en\\) or Dutch \\(nl\\)(.*\n)*"
                       "  --home <DIR> +Keep Teams/ and Vorlentix.ini in DIR(.*\n)*"
            << "";
        QTest::newRow("--help after Qt's own option")
            << QStringList{"-platform", "xcb", "-h"} << 0 << usage + "(.*\n)*"
            << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                        << "Vorlentix: Unknown option 'frobnicate'.\n" + usage;
        QTest::newRow("--home without its folder") << QStringList{"--home"} << 2 << ""
                                                   << "Vorlentix: Missing value after '--home'.\n" + usage;
        QTest::newRow("--lang of a language it does not speak")
            << QStringList{"--lang", "de"} << 2 << ""
            << "Vorlentix: Unknown language 'de' after '--lang'; use en or nl.\n" + usage;
        QTest::newRow("--lang in capitals") << QStringList{"--lang=EN", "--version"} << 2 << ""
                                            << "Vorlentix: Unknown language 'EN'(.*\n)" + usage;
        // Words that are no option would reach the application object, which has no display here.
        const QString stray = QStringLiteral("Vorlentix: Unexpected argument '%1'.\n") + usage;
        QTest::newRow("a stray word") << QStringList{"extra"} << 2 << "" << stray.arg("extra");
        QTest::newRow("--version and a word")
            << QStringList{"--version", "extra"} << 2 << "" << stray.arg("extra");
        QTest::newRow("--help and a word") << QStringList{"-h", "extra"} << 2 << "" << stray.arg("extra");
        QTest::newRow("a word after --home DIR")
            << QStringList{"--home", "/tmp/x", "extra", "twee"} << 2 << "" << stray.arg("extra");
        QTest::newRow("an empty word") << QStringList{""} << 2 << "" << stray.arg("");
        QTest::newRow("an option after --")
            << QStringList{"--", "--version"} << 2 << "" << stray.arg("--version");
        QTest::newRow("the value of Qt's option is no stray word")
            << QStringList{"-platform", "offscreen", "--version"} << 0
            << "Vorlentix " VORLENTIX_VERSION "\n(.*\n)*"
            << "";
        QTest::newRow("Qt's options, X11's too, before --version")
            << QStringList{"-style", "Fusion", "-reverse", "-qwindowtitle",  "Darts", "-geometry", "10x10",
                           "-name",  "darts",  "-nograb",  "-platformtheme", "none",  "--version"}
            << 0 << "Vorlentix " VORLENTIX_VERSION "\n(.*\n)*"
            << "";
        QTest::newRow("a word after Qt's flag and an option of ours")
            << QStringList{"-reverse", "--lang", "en", "extra"} << 2 << "" << stray.arg("extra");
        QTest::newRow("--scale of a size it does not draw")
            << QStringList{"--scale", "300"} << 2 << ""
            << "Vorlentix: Unknown scale '300' after '--scale'; use 100, 125, 150, 200 or fit.\n" + usage;
        QTest::newRow("--lang without its language") << QStringList{"--lang"} << 2 << ""
                                                     << "Vorlentix: Missing value after '--lang'.\n" + usage;
    }

    // The scale: its code on the command line and in the options file, and the factor Qt is
    // given; "Passend" the largest 5 % step at which the main window (1147 x 652) fits.
    void scaleFactors_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QSize>("room");
        QTest::addColumn<double>("factor");
        QTest::newRow("100") << "100" << QSize() << 1.0;
        QTest::newRow("125") << "125" << QSize() << 1.25;
        QTest::newRow("150") << "150" << QSize() << 1.5;
        QTest::newRow("200") << "200" << QSize() << 2.0;
        QTest::newRow("fit, full HD") << "fit" << QSize(1920, 1040) << 1.55;
        QTest::newRow("fit, 4K") << "fit" << QSize(3840, 2112) << 3.2;
        QTest::newRow("fit, exactly twice") << "fit" << QSize(2294, 1304) << 2.0;
        QTest::newRow("fit, its own size") << "fit" << QSize(1147, 652) << 1.0;
        QTest::newRow("fit, a small screen") << "fit" << QSize(800, 600) << 0.65;
        QTest::newRow("fit, never below half") << "fit" << QSize(320, 240) << 0.5;
        QTest::newRow("75 is no choice") << "75" << QSize() << 0.0;
        QTest::newRow("FIT is no code") << "FIT" << QSize() << 0.0;
    }
    void scaleFactors() {
        QFETCH(QString, code);
        QFETCH(QSize, room);
        QFETCH(double, factor);
        const StartOptions options = readCommandLine({"Vorlentix", "--scale", code});
        QCOMPARE(options.run, factor > 0);
        QCOMPARE(options.scale, displayScaleFromCode(code));
        if (!options.scale) return;
        QCOMPARE(displayScaleCode(*options.scale), code);
        const double fitted = fitFactor(QSize(1147, 652), room);
        QCOMPARE(scaleFactor(*options.scale, fitted), factor);
    }

    // Qt reads its factor from the environment when the application object is made; 100 %
    // leaves what the desktop set.
    void scaleFactorGoesToQt() {
        const QByteArray before = qgetenv("QT_SCALE_FACTOR");
        qunsetenv("QT_SCALE_FACTOR");
        applyScaleFactor(1.0);
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
        QCOMPARE(scaleFactorInForce(), 1.0);
        applyScaleFactor(1.5);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("1.5"));
        QCOMPARE(scaleFactorInForce(), 1.5);
        applyScaleFactor(1.0);
        QCOMPARE(scaleFactorInForce(), 1.5);
        qunsetenv("QT_SCALE_FACTOR");
        applyScaleFactor(1.0);
        if (!before.isNull()) qputenv("QT_SCALE_FACTOR", before);
    }

    // --lang is read for this run only; without it the choice of the settings holds.
    void languageOfTheRun_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<std::optional<Language>>("language");
        QTest::newRow("none") << QStringList{} << std::optional<Language>();
        QTest::newRow("en") << QStringList{"--lang", "en"} << std::optional(Language::English);
        QTest::newRow("nl, Qt's way") << QStringList{"-lang", "nl"} << std::optional(Language::Dutch);
        QTest::newRow("en with home")
            << QStringList{"--home", "/tmp/x", "--lang=en"} << std::optional(Language::English);
    }
    void languageOfTheRun() {
        QFETCH(QStringList, arguments);
        QFETCH(std::optional<Language>, language);
        const StartOptions options = readCommandLine(QStringList{"Vorlentix"} + arguments);
        QVERIFY(options.run);
        QCOMPARE(options.language, language);
    }
    void commandLineWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        vxtest::TempHome user;
        user.write(".config/vorlentix/Vorlentix-opties.ini", "[Opties]\ntaal=en\n");
        QProcess program;
        run(program, user, arguments, false);
        QVERIFY(program.waitForFinished(30000));
        const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString complained = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == exitCode,
                 qPrintable(QString::number(program.exitCode()) + '\n' + complained));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(out)).match(printed).hasMatch(),
                 qPrintable(printed));
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(err)).match(complained).hasMatch(),
                 qPrintable(complained));
    }

    // --help speaks the language in force and names the folders of the run, as the user knows
    // them, without making them.
    void helpInTheLanguageInForce_data() {
        QTest::addColumn<QByteArray>("chosen"); // in the settings
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines"); // patterns of lines the help must hold
        const QStringList dutch = {
            "Gebruik: Vorlentix \\[--home MAP\\] \\[--lang en\\|nl\\] \\[--scale 100\\|125\\|150\\|200\\|fit\\] \\[--help\\] \\[--version\\]",
            "  --home <MAP> +Bewaar Teams/ en Vorlentix.ini in MAP,.*",
            "Qt's eigen opties, zoals -platform, .*"};
        const QStringList english = {"Usage: Vorlentix \\[--home DIR\\] .*",
                                     "  -h, -\\?, --help +Displays this help\\.",
                                     "Qt's own options, such as -platform, .*"};
        QTest::newRow("Dutch unless chosen otherwise")
            << QByteArray() << QStringList{"--help"}
            << dutch + QStringList{
                           "  instellingen \\(Vorlentix.ini, Vorlentix-opties.ini\\): ~/\\.config/vorlentix",
                           "  Teams/ en het herstelbestand: ~/\\.local/share/vorlentix"};
        QTest::newRow("English chosen in the settings")
            << QByteArray("en") << QStringList{"-h"}
            << english +
                   QStringList{"  settings \\(Vorlentix.ini, Vorlentix-opties.ini\\): ~/\\.config/vorlentix",
                               "  Teams/ and the recovery file: ~/\\.local/share/vorlentix"};
        QTest::newRow("--lang over the settings")
            << QByteArray("en") << QStringList{"--lang", "nl", "-?"} << dutch;
        QTest::newRow("--home holds everything")
            << QByteArray() << QStringList{"--lang=en", "--home", "/srv/club", "--help"}
            << english + QStringList{"  settings \\(Vorlentix.ini, Vorlentix-opties.ini\\): /srv/club",
                                     "  Teams/ and the recovery file: /srv/club"};
    }
    void helpInTheLanguageInForce() {
        QFETCH(QByteArray, chosen);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        vxtest::TempHome user;
        if (!chosen.isEmpty())
            user.write(".config/vorlentix/Vorlentix-opties.ini", "[Opties]\ntaal=" + chosen + "\n");
        QProcess program;
        run(program, user, arguments, false);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 0);
        const QStringList printed = QString::fromLocal8Bit(program.readAllStandardOutput()).split('\n');
        for (const QString& line : lines)
            QVERIFY2(!printed.filter(QRegularExpression(QRegularExpression::anchoredPattern(line))).isEmpty(),
                     qPrintable(line + "\nnot in\n" + printed.join('\n')));
        QVERIFY(!QFileInfo::exists(user.file(".local")));
    }

    // Once the application object has taken the options its platform knows, whatever is left is
    // refused; a run that goes on makes its folders.
    void qtTakesItsOwnFirst_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refusal"); // empty: the program runs
        QTest::newRow("Qt's options")
            << QStringList{"-style", "Fusion", "-reverse", "-qwindowtitle", "Darts", "--lang", "en"} << "";
        QTest::newRow("an option nobody knows")
            << QStringList{"-frobnicate"} << "Unknown option 'frobnicate'.";
        QTest::newRow("a word after Qt's flag")
            << QStringList{"-reverse", "extra"} << "Unexpected argument 'extra'.";
        QTest::newRow("X11's option on another platform")
            << QStringList{"-nograb"} << "Unknown option 'nograb'.";
    }
    void qtTakesItsOwnFirst() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, refusal);
        vxtest::TempHome user;
        QProcess program;
        run(program, user, arguments, true);
        if (refusal.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(user.file(".local/share/vorlentix")) ||
                                         program.state() == QProcess::NotRunning,
                                     30000);
            QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError().constData());
            program.kill();
            program.waitForFinished();
            return;
        }
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
        // Qt may have said something of its own first.
        const QStringList said = QString::fromLocal8Bit(program.readAllStandardError()).split('\n');
        QVERIFY2(said.contains("Vorlentix: " + refusal) && said.last().isEmpty() &&
                     said.value(said.size() - 2).startsWith("Usage: Vorlentix "),
                 qPrintable(said.join('\n')));
        QVERIFY(!QFileInfo::exists(user.file(".local")));
    }

    void qtDialogsSpeakDutch() {
        if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_nl.qm"))
            QSKIP("Qt's Dutch translation is not installed (Debian package qt6-translations-l10n)");
        QVERIFY(installQtTranslations());
        const struct {
            const char *context, *english, *dutch;
        } texts[] = {{"QFileDialog", "Look in:", "Zoeken in:"},
                     {"QFileDialog", "File &name:", "Bestands&naam:"},
                     {"QFileDialog", "&Save", "Op&slaan"}};
        for (const auto& text : texts)
            QCOMPARE(QCoreApplication::translate(text.context, text.english), QString::fromUtf8(text.dutch));
        const QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Opslaan"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuleren"));
    }

    // In English the program's own translation is in force and Qt's Dutch one is not; back in
    // Dutch the source texts and Qt's Dutch return.
    void languageSwitchesTheTranslators() {
        const bool qtDutch =
            QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_nl.qm");
        for (int round = 0; round < 2; ++round) {
            QVERIFY(applyLanguage(Language::English));
            QCOMPARE(uiLanguage(), Language::English);
            QCOMPARE(QCoreApplication::translate("vx::Caller", "geen score"), QStringLiteral("no score"));
            QCOMPARE(QDialogButtonBox(QDialogButtonBox::Save).buttons().value(0)->text(),
                     QStringLiteral("Save"));
            QCOMPARE(applyLanguage(Language::Dutch), qtDutch);
            QCOMPARE(uiLanguage(), Language::Dutch);
            QCOMPARE(QCoreApplication::translate("vx::Caller", "geen score"), QStringLiteral("geen score"));
            if (qtDutch)
                QCOMPARE(QDialogButtonBox(QDialogButtonBox::Save).buttons().value(0)->text(),
                         QStringLiteral("Opslaan"));
        }
    }

  private:
    static void run(QProcess& program, const vxtest::TempHome& user, const QStringList& arguments,
                    bool offscreen);
};

// Starts the program on a terminal without a display, or on the offscreen platform, with `user`
// as the user's own folder and the folders of XDG at their defaults.
void StartUpTest::run(QProcess& program, const vxtest::TempHome& user, const QStringList& arguments,
                      bool offscreen) {
    QProcessEnvironment terminal = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        terminal.remove(QString::fromLatin1(name));
    terminal.insert("HOME", user.path());
    if (offscreen) terminal.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(terminal);
    program.start(QStringLiteral(VX_PROGRAM), arguments);
}

QTEST_MAIN(StartUpTest)
#include "test_startup.moc"

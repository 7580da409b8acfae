// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog through the main window: the footer text kept by OK and stored at the next
// shutdown, the numbering of the dart buttons, Reset and Cancel.
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include "core/files/Settings.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <memory>

using namespace vx;

namespace {

QByteArray IniWith(const QByteArray& footer) {
    return "\"Vorlentix\"\r\n\"--------------------------\"\r\n\"" + footer + "\"\r\n";
}

// The captions of a few buttons of each row.
QStringList BoardCaptions(MainWindow& m) {
    return {vxtest::control<StyledButton>(m, "Knop1(1)")->text(),
            vxtest::control<StyledButton>(m, "Knop1(20)")->text(),
            vxtest::control<StyledButton>(m, "Knop2(1)")->text(),
            vxtest::control<StyledButton>(m, "Knop2(20)")->text(),
            vxtest::control<StyledButton>(m, "Knop3(1)")->text(),
            vxtest::control<StyledButton>(m, "Knop3(20)")->text()};
}

const QStringList kPlain = {"1", "20", "1", "20", "1", "20"};
const QStringList kByValue = {"1", "20", "2", "40", "3", "60"};

} // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_home = std::make_unique<vxtest::TempHome>();
        m_prompts = std::make_unique<vxtest::ScriptedPrompts>();
        m_dialogs = std::make_unique<vxtest::DialogRecorder>();
        m_main = new MainWindow;
        m_main->compose(MatchKind::Team);
        m_main->session.footerText = QStringLiteral("Club Oost");
    }
    void cleanup() {
        setUiLanguage(Language::Dutch);
        delete m_main.data();
        m_dialogs.reset();
        m_prompts.reset();
        m_home.reset();
    }

    // Whatever the board shows, the dialog opens on the plain numbering and the footer in use.
    void opensOnTheCurrentFooter() {
        runDialog([](SettingsDialog& form) { QTest::mouseClick(form.pointNumbersOption, Qt::LeftButton); });
        QCOMPARE(BoardCaptions(*m_main), kByValue);
        bool plainChecked = false;
        QString shown;
        runDialog([&](SettingsDialog& form) {
            plainChecked = form.rowNumbersOption->isChecked() && !form.pointNumbersOption->isChecked();
            shown = form.footerEdit->text();
        });
        QVERIFY(plainChecked);
        QCOMPARE(shown, QStringLiteral("Club Oost"));
        QCOMPARE(m_dialogs->opened, (QStringList{"ConfigForm", "ConfigForm"}));
    }

    // The numbering takes effect at once and stays, whichever button closes the dialog.
    void numbering_data() {
        QTest::addColumn<QStringList>("options"); // clicked in order
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("by value, OK") << QStringList{"Option2"} << true << kByValue;
        QTest::newRow("by value, Cancel") << QStringList{"Option2"} << false << kByValue;
        QTest::newRow("by value and back") << QStringList{"Option2", "Option1"} << false << kPlain;
    }
    void numbering() {
        QFETCH(QStringList, options);
        QFETCH(bool, ok);
        QFETCH(QStringList, captions);
        runDialog([&](SettingsDialog& form) {
            for (const QString& name : options)
                QTest::mouseClick(form.findChild<QRadioButton*>(name), Qt::LeftButton);
            QTest::mouseClick(ok ? form.okButton : form.cancelButton, Qt::LeftButton);
        });
        QCOMPARE(BoardCaptions(*m_main), captions);
        QCOMPARE(m_main->session.footerText, QStringLiteral("Club Oost"));
    }

    // A button scores by its row and index, not by what it shows.
    void relabelledButtonsScoreAsBefore() {
        vxtest::StartTeamMatch(*m_main, "Oost", {"Anna"}, 501);
        runDialog([](SettingsDialog& form) { QTest::mouseClick(form.pointNumbersOption, Qt::LeftButton); });
        QCOMPARE(vxtest::control<StyledButton>(*m_main, "Knop3(20)")->text(), QStringLiteral("60"));
        vxtest::darts(*m_main, {"Knop3(20)", "Knop2(1)", "Knop1(7)"});
        QCOMPARE(vxtest::dartSlots(*m_main), (QStringList{"60", "2", "7"}));
        QCOMPARE(vxtest::remainingScore(*m_main), 432);
    }

    void resetThenCancelKeepsTheFooter() {
        runDialog([](SettingsDialog& form) {
            QTest::mouseClick(form.pointNumbersOption, Qt::LeftButton);
            QTest::mouseClick(form.resetButton, Qt::LeftButton);
            if (form.footerEdit->text() != kDefaultFooterText)
                QFAIL("Reset did not restore the default footer");
            if (!form.pointNumbersOption->isChecked()) QFAIL("Reset changed the option buttons");
            QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        });
        QCOMPARE(BoardCaptions(*m_main), kPlain);
        QCOMPARE(m_main->session.footerText, QStringLiteral("Club Oost"));
        m_main->close();
        QCOMPARE(m_home->read("Vorlentix.ini"), IniWith("Club Oost"));
    }

    // What OK keeps is what the next shutdown writes.
    void okStoresTheFooterAtShutdown_data() {
        QTest::addColumn<bool>("reset");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("reset") << true << QString() << kDefaultFooterText.toLatin1();
        QTest::newRow("empty") << false << QString() << QByteArray();
        QTest::newRow("comma and blanks")
            << false << QStringLiteral(" De Pijl, Utrecht ") << QByteArray(" De Pijl, Utrecht ");
        QTest::newRow("Windows-1252 letters")
            << false << QStringLiteral("Café € Œuvre") << QByteArray("Caf\xe9 \x80 \x8cuvre");
        QTest::newRow("longer than a line edit holds by default")
            << false << QString(70000, u'k') << QByteArray(70000, 'k');
    }
    void okStoresTheFooterAtShutdown() {
        QFETCH(bool, reset);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        const int result = runDialog([&](SettingsDialog& form) {
            if (reset)
                QTest::mouseClick(form.resetButton, Qt::LeftButton);
            else
                form.footerEdit->setText(typed);
            QTest::mouseClick(form.okButton, Qt::LeftButton);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(m_prompts->seen.isEmpty());
        // Kept in memory until the main window closes.
        QCOMPARE(m_home->read("Vorlentix.ini"), IniWith(kDefaultFooterText.toLatin1()));
        m_main->close();
        QCOMPARE(m_home->read("Vorlentix.ini"), IniWith(stored));
    }

    // The language: the dialog opens on the stored choice, tells in the chosen language that
    // another one starts with the next run, and OK keeps it in the options file only.
    void languageChoiceRoundTrip_data() {
        QTest::addColumn<Language>("inForce");
        QTest::addColumn<QString>("stored"); // before; empty: never chosen
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("pick"); // empty: none; "reset": the Reset button
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("note"); // empty: hidden
        QTest::addColumn<QString>("storedAfter");
        const QString toEnglish = QStringLiteral("English from the next start on");
        const QString toDutch = QStringLiteral("Nederlands vanaf de volgende start");
        QTest::newRow("English, OK") << Language::Dutch << ""
                                     << "Nederlands"
                                     << "English" << true << toEnglish << "en";
        QTest::newRow("English, Cancel") << Language::Dutch << ""
                                         << "Nederlands"
                                         << "English" << false << toEnglish << "";
        QTest::newRow("back to Dutch") << Language::English << "en"
                                       << "English"
                                       << "Nederlands" << true << toDutch << "nl";
        QTest::newRow("Reset") << Language::English << "en"
                               << "English"
                               << "reset" << true << toDutch << "nl";
        QTest::newRow("English for this run only") << Language::English << ""
                                                   << "Nederlands"
                                                   << "" << true << toDutch << "";
        QTest::newRow("a code this copy does not know") << Language::Dutch << "fr"
                                                        << "Nederlands"
                                                        << "" << true << ""
                                                        << "fr";
    }
    void languageChoiceRoundTrip() {
        QFETCH(Language, inForce);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, pick);
        QFETCH(bool, ok);
        QFETCH(QString, note);
        QFETCH(QString, storedAfter);
        setUiLanguage(inForce);
        if (!stored.isEmpty())
            m_home->write("Vorlentix-opties.ini", "[Opties]\ntaal=" + stored.toLatin1() + "\n");
        const QByteArray ini = m_home->read("Vorlentix.ini");
        QString opened, noteShown;
        runDialog([&](SettingsDialog& form) {
            form.show();
            opened = form.languageChoice->currentText();
            if (pick == "reset")
                QTest::mouseClick(form.resetButton, Qt::LeftButton);
            else if (!pick.isEmpty())
                form.languageChoice->setCurrentText(pick);
            noteShown = form.languageNote->isVisible() ? form.languageNote->text() : QString();
            QTest::mouseClick(ok ? form.okButton : form.cancelButton, Qt::LeftButton);
        });
        QCOMPARE(opened, shown);
        QCOMPARE(noteShown, note);
        // Read from the file itself: Qt's INI reader keeps what it read last while the file's size
        // and time look the same, and "en" and "nl" are written within the same millisecond.
        const QByteArray options = m_home->read("Vorlentix-opties.ini");
        const qsizetype at = options.indexOf("taal=");
        QCOMPARE(at < 0 ? QString() : QString::fromLatin1(options.mid(at + 5).split('\n').first()),
                 storedAfter);
        QCOMPARE(readLanguage(), languageFromCode(storedAfter).value_or(Language::Dutch));
        QCOMPARE(uiLanguage(), inForce);
        QCOMPARE(m_home->read("Vorlentix.ini"), ini);
    }

    // "Weergave" opens on the stored choice and keeps the one made at OK for the next start;
    // "Passend" is measured at once on the screen of the main window.
    void scaleChoice_data() {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("150 %") << "150 %" << "150";
        QTest::newRow("Passend") << "Passend" << "fit";
        QTest::newRow("Reset") << "reset" << "100";
    }
    void scaleChoice() {
        QFETCH(QString, pick);
        QFETCH(QString, storedAfter);
        m_home->write("Vorlentix-opties.ini", "[Opties]\nweergave=200\n");
        QString opened, note;
        runDialog([&](SettingsDialog& form) {
            form.show();
            opened = form.scaleChoice->currentText();
            if (pick == "reset")
                QTest::mouseClick(form.resetButton, Qt::LeftButton);
            else
                form.scaleChoice->setCurrentText(pick);
            note = form.languageNote->isVisible() ? form.languageNote->text() : QString();
            QTest::mouseClick(form.okButton, Qt::LeftButton);
        });
        QCOMPARE(opened, QStringLiteral("200 %"));
        QCOMPARE(note, QStringLiteral("Weergave vanaf de volgende start"));
        QCOMPARE(displayScaleCode(readDisplayScale()), storedAfter);
        const QSize room = m_main->screen()->availableGeometry().size();
        QCOMPARE(readFittedFactor(), storedAfter == "fit" ? fitFactor(QSize(1147, 652), room) : 1.0);
    }

    // "Historie": the club server's fields are kept in the options file, the main window starts
    // its sender and shows its status line (here of a server that is not there), and a board
    // without a name is refused.
    void historyPlace_data() {
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("plaats"); // in the options file after OK; empty: not written
        QTest::addColumn<bool>("statusLine");
        QTest::newRow("club server") << "Clubserver"
                                     << "Bord 3"
                                     << "clubserver" << true;
        QTest::newRow("no board name") << "Clubserver"
                                       << ""
                                       << "" << false;
        QTest::newRow("this computer") << "Deze computer"
                                       << "Bord 3"
                                       << "computer" << false;
    }
    void historyPlace() {
        QFETCH(QString, pick);
        QFETCH(QString, board);
        QFETCH(QString, plaats);
        QFETCH(bool, statusLine);
        m_home->write("Vorlentix-opties.ini", "[Historie]\nserver=\"/geen-server-hier\"\ndatabase=club\n");
        QString host;
        bool stillOpen = false;
        runDialog([&](SettingsDialog& form) {
            form.show();
            host = form.hostEdit->text();
            form.historyChoice->setCurrentText(pick);
            form.boardEdit->setText(board);
            QTest::mouseClick(form.okButton, Qt::LeftButton);
            stillOpen = form.isVisible();
        });
        QCOMPARE(host, QStringLiteral("/geen-server-hier"));
        QCOMPARE(stillOpen, plaats.isEmpty());
        const QByteArray options = m_home->read("Vorlentix-opties.ini");
        QCOMPARE(options.contains("plaats=" + plaats.toLatin1() + '\n'), !plaats.isEmpty());
        // Whatever is chosen, the server's fields stay for the next time.
        QCOMPARE(options.contains("database=\"club\""), !plaats.isEmpty());
        QLabel* status = m_main->findChild<QLabel*>(QStringLiteral("ClubStatus"));
        QCOMPARE(status != nullptr, statusLine);
        if (statusLine) {
            QTRY_COMPARE(m_prompts->seen.size(), 1);
            QCOMPARE(status->text(), QStringLiteral("Clubserver: niet bereikbaar"));
            QVERIFY2(m_prompts->seen[0].text.startsWith(
                         QStringLiteral("Clubserver \"/geen-server-hier\" is niet bereikbaar")),
                     qPrintable(m_prompts->seen[0].text));
        } else {
            QCOMPARE(m_prompts->texts().filter(QStringLiteral("Geef dit bord een naam")).size(),
                     plaats.isEmpty() ? 1 : 0);
        }
    }

    // Text the settings file cannot hold whole is refused at OK, and the dialog stays open.
    void unstorableFooterIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("double quote") << QStringLiteral("De \"Pijl\"");
        QTest::newRow("outside Windows-1252") << QStringLiteral("Łódź darts");
        QTest::newRow("line break") << QStringLiteral("Club\nOost");
    }
    void unstorableFooterIsRefused() {
        QFETCH(QString, typed);
        bool stillOpen = false;
        runDialog([&](SettingsDialog& form) {
            form.show();
            form.footerEdit->setText(typed);
            QTest::mouseClick(form.okButton, Qt::LeftButton);
            stillOpen = form.isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(m_prompts->seen.size(), 1);
        QVERIFY(m_prompts->seen[0].text.startsWith(QStringLiteral("Deze tekst kan niet worden bewaard.")));
        QCOMPARE(m_main->session.footerText, QStringLiteral("Club Oost"));
    }

  private:
    // Opens the dialog from the "Tools" menu and lets `drive` act in it.
    int runDialog(const std::function<void(SettingsDialog&)>& drive) {
        int result = -1;
        m_dialogs->onOpen = [&](QDialog& dialog) {
            drive(static_cast<SettingsDialog&>(dialog));
            result = dialog.result();
            return result;
        };
        vxtest::control<QAction>(*m_main, "ToolsConfig")->trigger();
        return result;
    }

    std::unique_ptr<vxtest::TempHome> m_home;
    std::unique_ptr<vxtest::ScriptedPrompts> m_prompts;
    std::unique_ptr<vxtest::DialogRecorder> m_dialogs;
    QPointer<MainWindow> m_main;
};

QTEST_MAIN(SettingsDialogTest)
#include "test_settingsdialog.moc"

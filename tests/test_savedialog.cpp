// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog through the main window: the name it shows, the file it writes, the progress
// run, a write that fails, and the close question it answers.
#include "core/common/Utilities.h"
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace vx;

namespace {

void AddRow(MainWindow& m, const QString& name) {
    ScoreListModel::Row row;
    row[0] = name;
    row[2] = QStringLiteral("100");
    m.scoreList.appendRow(row);
    m.session.scoreListChanged = true;
    m.showRowCount();
}

// What the dialog looked like at one wait of its progress run.
struct Step {
    QString percentage;
    double seconds;
    bool busy;
    bool barShown;
    bool nameShown;
    QImage bar;
};

} // namespace

class SaveDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_home = std::make_unique<vxtest::TempHome>();
        m_prompts = std::make_unique<vxtest::ScriptedPrompts>();
        m_dialogs = std::make_unique<vxtest::DialogRecorder>();
        m_steps.clear();
        m_savedPause = SaveDialog::pause;
        SaveDialog::pause = [this](double seconds) {
            const SaveDialog* form = m_main->findChild<SaveDialog*>();
            const QCursor* cursor = QApplication::overrideCursor();
            m_steps.append({form->percentLabel->text(), seconds, cursor && cursor->shape() == Qt::WaitCursor,
                            form->progressBar->isVisible(), form->nameEdit->isVisible(), form->barImage()});
        };
        m_main = new MainWindow;
    }
    void cleanup() {
        SaveDialog::pause = m_savedPause;
        delete m_main.data();
        m_dialogs.reset();
        m_prompts.reset();
        m_home.reset();
    }

    void percentageRunsToHundred() {
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        saveThroughMenuButton();
        QCOMPARE(m_steps.size(), 172);
        QCOMPARE(m_steps[0].percentage, QStringLiteral("0%"));
        QCOMPARE(m_steps[1].percentage, QStringLiteral("1%"));
        QCOMPARE(m_steps[2].percentage, QStringLiteral("1%"));
        QCOMPARE(m_steps[3].percentage, QStringLiteral("2%"));
        QCOMPARE(m_steps[7].percentage, QStringLiteral("4%")); // 14 / 3.5 is 4 exactly
        QCOMPARE(m_steps[170].percentage, QStringLiteral("97%"));
        QCOMPARE(m_steps[171].percentage, QStringLiteral("100%"));
        int previous = 0;
        for (int k = 0; k < 171; ++k) {
            const int value = int(leadingNumber(m_steps[k].percentage));
            QVERIFY2(value == previous || value == previous + 1, qPrintable(m_steps[k].percentage));
            previous = value;
            QCOMPARE(m_steps[k].seconds, 0.02);
        }
        QCOMPARE(m_steps[171].seconds, 0.5);
        for (const Step& step : std::as_const(m_steps)) {
            QVERIFY(step.busy);
            QVERIFY(step.barShown);
            QVERIFY(!step.nameShown);
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QVERIFY(!m_main->session.scoreListChanged);
    }

    // What users run: the dialog's own exec() and the real pause, nothing replaced. An empty
    // default pause once aborted every save right after the file was written.
    void realDialogAndPauseFinishTheSave() {
        SaveDialog::pause = m_savedPause;
        m_dialogs.reset();
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        QStringList percentages;
        QTimer::singleShot(0, this, [&] {
            auto* form = qobject_cast<SaveDialog*>(QApplication::activeModalWidget());
            QVERIFY(form);
            QTimer* watch = new QTimer(form);
            connect(watch, &QTimer::timeout, form, [&, form] { percentages << form->percentLabel->text(); });
            watch->start(100);
            QTest::mouseClick(form->saveButton, Qt::LeftButton);
        });
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QVERIFY(clock.elapsed() >= 3000); // 171 waits of 20 ms and one of 500 ms
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(m_home->read("Teams/Finale.lib").contains("\r\nAnna\r\n"));
        QVERIFY(!m_main->session.scoreListChanged);
        QVERIFY(percentages.size() > 10);
        QCOMPARE(percentages.last(), QStringLiteral("100%"));
    }

    // The bar fills from its left edge in green, 340 units being the whole bar.
    void barFillsFromTheLeft_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<double>("filled"); // part of the width
        QTest::newRow("start") << 0 << 0.0;
        QTest::newRow("quarter") << 42 << 84 / 340.0;
        QTest::newRow("half") << 85 << 0.5;
        QTest::newRow("full") << 170 << 1.0;
    }
    void barFillsFromTheLeft() {
        QFETCH(int, step);
        QFETCH(double, filled);
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        saveThroughMenuButton();
        const QImage& bar = m_steps[step].bar;
        QVERIFY(bar.width() > 300);
        const QColor green(0, 240, 0);
        const int edge = int(bar.width() * filled);
        for (int y : {0, bar.height() / 2, bar.height() - 1}) {
            if (edge > 1) QCOMPARE(bar.pixelColor(edge - 2, y), green);
            if (edge + 1 < bar.width()) QVERIFY(bar.pixelColor(edge + 1, y) != green);
        }
    }

    // The name as typed is used for this file only; the match keeps its own file name.
    void duoMatchSavesUnderTheTypedName() {
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Final");
        AddRow(*m_main, "Anna");
        m_dialogs->onOpen = [](QDialog& dialog) {
            auto& form = static_cast<SaveDialog&>(dialog);
            if (form.nameEdit->text() != QStringLiteral("Final") || form.nameEdit->isReadOnly()) return -1;
            form.nameEdit->setText(QStringLiteral("Final2"));
            QTest::mouseClick(form.saveButton, Qt::LeftButton);
            return form.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QCOMPARE(m_dialogs->opened, QStringList{"SaveForm"});
        QVERIFY(QFile::exists(m_home->file("Teams/Final2.lib")));
        QVERIFY(!QFile::exists(m_home->file("Teams/Final.lib")));
        QCOMPARE(m_main->session.duoFileName, QStringLiteral("Final"));
        QVERIFY(m_home->read("Teams/Final2.lib").contains("\r\nAnna\r\n"));
    }

    // Another match's file is only written over when the scorer says so.
    void replacingAnotherMatchFileIsAsked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        QTest::newRow("own file") << "Finale" << false << false << true;
        QTest::newRow("other match, Yes") << "Oud" << true << true << true;
        QTest::newRow("other match, No") << "Oud" << false << true << false;
    }
    void replacingAnotherMatchFileIsAsked() {
        QFETCH(QString, typed);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        const QByteArray before = "Vorlentix scorelijst\r\nDuomatch\r\n----------------------------\r\n";
        m_home->write("Teams/Finale.lib", before);
        m_home->write("Teams/Oud.lib", before);
        m_prompts->answers = {answer};
        bool stillOpen = false;
        m_dialogs->onOpen = [&](QDialog& dialog) {
            auto& form = static_cast<SaveDialog&>(dialog);
            form.show();
            form.nameEdit->setText(typed);
            QTest::mouseClick(form.saveButton, Qt::LeftButton);
            stillOpen = form.isVisible();
            return form.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        const QStringList question = {QStringLiteral("Er is al een scorelijst met de naam '%1'. Wilt u deze "
                                                     "overschrijven?")
                                          .arg(typed)};
        QCOMPARE(m_prompts->texts(), asked ? question : QStringList());
        if (asked) QCOMPARE(m_prompts->seen[0].title, QStringLiteral(" Overschrijven"));
        QCOMPARE(m_home->read("Teams/" + typed + ".lib").contains("\r\nAnna\r\n"), written);
        if (!written) QCOMPARE(m_home->read("Teams/" + typed + ".lib"), before);
        QCOMPARE(stillOpen, !written);
        QCOMPARE(m_main->session.scoreListChanged, !written);
    }

    // A player's list goes under the team folder and the player's name, whatever the box says.
    void teamMatchSavesThePlayerAtTheBoard() {
        vxtest::StartTeamMatch(*m_main, "Oost", {"Anna", "Bert"}, 501);
        AddRow(*m_main, "Anna");
        bool readOnly = false;
        m_dialogs->onOpen = [&](QDialog& dialog) {
            auto& form = static_cast<SaveDialog&>(dialog);
            if (form.nameEdit->text() != QStringLiteral("Anna")) return -1;
            readOnly = form.nameEdit->isReadOnly();
            form.nameEdit->setText(QStringLiteral("Zoe"));
            QTest::mouseClick(form.saveButton, Qt::LeftButton);
            return form.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QVERIFY(readOnly);
        QVERIFY(m_home->read("Teams/Oost/Anna.lib").contains("\r\n100\r\n"));
        QVERIFY(!QFile::exists(m_home->file("Teams/Oost/Zoe.lib")));
        QVERIFY(!m_main->session.scoreListChanged);
    }

    // Nothing on disk: the user is told why, the list stays marked as changed, no 100%.
    void failedWriteIsReported_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("blocker"); // a plain file where a folder must go
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused duo name") << true << QString() << "a/b"
                                          << "/";
        QTest::newRow("duo, no Teams folder") << true << "Teams"
                                              << "Finale"
                                              << "Teams";
        QTest::newRow("team folder cannot be made") << false << "Teams/Oost" << QString() << "Oost";
    }
    void failedWriteIsReported() {
        QFETCH(bool, duo);
        QFETCH(QString, blocker);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        if (duo)
            vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        else
            vxtest::StartTeamMatch(*m_main, "Oost", {"Anna"}, 501);
        AddRow(*m_main, "Anna");
        if (!blocker.isEmpty()) {
            QDir(m_home->file(blocker)).removeRecursively();
            m_home->write(blocker, "not a folder");
        }
        bool stillOpen = false;
        bool nameShown = false;
        m_dialogs->onOpen = [&](QDialog& dialog) {
            auto& form = static_cast<SaveDialog&>(dialog);
            form.show();
            if (duo) form.nameEdit->setText(typed);
            QTest::mouseClick(form.saveButton, Qt::LeftButton);
            stillOpen = form.isVisible() && form.saveButton->isEnabled();
            nameShown = form.nameEdit->isVisible() && form.progressBar->isHidden();
            return form.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QCOMPARE(m_prompts->seen.size(), 1);
        const QString message = m_prompts->seen[0].text;
        QVERIFY2(message.startsWith(QStringLiteral("Opslaan is niet gelukt.")), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(m_main->session.scoreListChanged);
        QVERIFY(m_steps.isEmpty()); // no progress, so no "100%"
        QVERIFY(stillOpen);
        QVERIFY(nameShown);
    }

    void cancelSavesNothing() {
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        m_dialogs->onOpen = [](QDialog& dialog) {
            QTest::mouseClick(static_cast<SaveDialog&>(dialog).cancelButton, Qt::LeftButton);
            return dialog.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QCOMPARE(m_dialogs->opened, QStringList{"SaveForm"});
        QVERIFY(!QFile::exists(m_home->file("Teams/Finale.lib")));
        QVERIFY(m_main->session.scoreListChanged);
        QVERIFY(m_steps.isEmpty());
    }

    // The close question offers the save dialog; after a save there is nothing to ask.
    void closingTheMainWindow_data() {
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("written");
        const QStringList asked = {"Scorelijst is gewijzigd, wilt u deze opslaan?"};
        QTest::newRow("saved from the menu button") << true << false << QStringList() << true;
        QTest::newRow("unsaved, Yes") << false << true << asked << true;
        QTest::newRow("unsaved, No") << false << false << asked << false;
    }
    void closingTheMainWindow() {
        QFETCH(bool, savedBefore);
        QFETCH(bool, answer);
        QFETCH(QStringList, questions);
        QFETCH(bool, written);
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        AddRow(*m_main, "Anna");
        m_main->session.footerText = QStringLiteral("Club Oost");
        m_dialogs->onOpen = [](QDialog& dialog) {
            QTest::mouseClick(static_cast<SaveDialog&>(dialog).saveButton, Qt::LeftButton);
            return dialog.result();
        };
        if (savedBefore)
            QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        m_prompts->answers = {answer};
        QFile::remove(m_home->file("Teams/Finale.lib"));
        m_main->close();
        QCOMPARE(m_prompts->texts(), questions);
        QCOMPARE(QFile::exists(m_home->file("Teams/Finale.lib")), written && !savedBefore);
        QCOMPARE(m_dialogs->opened.size(), written ? 1 : 0);
        QCOMPARE(m_home->read("Vorlentix.ini"),
                 QByteArray("\"Vorlentix\"\r\n\"--------------------------\"\r\n\"Club Oost\"\r\n"));
    }

  private:
    // Menu button 2 opens the dialog, which is saved at once.
    void saveThroughMenuButton() {
        m_dialogs->onOpen = [](QDialog& dialog) {
            dialog.show();
            QTest::mouseClick(static_cast<SaveDialog&>(dialog).saveButton, Qt::LeftButton);
            return dialog.result();
        };
        QTest::mouseClick(vxtest::control<StyledButton>(*m_main, "MenuKnop(2)"), Qt::LeftButton);
        QCOMPARE(m_dialogs->opened, QStringList{"SaveForm"});
    }

    std::unique_ptr<vxtest::TempHome> m_home;
    std::unique_ptr<vxtest::ScriptedPrompts> m_prompts;
    std::unique_ptr<vxtest::DialogRecorder> m_dialogs;
    std::function<void(double)> m_savedPause;
    QList<Step> m_steps;
    QPointer<MainWindow> m_main;
};

QTEST_MAIN(SaveDialogTest)
#include "test_savedialog.moc"

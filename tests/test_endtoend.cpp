// SPDX-License-Identifier: GPL-3.0-or-later
// A team evening from the first window to the files on disk: the start dialog, a new team made
// through the menu button, a leg on the buttons, the next player, a leg on the keyboard, the
// save from the menu button and the close, then every byte the program left behind.
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace vx;

namespace {

// A player file as it must be on disk: title, name, rule, then each row's 28 cells and a rule,
// every line ending with CR LF.
QByteArray PlayerFile(const QByteArray& player, const QList<QList<QByteArray>>& rows) {
    const QByteArray rule(28, '-');
    QByteArray bytes = "Vorlentix scorelijst\r\n" + player + "\r\n" + rule + "\r\n";
    for (const QList<QByteArray>& cells : rows) {
        if (cells.size() != 28) qFatal("a row has 28 cells");
        for (const QByteArray& cell : cells)
            bytes += cell + "\r\n";
        bytes += rule + "\r\n";
    }
    return bytes;
}

QList<QByteArray> TeamRow(const QByteArray& stamp, const QList<QByteArray>& turns,
                          const QByteArray& average) {
    QList<QByteArray> cells = {stamp, QByteArray()};
    cells += turns;
    while (cells.size() < 27)
        cells << "-";
    cells << average;
    return cells;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    // A Dutch scorer's machine: the averages carry a decimal comma. The progress run of the
    // save dialog is skipped.
    void init() {
        QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands));
        m_savedPause = SaveDialog::pause;
        SaveDialog::pause = [](double) {};
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        SaveDialog::pause = m_savedPause;
    }

    void teamEveningFromStartToClose() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        vxtest::DialogRecorder dialogs;
        vxtest::FixedClock clock(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 3)));

        // The start dialog: Team Match.
        StartDialog start;
        start.show();
        QVERIFY(QTest::qWaitForWindowExposed(&start));
        Click(start.teamMatchOption);
        Click(start.openButton);
        QPointer<MainWindow> m = start.mainWindow();
        QVERIFY(m);
        QVERIFY(QTest::qWaitForWindowExposed(m));
        QVERIFY(vxtest::control<QFrame>(*m, "Frame4")->isVisible());
        QVERIFY(vxtest::control<QFrame>(*m, "DuoFrame")->isHidden());

        // A new team through menu button 0.
        dialogs.onOpen = [](QDialog& dialog) {
            auto& form = static_cast<TeamSetupDialog&>(dialog);
            form.teamNameEdit->setText(QStringLiteral("Oost"));
            form.playerCountCombo->setCurrentText(QStringLiteral("2"));
            form.playerNameEdits[1]->setText(QStringLiteral("Anna"));
            form.playerNameEdits[2]->setText(QStringLiteral("Bert"));
            form.startScoreCombo->setCurrentText(QStringLiteral("301"));
            Click(form.okButton);
            return form.result();
        };
        Click(vxtest::control<StyledButton>(*m, "MenuKnop(0)"));
        QCOMPARE(dialogs.opened, QStringList{"SpelersForm"});
        QVERIFY(m->session.newTeamMode);
        QCOMPARE(vxtest::control<QLabel>(*m, "Label12")->text(), QStringLiteral("Oost"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label9")->text(), QStringLiteral("Anna"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label7")->text(), QStringLiteral("301"));
        QCOMPARE(home.read("Teams/Oost/Bert.lib"), PlayerFile("Bert", {}));

        // Anna's leg on the buttons: 180, then 121 out.
        for (StyledButton* dart :
             {vxtest::control<StyledButton>(*m, "Knop3(20)"), vxtest::control<StyledButton>(*m, "Knop3(20)"),
              vxtest::control<StyledButton>(*m, "Knop3(20)")})
            Click(dart);
        Click(vxtest::control<StyledButton>(*m, "AddKnop"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label7")->text(), QStringLiteral("121"));
        for (StyledButton* dart :
             {vxtest::control<StyledButton>(*m, "Knop3(20)"), vxtest::control<StyledButton>(*m, "Knop3(17)"),
              vxtest::control<StyledButton>(*m, "Knop2(5)")})
            Click(dart);
        QCOMPARE(prompts.texts(), QStringList{"Einde Leg, klik op 'Volgende Speler'..."});
        QCOMPARE(vxtest::control<QLabel>(*m, "Label19")->text(), QStringLiteral("1 Items"));
        QVERIFY(m->session.scoreListChanged);

        // The next player: Anna's list goes to her file, Bert's comes in.
        Click(vxtest::control<StyledButton>(*m, "NextPlayerKnop"));
        QVERIFY(vxtest::control<QListWidget>(*m, "SpelersList")->isVisible());
        QListWidgetItem* bert = vxtest::control<QListWidget>(*m, "SpelersList")->item(1);
        QCOMPARE(bert->text(), QStringLiteral("Bert"));
        QTest::mouseClick(vxtest::control<QListWidget>(*m, "SpelersList")->viewport(), Qt::LeftButton, {},
                          vxtest::control<QListWidget>(*m, "SpelersList")->visualItemRect(bert).center());
        QCOMPARE(vxtest::control<QLabel>(*m, "Label9")->text(), QStringLiteral("Bert"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label19")->text(), QStringLiteral("0 Items"));
        const QByteArray anna = PlayerFile("Anna", {TeamRow("07-03-2024 / 9:05:03", {"180", "121"}, "50,2")});
        QCOMPARE(home.read("Teams/Oost/Anna.lib"), anna);

        // Bert's leg on the keyboard, later that evening: 100, 180, then 21 out in two darts.
        clock.at = QDateTime(QDate(2024, 3, 7), QTime(21, 40, 15));
        QTest::keyClicks(vxtest::control<QTableView>(*m, "ListView1"), QStringLiteral("T20 D20 0"));
        QTest::keyClick(vxtest::control<QTableView>(*m, "ListView1"), Qt::Key_Return);
        QCOMPARE(vxtest::control<QLabel>(*m, "Label7")->text(), QStringLiteral("201"));
        QTest::keyClicks(vxtest::control<QTableView>(*m, "ListView1"), QStringLiteral("T20 T20 T20"));
        QTest::keyClick(vxtest::control<QTableView>(*m, "ListView1"), Qt::Key_Return);
        QCOMPARE(vxtest::control<QLabel>(*m, "Label7")->text(), QStringLiteral("21"));
        QTest::keyClicks(vxtest::control<QTableView>(*m, "ListView1"), QStringLiteral("1 D10 "));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label19")->text(), QStringLiteral("1 Items"));
        QCOMPARE(prompts.seen.size(), 2);

        // Saved from menu button 2, under the player at the board.
        QString shownName;
        dialogs.onOpen = [&](QDialog& dialog) {
            auto& form = static_cast<SaveDialog&>(dialog);
            shownName = form.nameEdit->text();
            Click(form.saveButton);
            return form.result();
        };
        Click(vxtest::control<StyledButton>(*m, "MenuKnop(2)"));
        QCOMPARE(dialogs.opened, (QStringList{"SpelersForm", "SaveForm"}));
        QCOMPARE(shownName, QStringLiteral("Bert"));
        QVERIFY(!m->session.scoreListChanged);

        // Closing asks nothing now and brings back the start dialog.
        m->close();
        QTRY_VERIFY(m.isNull());
        QCOMPARE(start.mainWindow(), nullptr);
        QVERIFY(start.isVisible());
        QCOMPARE(prompts.seen.size(), 2);
        QCOMPARE(dialogs.opened.size(), 2);

        QCOMPARE(QDir(home.file("Teams")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Oost"});
        QCOMPARE(QDir(home.file("Teams/Oost")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"Anna.lib", "Bert.lib"}));
        QCOMPARE(home.read("Teams/Oost/Anna.lib"), anna);
        QCOMPARE(home.read("Teams/Oost/Bert.lib"),
                 PlayerFile("Bert", {TeamRow("07-03-2024 / 21:40:15", {"100", "180", "21"}, "33,4")}));
        QCOMPARE(home.read("Vorlentix.ini"), "\"Vorlentix\"\r\n\"--------------------------\"\r\n\"" +
                                                 kDefaultFooterText.toLatin1() + "\"\r\n");
    }

  private:
    std::function<void(double)> m_savedPause;
};

QTEST_MAIN(EndToEndTest)
#include "test_endtoend.moc"

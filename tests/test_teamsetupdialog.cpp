// SPDX-License-Identifier: GPL-3.0-or-later
// The team setup dialog in both modes, driven through its controls as a scorer would, with
// the match state, the main window and the files on disk checked afterwards.
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

using namespace vx;

namespace {

const QByteArray kSeparator = "----------------------------\r\n";

QByteArray HeaderOnly(const QByteArray& player) {
    return "Vorlentix scorelijst\r\n" + player + "\r\n" + kSeparator;
}

ScoreListModel::Row LegRow(const QString& stamp) {
    ScoreListModel::Row row;
    row.fill(QStringLiteral("-"));
    row[0] = stamp;
    row[1] = QStringLiteral("Out");
    row[2] = QStringLiteral("100");
    row[27] = QStringLiteral("33.3");
    return row;
}

// A player file holding `rows` finished legs.
void WritePlayer(const QString& team, const QString& player, int rows) {
    ScoreListModel model;
    for (int r = 0; r < rows; ++r)
        model.appendRow(LegRow(QStringLiteral("01-02-2024 20:%1").arg(r, 2, 10, QLatin1Char('0'))));
    QVERIFY(vx::savePlayerList(model, team, player));
}

// A main window composed for a team match, in a fresh home, with every message recorded.
struct TeamWindow {
    vxtest::TempHome home;
    vxtest::ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> main;

    explicit TeamWindow(bool newTeam) : main(std::make_unique<MainWindow>()) {
        main->compose(MatchKind::Team);
        main->session.newTeamMode = newTeam;
    }
    bool dartButtonsOn() const {
        for (int i = 1; i <= 20; ++i)
            if (!vxtest::control<StyledButton>(*main, QStringLiteral("Knop1(%1)").arg(i))->isEnabled() ||
                !vxtest::control<StyledButton>(*main, QStringLiteral("Knop2(%1)").arg(i))->isEnabled() ||
                !vxtest::control<StyledButton>(*main, QStringLiteral("Knop3(%1)").arg(i))->isEnabled())
                return false;
        return vxtest::control<StyledButton>(*main, "Bull25")->isEnabled() &&
               vxtest::control<StyledButton>(*main, "Bull50")->isEnabled() &&
               vxtest::control<StyledButton>(*main, "ZeroKnop")->isEnabled();
    }
    QStringList teamsEntries() const {
        return QDir(home.file("Teams")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

int ShownRows(const TeamSetupDialog& form) {
    int shown = 0;
    for (int i = 1; i <= TeamMatch::kMaxPlayers; ++i) {
        // Text box and caption always come and go together, and only as rows 1 to n.
        if (form.playerNameEdits[i]->isHidden() != form.playerNameLabels[i]->isHidden()) return -1;
        if (!form.playerNameEdits[i]->isHidden()) {
            if (shown != i - 1) return -1;
            shown = i;
        }
    }
    return shown;
}

void Fill(TeamSetupDialog& form, const QString& count, const QStringList& names, const QString& start) {
    form.playerCountCombo->setCurrentText(count);
    for (int i = 0; i < names.size(); ++i)
        form.playerNameEdits[i + 1]->setText(names[i]);
    form.startScoreCombo->setCurrentText(start);
}

} // namespace

class TeamSetupDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void numberInRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("entry") << "3" << 3;
        QTest::newRow("leading number") << " 7 spelers" << 7;
        QTest::newRow("half to even down") << "2.5" << 2;
        QTest::newRow("half to even up") << "3.5" << 4;
        QTest::newRow("rounds into range") << "10.4" << 10;
        QTest::newRow("ten and a half is ten") << "10.5" << 10;
        QTest::newRow("rounds to zero") << "0.5" << -1;
        QTest::newRow("above") << "11" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("no number") << "abc" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("huge") << "99999999999999999999999" << -1;
    }
    void numberInRange() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(vx::numberInRange(text, TeamMatch::kMaxPlayers), value);
    }

    void playerRowsFollowTheNumber_data() {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("rows");
        QTest::newRow("opens with one row") << QStringList() << 1;
        QTest::newRow("3 then 2") << QStringList{"3", "2"} << 2;
        QTest::newRow("3") << QStringList{"3"} << 3;
        QTest::newRow("10") << QStringList{"10"} << 10;
        QTest::newRow("typed 11 shows none") << QStringList{"5", "11"} << 0;
        QTest::newRow("typed text shows none") << QStringList{"4", "x"} << 0;
    }
    void playerRowsFollowTheNumber() {
        QFETCH(QStringList, texts);
        QFETCH(int, rows);
        TeamWindow w(true);
        TeamSetupDialog form(*w.main);
        for (const QString& text : texts) {
            const int entry = form.playerCountCombo->findText(text);
            if (entry >= 0)
                form.playerCountCombo->setCurrentIndex(entry); // picked from the list
            else
                form.playerCountCombo->setCurrentText(text); // typed
        }
        QCOMPARE(ShownRows(form), rows);
        for (int i = 1; i <= rows; ++i)
            QCOMPARE(form.playerNameLabels[i]->text(), QStringLiteral("Naam Speler %1").arg(i));
    }

    void newTeamCreatesFilesAndArmsTheWindow() {
        TeamWindow w(true);
        MainWindow& m = *w.main;
        // A leg of whoever threw before, won on D20, and a dart after it still on the board.
        m.startTeamMatch({QStringLiteral("Vorige"), {QStringLiteral("Piet")}, 40});
        vxtest::click(m, "NextPlayerKnop"); // and the list of its players left open
        vxtest::darts(m, {"Knop2(20)", "Knop3(20)"});
        w.prompts.clear();
        QCOMPARE(vxtest::control<QLabel>(m, "Label5(2)")->text(), QStringLiteral("60"));
        QVERIFY(!vxtest::control<StyledButton>(m, "AddKnop")->isEnabled());
        m.scoreList.appendRow(LegRow(QStringLiteral("somebody else")));
        QVERIFY(m.teamPanel()->markedBoard() != m.teamPanel()->boardImage());
        TeamSetupDialog form(m);
        QCOMPARE(form.windowTitle(), QStringLiteral("Nieuw Team en Spelers"));
        QVERIFY(!form.teamNameEdit->isHidden());
        QVERIFY(form.teamCombo->isHidden());
        QCOMPARE(form.startScoreCombo->currentText(), QStringLiteral("501"));
        form.teamNameEdit->setText(QStringLiteral("  Club "));
        Fill(form, QStringLiteral("2"), {QStringLiteral("Ann"), QStringLiteral("Bob")},
             QStringLiteral("701"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);

        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(w.prompts.seen.isEmpty());
        QCOMPARE(w.home.read("Teams/Club/Ann.lib"), HeaderOnly("Ann"));
        QCOMPARE(w.home.read("Teams/Club/Bob.lib"), HeaderOnly("Bob"));
        QCOMPARE(QDir(w.home.file("Teams/Club")).entryList(QDir::Files).size(), 2);
        QCOMPARE(m.teamMatch().setup().players.size(), 2);
        QCOMPARE(m.teamMatch().setup().players.value(0), QStringLiteral("Ann"));
        QCOMPARE(m.teamMatch().setup().players.value(1), QStringLiteral("Bob"));
        QCOMPARE(m.teamMatch().setup().startScore, 701);
        QCOMPARE(vxtest::remainingScore(m), 701);
        QCOMPARE(vxtest::nextDartSlot(m), 1);
        QCOMPARE(vxtest::control<QLabel>(m, "Label12")->text(), QStringLiteral("Club"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label9")->text(), QStringLiteral("Ann"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label7")->text(), QStringLiteral("701"));
        QCOMPARE(vxtest::control<QLabel>(m, "UitgooiLabel")->text(), QStringLiteral("Darts Checkout"));
        for (int j = 1; j <= 3; ++j)
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("Label5(%1)").arg(j))->text(),
                     QStringLiteral("0"));
        QCOMPARE(m.scoreList.headerText(0), QStringLiteral("Ann"));
        QVERIFY(w.dartButtonsOn());
        // Player 1 starts a fresh leg on an empty list of her own.
        QCOMPARE(vxtest::control<QListWidget>(m, "List1")->count(), 0);
        QVERIFY(vxtest::control<StyledButton>(m, "AddKnop")->isEnabled());
        QVERIFY(vxtest::control<QListWidget>(m, "SpelersList")->isHidden());
        QCOMPARE(m.scoreList.count(), 0);
        // The slots were emptied, so no marker of the old turn may stay on the board.
        QVERIFY(m.teamPanel()->markedBoard() == m.teamPanel()->boardImage());
    }

    void newTeamAgainKeepsAndShowsStoredRows() {
        TeamWindow w(true);
        WritePlayer(QStringLiteral("Club"), QStringLiteral("Ann"), 2);
        const QByteArray before = w.home.read("Teams/Club/Ann.lib");
        w.main->scoreList.appendRow(LegRow(QStringLiteral("somebody else")));
        TeamSetupDialog form(*w.main);
        form.teamNameEdit->setText(QStringLiteral("Club"));
        Fill(form, QStringLiteral("2"), {QStringLiteral("Ann"), QStringLiteral("Bob")},
             QStringLiteral("501"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(w.home.read("Teams/Club/Ann.lib"), before);
        QCOMPARE(w.main->scoreList.count(), 2);
        QCOMPARE(w.main->scoreList.cell(0, 0), QStringLiteral("01-02-2024 20:00"));
        QCOMPARE(vxtest::control<QLabel>(*w.main, "Label19")->text(), QStringLiteral("2 Items"));
    }

    // The start score typed is the start score played: 100, not 1001 completed from the list.
    void typedStartScoreIsTakenAsTyped() {
        TeamWindow w(true);
        TeamSetupDialog form(*w.main);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.teamNameEdit->setText(QStringLiteral("Club"));
        form.playerNameEdits[1]->setText(QStringLiteral("Ann"));
        form.startScoreCombo->lineEdit()->setFocus(); // what is typed goes where the focus is
        form.startScoreCombo->lineEdit()->clear();
        QTest::keyClicks(form.startScoreCombo->lineEdit(), QStringLiteral("100"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(w.main->teamMatch().setup().startScore, 100);
        QCOMPARE(vxtest::control<QLabel>(*w.main, "Label7")->text(), QStringLiteral("100"));
    }

    void refusedInputChangesNothing_data() {
        QTest::addColumn<QString>("team");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("message");
        const QStringList two = {QStringLiteral("Ann"), QStringLiteral("Bob")};
        QTest::newRow("team of three spaces") << "   "
                                              << "2" << two << "501"
                                              << "Naam Team invullen a.u.b.";
        QTest::newRow("team with separator") << "Club/Oost"
                                             << "2" << two << "501"
                                             << "Naam Team: De naam mag geen / of \\ bevatten.";
        QTest::newRow("team ..") << ".."
                                 << "2" << two << "501"
                                 << "Naam Team: De naam mag niet \".\" of \"..\" zijn.";
        QTest::newRow("team not in the code page")
            << "Łódź"
            << "2" << two << "501"
            << "Naam Team: Het teken \"Ł\" kan niet in een bestand worden bewaard.";
        QTest::newRow("typed 11 players") << "Club"
                                          << "11" << two << "501"
                                          << "Het aantal spelers moet een getal van 1 tot en met 10 zijn.";
        QTest::newRow("typed 0 players") << "Club"
                                         << "0" << two << "501"
                                         << "Het aantal spelers moet een getal van 1 tot en met 10 zijn.";
        QTest::newRow("empty player") << "Club"
                                      << "3" << QStringList{"Ann", "", "Cor"} << "501"
                                      << "Naam Speler 2 invullen a.u.b.";
        QTest::newRow("blank player") << "Club"
                                      << "2" << QStringList{"Ann", "  "} << "501"
                                      << "Naam Speler 2 invullen a.u.b.";
        QTest::newRow("player with separator") << "Club"
                                               << "2" << QStringList{"..\\Ann", "Bob"} << "501"
                                               << "Naam Speler 1: De naam mag geen / of \\ bevatten.";
        QTest::newRow("player not in the code page")
            << "Club"
            << "2" << QStringList{"Ann", "Łukasz"} << "501"
            << "Naam Speler 2: Het teken \"Ł\" kan niet in een bestand worden bewaard.";
        QTest::newRow("same player twice")
            << "Club"
            << "3" << QStringList{"Ann", "Bob", "ann"} << "501"
            << "Naam Speler 3 is gelijk aan Naam Speler 1. Elke speler heeft een eigen naam nodig, anders "
               "schrijven twee spelers in hetzelfde scorebestand.";
        QTest::newRow("start 0") << "Club"
                                 << "2" << two << "0"
                                 << "De startscore moet een getal van 1 tot en met 9999 zijn.";
        QTest::newRow("start negative") << "Club"
                                        << "2" << two << "-501"
                                        << "De startscore moet een getal van 1 tot en met 9999 zijn.";
        QTest::newRow("start text") << "Club"
                                    << "2" << two << "vijf"
                                    << "De startscore moet een getal van 1 tot en met 9999 zijn.";
    }
    void refusedInputChangesNothing() {
        QFETCH(QString, team);
        QFETCH(QString, count);
        QFETCH(QStringList, names);
        QFETCH(QString, start);
        QFETCH(QString, message);
        TeamWindow w(true);
        MainWindow& m = *w.main;
        TeamSetupDialog form(m);
        bool accepted = false;
        connect(&form, &QDialog::accepted, &form, [&] { accepted = true; });
        form.teamNameEdit->setText(team);
        Fill(form, count, names, start);
        QTest::mouseClick(form.okButton, Qt::LeftButton);

        QCOMPARE(w.prompts.texts(), QStringList{message});
        QCOMPARE(w.prompts.seen[0].title, QStringLiteral("Vorlentix"));
        QVERIFY(!accepted);
        QCOMPARE(w.teamsEntries(), QStringList());
        QCOMPARE(m.teamMatch().setup().players.size(), 0); // no team yet
        QCOMPARE(m.teamMatch().setup().players.value(0), QString());
        QCOMPARE(m.teamMatch().setup().startScore, 501);
        QCOMPARE(vxtest::control<QLabel>(m, "Label12")->text(), QStringLiteral("?"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label9")->text(), QStringLiteral("?"));
        QVERIFY(!vxtest::control<StyledButton>(m, "Knop1(1)")->isEnabled());
        if (team.trimmed().isEmpty()) QCOMPARE(form.teamNameEdit->text(), QString());
    }

    void refusalPutsTheFocusOnTheBox() {
        TeamWindow w(true);
        TeamSetupDialog form(*w.main);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.teamNameEdit->setText(QStringLiteral("Club"));
        Fill(form, QStringLiteral("2"), {QStringLiteral("Ann"), QString()}, QStringLiteral("501"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.focusWidget(), form.playerNameEdits[2]);
        form.teamNameEdit->setText(QStringLiteral("   "));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.focusWidget(), form.teamNameEdit);
        QVERIFY(form.isVisible());
    }

    void failedTeamCreationIsShownAndTheDialogStays() {
        TeamWindow w(true);
        // A folder where Bob's file should be: no write can succeed, also not as root.
        QVERIFY(QDir().mkpath(w.home.file("Teams/Club/Bob.lib")));
        TeamSetupDialog form(*w.main);
        bool accepted = false;
        connect(&form, &QDialog::accepted, &form, [&] { accepted = true; });
        form.teamNameEdit->setText(QStringLiteral("Club"));
        Fill(form, QStringLiteral("2"), {QStringLiteral("Ann"), QStringLiteral("Bob")},
             QStringLiteral("501"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(w.prompts.texts(),
                 QStringList{"Het bestand van speler \"Bob\" kan niet worden gelezen (er staat "
                             "een map met die naam)."});
        QVERIFY(!accepted);
        QCOMPARE(w.main->teamMatch().setup().players.size(), 0); // no team yet
        QCOMPARE(vxtest::control<QLabel>(*w.main, "Label12")->text(), QStringLiteral("?"));
    }

    // Whatever else stands under a player's name is left as it is: the dialog names the file
    // and stays open, so another name can be given.
    void newTeamLeavesAFileThatIsNoScoreList() {
        const QByteArray bytes = "Boodschappen\r\nmelk\r\nbrood\r\n";
        TeamWindow w(true);
        w.home.write("Teams/Club/Bob.lib", bytes);
        TeamSetupDialog form(*w.main);
        form.teamNameEdit->setText(QStringLiteral("Club"));
        Fill(form, QStringLiteral("2"), {QStringLiteral("Ann"), QStringLiteral("Bob")},
             QStringLiteral("501"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(w.prompts.seen.size(), 1);
        const QString path = QDir::toNativeSeparators(w.home.file("Teams/Club/Bob.lib"));
        QVERIFY2(w.prompts.seen[0].text.contains(QStringLiteral("\"%1\" is geen scorelijst").arg(path)),
                 qPrintable(w.prompts.seen[0].text));
        QVERIFY(form.result() != QDialog::Accepted);
        QCOMPARE(w.home.read("Teams/Club/Bob.lib"), bytes);

        form.playerNameEdits[2]->setText(QStringLiteral("Bob2"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(w.home.read("Teams/Club/Bob.lib"), bytes);
        QCOMPARE(w.home.read("Teams/Club/Bob2.lib"), HeaderOnly("Bob2"));
    }

    void openTeamListsPlayersAndLoadsPlayerOne() {
        TeamWindow w(false);
        WritePlayer(QStringLiteral("Achter"), QStringLiteral("Zoe"), 0);
        for (const QString& p : {QStringLiteral("Piet"), QStringLiteral("Jan"), QStringLiteral("Kees")})
            WritePlayer(QStringLiteral("Oost"), p, 0);
        WritePlayer(QStringLiteral("Oost"), QStringLiteral("anna"), 3);
        w.home.write("Teams/Oost/notes.txt", "geen speler");
        MainWindow& m = *w.main;
        TeamSetupDialog form(m);
        QCOMPARE(form.windowTitle(), QStringLiteral("Open Teams en Spelers"));
        QVERIFY(form.teamNameEdit->isHidden());
        QCOMPARE(form.teamCombo->count(), 2);
        QCOMPARE(form.teamCombo->currentText(), QStringLiteral("Achter"));
        QCOMPARE(ShownRows(form), 1);
        QCOMPARE(form.playerNameEdits[1]->text(), QStringLiteral("Zoe"));

        form.teamCombo->setCurrentIndex(1);
        emit form.teamCombo->activated(1); // the scorer picks the team
        QCOMPARE(form.playerCountCombo->currentText(), QStringLiteral("4"));
        QCOMPARE(ShownRows(form), 4);
        const QStringList expected = {"anna", "Jan", "Kees", "Piet"};
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(form.playerNameEdits[i]->text(), expected[i - 1]);

        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(w.prompts.seen.isEmpty());
        QCOMPARE(m.teamMatch().setup().players.size(), 4);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(m.teamMatch().setup().players.value(i - 1), expected[i - 1]);
        QCOMPARE(vxtest::control<QLabel>(m, "Label12")->text(), QStringLiteral("Oost"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label9")->text(), QStringLiteral("anna"));
        QCOMPARE(m.scoreList.headerText(0), QStringLiteral("anna"));
        QCOMPARE(m.scoreList.count(), 3);
        QCOMPARE(vxtest::control<QLabel>(m, "Label19")->text(), QStringLiteral("3 Items"));
        QCOMPARE(m.teamMatch().setup().startScore, 501);
        QCOMPARE(vxtest::control<QLabel>(m, "Label7")->text(), QStringLiteral("501"));
        QVERIFY(w.dartButtonsOn());
    }

    void renamedPlayerInOpenModeLeavesTheFiles() {
        TeamWindow w(false);
        WritePlayer(QStringLiteral("Oost"), QStringLiteral("Ann"), 2);
        WritePlayer(QStringLiteral("Oost"), QStringLiteral("Bob"), 1);
        const QByteArray ann = w.home.read("Teams/Oost/Ann.lib");
        MainWindow& m = *w.main;
        vxtest::control<QLabel>(m, "Label19")->setText(QStringLiteral("7 Items"));
        TeamSetupDialog form(m);
        form.playerNameEdits[1]->setText(QStringLiteral("Anne"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m.teamMatch().setup().players.value(0), QStringLiteral("Anne"));
        QCOMPARE(m.teamMatch().setup().players.value(1), QStringLiteral("Bob"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label9")->text(), QStringLiteral("Anne"));
        // No file of that name: an empty list, and the counter says so.
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(vxtest::control<QLabel>(m, "Label19")->text(), QStringLiteral("0 Items"));
        QCOMPARE(w.home.read("Teams/Oost/Ann.lib"), ann);
        QVERIFY(!QFile::exists(w.home.file("Teams/Oost/Anne.lib")));
    }

    void openModeWithoutTeamsCreatesNothing() {
        TeamWindow w(false);
        TeamSetupDialog form(*w.main);
        bool accepted = false;
        connect(&form, &QDialog::accepted, &form, [&] { accepted = true; });
        QCOMPARE(form.teamCombo->count(), 0);
        QCOMPARE(form.playerCountCombo->currentText(), QStringLiteral("1"));
        form.playerNameEdits[1]->setText(QStringLiteral("Ann"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(w.prompts.texts(),
                 QStringList{"Kies een team a.u.b. Is er nog geen team, maak dan eerst een nieuw team aan."});
        QVERIFY(!accepted);
        QVERIFY(!QDir(w.home.file("Teams")).exists());
        QCOMPARE(vxtest::control<QLabel>(*w.main, "Label12")->text(), QStringLiteral("?"));
        QVERIFY(!vxtest::control<StyledButton>(*w.main, "Knop1(1)")->isEnabled());
    }

    void moreThanTenPlayersShowsTheFirstTen() {
        TeamWindow w(false);
        QStringList names;
        for (int i = 1; i <= 12; ++i)
            names << QStringLiteral("Speler%1").arg(i, 2, 10, QLatin1Char('0'));
        QVERIFY(createTeamFiles(QStringLiteral("Groot"), names));
        TeamSetupDialog form(*w.main);
        QCOMPARE(w.prompts.texts(),
                 QStringList{"Team Groot heeft 12 spelers. Alleen de eerste 10 kunnen meedoen."});
        QCOMPARE(form.playerCountCombo->currentText(), QStringLiteral("10"));
        QCOMPARE(ShownRows(form), 10);
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(form.playerNameEdits[i]->text(), names[i - 1]);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(w.main->teamMatch().setup().players.size(), 10);
        QCOMPARE(w.main->teamMatch().setup().players.value(9), names[9]);
    }

    void cancelChangesNothing() {
        TeamWindow w(false);
        WritePlayer(QStringLiteral("Oost"), QStringLiteral("Ann"), 1);
        const QByteArray ann = w.home.read("Teams/Oost/Ann.lib");
        MainWindow& m = *w.main;
        TeamSetupDialog form(m);
        form.playerCountCombo->setCurrentText(QStringLiteral("3"));
        for (int i = 1; i <= 3; ++i)
            form.playerNameEdits[i]->setText(QStringLiteral("X%1").arg(i));
        form.startScoreCombo->setCurrentText(QStringLiteral("301"));
        QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(w.prompts.seen.isEmpty());
        QCOMPARE(m.teamMatch().setup().players.size(), 0); // no team yet
        QCOMPARE(m.teamMatch().setup().players.value(0), QString());
        QCOMPARE(m.teamMatch().setup().startScore, 501);
        QCOMPARE(vxtest::control<QLabel>(m, "Label12")->text(), QStringLiteral("?"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label9")->text(), QStringLiteral("?"));
        QCOMPARE(m.scoreList.count(), 0);
        QVERIFY(!vxtest::control<StyledButton>(m, "Knop1(1)")->isEnabled());
        QCOMPARE(w.home.read("Teams/Oost/Ann.lib"), ann);
        QCOMPARE(QDir(w.home.file("Teams/Oost")).entryList(QDir::Files).size(), 1);
    }
};

QTEST_MAIN(TeamSetupDialogTest)
#include "test_teamsetupdialog.moc"

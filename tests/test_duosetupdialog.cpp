// SPDX-License-Identifier: GPL-3.0-or-later
// The duo match setup dialog, driven through its controls, with the match state, the duo panel
// of the main window and the files on disk checked afterwards.
#include "core/common/Utilities.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <memory>

using namespace vx;

namespace {

void WriteDuoFile(const QString& name, int rows) {
    ScoreListModel model;
    for (int r = 0; r < rows; ++r) {
        ScoreListModel::Row row;
        row.fill(QStringLiteral("-"));
        row[0] = r % 2 ? QStringLiteral("Fred") : QStringLiteral("Koos");
        row[1] = r % 2 ? QStringLiteral("-") : QStringLiteral("v");
        model.appendRow(row);
    }
    QVERIFY(vx::saveDuoList(model, name));
}

// Player `winner` takes a leg of 501 in three turns of his own (180, 180, 141); the other
// books a turn of 0 whenever it is his turn.
void WinLeg(DuoMatch& match, int winner) {
    const QList<QList<Dart>> turns = {{{60, "T20"}, {60, "T20"}, {60, "T20"}},
                                      {{60, "T20"}, {60, "T20"}, {60, "T20"}},
                                      {{60, "T20"}, {57, "T19"}, {24, "D12"}}};
    for (int own = 0; !match.isLegOver();) {
        if (match.atTheThrow() == winner)
            for (const Dart& dart : turns.at(own++))
                match.enterDart(dart.points, dart.code);
        match.bookTurn();
    }
}

// A main window composed for a duo match of "First to 9" that has just finished its tenth leg,
// 7-3, started by player 2: every value the setup has to reset is off its start value.
struct DuoWindow {
    vxtest::TempHome home;
    vxtest::ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> main;

    explicit DuoWindow(DuoSetup::Kind kind = DuoSetup::Kind::Legs) : main(std::make_unique<MainWindow>()) {
        MainWindow& m = *main;
        m.compose(MatchKind::Duo);
        m.startDuoMatch({{QStringLiteral("Speler 1"), QStringLiteral("Speler 2")}, 501, kind, 9},
                        QStringLiteral("Vorige"));
        for (int winner : {1, 2, 1, 1, 2, 1, 1, 2, 1, 1}) {
            if (m.duoMatch().isLegOver()) m.duoMatch().nextLeg();
            WinLeg(m.duoMatch(), winner);
        }
        m.scoreList.setFirstHeader(QStringLiteral("Piet"));
    }
};

QColor BackColor(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

} // namespace

class DuoSetupDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithTheStartValues() {
        vxtest::TempHome home;
        WriteDuoFile(QStringLiteral("Beta"), 0);
        WriteDuoFile(QStringLiteral("alpha"), 0);
        QVERIFY(createTeamFiles(QStringLiteral("Club"), {QStringLiteral("Ann")})); // a team is no duo file
        MainWindow m;
        DuoSetupDialog form(m);
        QCOMPARE(form.windowTitle(), QStringLiteral("Duo Match"));
        QCOMPARE(form.fileNameCombo->count(), 2);
        QCOMPARE(form.fileNameCombo->itemText(0), QStringLiteral("alpha"));
        QCOMPARE(form.fileNameCombo->itemText(1), QStringLiteral("Beta"));
        QCOMPARE(form.fileNameCombo->currentText(), QStringLiteral("alpha"));
        QCOMPARE(form.player1Edit->text(), QStringLiteral("Koos"));
        QCOMPARE(form.player2Edit->text(), QStringLiteral("Fred"));
        QCOMPARE(form.targetCombo->count(), 19);
        QCOMPARE(form.targetCombo->currentText(), QStringLiteral("3"));
        QCOMPARE(form.startScoreCombo->currentText(), QStringLiteral("501"));
        QVERIFY(form.setsOption->isChecked());
        QVERIFY(!form.legsOption->isChecked());
        // The picture is compiled into the program under this name.
        QCOMPARE(form.pictureLabel->pixmap().size(), QSize(77, 61));
    }

    void withoutTeamsFolderTheFileListIsEmpty() {
        vxtest::TempHome home;
        MainWindow m;
        DuoSetupDialog form(m);
        QCOMPARE(form.fileNameCombo->count(), 0);
        QCOMPARE(form.fileNameCombo->currentText(), QString());
    }

    void confirmAtOnceStartsFirstToThreeSets() {
        DuoWindow w;
        WriteDuoFile(QStringLiteral("Alpha"), 4);
        WriteDuoFile(QStringLiteral("Beta"), 2);
        MainWindow& m = *w.main;
        DuoSetupDialog form(m);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(w.prompts.seen.isEmpty());

        const DuoMatch& s = m.duoMatch();
        QCOMPARE(m.session.duoFileName, QStringLiteral("Alpha"));
        QCOMPARE(s.setup().startScore, 501);
        QCOMPARE(s.remaining(1), 501);
        QCOMPARE(s.remaining(2), 501);
        QCOMPARE(s.setup().kind, DuoSetup::Kind::Sets);
        QCOMPARE(s.setup().target, 3);
        QCOMPARE(s.legsWon(1) + s.legsWon(2) + s.setsWon(1) + s.setsWon(2), 0);
        QCOMPARE(s.turn().nextSlot(), 1);

        QCOMPARE(vxtest::control<QLabel>(m, "Label17")->text(), QStringLiteral("First to 3 Sets"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label16")->text(),
                 QStringLiteral("Naam Spelers                     Sets    Legs"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label16")->pos(),
                 QPoint(twipsToPixels(360), twipsToPixels(7680)));
        for (int k = 1; k <= 2; ++k) {
            const QString name = k == 1 ? QStringLiteral("Koos") : QStringLiteral("Fred");
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("SpelerLabel(%1)").arg(k))->text(), name);
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("NaamLabel(%1)").arg(k))->text(),
                     name + QStringLiteral(" "));
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("NaamLabel(%1)").arg(k))->width(),
                     twipsToPixels(2640));
            QVERIFY(!vxtest::control<QLabel>(m, QStringLiteral("SetsLabel(%1)").arg(k))->isHidden());
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("ScoreLabel(%1)").arg(k))->text(),
                     QStringLiteral("501"));
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("SetsLabel(%1)").arg(k))->text(),
                     QStringLiteral("0"));
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("LegsLabel(%1)").arg(k))->text(),
                     QStringLiteral("0"));
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("PuntenLabel(%1)").arg(k))->text(),
                     QStringLiteral("0"));
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("UitgooiSpeler(%1)").arg(k))->text(),
                     QStringLiteral("Checkout"));
            QCOMPARE(vxtest::control<QListWidget>(m, QStringLiteral("ListSpeler(%1)").arg(k))->count(), 0);
        }
        for (int j = 1; j <= 3; ++j)
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("Label5(%1)").arg(j))->text(),
                     QStringLiteral("0"));
        QVERIFY(vxtest::control<StyledButton>(m, "AddKnopDuo(1)")->isEnabled());
        QVERIFY(!vxtest::control<StyledButton>(m, "AddKnopDuo(2)")->isEnabled());
        QVERIFY(!vxtest::control<QLabel>(m, "StartBol(1)")->isHidden());
        QVERIFY(vxtest::control<QLabel>(m, "StartBol(2)")->isHidden());
        QCOMPARE(BackColor(vxtest::control<QListWidget>(m, "ListSpeler(1)")), QColor(150, 250, 120));
        QCOMPARE(BackColor(vxtest::control<QListWidget>(m, "ListSpeler(2)")), QColor(250, 250, 220));
        QVERIFY(!vxtest::control<StyledButton>(m, "NextKnop")->isEnabled());
        for (int i = 1; i <= 20; ++i)
            QVERIFY(vxtest::control<StyledButton>(m, QStringLiteral("Knop1(%1)").arg(i))->isEnabled() &&
                    vxtest::control<StyledButton>(m, QStringLiteral("Knop2(%1)").arg(i))->isEnabled() &&
                    vxtest::control<StyledButton>(m, QStringLiteral("Knop3(%1)").arg(i))->isEnabled());
        QVERIFY(vxtest::control<StyledButton>(m, "Bull25")->isEnabled() &&
                vxtest::control<StyledButton>(m, "Bull50")->isEnabled() &&
                vxtest::control<StyledButton>(m, "ZeroKnop")->isEnabled());

        QCOMPARE(m.scoreList.headerText(0), QStringLiteral("Naam Speler"));
        QCOMPARE(m.scoreList.count(), 4);
        QCOMPARE(m.scoreList.cell(0, 1), QStringLiteral("v"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label19")->text(), QStringLiteral("4 Items"));
        QCOMPARE(vxtest::control<QAction>(m, "NaamBestand")->text(), QStringLiteral("Alpha"));
    }

    void legsTargetHidesTheSetsBoxes() {
        DuoWindow w(DuoSetup::Kind::Sets);
        MainWindow& m = *w.main;
        DuoSetupDialog form(m);
        QTest::mouseClick(form.legsOption, Qt::LeftButton);
        QVERIFY(form.legsOption->isChecked());
        form.targetCombo->setCurrentIndex(form.targetCombo->findText(QStringLiteral("5")));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m.duoMatch().setup().kind, DuoSetup::Kind::Legs);
        QCOMPARE(m.duoMatch().setup().target, 5);
        QCOMPARE(vxtest::control<QLabel>(m, "Label17")->text(), QStringLiteral("First to 5 Legs"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label16")->text(),
                 QStringLiteral("Naam Spelers                                Legs"));
        for (int k = 1; k <= 2; ++k) {
            QVERIFY(vxtest::control<QLabel>(m, QStringLiteral("SetsLabel(%1)").arg(k))->isHidden());
            QCOMPARE(vxtest::control<QLabel>(m, QStringLiteral("NaamLabel(%1)").arg(k))->width(),
                     twipsToPixels(3300));
        }
    }

    void typedNumbersAndNamesAreTakenAsTyped() {
        DuoWindow w;
        MainWindow& m = *w.main;
        for (const char* name : {"Koos", "Fred", "Koos", "Fred", "Koos", "Fred"})
            m.scoreList.appendRow({QString::fromLatin1(name)});
        m.showRowCount();
        DuoSetupDialog form(m);
        form.player1Edit->setText(QStringLiteral("  Koos "));
        form.startScoreCombo->setCurrentText(QStringLiteral("401"));
        form.targetCombo->setCurrentText(QStringLiteral("2 sets"));
        form.fileNameCombo->setCurrentText(QStringLiteral("Nieuw paar"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m.duoMatch().setup().startScore, 401);
        QCOMPARE(m.duoMatch().remaining(1), 401);
        QCOMPARE(m.duoMatch().remaining(2), 401);
        QCOMPARE(vxtest::control<QLabel>(m, "ScoreLabel(2)")->text(), QStringLiteral("401"));
        QCOMPARE(m.duoMatch().setup().target, 2);
        QCOMPARE(vxtest::control<QLabel>(m, "Label17")->text(), QStringLiteral("First to 2 Sets"));
        QCOMPARE(vxtest::control<QLabel>(m, "SpelerLabel(1)")->text(), QStringLiteral("  Koos "));
        QCOMPARE(vxtest::control<QLabel>(m, "NaamLabel(1)")->text(), QStringLiteral("  Koos  "));
        // A new name: no file yet, an empty list, and nothing written until the match is saved.
        QCOMPARE(m.session.duoFileName, QStringLiteral("Nieuw paar"));
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(vxtest::control<QLabel>(m, "Label19")->text(), QStringLiteral("0 Items"));
        QVERIFY(!QFile::exists(w.home.file("Teams/Nieuw paar.lib")));
    }

    // Keys typed into a list count as typed: no entry of the list may complete them.
    void typedKeysAreTakenAsTyped_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("start");
        QTest::newRow("start 100, not 1001") << "Combo2"
                                             << "100"
                                             << "Alpha" << 100;
        QTest::newRow("start 70, not 701") << "Combo2"
                                           << "70"
                                           << "Alpha" << 70;
        QTest::newRow("new file, not Alpha") << "Combo3"
                                             << "Alp"
                                             << "Alp" << 501;
    }
    void typedKeysAreTakenAsTyped() {
        QFETCH(QString, box);
        QFETCH(QString, keys);
        QFETCH(QString, file);
        QFETCH(int, start);
        DuoWindow w;
        WriteDuoFile(QStringLiteral("Alpha"), 2);
        MainWindow& m = *w.main;
        DuoSetupDialog form(m);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QLineEdit* edit = form.findChild<QComboBox*>(box)->lineEdit();
        edit->setFocus(); // what is typed goes where the focus is, as for the scorer
        edit->clear();
        QTest::keyClicks(edit, keys);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m.session.duoFileName, file);
        QCOMPARE(m.duoMatch().setup().startScore, start);
        QCOMPARE(vxtest::control<QLabel>(m, "ScoreLabel(1)")->text(), QString::number(start));
    }

    void refusedInputChangesNothing_data() {
        QTest::addColumn<QString>("name1");
        QTest::addColumn<QString>("name2");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("message");
        const QString blank = QStringLiteral("Naam Speler 1 of/en Speler 2 invullen a.u.b.");
        QTest::newRow("player 1 blanks") << "   "
                                         << "Fred"
                                         << "Paar"
                                         << "3"
                                         << "501" << blank;
        QTest::newRow("player 2 empty") << "Koos"
                                        << ""
                                        << "Paar"
                                        << "3"
                                        << "501" << blank;
        QTest::newRow("player not in the code page")
            << "Koos"
            << "Łukasz"
            << "Paar"
            << "3"
            << "501"
            << "Naam Speler 2 bevat een teken dat niet in de scorelijst kan worden bewaard.";
        QTest::newRow("player with a pasted line break")
            << QStringLiteral("Koos\r\nregel2") << "Fred"
            << "Paar"
            << "3"
            << "501"
            << "Naam Speler 1 bevat een teken dat niet in de scorelijst kan worden bewaard.";
        const QString same = QStringLiteral(
            "Naam Speler 2 is gelijk aan Naam Speler 1. Elke speler heeft een eigen naam nodig, anders zijn "
            "de twee spelers in de statistieken en het overzicht niet uit elkaar te houden.");
        QTest::newRow("the same name twice") << "Koos"
                                             << "Koos"
                                             << "Paar"
                                             << "3"
                                             << "501" << same;
        QTest::newRow("names apart only in case") << "Zoë de Vries"
                                                  << "ZOË DE vries"
                                                  << "Paar"
                                                  << "3"
                                                  << "501" << same;
        QTest::newRow("file with separator") << "Koos"
                                             << "Fred"
                                             << "../Paar"
                                             << "3"
                                             << "501"
                                             << "Bestandsnaam: De naam mag geen / of \\ bevatten.";
        QTest::newRow("file ..") << "Koos"
                                 << "Fred"
                                 << ".."
                                 << "3"
                                 << "501"
                                 << "Bestandsnaam: De naam mag niet \".\" of \"..\" zijn.";
        QTest::newRow("file not in the code page")
            << "Koos"
            << "Fred"
            << "Paar€Ł"
            << "3"
            << "501"
            << "Bestandsnaam: Het teken \"Ł\" kan niet in een bestand worden bewaard.";
        const QString target = QStringLiteral("\"First to\" moet een getal van 1 tot en met 99 zijn.");
        QTest::newRow("target 0") << "Koos"
                                  << "Fred"
                                  << "Paar"
                                  << "0"
                                  << "501" << target;
        QTest::newRow("target text") << "Koos"
                                     << "Fred"
                                     << "Paar"
                                     << "drie"
                                     << "501" << target;
        QTest::newRow("target 100") << "Koos"
                                    << "Fred"
                                    << "Paar"
                                    << "100"
                                    << "501" << target;
        const QString start = QStringLiteral("De startscore moet een getal van 1 tot en met 9999 zijn.");
        QTest::newRow("start 0") << "Koos"
                                 << "Fred"
                                 << "Paar"
                                 << "3"
                                 << "0" << start;
        QTest::newRow("start text") << "Koos"
                                    << "Fred"
                                    << "Paar"
                                    << "3"
                                    << "x501" << start;
        QTest::newRow("start negative") << "Koos"
                                        << "Fred"
                                        << "Paar"
                                        << "3"
                                        << "-301" << start;
    }
    void refusedInputChangesNothing() {
        QFETCH(QString, name1);
        QFETCH(QString, name2);
        QFETCH(QString, file);
        QFETCH(QString, target);
        QFETCH(QString, start);
        QFETCH(QString, message);
        DuoWindow w;
        MainWindow& m = *w.main;
        DuoSetupDialog form(m);
        bool accepted = false;
        connect(&form, &QDialog::accepted, &form, [&] { accepted = true; });
        form.player1Edit->setText(name1);
        form.player2Edit->setText(name2);
        form.fileNameCombo->setCurrentText(file);
        form.targetCombo->setCurrentText(target);
        form.startScoreCombo->setCurrentText(start);
        QTest::mouseClick(form.okButton, Qt::LeftButton);

        QCOMPARE(w.prompts.texts(), QStringList{message});
        QCOMPARE(w.prompts.seen[0].title, QStringLiteral("Vorlentix"));
        QVERIFY(!accepted);
        QCOMPARE(m.session.duoFileName, QStringLiteral("Vorige"));
        QCOMPARE(m.duoMatch().setup().kind, DuoSetup::Kind::Legs);
        QCOMPARE(m.duoMatch().legsWon(1), 7);
        QCOMPARE(m.duoMatch().setup().startScore, 501);
        QCOMPARE(vxtest::control<QLabel>(m, "SpelerLabel(1)")->text(), QStringLiteral("Speler 1"));
        QCOMPARE(vxtest::control<QAction>(m, "NaamBestand")->text(), QStringLiteral("Vorige"));
        QVERIFY(vxtest::control<StyledButton>(m, "NextKnop")->isEnabled());
        QVERIFY(!vxtest::control<StyledButton>(m, "Knop1(1)")->isEnabled());
        QVERIFY(!QDir(w.home.file("Teams")).exists());
    }

    void newNameIsAddedAsTyped_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("message");
        QTest::newRow("blanks kept") << std::optional<QString>(QStringLiteral("  Koos-Fred  "))
                                     << "  Koos-Fred  "
                                     << "";
        QTest::newRow("same name again") << std::optional<QString>(QStringLiteral("Alpha")) << "Alpha"
                                         << "";
        QTest::newRow("cancelled") << std::optional<QString>() << ""
                                   << "";
        QTest::newRow("blanks only") << std::optional<QString>(QStringLiteral("   ")) << ""
                                     << "";
        QTest::newRow("refused name") << std::optional<QString>(QStringLiteral("a/b")) << ""
                                      << "Bestandsnaam: De naam mag geen / of \\ bevatten.";
    }
    void newNameIsAddedAsTyped() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, added);
        QFETCH(QString, message);
        DuoWindow w;
        WriteDuoFile(QStringLiteral("Alpha"), 1);
        DuoSetupDialog form(*w.main);
        w.prompts.inputs = {answer};
        QTest::mouseClick(form.newButton, Qt::LeftButton);
        QCOMPARE(w.prompts.seen.size(), message.isEmpty() ? 1 : 2);
        QCOMPARE(w.prompts.seen[0].kind, vxtest::Prompt::Input);
        QCOMPARE(w.prompts.seen[0].text,
                 QStringLiteral("Geef een nieuwe naam in voor de scorelijst...\nvan de spelers."));
        QCOMPARE(w.prompts.seen[0].title, QStringLiteral("Filenaam"));
        if (!message.isEmpty()) QCOMPARE(w.prompts.seen[1].text, message);
        if (added.isEmpty()) {
            QCOMPARE(form.fileNameCombo->count(), 1);
            QCOMPARE(form.fileNameCombo->currentText(), QStringLiteral("Alpha"));
            return;
        }
        QCOMPARE(form.fileNameCombo->count(), 2);
        QCOMPARE(form.fileNameCombo->itemText(1), added);
        QCOMPARE(form.fileNameCombo->currentIndex(), 1);
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(w.main->session.duoFileName, added);
        QCOMPARE(vxtest::control<QAction>(*w.main, "NaamBestand")->text(), added);
    }

    void cancelChangesNothing() {
        DuoWindow w;
        WriteDuoFile(QStringLiteral("Alpha"), 2);
        const QByteArray alpha = w.home.read("Teams/Alpha.lib");
        MainWindow& m = *w.main;
        DuoSetupDialog form(m);
        form.player1Edit->setText(QStringLiteral("Jan"));
        form.player2Edit->setText(QStringLiteral("Piet"));
        form.legsOption->setChecked(true);
        form.targetCombo->setCurrentText(QStringLiteral("9"));
        form.startScoreCombo->setCurrentText(QStringLiteral("301"));
        QTest::mouseClick(form.cancelButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(w.prompts.seen.isEmpty());
        QCOMPARE(m.session.duoFileName, QStringLiteral("Vorige"));
        QCOMPARE(m.duoMatch().setup().target, 9);
        QCOMPARE(m.duoMatch().setup().startScore, 501);
        QCOMPARE(vxtest::control<QLabel>(m, "SpelerLabel(1)")->text(), QStringLiteral("Speler 1"));
        QCOMPARE(vxtest::control<QLabel>(m, "Label17")->text(), QStringLiteral("First to 9 Legs"));
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(vxtest::control<QListWidget>(m, "ListSpeler(1)")->count(), 3);
        QVERIFY(vxtest::control<StyledButton>(m, "NextKnop")->isEnabled());
        QCOMPARE(w.home.read("Teams/Alpha.lib"), alpha);
    }
};

QTEST_MAIN(DuoSetupDialogTest)
#include "test_duosetupdialog.moc"

// The duo match setup dialog, driven through its controls, with the match state, the duo panel
// of the main window and the files on disk checked afterwards.
#include "core/common/Utilities.h"
#include "core/files/ScoreListFiles.h"
#include "core/match/MatchSetup.h"
#include "testsupport.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowLayout.h"
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
    QVERIFY(vx::SaveDuoList(model, name));
}

// A main window composed for a duo match that has just finished a match of "First to 7 Legs":
// every value the setup has to reset is off its start value.
struct DuoWindow {
    vxtest::TempHome home;
    vxtest::ScriptedPrompts prompts;
    std::unique_ptr<MainWindow> main;

    DuoWindow() : main(std::make_unique<MainWindow>()) {
        ComposeMainWindow(*main, true);
        MainWindow& m = *main;
        MatchState& s = m.state;
        s.DuoMatchKind = 2;
        s.SetsToWin = 4;
        s.LegsToWin = 7;
        s.LegsWon1 = 7;
        s.LegsWon2 = 2;
        s.SetsWon1 = 1;
        s.SetsWon2 = 1;
        s.DartNumber = 3;
        s.DuoFileName = QStringLiteral("Vorige");
        m.NaamBestand->setText(QStringLiteral("Vorige"));
        m.Label5[2]->setText(QStringLiteral("60"));
        m.NextKnop->setEnabled(true);
        for (int k = 1; k <= 2; ++k) {
            m.ListSpeler[k]->addItem(QStringLiteral("100"));
            m.PuntenLabel[k]->setText(QStringLiteral("45"));
            m.LegsLabel[k]->setText(QStringLiteral("5"));
            m.UitgooiSpeler[k]->setText(QStringLiteral("T20 D20"));
        }
        m.StartBol[2]->show();
        m.AddKnopDuo[2]->setEnabled(true);
        m.AddKnopDuo[1]->setEnabled(false);
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
        QVERIFY(CreateTeamFiles(QStringLiteral("Club"), {QStringLiteral("Ann")})); // a team is no duo file
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

        const MatchState& s = m.state;
        QCOMPARE(s.DuoFileName, QStringLiteral("Alpha"));
        QCOMPARE(s.StartScore, 501);
        QCOMPARE(s.DuoRemaining[1], 501);
        QCOMPARE(s.DuoRemaining[2], 501);
        QCOMPARE(int(s.DuoMatchKind), 1);
        QCOMPARE(s.SetsToWin, 3);
        QCOMPARE(s.LegsToWin, 7); // the target of the other kind keeps its value
        QCOMPARE(s.LegsWon1 + s.LegsWon2 + s.SetsWon1 + s.SetsWon2, 0);
        QCOMPARE(int(s.DartNumber), 1);

        QCOMPARE(m.Label17->text(), QStringLiteral("First to 3 Sets"));
        QCOMPARE(m.Label16->text(), QStringLiteral("Naam Spelers                     Sets    Legs"));
        QCOMPARE(m.Label16->pos(), QPoint(TwipsToPixels(360), TwipsToPixels(7680)));
        for (int k = 1; k <= 2; ++k) {
            const QString name = k == 1 ? QStringLiteral("Koos") : QStringLiteral("Fred");
            QCOMPARE(m.SpelerLabel[k]->text(), name);
            QCOMPARE(m.NaamLabel[k]->text(), name + QStringLiteral(" "));
            QCOMPARE(m.NaamLabel[k]->width(), TwipsToPixels(2640));
            QVERIFY(!m.SetsLabel[k]->isHidden());
            QCOMPARE(m.ScoreLabel[k]->text(), QStringLiteral("501"));
            QCOMPARE(m.SetsLabel[k]->text(), QStringLiteral("0"));
            QCOMPARE(m.LegsLabel[k]->text(), QStringLiteral("0"));
            QCOMPARE(m.PuntenLabel[k]->text(), QStringLiteral("0"));
            QCOMPARE(m.UitgooiSpeler[k]->text(), QStringLiteral("Checkout"));
            QCOMPARE(m.ListSpeler[k]->count(), 0);
        }
        for (int j = 1; j <= 3; ++j)
            QCOMPARE(m.Label5[j]->text(), QStringLiteral("0"));
        QVERIFY(m.AddKnopDuo[1]->isEnabled());
        QVERIFY(!m.AddKnopDuo[2]->isEnabled());
        QVERIFY(!m.StartBol[1]->isHidden());
        QVERIFY(m.StartBol[2]->isHidden());
        QCOMPARE(BackColor(m.ListSpeler[1]), QColor(150, 250, 120));
        QCOMPARE(BackColor(m.ListSpeler[2]), QColor(250, 250, 220));
        QVERIFY(!m.NextKnop->isEnabled());
        for (int i = 1; i <= 20; ++i)
            QVERIFY(m.Knop1[i]->isEnabled() && m.Knop2[i]->isEnabled() && m.Knop3[i]->isEnabled());
        QVERIFY(m.Bull25->isEnabled() && m.Bull50->isEnabled() && m.ZeroKnop->isEnabled());

        QCOMPARE(m.scoreList.headerText(0), QStringLiteral("Naam Speler"));
        QCOMPARE(m.scoreList.count(), 4);
        QCOMPARE(m.scoreList.cell(0, 1), QStringLiteral("v"));
        QCOMPARE(m.Label19->text(), QStringLiteral("4 Items"));
        QCOMPARE(m.NaamBestand->text(), QStringLiteral("Alpha"));
    }

    void legsTargetHidesTheSetsBoxes() {
        DuoWindow w;
        MainWindow& m = *w.main;
        m.state.DuoMatchKind = 1;
        DuoSetupDialog form(m);
        QTest::mouseClick(form.legsOption, Qt::LeftButton);
        QVERIFY(form.legsOption->isChecked());
        form.targetCombo->setCurrentIndex(form.targetCombo->findText(QStringLiteral("5")));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(int(m.state.DuoMatchKind), 2);
        QCOMPARE(m.state.LegsToWin, 5);
        QCOMPARE(m.state.SetsToWin, 4);
        QCOMPARE(m.Label17->text(), QStringLiteral("First to 5 Legs"));
        QCOMPARE(m.Label16->text(), QStringLiteral("Naam Spelers                                Legs"));
        for (int k = 1; k <= 2; ++k) {
            QVERIFY(m.SetsLabel[k]->isHidden());
            QCOMPARE(m.NaamLabel[k]->width(), TwipsToPixels(3300));
        }
    }

    void typedNumbersAndNamesAreTakenAsTyped() {
        DuoWindow w;
        MainWindow& m = *w.main;
        for (const char* name : {"Koos", "Fred", "Koos", "Fred", "Koos", "Fred"})
            m.scoreList.appendRow({QString::fromLatin1(name)});
        m.ShowRowCount();
        DuoSetupDialog form(m);
        form.player1Edit->setText(QStringLiteral("  Koos "));
        form.startScoreCombo->setCurrentText(QStringLiteral("401"));
        form.targetCombo->setCurrentText(QStringLiteral("2 sets"));
        form.fileNameCombo->setCurrentText(QStringLiteral("Nieuw paar"));
        QTest::mouseClick(form.okButton, Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(m.state.StartScore, 401);
        QCOMPARE(m.state.DuoRemaining[1], 401);
        QCOMPARE(m.state.DuoRemaining[2], 401);
        QCOMPARE(m.ScoreLabel[2]->text(), QStringLiteral("401"));
        QCOMPARE(m.state.SetsToWin, 2);
        QCOMPARE(m.Label17->text(), QStringLiteral("First to 2 Sets"));
        QCOMPARE(m.SpelerLabel[1]->text(), QStringLiteral("  Koos "));
        QCOMPARE(m.NaamLabel[1]->text(), QStringLiteral("  Koos  "));
        // A new name: no file yet, an empty list, and nothing written until the match is saved.
        QCOMPARE(m.state.DuoFileName, QStringLiteral("Nieuw paar"));
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(m.Label19->text(), QStringLiteral("0 Items"));
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
        QCOMPARE(m.state.DuoFileName, file);
        QCOMPARE(m.state.StartScore, start);
        QCOMPARE(m.ScoreLabel[1]->text(), QString::number(start));
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
        QCOMPARE(m.state.DuoFileName, QStringLiteral("Vorige"));
        QCOMPARE(int(m.state.DuoMatchKind), 2);
        QCOMPARE(m.state.LegsWon1, 7);
        QCOMPARE(m.state.StartScore, 501);
        QCOMPARE(m.SpelerLabel[1]->text(), QStringLiteral("Speler 1"));
        QCOMPARE(m.NaamBestand->text(), QStringLiteral("Vorige"));
        QVERIFY(m.NextKnop->isEnabled());
        QVERIFY(!m.Knop1[1]->isEnabled());
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
        QCOMPARE(w.main->state.DuoFileName, added);
        QCOMPARE(w.main->NaamBestand->text(), added);
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
        QCOMPARE(m.state.DuoFileName, QStringLiteral("Vorige"));
        QCOMPARE(m.state.LegsToWin, 7);
        QCOMPARE(m.state.StartScore, 501);
        QCOMPARE(m.SpelerLabel[1]->text(), QStringLiteral("Speler 1"));
        QCOMPARE(m.Label17->text(), QStringLiteral("First to 3 Sets"));
        QCOMPARE(m.scoreList.count(), 0);
        QCOMPARE(m.ListSpeler[1]->count(), 1);
        QVERIFY(m.NextKnop->isEnabled());
        QCOMPARE(w.home.read("Teams/Alpha.lib"), alpha);
    }
};

QTEST_MAIN(DuoSetupDialogTest)
#include "test_duosetupdialog.moc"

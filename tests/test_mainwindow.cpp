// SPDX-License-Identifier: GPL-3.0-or-later
// The start dialog, the main window's start-up and shutdown, its data files and its composition
// for both kinds of match.
#include "core/common/Utilities.h"
#include "core/files/ScoreListFiles.h"
#include "playsupport.h"
#include "testsupport.h"
#include "ui/dialogs/StartDialog.h"
#include "ui/main/HelpPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QListWidget>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>

#include <unistd.h>

using namespace vx;

namespace {

const QByteArray kDefaultIni =
    "\"Vorlentix\"\r\n\"--------------------------\"\r\n\"" + kDefaultFooterText.toLatin1() + "\"\r\n";

// A home whose Data folder is a copy the test can change.
struct OwnData {
    vxtest::TempHome home;
    OwnData() {
        Folders where = folders();
        where.dataDir = home.file("Data");
        QDir().mkpath(where.dataDir);
        setFolders(where);
    }
    QStringList checkoutEntries() {
        MainWindow m;
        QStringList out;
        for (int i = 0; i < vxtest::control<QListWidget>(m, "UitgooiList")->count(); ++i)
            out.append(vxtest::control<QListWidget>(m, "UitgooiList")->item(i)->text());
        return out;
    }
    QStringList helpEntries() {
        MainWindow m;
        QStringList out;
        for (int i = 0; i < vxtest::control<QListWidget>(m, "HelpList")->count(); ++i)
            out.append(vxtest::control<QListWidget>(m, "HelpList")->item(i)->text());
        return out;
    }
};

QColor backColor(const QWidget* w) {
    return w->palette().color(QPalette::Window);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void firstRunWritesTheSettingsFile() {
        vxtest::TempHome home;
        QVERIFY(home.read("Vorlentix.ini").isEmpty());
        {
            MainWindow m;
            QCOMPARE(m.session.footerText, kDefaultFooterText);
            QCOMPARE(home.read("Vorlentix.ini"), kDefaultIni);
        }
    }

    void settingsFileAtStartup_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("two lines only") << QByteArray("\"a\"\r\n\"b\"\r\n") << kDefaultFooterText << true;
        QTest::newRow("first line differs")
            << QByteArray("\"Other program\"\r\n\"x\"\r\n\"Club, Oost\"\r\n") << "Club, Oost" << false;
        QTest::newRow("empty") << QByteArray() << kDefaultFooterText << true;
        QTest::newRow("binary") << QByteArray("\x01\x02\xff\x00\x81\r\x9d", 7) << kDefaultFooterText << true;
        QTest::newRow("long first line") << QByteArray(3 * 1024 * 1024, 'x') << kDefaultFooterText << true;
    }
    void settingsFileAtStartup() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, footer);
        QFETCH(bool, rewritten);
        vxtest::TempHome home;
        home.write("Vorlentix.ini", bytes);
        MainWindow m;
        QCOMPARE(m.session.footerText, footer);
        QCOMPARE(home.read("Vorlentix.ini") == kDefaultIni, rewritten);
        if (!rewritten) QCOMPARE(home.read("Vorlentix.ini"), bytes);
    }

    // A settings file that is there but cannot be read may hold the club's footer: it is not
    // replaced by the default, at start-up nor at shutdown, unless the footer was changed.
    void unreadableSettingsFileIsLeftAlone_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("footerChanged");
        QTest::newRow("no read rights, footer kept") << "rights" << false;
        QTest::newRow("no read rights, footer changed") << "rights" << true;
        QTest::newRow("folder in its place, footer kept") << "folder" << false;
        QTest::newRow("folder in its place, footer changed") << "folder" << true;
    }
    void unreadableSettingsFileIsLeftAlone() {
        QFETCH(QString, how);
        QFETCH(bool, footerChanged);
        if (how == u"rights" && geteuid() == 0)
            QSKIP("read rights do not stop root; the folder rows still run");
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        const QByteArray club = "\"Vorlentix\"\r\n\"--------------------------\"\r\n\"Club Oost\"\r\n";
        const QString path = home.file("Vorlentix.ini");
        QFile::remove(path);
        if (how == u"folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            home.write("Vorlentix.ini", club);
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        }
        auto* m = new MainWindow;
        QCOMPARE(m->session.footerText, kDefaultFooterText);
        if (footerChanged) m->session.footerText = QStringLiteral("De Pijl, Utrecht");
        m->close();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        if (how == u"folder") {
            QVERIFY(QFileInfo(path).isDir());
            // Writing the changed footer was tried, and its failure is told.
            QCOMPARE(prompts.seen.size(), footerChanged ? 1 : 0);
            if (footerChanged)
                QVERIFY(prompts.seen[0].text.startsWith(
                    QStringLiteral("De instellingen konden niet worden opgeslagen")));
        } else {
            QVERIFY(prompts.seen.isEmpty());
            QCOMPARE(home.read("Vorlentix.ini"),
                     footerChanged ? QByteArray("\"Vorlentix\"\r\n\"--------------------------\"\r\n"
                                                "\"De Pijl, Utrecht\"\r\n")
                                   : club);
        }
    }

    void closingAsksAboutUnsavedListAndWritesSettings() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        prompts.answers = {false};
        auto* m = new MainWindow;
        m->session.scoreListChanged = true;
        m->session.footerText = QStringLiteral("De Pijl, Utrecht");
        m->close();
        QCOMPARE(prompts.seen.size(), 1);
        QCOMPARE(prompts.seen[0].kind, vxtest::Prompt::Question);
        QCOMPARE(prompts.seen[0].text, QStringLiteral("Scorelijst is gewijzigd, wilt u deze opslaan?"));
        QCOMPARE(prompts.seen[0].title, QStringLiteral(" Change"));
        QCOMPARE(home.read("Vorlentix.ini"),
                 QByteArray("\"Vorlentix\"\r\n\"--------------------------\"\r\n\"De Pijl, Utrecht\"\r\n"));
        QVERIFY(!QDir(home.file("Teams")).exists());
    }

    void failedSettingsWriteIsReportedNotCrashed() {
        vxtest::TempHome home;
        vxtest::ScriptedPrompts prompts;
        auto* m = new MainWindow;
        // A folder where the file should be: no write can succeed, also not as root.
        QFile::remove(home.file("Vorlentix.ini"));
        QDir().mkpath(home.file("Vorlentix.ini"));
        m->close();
        QCOMPARE(prompts.seen.size(), 1);
        QVERIFY(
            prompts.seen[0].text.startsWith(QStringLiteral("De instellingen konden niet worden opgeslagen")));
        QVERIFY2(prompts.seen[0].text.contains(QStringLiteral("er staat een map met die naam")),
                 qPrintable(prompts.seen[0].text));
    }

    void checkoutTableFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("three lines in order")
            << QByteArray("40,D20\r\n2,D1\r\n50,Bull\r\n") << QStringList{"40,D20", "2,D1", "50,Bull"};
        QTest::newRow("empty line kept")
            << QByteArray("40,D20\r\n\r\n2,D1\r\n") << QStringList{"40,D20", "", "2,D1"};
        QTest::newRow("title line kept")
            << QByteArray("Uitgooi tabel\r\n40,D20\r\n") << QStringList{"Uitgooi tabel", "40,D20"};
        QTest::newRow("cr alone") << QByteArray("40,D20\r2,D1") << QStringList{"40,D20", "2,D1"};
        QTest::newRow("no trimming") << QByteArray(" 40 ,D20 \r\n") << QStringList{" 40 ,D20 "};
    }
    void checkoutTableFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        OwnData data;
        data.home.write("Data/Uitgooiscore.lib", bytes);
        QCOMPARE(data.checkoutEntries(), entries);
    }

    void helpTextFile() {
        OwnData data;
        data.home.write("Data/Help.lib", "Regel 1\r\n\r\nCaf\xe9\r\n\r\n");
        QCOMPARE(data.helpEntries(), (QStringList{"Regel 1", "", QStringLiteral("Café"), ""}));
    }

    void missingOrBadDataFilesNeverStopStartUp() {
        OwnData data;
        QVERIFY(data.checkoutEntries().isEmpty());
        QVERIFY(data.helpEntries().isEmpty());
        QRandomGenerator random(7);
        QByteArray noise(200000, Qt::Uninitialized);
        for (char& c : noise)
            c = static_cast<char>(random.bounded(256));
        data.home.write("Data/Uitgooiscore.lib", noise);
        QByteArray longLine(4 * 1024 * 1024, 'a');
        longLine += "\r\nend\r\n";
        data.home.write("Data/Help.lib", longLine);
        vxtest::ScriptedPrompts prompts;
        auto* m = new MainWindow;
        m->compose(MatchKind::Team);
        QVERIFY(vxtest::control<QListWidget>(*m, "UitgooiList")->count() > 0);
        QCOMPARE(vxtest::control<QListWidget>(*m, "HelpList")->count(), 2);
        QCOMPARE(vxtest::control<QListWidget>(*m, "HelpList")->item(1)->text(), QStringLiteral("end"));
        m->close();
        QVERIFY(prompts.seen.isEmpty());
    }

    void composedForEachMatch_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QColor>("screen");
        QTest::addColumn<QColor>("clock");
        QTest::newRow("duo") << true << QColor(230, 230, 180) << QColor(180, 180, 180);
        QTest::newRow("team") << false << QColor(170, 200, 170) << QColor(150, 150, 150);
    }
    void composedForEachMatch() {
        QFETCH(bool, duo);
        QFETCH(QColor, screen);
        QFETCH(QColor, clock);
        vxtest::TempHome home;
        auto* m = new MainWindow;
        m->compose(duo ? MatchKind::Duo : MatchKind::Team);
        QCOMPARE(m->isDuoMatch(), duo);
        QCOMPARE(vxtest::control<QFrame>(*m, "DuoFrame")->isHidden(), !duo);
        QCOMPARE(vxtest::control<QFrame>(*m, "Frame4")->isHidden(), duo);
        QCOMPARE(vxtest::control<QFrame>(*m, "DuoFrame")->geometry(),
                 vxtest::control<QFrame>(*m, "Frame4")->geometry());
        QCOMPARE(vxtest::control<StyledButton>(*m, "AddKnop")->isEnabled(), !duo);
        QCOMPARE(vxtest::control<QLabel>(*m, "UitgooiLabel")->isHidden(), duo);
        QCOMPARE(m->session.screenColor, screen);
        QCOMPARE(backColor(m->centralWidget()), screen);
        QCOMPARE(backColor(vxtest::control<QFrame>(*m, "Frame1")), screen);
        QCOMPARE(backColor(vxtest::control<QFrame>(*m, "Frame5")), screen);
        QCOMPARE(vxtest::control<QLabel>(*m, "KlokLabel")->palette().color(QPalette::WindowText), clock);
        QCOMPARE(backColor(vxtest::control<QLabel>(*m, "Label5(2)")), QColor(120, 255, 255));
        QCOMPARE(backColor(vxtest::control<QListWidget>(*m, "ListSpeler(1)")), QColor(150, 250, 120));
        QCOMPARE(backColor(vxtest::control<QListWidget>(*m, "ListSpeler(2)")), QColor(250, 250, 220));

        // every dart button disabled until a match is set up; Correctie is not a dart button
        for (int i = 1; i <= 20; ++i) {
            for (const char* row : {"Knop1", "Knop2", "Knop3"}) {
                const auto* button =
                    vxtest::control<StyledButton>(*m, QStringLiteral("%1(%2)").arg(row).arg(i));
                QVERIFY(!button->isEnabled());
                QCOMPARE(button->text(), QString::number(i));
            }
        }
        QVERIFY(!vxtest::control<StyledButton>(*m, "Bull25")->isEnabled() &&
                !vxtest::control<StyledButton>(*m, "Bull50")->isEnabled() &&
                !vxtest::control<StyledButton>(*m, "ZeroKnop")->isEnabled());
        QVERIFY(vxtest::control<StyledButton>(*m, "CorrectieKnop")->isEnabled());
        QVERIFY(!vxtest::control<StyledButton>(*m, "NextKnop")->isEnabled());
        QVERIFY(!vxtest::control<StyledButton>(*m, "AddKnopDuo(1)")->isEnabled() &&
                !vxtest::control<StyledButton>(*m, "AddKnopDuo(2)")->isEnabled());

        // a sample of positions and sizes, in twips / 15
        QCOMPARE(m->findChild<QWidget*>("Knop1(20)")->geometry(),
                 QRect(twipsToPixels(180 + 450 * 19), 20, 28, 28));
        QCOMPARE(m->findChild<QWidget*>("Knop3(1)")->geometry(), QRect(12, 92, 28, 28));
        QCOMPARE(m->findChild<QWidget*>("Label5(3)")->geometry(), QRect(twipsToPixels(10680), 164, 40, 26));
        QCOMPARE(vxtest::control<StyledButton>(*m, "AddKnop")->geometry(),
                 QRect(twipsToPixels(11690), 11, 32, 192));
        QCOMPARE(m->findChild<QWidget*>("MenuKnop(8)")->geometry(),
                 QRect(twipsToPixels(135 + 675 * 8), 16, 40, 40));
        QCOMPARE(m->findChild<QWidget*>("AddKnopDuo(2)")->geometry(), QRect(206, 316, 91, 24));
        QCOMPARE(vxtest::control<QLabel>(*m, "Pic")->geometry(), QRect(20, 229, 271, 271));
        QCOMPARE(m->findChild<QWidget*>("HelpFrame")->geometry(),
                 vxtest::control<QFrame>(*m, "Frame2")->geometry());

        // captions and tooltips with their blanks
        QCOMPARE(vxtest::control<StyledButton>(*m, "ZeroKnop")->toolTip(),
                 QStringLiteral(" Misser / Buiten de ring "));
        QCOMPARE(vxtest::control<StyledButton>(*m, "AddKnopDuo(2)")->toolTip(),
                 QStringLiteral(" Score toevoegen aan Speler 2 "));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label4")->text(),
                 QStringLiteral("Bull           Bull's Eye     Zero"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label16")->text(),
                 QStringLiteral("Naam Spelers                     Sets    Legs"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label17")->text(), QStringLiteral("First to 3 Sets"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label12")->text(), QStringLiteral("?"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label9")->text(), QStringLiteral("?"));
        QCOMPARE(vxtest::control<QLabel>(*m, "Label19")->text(), QStringLiteral("0 Items"));
        QCOMPARE(vxtest::control<QLabel>(*m, "KlokLabel")->text(), QStringLiteral("00:00:00"));
        QVERIFY(vxtest::control<QLabel>(*m, "StartBol(1)")->isHidden() &&
                vxtest::control<QLabel>(*m, "StartBol(2)")->isHidden());
        // the pictures compiled into the program reach their controls
        QCOMPARE(vxtest::control<QLabel>(*m, "StartBol(1)")->pixmap().size(), QSize(40, 40));
        for (int i = 0; i <= 8; ++i)
            QCOMPARE(
                vxtest::control<StyledButton>(*m, QStringLiteral("MenuKnop(%1)").arg(i))->picture().size(),
                QSize(76, 38));
        QCOMPARE(vxtest::control<QLabel>(*m, "Image5")->pixmap().size(), QSize(38, 38));

        // the score list grid: 28 columns with their headers and widths
        QCOMPARE(vxtest::control<QTableView>(*m, "ListView1")->model()->columnCount(), 28);
        QHeaderView* header = vxtest::control<QTableView>(*m, "ListView1")->horizontalHeader();
        QCOMPARE(m->scoreList.headerText(0), QStringLiteral("Naam Speler"));
        QCOMPARE(m->scoreList.headerText(1), QStringLiteral("Out"));
        QCOMPARE(m->scoreList.headerText(2), QStringLiteral("D.1"));
        QCOMPARE(m->scoreList.headerText(26), QStringLiteral("D.25"));
        QCOMPARE(m->scoreList.headerText(27), QStringLiteral("Gemiddelde"));
        QCOMPARE(header->sectionSize(0), 130);
        QCOMPARE(header->sectionSize(1), 50);
        QCOMPARE(header->sectionSize(14), 40);
        QCOMPARE(header->sectionSize(27), 80);
        m->close();
    }

    void helpPageIsPainted() {
        OwnData data;
        data.home.write("Data/Help.lib", "eerste\r\n\r\n");
        auto* m = new MainWindow;
        m->compose(MatchKind::Duo);
        const QImage page = m->helpPanel()->pageImage();
        QCOMPARE(page.size(), QSize(753, 650));
        QCOMPARE(page.pixelColor(700, 20), QColor(0, 30, 0));
        auto hasColourInBand = [&](int topTwips, const QColor& colour) {
            for (int y = twipsToPixels(topTwips); y < twipsToPixels(topTwips) + 14; ++y)
                for (int x = 10; x < 300; ++x)
                    // text is anti-aliased: look for a stroke pixel close to the colour
                    if (qAbs(page.pixelColor(x, y).red() - colour.red()) < 70 &&
                        qAbs(page.pixelColor(x, y).green() - colour.green()) < 70 &&
                        qAbs(page.pixelColor(x, y).blue() - colour.blue()) < 70)
                        return true;
            return false;
        };
        QVERIFY(hasColourInBand(150, QColor(230, 230, 30)));   // title
        QVERIFY(hasColourInBand(540, QColor(230, 230, 230)));  // first help line
        QVERIFY(!hasColourInBand(780, QColor(230, 230, 230))); // second line is empty
        QVERIFY(hasColourInBand(9000, QColor(230, 230, 30)));  // closing line
        m->close();
    }

    // The two choices stand where the dialog's design puts them, each with a round mark a
    // person can see on the dark background, chosen or not.
    void startDialogChoicesAreVisible() {
        StartDialog start;
        start.show();
        for (int i = 1; i <= 2; ++i) {
            QRadioButton* option = i == 1 ? start.duoMatchOption : start.teamMatchOption;
            QCOMPARE(option->pos(), QPoint(30, i == 1 ? 80 : 106));
            QCOMPARE(option->width(), 100);
            QCOMPARE(option->font().pointSizeF(), 9.75);
            QVERIFY(option->font().bold());
            const QImage look = option->grab().toImage();
            QStyleOptionButton styleOption;
            styleOption.initFrom(option);
            const QRect mark =
                option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &styleOption, option);
            int light = 0;
            for (int y = mark.top(); y <= mark.bottom(); ++y)
                for (int x = mark.left(); x <= mark.right(); ++x)
                    light += qGray(look.pixel(x, y)) > 160;
            QVERIFY2(light > mark.width() * mark.height() / 4, qPrintable(option->objectName()));
        }
    }

    void unreadableScoreListFileIsNeverWrittenOver_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray separator = "----------------------------\r\n";
        QByteArray record;
        for (int i = 0; i < 28; ++i)
            record += "cel\r\n";
        QTest::newRow("no complete header") << QByteArray("not a score list");
        QTest::newRow("foreign text of three lines") << QByteArray("Boodschappen\r\nmelk\r\nbrood\r\n");
        QTest::newRow("a list missing a line") << "Vorlentix scorelijst\r\nDuomatch\r\n" + separator +
                                                      record.mid(5) + separator + record + separator;
    }
    void unreadableScoreListFileIsNeverWrittenOver() {
        QFETCH(QByteArray, bytes);
        vxtest::TempHome home;
        auto* m = new MainWindow;
        m->compose(MatchKind::Duo);
        home.write("Teams/Finale.lib", bytes);
        const FileResult loaded = m->loadDuoList(QStringLiteral("Finale"));
        QVERIFY(!loaded);
        QVERIFY2(loaded.error.contains(QStringLiteral("Finale.lib")), qPrintable(loaded.error));
        QCOMPARE(m->scoreList.count(), 0);
        ScoreListModel::Row row;
        row[0] = QStringLiteral("Koos");
        m->scoreList.appendRow(row);
        m->session.scoreListChanged = true;
        const FileResult saved = m->saveDuoList(QStringLiteral("Finale"));
        QVERIFY(!saved);
        QVERIFY(saved.error.contains(QStringLiteral("niet overschreven")));
        QCOMPARE(home.read("Teams/Finale.lib"), bytes);
        QVERIFY(m->session.scoreListChanged);
        QVERIFY(m->saveDuoList(QStringLiteral("Finale2")));

        // a name without a file yet is a new list: no failure, the counter reads 0
        vxtest::control<QLabel>(*m, "Label19")->setText(QStringLiteral("7 Items"));
        m->session.scoreListChanged = true;
        QVERIFY(m->loadDuoList(QStringLiteral("Nieuw")));
        QCOMPARE(m->scoreList.count(), 0);
        QCOMPARE(vxtest::control<QLabel>(*m, "Label19")->text(), QStringLiteral("0 Items"));
        QVERIFY(!m->session.scoreListChanged);
        // a refused name is a failure, not a new list
        QVERIFY(!m->loadDuoList(QStringLiteral("../Finale")));
        m->close();
    }

    // A list is read on a thread of its own. Cancelled (here before the read can end), the
    // list on screen stays as it was and the file is not written over by it; not cancelled,
    // the file's rows come in and a save writes them back byte for byte.
    void listLoadsInTheBackgroundAndCancelLeavesTheList() {
        vxtest::TempHome home;
        auto* m = new MainWindow;
        m->compose(MatchKind::Duo);
        QByteArray bytes = "Vorlentix scorelijst\r\nDuomatch\r\n----------------------------\r\n";
        for (int r = 0; r < 3000; ++r) {
            for (int c = 0; c < 28; ++c)
                bytes += c == 0 ? "Jan \xE9\xE9n " + QByteArray::number(r) + "\r\n" : QByteArray("-\r\n");
            bytes += "----------------------------\r\n";
        }
        home.write("Teams/Groot.lib", bytes);
        ScoreListModel::Row row;
        row[0] = QStringLiteral("Koos");
        m->scoreList.appendRow(row);
        m->session.scoreListChanged = true;

        QMetaObject::invokeMethod(
            m, [m] { m->findChild<QProgressDialog*>(QStringLiteral("progressDialog"))->findChild<QPushButton*>()->click(); },
            Qt::QueuedConnection);
        QVERIFY(!m->loadDuoList(QStringLiteral("Groot")));
        QCOMPARE(m->scoreList.count(), 1);
        QCOMPARE(m->scoreList.cell(0, 0), QStringLiteral("Koos"));
        QVERIFY(m->session.scoreListChanged);
        QVERIFY(!m->saveDuoList(QStringLiteral("Groot")));
        QCOMPARE(home.read("Teams/Groot.lib"), bytes);
        QVERIFY(!m->findChild<QProgressDialog*>());

        QVERIFY(m->loadDuoList(QStringLiteral("Groot")));
        QCOMPARE(m->scoreList.count(), 3000);
        QCOMPARE(m->scoreList.cell(2999, 0), QStringLiteral("Jan één 2999"));
        QVERIFY(m->saveDuoList(QStringLiteral("Kopie")));
        QCOMPARE(home.read("Teams/Kopie.lib"), bytes);
        m->close();
    }

    void startDialogOpensAndClosesTheMainWindowTwice() {
        vxtest::TempHome home;
        StartDialog start;
        QCOMPARE(start.windowTitle(), QStringLiteral("Vorlentix"));
        QVERIFY(start.duoMatchOption->isChecked());
        QCOMPARE(start.teamMatchOption->toolTip(),
                 QStringLiteral(" Match met een team van maximaal 10 spelers "));
        start.show();

        QTest::mouseClick(start.openButton, Qt::LeftButton);
        QPointer<MainWindow> first = start.mainWindow();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(first->isDuoMatch());
        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!home.read("Vorlentix.ini").isEmpty());

        start.teamMatchOption->setChecked(true);
        QTest::mouseClick(start.openButton, Qt::LeftButton);
        QPointer<MainWindow> second = start.mainWindow();
        QVERIFY(second);
        QVERIFY(!second->isDuoMatch());
        QCOMPARE(backColor(second->centralWidget()), QColor(170, 200, 170));
        second->close();
        QTRY_VERIFY(!second);

        start.duoMatchOption->setChecked(true);
        QTest::mouseClick(start.openButton, Qt::LeftButton);
        QVERIFY(start.mainWindow()->isDuoMatch());
        QCOMPARE(backColor(start.mainWindow()->centralWidget()), QColor(230, 230, 180));
        start.mainWindow()->close();

        QTest::mouseClick(start.exitButton, Qt::LeftButton);
        QCOMPARE(start.result(), int(QDialog::Rejected));
        QVERIFY(!start.isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"

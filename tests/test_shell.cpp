// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's shell through the real window: menu button descriptions and commands, the
// drop-down and pop-up menus, the help panel's scrolling, the clock and the web pages.
#include "playsupport.h"
#include "shellsupport.h"
#include "testsupport.h"
#include "ui/main/HelpPanel.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ScoreListExport.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QUrl>
#include <memory>

using namespace vx;

namespace {

const QString kLoadFirst = QStringLiteral("Scorelijst Spelers laden a.u.b.");

void AddRows(MainWindow& m, int count) {
    for (int r = 0; r < count; ++r) {
        ScoreListModel::Row row;
        row[0] = QStringLiteral("Anna");
        row[2] = QStringLiteral("60");
        m.scoreList.appendRow(row);
    }
    m.showRowCount();
}

// A menu button is clicked, a menu entry chosen.
void Trigger(MainWindow& m, const QString& name) {
    if (auto* button = m.findChild<StyledButton*>(name))
        QTest::mouseClick(button, Qt::LeftButton);
    else if (auto* action = m.findChild<QAction*>(name))
        action->trigger();
    else
        QFAIL(qPrintable(QStringLiteral("no command named ") + name));
}

class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        m_home = std::make_unique<vxtest::TempHome>();
        m_prompts = std::make_unique<vxtest::ScriptedPrompts>();
        m_dialogs = std::make_unique<vxtest::DialogRecorder>();
        m_main = new MainWindow;
        m_main->compose(MatchKind::Team);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }
    void cleanup() {
        delete m_main.data();
        m_dialogs.reset();
        m_prompts.reset();
        m_home.reset();
    }

    void hoverShowsDescriptionThenRowCount_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("description");
        QTest::newRow("0") << 0 << "Een nieuw team maken met hun spelers, (alleen bij een Team Match).";
        QTest::newRow("1") << 1 << "Openen van een team en spelers (Duo Match en Team Match).";
        QTest::newRow("2") << 2 << "Scorelijst spelers opslaan.";
        QTest::newRow("3")
            << 3
            << "Afdrukken van de scorelijst, dart checkout lijst, helptekst en afmetingen naar "
               "het dartbord.";
        QTest::newRow("4") << 4 << QStringLiteral("Scorelijst bewerken van één speler");
        QTest::newRow("5")
            << 5 << "De scorelijst bekijken van één geselecteerde speler of alle spelers in de lijst.";
        QTest::newRow("6") << 6 << "Configuratie en instellingen van verschillende onderdelen.";
        QTest::newRow("7") << 7 << "Informatie over dit programma en de ontwerper.";
        QTest::newRow("8") << 8 << "Beknopte uitleg over dit programma.";
    }
    void hoverShowsDescriptionThenRowCount() {
        QFETCH(int, index);
        QFETCH(QString, description);
        AddRows(*m_main, 5);
        QTest::mouseMove(vxtest::control<StyledButton>(*m_main, QStringLiteral("MenuKnop(%1)").arg(index)));
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label19")->text(), description);
        QTest::mouseMove(vxtest::control<QFrame>(*m_main, "Frame1"), QPoint(5, 5));
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label19")->text(), QStringLiteral("5 Items"));
    }

    // Commands on the score list: refused with a message while it is empty, open with one row.
    void commandsNeedingRows_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("save button") << "MenuKnop(2)"
                                     << "SaveForm";
        QTest::newRow("edit button") << "MenuKnop(4)"
                                     << "ItemForm";
        QTest::newRow("selected item") << "SoortItem(1)"
                                       << "ScoresForm";
        QTest::newRow("all items") << "SoortItem(2)" << QString(); // a summary message, no dialog
    }
    void commandsNeedingRows() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        Trigger(*m_main, command);
        QCOMPARE(m_prompts->texts(), QStringList{kLoadFirst});
        QCOMPARE(m_dialogs->opened, QStringList());

        m_prompts->clear();
        AddRows(*m_main, 1);
        vxtest::control<QTableView>(*m_main, "ListView1")->selectRow(0);
        Trigger(*m_main, command);
        QCOMPARE(m_dialogs->opened, dialog.isEmpty() ? QStringList() : QStringList{dialog});
        QVERIFY(!m_prompts->texts().contains(kLoadFirst));
        if (dialog.isEmpty()) QCOMPARE(m_prompts->seen.size(), 1);
    }

    // The team and duo setups from the menu buttons and the "Spelers" menu, with the team
    // dialog's mode set first.
    void setupCommands_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("modeBefore");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("modeAfter");
        QTest::newRow("new team, team match") << false << "MenuKnop(0)" << false << "SpelersForm" << true;
        QTest::newRow("new team, duo match") << true << "MenuKnop(0)" << false << QString() << false;
        QTest::newRow("open, team match") << false << "MenuKnop(1)" << true << "SpelersForm" << false;
        QTest::newRow("open, duo match") << true << "MenuKnop(1)" << true << "DuoForm" << true;
        QTest::newRow("menu new, team") << false << "SpelersInvoer(1)" << false << "SpelersForm" << true;
        QTest::newRow("menu open, team") << false << "SpelersInvoer(2)" << true << "SpelersForm" << false;
        QTest::newRow("menu new, duo") << true << "SpelersInvoer(1)" << false << "DuoForm" << true;
        QTest::newRow("menu open, duo") << true << "SpelersInvoer(2)" << true << "DuoForm" << false;
    }
    void setupCommands() {
        QFETCH(bool, duo);
        QFETCH(QString, command);
        QFETCH(bool, modeBefore);
        QFETCH(QString, dialog);
        QFETCH(bool, modeAfter);
        m_main->compose(duo ? MatchKind::Duo : MatchKind::Team);
        m_main->session.newTeamMode = modeBefore;
        bool modeWhenOpened = !modeAfter;
        m_dialogs->onOpen = [&](QDialog&) {
            modeWhenOpened = m_main->session.newTeamMode;
            return int(QDialog::Rejected);
        };
        Trigger(*m_main, command);
        QCOMPARE(m_dialogs->opened, dialog.isEmpty() ? QStringList() : QStringList{dialog});
        QCOMPARE(m_main->session.newTeamMode, modeAfter);
        if (!dialog.isEmpty()) QCOMPARE(modeWhenOpened, modeAfter);
        QCOMPARE(m_prompts->seen.size(), 0);
    }

    // A setup replaces the score list, and closing ends it: rows not yet on disk are offered for
    // saving first, and when the scorer wanted them saved but they are not, nothing goes on
    // without a second yes.
    void unsavedRowsAreOfferedBeforeTheyGo_data() {
        QTest::addColumn<bool>("duo");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("saveWorks");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("questions");
        QTest::newRow("team, saved") << false << QList<bool>{true} << true
                                     << QStringList{"SaveForm", "SpelersForm"} << 1;
        QTest::newRow("team, not saving")
            << false << QList<bool>{false} << false << QStringList{"SpelersForm"} << 1;
        QTest::newRow("team, save failed, go on")
            << false << QList<bool>{true, true} << false << QStringList{"SaveForm", "SpelersForm"} << 2;
        QTest::newRow("team, save failed, stop")
            << false << QList<bool>{true, false} << false << QStringList{"SaveForm"} << 2;
        QTest::newRow("duo, saved") << true << QList<bool>{true} << true << QStringList{"SaveForm", "DuoForm"}
                                    << 1;
    }
    void unsavedRowsAreOfferedBeforeTheyGo() {
        QFETCH(bool, duo);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, saveWorks);
        QFETCH(QStringList, dialogs);
        QFETCH(int, questions);
        m_main->compose(duo ? MatchKind::Duo : MatchKind::Team);
        AddRows(*m_main, 1);
        m_main->session.scoreListChanged = true;
        m_dialogs->onOpen = [&](QDialog& dialog) {
            if (dialogs.first() == QStringLiteral("SaveForm") && m_dialogs->opened.size() == 1 && saveWorks)
                m_main->session.scoreListChanged = false;
            Q_UNUSED(dialog);
            return int(QDialog::Rejected);
        };
        m_prompts->answers.assign(answers.begin(), answers.end());
        Trigger(*m_main, QStringLiteral("MenuKnop(1)"));
        QCOMPARE(m_prompts->seen.size(), questions);
        QCOMPARE(m_prompts->seen.first().text,
                 QStringLiteral("Scorelijst is gewijzigd, wilt u deze opslaan?"));
        if (questions == 2)
            QCOMPARE(m_prompts->seen.last().text,
                     QStringLiteral("De scorelijst is niet opgeslagen. Toch doorgaan zonder op te slaan?"));
        QCOMPARE(m_dialogs->opened, dialogs);

        // The same at closing: a declined second yes keeps the window open.
        m_prompts->clear();
        m_dialogs->opened.clear();
        m_main->session.scoreListChanged = true;
        m_prompts->answers.assign(answers.begin(), answers.end());
        m_main->close();
        QCOMPARE(m_main->isVisible(), dialogs.size() == 1 && dialogs.first() == QStringLiteral("SaveForm"));
    }

    void commandsWithoutConditions_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("print button") << "MenuKnop(3)"
                                      << "AfdrukForm";
        QTest::newRow("settings button") << "MenuKnop(6)"
                                         << "ConfigForm";
        QTest::newRow("settings menu") << "ToolsConfig"
                                       << "ConfigForm";
        QTest::newRow("about button") << "MenuKnop(7)"
                                      << "AboutForm";
        QTest::newRow("checkout chart") << "HelpCheckout"
                                        << "CheckoutForm";
    }
    void commandsWithoutConditions() {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        Trigger(*m_main, command); // the score list is empty
        QCOMPARE(m_dialogs->opened, QStringList{dialog});
        QCOMPARE(m_prompts->seen.size(), 0);
    }

    void itemsButtonShowsPopupMenu() {
        QVERIFY(!vxtest::control<QMenu>(*m_main, "AlleItems")->isVisible());
        Trigger(*m_main, QStringLiteral("MenuKnop(5)"));
        QTRY_VERIFY(vxtest::control<QMenu>(*m_main, "AlleItems")->isVisible());
        vxtest::control<QMenu>(*m_main, "AlleItems")->hide();
        QCOMPARE(m_dialogs->opened, QStringList());
    }

    void helpPanelTakesTheListsPlace() {
        AddRows(*m_main, 3);
        Trigger(*m_main, QStringLiteral("MenuKnop(8)"));
        QVERIFY(vxtest::control<QFrame>(*m_main, "Frame2")->isHidden());
        QVERIFY(vxtest::control<QFrame>(*m_main, "HelpFrame")->isVisible());
        QVERIFY(vxtest::control<QAction>(*m_main, "HelpUitleg")->isChecked());
        QCOMPARE(vxtest::control<QLabel>(*m_main, "SlidePic")->pixmap().toImage(),
                 m_main->helpPanel()->pageImage());
        const int range = vxtest::control<QLabel>(*m_main, "SlidePic")->height() -
                          vxtest::control<QFrame>(*m_main, "PicCont")->height();
        QVERIFY(range > 0);
        QCOMPARE(int(m_main->helpPanel()->scrollRange()), range);
        QCOMPARE(vxtest::control<QScrollBar>(*m_main, "VScroll1")->maximum(), range);

        // Hiding from the menu entry, after a description had replaced the row count.
        QTest::mouseMove(vxtest::control<StyledButton>(*m_main, "MenuKnop(8)"));
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label19")->text(),
                 QStringLiteral("Beknopte uitleg over dit programma."));
        Trigger(*m_main, QStringLiteral("HelpUitleg"));
        QVERIFY(vxtest::control<QFrame>(*m_main, "HelpFrame")->isHidden());
        QVERIFY(vxtest::control<QFrame>(*m_main, "Frame2")->isVisible());
        QVERIFY(!vxtest::control<QAction>(*m_main, "HelpUitleg")->isChecked());
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label19")->text(), QStringLiteral("3 Items"));
    }

    // Dragging moves the page with the mouse between its two ends, with the scroll bar in step;
    // only the left button drags.
    void helpPageDrag_data() {
        QTest::addColumn<QList<int>>("moves"); // pairs: press y, move-to y
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("expectedTop"); // 1 stands for -HelpScrollRange
        QTest::newRow("down past the start") << QList<int>{50, 150} << Qt::LeftButton << 0;
        QTest::newRow("up a little") << QList<int>{200, 140} << Qt::LeftButton << -60;
        QTest::newRow("up, then back down") << QList<int>{200, 100, 150, 180} << Qt::LeftButton << -70;
        QTest::newRow("up past the end") << QList<int>{250, -2000} << Qt::LeftButton << 1;
        QTest::newRow("right button") << QList<int>{200, 100} << Qt::RightButton << 0;
    }
    void helpPageDrag() {
        QFETCH(QList<int>, moves);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, expectedTop);
        Trigger(*m_main, QStringLiteral("MenuKnop(8)"));
        QLabel* page = vxtest::control<QLabel>(*m_main, "SlidePic");
        for (int k = 0; k + 1 < moves.size(); k += 2) {
            QTest::mousePress(page, button, {}, QPoint(40, moves[k]));
            QTest::mouseMove(page, QPoint(40, moves[k + 1]));
            QTest::mouseRelease(page, button, {}, QPoint(40, moves[k + 1]));
        }
        if (expectedTop == 1) expectedTop = -m_main->helpPanel()->scrollRange();
        QCOMPARE(page->y(), expectedTop);
        QCOMPARE(int(m_main->helpPanel()->pageTop()), expectedTop);
        QCOMPARE(vxtest::control<QScrollBar>(*m_main, "VScroll1")->value(), -expectedTop);
    }

    void scrollBarMovesThePage() {
        Trigger(*m_main, QStringLiteral("MenuKnop(8)"));
        vxtest::control<QScrollBar>(*m_main, "VScroll1")->setValue(37);
        QCOMPARE(vxtest::control<QLabel>(*m_main, "SlidePic")->y(), -37);
        QCOMPARE(int(m_main->helpPanel()->pageTop()), -37);
        vxtest::control<QScrollBar>(*m_main, "VScroll1")->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(vxtest::control<QLabel>(*m_main, "SlidePic")->y(), -int(m_main->helpPanel()->scrollRange()));
    }

    void clockText_data() {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("text");
        QTest::newRow("new year's morning")
            << QDateTime(QDate(2024, 1, 1), QTime(9, 5, 3)) << QStringLiteral("1 Januari 2024 / 9:05:03");
        QTest::newRow("december afternoon")
            << QDateTime(QDate(2023, 12, 8), QTime(16, 5, 9)) << QStringLiteral("8 December 2023 / 16:05:09");
        QTest::newRow("midnight in May")
            << QDateTime(QDate(2025, 5, 31), QTime(0, 0, 0)) << QStringLiteral("31 Mei 2025 / 0:00:00");
        QTest::newRow("longest month") << QDateTime(QDate(2024, 9, 28), QTime(22, 58, 48))
                                       << QStringLiteral("28 September 2024 / 22:58:48");
        QTest::newRow("March") << QDateTime(QDate(2026, 3, 15), QTime(23, 59, 59))
                               << QStringLiteral("15 Maart 2026 / 23:59:59");
    }
    void clockText() {
        QFETCH(QDateTime, now);
        QFETCH(QString, text);
        const int right = vxtest::control<QLabel>(*m_main, "KlokLabel")->geometry().right();
        vxtest::FixedClock clock(now);
        QTRY_COMPARE_WITH_TIMEOUT(vxtest::control<QLabel>(*m_main, "KlokLabel")->text(), text, 2000);
        // The whole text is readable: the label grows with it and stays inside the menu strip.
        QVERIFY(vxtest::control<QLabel>(*m_main, "KlokLabel")->width() >=
                vxtest::control<QLabel>(*m_main, "KlokLabel")->sizeHint().width());
        QCOMPARE(vxtest::control<QLabel>(*m_main, "KlokLabel")->geometry().right(), right);
        QVERIFY(vxtest::control<QLabel>(*m_main, "KlokLabel")->x() >
                vxtest::control<StyledButton>(*m_main, "MenuKnop(8)")->geometry().right());
    }

    void webPagesOpenInTheBrowser() {
        UrlRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        Trigger(*m_main, QStringLiteral("HelpMeerSoftware"));
        Trigger(*m_main, QStringLiteral("HelpSpelregels"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.urls,
                 (QList<QUrl>{QUrl(MainWindow::kMoreSoftwareAddress), QUrl(MainWindow::kDartsRulesAddress)}));
        QVERIFY(browser.urls[1].host().startsWith(QStringLiteral("nl.")));
        QCOMPARE(m_prompts->seen.size(), 0);
    }

    void undoTakesBackTheLastTeamTurn() {
        vxtest::StartTeamMatch(*m_main, QStringLiteral("Oost"), {QStringLiteral("Anna")}, 501);
        vxtest::darts(*m_main, {"Knop3(20)", "Knop3(20)", "Knop1(1)"});
        vxtest::click(*m_main, "AddKnop");
        vxtest::darts(*m_main, {"Knop1(20)", "Knop1(5)", "Knop1(1)"});
        vxtest::click(*m_main, "AddKnop");
        QCOMPARE(vxtest::entries(*m_main, "List1"), (QStringList{"121", "26"}));
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label7")->text(), QStringLiteral("354"));
        Trigger(*m_main, QStringLiteral("EditUndo"));
        QCOMPARE(vxtest::entries(*m_main, "List1"), QStringList{"121"});
        QCOMPARE(vxtest::control<QLabel>(*m_main, "Label7")->text(), QStringLiteral("380"));
    }

    void undoTakesBackTheDuoPlayerWhoThrewLast_data() {
        QTest::addColumn<int>("turns"); // booked in order: player 1, player 2, player 1, ...
        QTest::addColumn<int>("undone");
        QTest::newRow("player 1 threw last") << 1 << 1;
        QTest::newRow("player 2 threw last") << 2 << 2;
    }
    void undoTakesBackTheDuoPlayerWhoThrewLast() {
        QFETCH(int, turns);
        QFETCH(int, undone);
        vxtest::StartDuoMatch(*m_main, "Anna", "Bert", false, 3, 501, "Finale");
        for (int t = 1; t <= turns; ++t) {
            vxtest::darts(*m_main, {"Knop1(20)", "Knop1(20)", "Knop1(20)"});
            vxtest::click(*m_main, QStringLiteral("AddKnopDuo(%1)").arg(2 - t % 2));
        }
        QCOMPARE(vxtest::control<QLabel>(*m_main, QStringLiteral("ScoreLabel(%1)").arg(undone))->text(),
                 QStringLiteral("441"));
        Trigger(*m_main, QStringLiteral("EditUndo"));
        QCOMPARE(vxtest::control<QLabel>(*m_main, QStringLiteral("ScoreLabel(%1)").arg(undone))->text(),
                 QStringLiteral("501"));
        QCOMPARE(vxtest::control<QListWidget>(*m_main, QStringLiteral("ListSpeler(%1)").arg(undone))->count(),
                 0);
        if (turns == 2)
            QCOMPARE(vxtest::control<QLabel>(*m_main, "ScoreLabel(1)")->text(), QStringLiteral("441"));
    }

    // The export follows the present entry of "Bestand"; Ctrl+E reaches it past the typed darts,
    // refused while the list is empty, and writes the list where the dialog says.
    void exportToCsv() {
        const QList<QAction*> file = m_main->menuBar()->actions().first()->menu()->actions();
        QCOMPARE(file.size() >= 2 ? QStringList({file[0]->text(), file[1]->text()}) : QStringList(),
                 QStringList({"Naar Keuzemenu", "Exporteren naar CSV…"}));
        QStringList asked;
        QString answer = m_home->file("scores");
        setCsvFileAsker([&](QWidget*, const QString& suggested) {
            asked << QFileInfo(suggested).fileName();
            return answer;
        });
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        const auto ctrlE = [&] {
            QTest::keyClick(vxtest::control<StyledButton>(*m_main, "Knop1(20)"), Qt::Key_E,
                            Qt::ControlModifier);
        };
        ctrlE();
        QCOMPARE(m_prompts->texts(), QStringList{kLoadFirst});

        m_prompts->clear();
        AddRows(*m_main, 2);
        ctrlE();
        const QByteArray bytes = m_home->read("scores.csv");
        QVERIFY2(bytes.startsWith("\xEF\xBB\xBFNaam Speler;Out;D.1;D.2;"), bytes.left(40).constData());
        QCOMPARE(bytes.count("\r\n"), 3);
        QCOMPARE(bytes.count("\r\nAnna;;60;"), 2);

        answer = m_home->file("scores.csv/in een bestand.csv");
        ctrlE();
        setCsvFileAsker({});
        QCOMPARE(asked, QStringList(2, "Scorelijst.csv")); // not for the empty list
        QCOMPARE(m_prompts->texts().size(), 1);
        QVERIFY(m_prompts->texts()[0].startsWith(QStringLiteral("De scorelijst is niet geëxporteerd naar")));
    }

    // F11 goes full screen and back past typed darts; Esc leaves full screen, and only then is
    // it not the typed darts' own. Full screen shows the layout in the middle.
    void fullScreenKeys() {
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main));
        auto* board = vxtest::control<StyledButton>(*m_main, "Knop1(20)");
        const QWidget* stage = vxtest::control(*m_main, "MainStage");
        const QRect normal = stage->geometry();
        QCOMPARE(normal.topLeft(), QPoint(0, 0));
        QTest::keyClick(board, Qt::Key_2);
        QTest::keyClick(board, Qt::Key_F11);
        QTRY_VERIFY(m_main->isFullScreen());
        QTRY_COMPARE(stage->geometry().center(), m_main->centralWidget()->rect().center());
        QCOMPARE(stage->size(), normal.size());
        QTest::keyClick(board, Qt::Key_Escape);
        QTRY_VERIFY(!m_main->isFullScreen());
        QTRY_COMPARE(stage->geometry(), normal);
        QTest::keyClick(board, Qt::Key_Escape); // the typed darts' own again
        QVERIFY(!m_main->isFullScreen());
        QTest::keyClick(board, Qt::Key_F11);
        QTRY_VERIFY(m_main->isFullScreen());
        QTest::keyClick(board, Qt::Key_F11);
        QTRY_VERIFY(!m_main->isFullScreen());
        QCOMPARE(m_main->teamMatch().leg().turn().nextSlot(), 1); // no key became a dart
    }

    void fileExitClosesTheWindow() {
        m_main->session.scoreListChanged = true;
        QPointer<MainWindow> window = m_main;
        Trigger(*m_main, QStringLiteral("FileExit"));
        QTRY_VERIFY(window.isNull());
        QCOMPARE(m_prompts->texts(), QStringList{"Scorelijst is gewijzigd, wilt u deze opslaan?"});
        QVERIFY(!m_home->read("Vorlentix.ini").isEmpty());
    }

  private:
    std::unique_ptr<vxtest::TempHome> m_home;
    std::unique_ptr<vxtest::ScriptedPrompts> m_prompts;
    std::unique_ptr<vxtest::DialogRecorder> m_dialogs;
    QPointer<MainWindow> m_main;
};

QTEST_MAIN(ShellTest)
#include "test_shell.moc"

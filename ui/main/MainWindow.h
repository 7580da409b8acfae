// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: a view of the match. Its panels show the team leg or the duo match and pass
// the scorer's presses on; the match model decides what they do and says what changed. Around
// the match the window keeps the score list and its files, the menus and the help page.
//
// Whoever else follows a match (a scoreboard, a caller, a recovery file) connects to the
// signals of teamMatch(), teamMatch().leg() and duoMatch(), as the panels do.
#pragma once

#include "core/files/ScoreListFiles.h"
#include "core/match/DuoMatch.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"
#include "core/scorelist/ScoreList.h"

#include <QImage>
#include <QMainWindow>
#include <QSet>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDialog;
class QLabel;

namespace vx {

class Caller;
class DartBoardPanel;
class Speech;
class RecoveryWriter;
class HistoryRecorder;
class ClubSender;
struct HistoryPlace;
struct Recovery;
class DuoPanel;
class HelpPanel;
class MainMenus;
class MenuStrip;
class ScoreListPanel;
class ScoreboardWindow;
class StyledButton;
class TeamPanel;

enum class MatchKind { Team, Duo };

class MainWindow;

// At start-up: when the last match was not closed normally, asks whether to play on. Yes makes
// its main window, composed and restored but not yet shown, and returns it; No, or a file that
// cannot be used (told in a message), sets the file aside and returns nullptr, as when there is
// no file.
MainWindow* offerToResumeMatch();

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence: start values, checkout table, help text, settings file.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Every modal dialog of the main window is run through this, so tests can step in.
    static std::function<int(QDialog&)> runDialog;
    int showDialog(QDialog& dialog);

    // Lays the window out for one kind of match: its panel on show, the colours, the captions.
    void compose(MatchKind kind);
    bool isDuoMatch() const { return m_kind == MatchKind::Duo; }

    TeamMatch& teamMatch() { return m_team; }
    const TeamMatch& teamMatch() const { return m_team; }
    DuoMatch& duoMatch() { return m_duo; }
    const DuoMatch& duoMatch() const { return m_duo; }

    // Where the setups start a match: the team's first player, or the duo match's first leg,
    // on the score list of its file.
    void startTeamMatch(const TeamSetup& setup);
    void startDuoMatch(const DuoSetup& setup, const QString& fileName);

    // Opens the match of a recovery file as it was after its last booked turn, with its score
    // list rows and their unsaved state (MainWindowResume.cpp).
    void resume(const Recovery& recovery);
    // The recovery file is kept up to date by this while the window is open.
    RecoveryWriter& recoveryWriter() { return *m_recovery; }
    HistoryRecorder& historyRecorder() { return *m_history; }
    // Starts or stops forwarding the history to a club server, with its status line
    // (MainWindowClub.cpp).
    void setHistoryPlace(const HistoryPlace& place);
    // Whether the club server answered at the last try; none without a club server chosen.
    std::optional<bool> clubReachable() const;

    // The caller (MainWindowCaller.cpp): off by default, the choice kept between runs. Switched
    // on, it calls the match in play through the desktop's speech engine, or through what
    // makeSpeech makes when set (tests). No engine installed disables the Tools menu's entry
    // with the reason; so does an engine found to fail or to have no voice once it is made,
    // which also switches the caller off (callerLost()).
    static std::function<std::unique_ptr<Speech>()> makeSpeech;
    void setCallerOn(bool on);
    bool isCallerOn() const { return m_caller != nullptr; }
    // Why no call can be heard; empty while it can, or as far as is known without asking the
    // engine.
    const QString& callerUnavailable() const { return m_callerUnavailable; }

    // Takes back the last booked turn (Bewerken, "Correctie Laatste 3 Darts").
    void undoLastTurn();

    SessionState session;
    ScoreListModel scoreList;

    // The number of score list rows followed by " Items". It follows the rows by itself; called
    // directly to put the count back after the counter showed something else.
    void showRowCount();

    // The score list files of the match in play (MainWindowFiles.cpp). A load replaces the rows;
    // a file not there yet leaves the list empty, and is no failure. A file that is there but
    // cannot be read is a failure, and is then never written over. A save reports whether the
    // file was written, with a Dutch reason when it was not, and clears scoreListChanged once
    // the list is safely on disk.
    FileResult loadPlayerList(); // of the player at the board
    // Writes when the leg has booked turns or the list has unsaved changes; never before a team
    // is set up. Doing nothing counts as success.
    FileResult savePlayerList();
    FileResult loadDuoList(const QString& name);
    FileResult saveDuoList(const QString& name);

    // Offers the save dialog while the score list has changes that are not on disk: asked
    // before the list is closed, and before another team or match replaces it. False when the
    // scorer chose to save, the list is still not saved, and going on was declined.
    bool offerToSaveScoreList();

    // The checkout table as loaded from its file, one entry per line.
    const QStringList& checkoutTable() const { return m_checkoutTable; }
    void setCheckoutTable(const QStringList& table);
    QStringList helpLines() const;
    QList<QImage> helpIllustrations() const;

    // The add button of whoever is at the throw; none before a duo match is started.
    StyledButton* addButtonAtTheThrow() const;

    DartBoardPanel* dartBoard() const { return m_dartBoard; }
    TeamPanel* teamPanel() const { return m_teamPanel; }
    ScoreListPanel* scoreListPanel() const { return m_scoreListPanel; }
    HelpPanel* helpPanel() const { return m_helpPanel; }
    // The audience scoreboard; none until it is first opened.
    ScoreboardWindow* scoreboard() const { return m_scoreboard; }

    // Asks the desktop to open the address in the user's browser; a failure stays silent.
    static void openWebPage(const QString& address);
    // The maker's page of other programs, and an article on the rules of darts.
    static inline const QString kMoreSoftwareAddress = QStringLiteral("https://vorlentix.example/software");
    static inline const QString kDartsRulesAddress =
        QStringLiteral("https://nl.wikipedia.org/wiki/Darts_(sport)");

    // Full screen (F11) or back to the window as it was (F11, Esc).
    void setFullScreen(bool on);

  signals:
    // compose() laid the window out for a match kind, maybe another one.
    void matchKindChanged();
    // The speech engine cannot speak after all: the caller went off and callerUnavailable()
    // says why.
    void callerLost(const QString& why);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connectMatch();
    // Tells the scorer, once per run, that the recovery file cannot be written (MainWindowResume.cpp).
    void connectRecovery();
    void connectShell();
    void loadDataFiles();
    void readSettingsFile();
    void writeSettingsFile(bool reportFailure);

    // Play (MainWindow.cpp, MainWindowTeam.cpp, MainWindowDuo.cpp).
    void enterDart(int points, const QString& dartCode);
    void enterTeamDart(int points, const QString& dartCode);
    void correctTurn();
    void bookTeamTurn();
    void offerNextPlayer();
    void takeOverPlayer(int row);
    void bookDuoTurn(int player);
    void endDuoMatch();

    // The finished leg as score list rows (MainWindowFiles.cpp).
    void addTeamLegRow();
    void addDuoLegRows();
    FileResult loadList(const QString& path);
    FileResult saveList(const std::function<FileResult(const Progress&)>& save);
    FileResult afterLoad(const FileResult& result, const QString& path);
    FileResult beforeSave(const QString& path) const;

    // The shell (MainWindowShell.cpp).
    void runMenuButton(int index);
    void showMenuButtonText(int index);
    // The team setup or, in a duo match, the duo setup; the setup replaces the score list, so
    // unsaved rows are offered for saving first.
    void openMatchSetup();
    void openTeamSetup(bool newTeam);
    void showStatistics(bool allRows);
    // Shows or hides the help panel in place of the score list.
    void toggleHelp();
    void showScoreboard(bool show);
    ScoreboardWindow& scoreboardWindow(); // made when first needed
    // Where a resumed match had it (MainWindowResume.cpp).
    void reopenScoreboard(const ScoreboardPlace& place);

    MatchKind m_kind = MatchKind::Duo; // until composed both panels show, the duo panel on top
    TeamMatch m_team;
    DuoMatch m_duo;
    QStringList m_checkoutTable;
    DartBoardPanel* m_dartBoard = nullptr;
    TeamPanel* m_teamPanel = nullptr;
    DuoPanel* m_duoPanel = nullptr;
    MenuStrip* m_menuStrip = nullptr;
    ScoreListPanel* m_scoreListPanel = nullptr;
    HelpPanel* m_helpPanel = nullptr;
    ScoreboardWindow* m_scoreboard = nullptr;
    QWidget* m_stage = nullptr; // holds the panels, in the middle of a larger client area
    QAction* m_leaveFullScreen = nullptr;
    MainMenus* m_menus = nullptr;
    RecoveryWriter* m_recovery = nullptr;
    HistoryRecorder* m_history = nullptr;
    ClubSender* m_club = nullptr;
    QLabel* m_clubStatus = nullptr;
    bool m_clubReachable = false;
    void connectCaller();
    void switchCaller(bool on);
    Speech& speech();
    void loseCaller(const QString& why);
    std::unique_ptr<Speech> m_speech;
    Caller* m_caller = nullptr;
    QString m_callerUnavailable;
    QSet<QString> m_unreadableFiles;
    // A settings file that could not be read at start-up is written only for a footer changed
    // since: otherwise the default would replace the club's own.
    bool m_settingsUnreadable = false;
    QString m_footerAtStart;
    bool m_shutDown = false;
};

} // namespace vx

// The main window: the scoreboard with the dart-button board, the team and duo panels, the
// menu strip, the score list and the help panel. The controls carry the names the rest of the
// program and the tests know them by; the rules behind them live in GUI-free units.
#pragma once

#include "core/match/MatchState.h"
#include "core/scorelist/ScoreList.h"
#include "core/files/ScoreListFiles.h"

#include <QImage>
#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QScrollBar;
class QTableView;
class QTimer;

namespace vx {

class StyledButton;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence: start values, checkout table, help text, settings file.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Every modal dialog of the main window is run through this, so tests can step in.
    static std::function<int(QDialog&)> runDialog;
    int showDialog(QDialog& dialog);

    MatchState state;
    ScoreListModel scoreList;

    // True while the duo panel is shown: the match type is never stored, only seen.
    bool isDuoMatch() const;
    // Sets Label19 to the number of score list rows followed by " Items". Done by itself
    // whenever rows come or go; called directly to put the count back after Label19 showed
    // something else.
    void ShowRowCount();

    // The score list files of the match in play (MainFiles.cpp). A load replaces the rows; a
    // file not there yet leaves the list empty, and is no failure. A file that is there but
    // cannot be read is a failure, and is then never written over. A save reports whether the
    // file was written, with a Dutch reason when it was not, and clears ScoreListChanged once
    // the list is safely on disk.
    FileResult LoadPlayerList(const QString& team, const QString& player);
    // Writes when the leg's turn list (List1) is not empty or the list has unsaved changes;
    // never for the "?" player (no team yet). Doing nothing counts as success.
    FileResult SavePlayerList(const QString& team, const QString& player);
    FileResult LoadDuoList(const QString& name);
    FileResult SaveDuoList(const QString& name);

    // The finished leg as score list rows (MainFiles.cpp).
    void AddTeamLegRow();
    void AddDuoLegRows();

    // Looks the remaining score up in the checkout table and shows the suggestion: in the team
    // label for player 0, else in the duo label of that player.
    void ShowCheckout(int score, int player);
    QStringList checkoutTable() const;

    // Switches all 63 dart buttons together; add, Correctie and next buttons are not touched.
    void SetDartButtons(bool enable);

    // Offers the save dialog while the score list has changes that are not on disk: asked
    // before the list is closed, and before another team or match replaces it. False when the
    // scorer chose to save, the list is still not saved, and going on was declined.
    bool OfferToSaveScoreList();

    // Dart input, team play and duo play (MainDarts.cpp, MainTeam.cpp, MainDuo.cpp).

    // One dart from the board: every dart button, and every typed dart through those buttons.
    // A miss (ZeroKnop) has no code and no marker.
    void DartKnopClick(int points, const QString& dartCode);
    void CorrectieKnopClick();
    // Marks a dart on the board picture; the marks stay until ClearPic.
    void DrawDartMarker(const QString& dartCode);
    void ClearPic();
    // The sum of the three dart slots as a whole number.
    int DartSlotSum() const;

    // A fresh leg from the start score for the player at the board: turn list, slots, board
    // markers and remaining score reset (player taken over, team set up).
    void StartTeamLeg();
    void TeamDartEntered();
    void AddKnopClick();
    void NextPlayerKnopClick();
    void SpelersListClick(int index);

    void DuoDartEntered();
    void AddKnopDuoClick(int p);
    void EndOfLeg(int p);
    void CountLegs();
    void EndOfMatch(int q);
    void NextKnopClick();
    // A fresh leg for both players from the start score, `starter` (1 or 2) at the throw.
    void StartDuoLeg(int starter);

    // Takes back the last booked turn: kind 0 for duo player p, kind 1 for the team match.
    // A finished leg is already in the score list and is left alone.
    void UndoLastTurn(int p, int kind);

    // What is being typed on the keyboard (KeyboardEntry), shown on the board.
    QLabel* TypedDartLabel = nullptr;

    // The shell: menu buttons, menus, help panel and clock (shell/MainShell.cpp).
    void MenuKnop_Click(int index);
    void MenuKnop_MouseIn(int index);
    void EditUndo_Click();
    void SpelersInvoer_Click(int index);
    void SoortItem_Click(int index);
    // The team setup or, in a duo match, the duo setup; the setup replaces the score list, so
    // unsaved rows are offered for saving first.
    void OpenMatchSetup();
    // Shows or hides the help panel in place of the score list (menu button 8, "Help").
    void HelpUitleg_Click();
    void SlidePic_MouseDown(int y);
    void SlidePic_MouseMove(Qt::MouseButtons buttons, int y);
    void VScroll1_Change();
    void Timer1_Timer();
    // Asks the desktop to open the address in the user's browser; a failure stays silent.
    static void OpenWebPage(const QString& address);

    // The maker's page of other programs, and an article on the rules of darts.
    static inline const QString kMoreSoftwareAddress = QStringLiteral("https://vorlentix.example/software");
    static inline const QString kDartsRulesAddress =
        QStringLiteral("https://nl.wikipedia.org/wiki/Darts_(sport)");

    // The help page's scrolling, in pixels: where the page was grabbed, its top (0 or less) and
    // how far it can move.
    qint16 HelpGrabY = 0;
    qint16 HelpSlideTop = 0;
    qint16 HelpScrollRange = 0;

  private:
    void connectShell();

  public:
    // Dart-button board (Frame1)
    QFrame* Frame1 = nullptr;
    std::array<StyledButton*, 21> Knop1{}; // index 1..20
    std::array<StyledButton*, 21> Knop2{};
    std::array<StyledButton*, 21> Knop3{};
    StyledButton* Bull25 = nullptr;
    StyledButton* Bull50 = nullptr;
    StyledButton* ZeroKnop = nullptr;
    StyledButton* CorrectieKnop = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 4> Label5{}; // index 1..3: the dart slots
    QLabel* Label6 = nullptr;
    QLabel* UitgooiLabel = nullptr;
    QListWidget* UitgooiList = nullptr; // never shown: the checkout table
    StyledButton* AddKnop = nullptr;

    // Team panel (Frame4)
    QFrame* Frame4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label21 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* PicLabel = nullptr;
    QLabel* Pic = nullptr; // the dartboard picture; its markers are drawn into picImage
    QImage picImage;
    QImage boardImage;
    QListWidget* SpelersList = nullptr;
    StyledButton* NextPlayerKnop = nullptr;

    // Duo panel (DuoFrame), arrays index 1 and 2
    QFrame* DuoFrame = nullptr;
    std::array<QLabel*, 3> ScoreLabel{};
    std::array<QLabel*, 3> SpelerLabel{};
    std::array<QListWidget*, 3> ListSpeler{};
    std::array<StyledButton*, 3> AddKnopDuo{};
    std::array<QLabel*, 3> UitgooiSpeler{};
    std::array<QLabel*, 3> PuntenLabel{};
    std::array<QLabel*, 3> StartBol{};
    std::array<QLabel*, 3> GemidLabel{};
    QLabel* Label14 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    StyledButton* NextKnop = nullptr;
    QFrame* Frame5 = nullptr;
    std::array<QLabel*, 3> NaamLabel{};
    std::array<QLabel*, 3> SetsLabel{};
    std::array<QLabel*, 3> LegsLabel{};

    // Menu strip (Frame3)
    QFrame* Frame3 = nullptr;
    std::array<StyledButton*, 9> MenuKnop{}; // index 0..8
    QLabel* KlokLabel = nullptr;
    QTimer* Timer1 = nullptr;

    // Score list (Frame2) and the row counter
    QFrame* Frame2 = nullptr;
    QTableView* ListView1 = nullptr;
    QLabel* Label19 = nullptr;

    // Help panel
    QFrame* HelpFrame = nullptr;
    QFrame* PicCont = nullptr;
    QLabel* SlidePic = nullptr;
    QLabel* SlideBackPic = nullptr; // never shown: holds the whole help page
    QImage slideBackImage;
    QLabel* Label20 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QListWidget* HelpList = nullptr; // never shown: the help text lines
    std::array<QLabel*, 6> Image{};  // Image1..Image5: the help page illustrations

    // Drop-down menus and the pop-up menu
    QAction* FileExit = nullptr;
    QAction* EditUndo = nullptr;
    std::array<QAction*, 3> SpelersInvoer{}; // index 1..2
    QAction* ToolsConfig = nullptr;
    QAction* HelpUitleg = nullptr;
    QAction* HelpMeerSoftware = nullptr;
    QAction* Streep1 = nullptr;
    QAction* HelpCheckout = nullptr;
    QAction* HelpSpelregels = nullptr;
    QAction* Scheiding = nullptr;
    QAction* NaamBestand = nullptr;
    QMenu* AlleItems = nullptr;
    std::array<QAction*, 3> SoortItem{}; // index 1..2

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectPlay();
    void createControls();
    void createMenus();
    void LoadCheckoutTable();
    void LoadHelpText();
    void ReadSettingsFile();
    void WriteSettingsFile(bool reportFailure);
    FileResult AfterLoad(const FileResult& result, const QString& path);
    FileResult BeforeSave(const QString& path) const;
    QSet<QString> m_unreadableFiles;
    bool m_shutDown = false;
};

} // namespace vx

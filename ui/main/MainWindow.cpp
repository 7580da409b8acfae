// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainWindow.h"

#include "core/caller/Caller.h"
#include "core/common/Language.h"
#include "core/common/Services.h"
#include "core/common/Utilities.h"
#include "core/files/RecoveryWriter.h"
#include "core/history/HistoryRecorder.h"
#include "core/files/Settings.h"
#include "core/files/TextFile.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/main/DartBoardPanel.h"
#include "ui/main/DuoPanel.h"
#include "ui/main/HelpPanel.h"
#include "ui/main/KeyboardDarts.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MenuStrip.h"
#include "ui/main/ScoreListPanel.h"
#include "ui/main/TeamPanel.h"
#include "ui/widgets/FormLook.h"

#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QMenuBar>

namespace vx {

std::function<int(QDialog&)> MainWindow::runDialog;

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Start-up, step 1: size, title and colour of the window.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainClient"));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    setWindowTitle(kAppTitle);
    // The panels keep their places on a stage of the client area's size; a larger window
    // (maximised, full screen) shows the stage in its middle, on the same colour.
    m_stage = new QWidget(client);
    m_stage->setObjectName(QStringLiteral("MainStage"));
    client->installEventFilter(this);
    m_dartBoard = new DartBoardPanel(m_stage);
    m_teamPanel = new TeamPanel(m_stage);
    m_duoPanel = new DuoPanel(m_stage);
    m_menuStrip = new MenuStrip(m_stage);
    m_scoreListPanel = new ScoreListPanel(m_stage, scoreList);
    m_helpPanel = new HelpPanel(m_stage);
    m_menus = new MainMenus(*this);
    // 17200 x 9780 twips is the outer size of the window; the client area is what is left
    // below the title bar and the menu line.
    resize(twipsToPixels(17200), twipsToPixels(9780) - 30);
    m_stage->resize(width(), height() - menuBar()->sizeHint().height());

    // Step 2: the start values of the session.
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, session.screenColor);
    client->setPalette(pal);

    // Steps 3 to 5: data files, then the settings file.
    loadDataFiles();
    readSettingsFile();
    m_recovery = new RecoveryWriter(m_team, m_duo, scoreList, session, this);
    m_history = new HistoryRecorder(m_team, m_duo, session, historyFilePath(), this);
    setHistoryPlace(readHistoryPlace());
    connectRecovery();
    connectMatch();
    connectShell();
    connectCaller();
    new KeyboardDarts(*this);
}

// Out of line: the caller and its speech are only declared in the header.
MainWindow::~MainWindow() = default;

int MainWindow::showDialog(QDialog& dialog) {
    if (runDialog) return runDialog(dialog);
    return dialog.exec();
}

void MainWindow::compose(MatchKind kind) {
    m_kind = kind;
    const bool duo = kind == MatchKind::Duo;
    m_recovery->setDuo(duo);
    m_teamPanel->setVisible(!duo);
    m_duoPanel->setVisible(duo);
    m_dartBoard->showForTeam(!duo);
    session.screenColor = duo ? QColor(230, 230, 180) : QColor(170, 200, 170);
    const QColor clockText = duo ? QColor(180, 180, 180) : QColor(150, 150, 150);
    setBackColor(centralWidget(), session.screenColor);
    m_dartBoard->compose(session.screenColor, session.dartBoxColor);
    m_teamPanel->compose(session.screenColor);
    m_duoPanel->compose(session.screenColor, session.dartBoxColor);
    m_menuStrip->compose(session.screenColor, clockText);
    m_scoreListPanel->compose(session.screenColor);
    m_helpPanel->compose(session.screenColor);
    emit matchKindChanged();
}

// The panels follow the match: the dart slots the turn in progress, the team panel the player
// at the board and the leg, the duo panel the match. What a panel shows only after one call
// (a board marker, a suggestion, a message) is shown by whoever made the call.
void MainWindow::connectMatch() {
    connect(m_dartBoard, &DartBoardPanel::dartPressed, this, &MainWindow::enterDart);
    connect(m_dartBoard, &DartBoardPanel::correctionPressed, this, &MainWindow::correctTurn);
    connect(m_dartBoard, &DartBoardPanel::addPressed, this, &MainWindow::bookTeamTurn);
    connect(m_teamPanel, &TeamPanel::nextPlayerPressed, this, &MainWindow::offerNextPlayer);
    connect(m_teamPanel, &TeamPanel::playerPicked, this, &MainWindow::takeOverPlayer);
    connect(m_duoPanel, &DuoPanel::addPressed, this, &MainWindow::bookDuoTurn);
    connect(m_duoPanel, &DuoPanel::nextLegPressed, &m_duo, &DuoMatch::nextLeg);

    const TeamLeg& leg = m_team.leg();
    connect(&m_team, &TeamMatch::playerChanged, this, [this] {
        m_teamPanel->showPlayer(m_team);
        m_dartBoard->setDartButtonsEnabled(true);
    });
    connect(&leg, &TeamLeg::legStarted, this, [this] {
        m_teamPanel->clearMarkers();
        m_dartBoard->setAddEnabled(true);
    });
    connect(&leg, &TeamLeg::legWon, this, [this] { m_dartBoard->setAddEnabled(false); });
    connect(&leg, &TeamLeg::changed, this, [this] {
        m_dartBoard->showTurn(m_team.leg().turn());
        m_dartBoard->showCheckout(m_team.leg().checkout());
        m_teamPanel->showLeg(m_team.leg());
    });

    connect(&m_duo, &DuoMatch::legStarted, this, [this] {
        m_duoPanel->showSetup(m_duo.setup());
        m_dartBoard->setDartButtonsEnabled(true);
    });
    connect(&m_duo, &DuoMatch::legWon, this, [this] { m_dartBoard->setDartButtonsEnabled(false); });
    connect(&m_duo, &DuoMatch::changed, this, [this] {
        m_dartBoard->showTurn(m_duo.turn());
        m_duoPanel->showMatch(m_duo);
    });
}

void MainWindow::enterDart(int points, const QString& dartCode) {
    if (isDuoMatch())
        m_duo.enterDart(points, dartCode);
    else
        enterTeamDart(points, dartCode);
}

void MainWindow::correctTurn() {
    if (isDuoMatch())
        m_duo.correct();
    else
        m_team.leg().correct();
}

void MainWindow::undoLastTurn() {
    if (isDuoMatch()) {
        m_duo.undoLastTurn();
        return;
    }
    TeamLeg& leg = m_team.leg();
    // The darts of the turn in progress go first, and their markers with them.
    if (leg.isStarted() && !leg.isWon()) m_teamPanel->clearMarkers();
    leg.undoLastTurn();
}

StyledButton* MainWindow::addButtonAtTheThrow() const {
    if (!isDuoMatch()) return m_dartBoard->addButton();
    const int player = m_duo.atTheThrow();
    return player ? m_duoPanel->addButton(player) : nullptr;
}

void MainWindow::showRowCount() {
    m_scoreListPanel->showRowCount();
}

void MainWindow::setCheckoutTable(const QStringList& table) {
    m_checkoutTable = table;
    m_dartBoard->listCheckoutTable(table);
    m_team.setCheckoutTable(table);
    m_duo.setCheckoutTable(table);
}

QStringList MainWindow::helpLines() const {
    return m_helpPanel->helpLines();
}

QList<QImage> MainWindow::helpIllustrations() const {
    return m_helpPanel->illustrations();
}

// A missing or unreadable file leaves its lines empty; start-up goes on without them.
void MainWindow::loadDataFiles() {
    QStringList lines;
    readTextLines(folders().dataFile(QStringLiteral("Uitgooiscore.lib")), &lines);
    setCheckoutTable(lines);
    lines.clear();
    readTextLines(folders().dataFile(dataFileInUiLanguage(QStringLiteral("Help.lib"))), &lines);
    m_helpPanel->setHelpLines(lines);
}

void MainWindow::readSettingsFile() {
    const SettingsFile read = readSettings(folders().settingsFile());
    m_settingsUnreadable = read.state == SettingsFile::State::Unreadable;
    if (read.state == SettingsFile::State::Read)
        session.footerText = read.footer;
    else if (!m_settingsUnreadable)
        writeSettingsFile(false); // nothing is shown during start-up
    m_footerAtStart = session.footerText;
}

void MainWindow::writeSettingsFile(bool reportFailure) {
    QString why;
    if (!writeSettings(folders().settingsFile(), session.footerText, &why) && reportFailure)
        showMessage(tr("De instellingen konden niet worden opgeslagen in %1: %2.")
                        .arg(QDir::toNativeSeparators(folders().settingsFile()), why));
}

bool MainWindow::offerToSaveScoreList() {
    if (!session.scoreListChanged ||
        !prompts().question(tr("Scorelijst is gewijzigd, wilt u deze opslaan?"), tr(" Change")))
        return true;
    SaveDialog form(*this, this);
    showDialog(form);
    // The scorer wanted the list kept: when the save was cancelled or failed, going on would
    // lose it without a word.
    return !session.scoreListChanged ||
           prompts().question(tr("De scorelijst is niet opgeslagen. Toch doorgaan zonder op te slaan?"),
                              tr(" Change"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        if (!offerToSaveScoreList()) {
            event->ignore();
            return;
        }
        m_shutDown = true;
        if (!m_settingsUnreadable || session.footerText != m_footerAtStart) writeSettingsFile(true);
        // Whether the list was saved or not, the scorer ended the match: nothing to recover.
        m_recovery->finish();
    }
    event->accept();
}

} // namespace vx

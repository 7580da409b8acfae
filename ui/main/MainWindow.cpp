#include "ui/main/MainWindow.h"

#include "core/common/Utilities.h"
#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "core/files/TextFile.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

namespace vx {

std::function<int(QDialog&)> MainWindow::runDialog;

namespace {

template <class T> T* make(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Main"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Start-up, step 1: size, title and colour of the window.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainClient"));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    setWindowTitle(kAppTitle);
    createControls();
    createMenus();
    // The row counter follows the list itself, so no way rows come or go (a leg, a load, the
    // editor) can leave an old count behind.
    connect(&scoreList, &ScoreListModel::rowsInserted, this, &MainWindow::ShowRowCount);
    connect(&scoreList, &ScoreListModel::rowsRemoved, this, &MainWindow::ShowRowCount);
    connect(&scoreList, &ScoreListModel::modelReset, this, &MainWindow::ShowRowCount);
    // 17200 x 9780 twips is the outer size of the window; the client area is what is left
    // below the title bar and the menu line.
    resize(TwipsToPixels(17200), TwipsToPixels(9780) - 30);

    // Step 2: the start values of the shared state.
    state.PlayerCount = 1;
    state.FooterText = kDefaultFooterText;
    state.NewTeamMode = true;
    state.DartBoxColor = QColor(120, 255, 255);
    state.ScoreListChanged = false;
    state.ScreenColor = QColor(230, 230, 180);
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, state.ScreenColor);
    client->setPalette(pal);

    // Steps 3 to 5: data files, then the settings file.
    LoadCheckoutTable();
    LoadHelpText();
    ReadSettingsFile();
    connectPlay();
    connectShell();
}

MainWindow::~MainWindow() = default;

int MainWindow::showDialog(QDialog& dialog) {
    if (runDialog) return runDialog(dialog);
    return dialog.exec();
}

bool MainWindow::isDuoMatch() const {
    return !DuoFrame->isHidden();
}

void MainWindow::ShowRowCount() {
    Label19->setText(scoreList.itemsText());
}

void MainWindow::createControls() {
    QWidget* w = centralWidget();

    Frame1 = make<QFrame>(w, QStringLiteral("Frame1"));
    for (int i = 1; i <= 20; ++i) {
        Knop1[i] = make<StyledButton>(Frame1, indexed("Knop1", i));
        Knop2[i] = make<StyledButton>(Frame1, indexed("Knop2", i));
        Knop3[i] = make<StyledButton>(Frame1, indexed("Knop3", i));
    }
    Bull25 = make<StyledButton>(Frame1, QStringLiteral("Bull25"));
    Bull50 = make<StyledButton>(Frame1, QStringLiteral("Bull50"));
    ZeroKnop = make<StyledButton>(Frame1, QStringLiteral("ZeroKnop"));
    CorrectieKnop = make<StyledButton>(Frame1, QStringLiteral("CorrectieKnop"));
    Label1 = make<QLabel>(Frame1, QStringLiteral("Label1"));
    Label2 = make<QLabel>(Frame1, QStringLiteral("Label2"));
    Label3 = make<QLabel>(Frame1, QStringLiteral("Label3"));
    Label4 = make<QLabel>(Frame1, QStringLiteral("Label4"));
    for (int j = 1; j <= 3; ++j)
        Label5[j] = make<QLabel>(Frame1, indexed("Label5", j));
    Label6 = make<QLabel>(Frame1, QStringLiteral("Label6"));
    UitgooiLabel = make<QLabel>(Frame1, QStringLiteral("UitgooiLabel"));
    UitgooiList = make<QListWidget>(Frame1, QStringLiteral("UitgooiList"));
    UitgooiList->hide();
    AddKnop = make<StyledButton>(w, QStringLiteral("AddKnop"));

    Frame4 = make<QFrame>(w, QStringLiteral("Frame4"));
    Label7 = make<QLabel>(Frame4, QStringLiteral("Label7"));
    Label8 = make<QLabel>(Frame4, QStringLiteral("Label8"));
    Label12 = make<QLabel>(Frame4, QStringLiteral("Label12"));
    Label11 = make<QLabel>(Frame4, QStringLiteral("Label11"));
    Label9 = make<QLabel>(Frame4, QStringLiteral("Label9"));
    Label10 = make<QLabel>(Frame4, QStringLiteral("Label10"));
    List1 = make<QListWidget>(Frame4, QStringLiteral("List1"));
    PicLabel = make<QLabel>(Frame4, QStringLiteral("PicLabel"));
    Pic = make<QLabel>(Frame4, QStringLiteral("Pic"));
    Label21 = make<QLabel>(Frame4, QStringLiteral("Label21"));
    Label18 = make<QLabel>(Frame4, QStringLiteral("Label18"));
    SpelersList = make<QListWidget>(Frame4, QStringLiteral("SpelersList"));
    SpelersList->hide();
    NextPlayerKnop = make<StyledButton>(Frame4, QStringLiteral("NextPlayerKnop"));

    DuoFrame = make<QFrame>(w, QStringLiteral("DuoFrame"));
    for (int k = 1; k <= 2; ++k) {
        ScoreLabel[k] = make<QLabel>(DuoFrame, indexed("ScoreLabel", k));
        SpelerLabel[k] = make<QLabel>(DuoFrame, indexed("SpelerLabel", k));
        ListSpeler[k] = make<QListWidget>(DuoFrame, indexed("ListSpeler", k));
        PuntenLabel[k] = make<QLabel>(DuoFrame, indexed("PuntenLabel", k));
        StartBol[k] = make<QLabel>(DuoFrame, indexed("StartBol", k));
        AddKnopDuo[k] = make<StyledButton>(DuoFrame, indexed("AddKnopDuo", k));
        UitgooiSpeler[k] = make<QLabel>(DuoFrame, indexed("UitgooiSpeler", k));
        GemidLabel[k] = make<QLabel>(DuoFrame, indexed("GemidLabel", k));
    }
    Label14 = make<QLabel>(DuoFrame, QStringLiteral("Label14"));
    Label15 = make<QLabel>(DuoFrame, QStringLiteral("Label15"));
    Label17 = make<QLabel>(DuoFrame, QStringLiteral("Label17"));
    Frame5 = make<QFrame>(DuoFrame, QStringLiteral("Frame5"));
    for (int k = 1; k <= 2; ++k) {
        NaamLabel[k] = make<QLabel>(Frame5, indexed("NaamLabel", k));
        SetsLabel[k] = make<QLabel>(Frame5, indexed("SetsLabel", k));
        LegsLabel[k] = make<QLabel>(Frame5, indexed("LegsLabel", k));
    }
    Label16 = make<QLabel>(DuoFrame, QStringLiteral("Label16"));
    NextKnop = make<StyledButton>(DuoFrame, QStringLiteral("NextKnop"));

    Frame3 = make<QFrame>(w, QStringLiteral("Frame3"));
    for (int i = 0; i <= 8; ++i)
        MenuKnop[i] = make<StyledButton>(Frame3, indexed("MenuKnop", i));
    KlokLabel = make<QLabel>(Frame3, QStringLiteral("KlokLabel"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    Frame2 = make<QFrame>(w, QStringLiteral("Frame2"));
    ListView1 = make<QTableView>(Frame2, QStringLiteral("ListView1"));
    ListView1->setModel(&scoreList);
    Label19 = make<QLabel>(w, QStringLiteral("Label19"));

    HelpFrame = make<QFrame>(w, QStringLiteral("HelpFrame"));
    HelpFrame->hide();
    PicCont = make<QFrame>(HelpFrame, QStringLiteral("PicCont"));
    SlidePic = make<QLabel>(PicCont, QStringLiteral("SlidePic"));
    Label20 = make<QLabel>(HelpFrame, QStringLiteral("Label20"));
    VScroll1 = make<QScrollBar>(HelpFrame, QStringLiteral("VScroll1"));
    SlideBackPic = make<QLabel>(HelpFrame, QStringLiteral("SlideBackPic"));
    SlideBackPic->hide();
    HelpList = make<QListWidget>(w, QStringLiteral("HelpList"));
    HelpList->hide();
    for (int i = 1; i <= 5; ++i) {
        Image[i] = make<QLabel>(w, QStringLiteral("Image%1").arg(i));
        Image[i]->hide();
    }
}

void MainWindow::createMenus() {
    auto action = [this](QMenu* menu, const QString& caption, const QString& name) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    QMenuBar* bar = menuBar();
    QMenu* bestand = bar->addMenu(QStringLiteral("Bestand"));
    FileExit = action(bestand, QStringLiteral("Naar Keuzemenu"), QStringLiteral("FileExit"));
    QMenu* bewerken = bar->addMenu(QStringLiteral("Bewerken"));
    EditUndo = action(bewerken, QStringLiteral("Correctie Laatste 3 Darts"), QStringLiteral("EditUndo"));
    QMenu* spelers = bar->addMenu(QStringLiteral("Spelers"));
    SpelersInvoer[1] = action(spelers, QStringLiteral("Nieuwe Speler"), QStringLiteral("SpelersInvoer(1)"));
    SpelersInvoer[2] = action(spelers, QStringLiteral("Open Spelers"), QStringLiteral("SpelersInvoer(2)"));
    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    ToolsConfig = action(tools, QStringLiteral("Instellingen"), QStringLiteral("ToolsConfig"));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    HelpUitleg = action(help, QStringLiteral("Help"), QStringLiteral("HelpUitleg"));
    HelpUitleg->setCheckable(true);
    HelpMeerSoftware = action(help, QStringLiteral("Meer Software"), QStringLiteral("HelpMeerSoftware"));
    Streep1 = help->addSeparator();
    Streep1->setObjectName(QStringLiteral("Streep1"));
    HelpCheckout = action(help, QStringLiteral("Dart Checkout Lijst"), QStringLiteral("HelpCheckout"));
    HelpSpelregels = action(help, QStringLiteral("Spelregels"), QStringLiteral("HelpSpelregels"));
    Scheiding = bar->addAction(QStringLiteral("|"));
    Scheiding->setObjectName(QStringLiteral("Scheiding"));
    Scheiding->setEnabled(false);
    NaamBestand = bar->addAction(QStringLiteral("Bestandsnaam"));
    NaamBestand->setObjectName(QStringLiteral("NaamBestand"));

    AlleItems = new QMenu(this);
    AlleItems->setObjectName(QStringLiteral("AlleItems"));
    SoortItem[1] = action(AlleItems, QStringLiteral("Geselecteerde Item"), QStringLiteral("SoortItem(1)"));
    SoortItem[2] = action(AlleItems, QStringLiteral("Alle Items"), QStringLiteral("SoortItem(2)"));
}

void MainWindow::LoadCheckoutTable() {
    UitgooiList->clear();
    QStringList lines;
    if (ReadTextLines(folders().dataFile(QStringLiteral("Uitgooiscore.lib")), &lines))
        UitgooiList->addItems(lines);
}

void MainWindow::LoadHelpText() {
    QStringList lines;
    if (ReadTextLines(folders().dataFile(QStringLiteral("Help.lib")), &lines)) HelpList->addItems(lines);
}

void MainWindow::ReadSettingsFile() {
    if (const auto footer = ReadSettingsFooter(folders().settingsFile()))
        state.FooterText = *footer;
    else
        WriteSettingsFile(false); // nothing is shown during start-up
}

void MainWindow::WriteSettingsFile(bool reportFailure) {
    QString why;
    if (!WriteSettings(folders().settingsFile(), state.FooterText, &why) && reportFailure)
        showMessage(QStringLiteral("De instellingen konden niet worden opgeslagen in %1: %2.")
                        .arg(QDir::toNativeSeparators(folders().settingsFile()), why));
}

bool MainWindow::OfferToSaveScoreList() {
    if (!state.ScoreListChanged ||
        !prompts().question(QStringLiteral("Scorelijst is gewijzigd, wilt u deze opslaan?"),
                            QStringLiteral(" Change")))
        return true;
    SaveDialog form(*this, this);
    showDialog(form);
    // The scorer wanted the list kept: when the save was cancelled or failed, going on would
    // lose it without a word.
    return !state.ScoreListChanged ||
           prompts().question(
               QStringLiteral("De scorelijst is niet opgeslagen. Toch doorgaan zonder op te slaan?"),
               QStringLiteral(" Change"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_shutDown) {
        if (!OfferToSaveScoreList()) {
            event->ignore();
            return;
        }
        m_shutDown = true;
        WriteSettingsFile(true);
    }
    event->accept();
}

} // namespace vx

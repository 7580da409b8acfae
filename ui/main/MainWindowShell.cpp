// The main window's shell: the strip of menu buttons with their descriptions, the drop-down and
// pop-up menus, the help panel that takes the score list's place, and the clock.
#include "core/common/Utilities.h"
#include "ui/dialogs/CheckoutChartDialog.h"
#include "ui/main/MainWindow.h"
#include "core/common/Services.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SaveDialog.h"
#include "ui/dialogs/TeamSetupDialog.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/dialogs/RowEditorDialog.h"
#include "ui/dialogs/StatisticsDialog.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/DuoSetupDialog.h"
#include "ui/widgets/StyledButton.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <type_traits>

namespace vx {

namespace {

const std::array<QString, 9> kMenuDescriptions = {
    QStringLiteral("Een nieuw team maken met hun spelers, (alleen bij een Team Match)."),
    QStringLiteral("Openen van een team en spelers (Duo Match en Team Match)."),
    QStringLiteral("Scorelijst spelers opslaan."),
    QStringLiteral(
        "Afdrukken van de scorelijst, dart checkout lijst, helptekst en afmetingen naar het dartbord."),
    QStringLiteral("Scorelijst bewerken van één speler"),
    QStringLiteral("De scorelijst bekijken van één geselecteerde speler of alle spelers in de lijst."),
    QStringLiteral("Configuratie en instellingen van verschillende onderdelen."),
    QStringLiteral("Informatie over dit programma en de ontwerper."),
    QStringLiteral("Beknopte uitleg over dit programma."),
};

const std::array<QString, 12> kMonthNames = {
    QStringLiteral("Januari"), QStringLiteral("Februari"), QStringLiteral("Maart"),
    QStringLiteral("April"),   QStringLiteral("Mei"),      QStringLiteral("Juni"),
    QStringLiteral("Juli"),    QStringLiteral("Augustus"), QStringLiteral("September"),
    QStringLiteral("Oktober"), QStringLiteral("November"), QStringLiteral("December"),
};

// Opens a dialog modally over the main window; some dialogs work on the main window, others
// only need a parent.
template <class Form> void OpenModal(MainWindow& main) {
    if constexpr (std::is_constructible_v<Form, MainWindow&, QWidget*>) {
        Form form(main, &main);
        main.showDialog(form);
    } else {
        Form form(&main);
        main.showDialog(form);
    }
}

// Commands that work on a loaded score list say so when it is empty and open nothing.
bool ScoreListLoaded(const MainWindow& main) {
    if (main.scoreList.rowCount() > 0) return true;
    showMessage(QStringLiteral("Scorelijst Spelers laden a.u.b."));
    return false;
}

// The help page is a plain label; its mouse goes to the main window's drag routines.
class HelpPageDrag : public QObject {
  public:
    explicit HelpPageDrag(MainWindow& main) : QObject(&main), m_main(main) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                m_main.SlidePic_MouseDown(static_cast<int>(RoundHalfAway(mouse->position().y())));
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_main.SlidePic_MouseMove(mouse->buttons(),
                                      static_cast<int>(RoundHalfAway(mouse->position().y())));
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    MainWindow& m_main;
};

} // namespace

void MainWindow::connectShell() {
    for (int i = 0; i <= 8; ++i) {
        connect(MenuKnop[i], &StyledButton::clicked, this, [this, i] { MenuKnop_Click(i); });
        connect(MenuKnop[i], &StyledButton::mouseIn, this, [this, i] { MenuKnop_MouseIn(i); });
        connect(MenuKnop[i], &StyledButton::mouseOut, this, &MainWindow::ShowRowCount);
    }

    connect(FileExit, &QAction::triggered, this, &MainWindow::close);
    connect(EditUndo, &QAction::triggered, this, &MainWindow::EditUndo_Click);
    for (int i = 1; i <= 2; ++i) {
        connect(SpelersInvoer[i], &QAction::triggered, this, [this, i] { SpelersInvoer_Click(i); });
        connect(SoortItem[i], &QAction::triggered, this, [this, i] { SoortItem_Click(i); });
    }
    connect(ToolsConfig, &QAction::triggered, this, [this] { OpenModal<SettingsDialog>(*this); });
    connect(HelpUitleg, &QAction::triggered, this, &MainWindow::HelpUitleg_Click);
    connect(HelpMeerSoftware, &QAction::triggered, this, [] { OpenWebPage(kMoreSoftwareAddress); });
    connect(HelpCheckout, &QAction::triggered, this, [this] { OpenModal<CheckoutChartDialog>(*this); });
    connect(HelpSpelregels, &QAction::triggered, this, [] { OpenWebPage(kDartsRulesAddress); });

    SlidePic->installEventFilter(new HelpPageDrag(*this));
    connect(VScroll1, &QScrollBar::valueChanged, this, &MainWindow::VScroll1_Change);

    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    Timer1->start();
}

void MainWindow::MenuKnop_MouseIn(int index) {
    Label19->setText(kMenuDescriptions[index]);
}

void MainWindow::MenuKnop_Click(int index) {
    switch (index) {
    case 0:
        if (!Frame4->isHidden()) {
            state.NewTeamMode = true;
            OpenMatchSetup();
        }
        break;
    case 1:
        if (!isDuoMatch()) state.NewTeamMode = false;
        OpenMatchSetup();
        break;
    case 2:
        if (ScoreListLoaded(*this)) OpenModal<SaveDialog>(*this);
        break;
    case 3:
        OpenModal<PrintDialog>(*this);
        break;
    case 4:
        if (ScoreListLoaded(*this)) OpenModal<RowEditorDialog>(*this);
        break;
    case 5:
        AlleItems->popup(QCursor::pos());
        break;
    case 6:
        OpenModal<SettingsDialog>(*this);
        break;
    case 7:
        OpenModal<AboutDialog>(*this);
        break;
    case 8:
        HelpUitleg_Click();
        break;
    }
}

void MainWindow::EditUndo_Click() {
    if (isDuoMatch()) {
        // The disabled add button marks the player who threw last.
        for (int p = 1; p <= 2; ++p)
            if (!AddKnopDuo[p]->isEnabled()) UndoLastTurn(p, 0);
    } else {
        UndoLastTurn(static_cast<int>(Val(Label18->text())), 1);
    }
}

void MainWindow::SpelersInvoer_Click(int index) {
    state.NewTeamMode = index == 1;
    OpenMatchSetup();
}

void MainWindow::OpenMatchSetup() {
    if (!OfferToSaveScoreList()) return;
    if (isDuoMatch())
        OpenModal<DuoSetupDialog>(*this);
    else
        OpenModal<TeamSetupDialog>(*this);
}

void MainWindow::SoortItem_Click(int index) {
    if (!ScoreListLoaded(*this)) return;
    if (index == 1)
        OpenModal<StatisticsDialog>(*this);
    else
        ShowScoreListSummary(*this);
}

void MainWindow::HelpUitleg_Click() {
    if (HelpFrame->isHidden()) {
        Frame2->hide();
        HelpFrame->show();
        HelpUitleg->setChecked(true);
        SlidePic->setPixmap(SlideBackPic->pixmap());
        SlidePic->resize(SlideBackPic->pixmap().size());
        HelpScrollRange = static_cast<qint16>(qAbs(PicCont->height() - SlidePic->height()));
        VScroll1->setMaximum(HelpScrollRange);
    } else {
        HelpFrame->hide();
        Frame2->show();
        HelpUitleg->setChecked(false);
        ShowRowCount();
    }
}

void MainWindow::SlidePic_MouseDown(int y) {
    HelpGrabY = static_cast<qint16>(y);
}

void MainWindow::SlidePic_MouseMove(Qt::MouseButtons buttons, int y) {
    if (buttons != Qt::LeftButton) return;
    const int top = qBound(-static_cast<int>(HelpScrollRange), y - HelpGrabY + SlidePic->y(), 0);
    HelpSlideTop = static_cast<qint16>(top);
    SlidePic->move(SlidePic->x(), top);
    VScroll1->setValue(-top);
}

void MainWindow::VScroll1_Change() {
    HelpSlideTop = static_cast<qint16>(-VScroll1->value());
    SlidePic->move(SlidePic->x(), HelpSlideTop);
}

void MainWindow::Timer1_Timer() {
    // The date makes the text far longer than the "00:00:00" it was placed for: it grows to the
    // left, keeping its right end where the strip has room for it.
    const int right = KlokLabel->geometry().right();
    const QDateTime now = clock().now();
    const QDate date = now.date();
    KlokLabel->setText(QStringLiteral("%1 %2 %3 / %4")
                           .arg(date.day())
                           .arg(kMonthNames[date.month() - 1])
                           .arg(date.year(), 4, 10, QLatin1Char('0'))
                           .arg(now.time().toString(QStringLiteral("H:mm:ss"))));
    KlokLabel->adjustSize();
    KlokLabel->move(right + 1 - KlokLabel->width(), KlokLabel->y());
}

void MainWindow::OpenWebPage(const QString& address) {
    // The browser is the desktop's business: when it cannot be started there is nothing the
    // scorer could do about it here.
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace vx

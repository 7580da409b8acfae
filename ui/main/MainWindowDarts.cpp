// The dart level of the main window, shared by both match types: the button bank, the three
// dart slots, the board markers, Correctie, and darts typed on the keyboard.
#include "core/common/Utilities.h"
#include "core/match/DartBoard.h"
#include "ui/widgets/FormLook.h"
#include "core/match/KeyboardEntry.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/StyledButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

namespace vx {

namespace {

// The inside of a marker: it has to stand out on every field of the board.
const QColor kMarkerFill(255, 255, 0);

// Keys typed anywhere in the main window reach the dart scheme first, whichever control has
// the focus; a focused button therefore never sees a Space meant for a typed dart, and gets
// every other Space. Typed darts become presses of the board's own buttons, so a disabled
// button refuses them too.
class KeyboardDarts : public QObject {
  public:
    explicit KeyboardDarts(MainWindow& main) : QObject(&main), m(main) { qApp->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        if (!watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != &m) return false;
        // A dialog or message box over the main window has the keys to itself; so does the
        // player list while the scorer picks the next player.
        const QWidget* modal = QApplication::activeModalWidget();
        if ((modal && modal != &m) || !m.SpelersList->isHidden()) return false;

        auto* key = static_cast<QKeyEvent*>(event);
        // A button clicks when Space is let go: the release goes where the press went.
        if (event->type() == QEvent::KeyRelease) return key->key() == Qt::Key_Space && spaceIsMine;

        const KeyboardEntry::Step step =
            entry.press(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            spaceIsMine = step.action != KeyboardEntry::Action::NotMine;
        switch (step.action) {
        case KeyboardEntry::Action::NotMine:
            return false;
        case KeyboardEntry::Action::Nothing:
        case KeyboardEntry::Action::Typed:
            break;
        case KeyboardEntry::Action::Rejected:
            QApplication::beep();
            break;
        case KeyboardEntry::Action::EnterDart:
            pressDartButton(*step.dart);
            break;
        case KeyboardEntry::Action::Book:
            if (step.dart) pressDartButton(*step.dart);
            pressAddButton();
            break;
        case KeyboardEntry::Action::Correctie:
            m.CorrectieKnop->click();
            break;
        }
        m.TypedDartLabel->setText(entry.typed());
        SetForeColor(m.TypedDartLabel, entry.typedIsValid() ? QColor(0, 0, 0) : QColor(200, 0, 0));
        return true;
    }

  private:
    void pressDartButton(const TypedDart& dart) {
        const QString& code = dart.dartCode;
        StyledButton* button = m.ZeroKnop;
        if (code == QLatin1String("B25"))
            button = m.Bull25;
        else if (code == QLatin1String("B50"))
            button = m.Bull50;
        else if (!code.isEmpty()) {
            const int segment = code.mid(1).toInt();
            const QChar ring = code.at(0);
            button = ring == u'D' ? m.Knop2[segment] : ring == u'T' ? m.Knop3[segment] : m.Knop1[segment];
        }
        button->click();
    }

    // The add button of the player at the throw.
    void pressAddButton() {
        if (!m.isDuoMatch()) {
            m.AddKnop->click();
            return;
        }
        for (int p = 1; p <= 2; ++p)
            if (m.AddKnopDuo[p]->isEnabled()) {
                m.AddKnopDuo[p]->click();
                return;
            }
    }

    MainWindow& m;
    KeyboardEntry entry;
    bool spaceIsMine = false;
};

} // namespace

void MainWindow::connectPlay() {
    for (int i = 1; i <= 20; ++i) {
        connect(Knop1[i], &StyledButton::clicked, this,
                [this, i] { DartKnopClick(i, QStringLiteral("E%1").arg(i)); });
        connect(Knop2[i], &StyledButton::clicked, this,
                [this, i] { DartKnopClick(2 * i, QStringLiteral("D%1").arg(i)); });
        connect(Knop3[i], &StyledButton::clicked, this,
                [this, i] { DartKnopClick(3 * i, QStringLiteral("T%1").arg(i)); });
    }
    connect(Bull25, &StyledButton::clicked, this, [this] { DartKnopClick(25, QStringLiteral("B25")); });
    connect(Bull50, &StyledButton::clicked, this, [this] { DartKnopClick(50, QStringLiteral("B50")); });
    connect(ZeroKnop, &StyledButton::clicked, this, [this] { DartKnopClick(0, QString()); });
    connect(CorrectieKnop, &StyledButton::clicked, this, &MainWindow::CorrectieKnopClick);

    connect(AddKnop, &StyledButton::clicked, this, &MainWindow::AddKnopClick);
    connect(NextPlayerKnop, &StyledButton::clicked, this, &MainWindow::NextPlayerKnopClick);
    // Some styles activate on a single click as well; the handler takes the first of the two.
    for (auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(SpelersList, signal, this,
                [this](QListWidgetItem* item) { SpelersListClick(SpelersList->row(item)); });

    for (int p = 1; p <= 2; ++p)
        connect(AddKnopDuo[p], &StyledButton::clicked, this, [this, p] { AddKnopDuoClick(p); });
    connect(NextKnop, &StyledButton::clicked, this, &MainWindow::NextKnopClick);

    // Between Zero and the checkout suggestion, on the row of the slots.
    TypedDartLabel = new QLabel(Frame1);
    TypedDartLabel->setObjectName(QStringLiteral("TypedDartLabel"));
    PlaceTwips(TypedDartLabel, 3570, 2460, 1140, 375);
    SetBackColor(TypedDartLabel, QColor(255, 255, 255));
    TypedDartLabel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    TypedDartLabel->setAlignment(Qt::AlignCenter);
    TypedDartLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    TypedDartLabel->setToolTip(QStringLiteral(" Toetsenbord: T20, D16, 5, 25, 50 of 0 en spatie; "
                                              "Enter telt de beurt; Backspace is Correctie "));
    new KeyboardDarts(*this);
}

int MainWindow::DartSlotSum() const {
    return int(RoundHalfEven(Val(Label5[1]->text()) + Val(Label5[2]->text()) + Val(Label5[3]->text())));
}

void MainWindow::DartKnopClick(int points, const QString& dartCode) {
    if (state.DartNumber == 4) return;
    if (!Frame4->isHidden() && !dartCode.isEmpty()) DrawDartMarker(dartCode);
    if (state.DartNumber >= 1 && state.DartNumber <= 3)
        Label5[state.DartNumber]->setText(QString::number(points));
    if (isDuoMatch()) {
        DuoDartEntered();
    } else {
        state.RemainingScore -= points;
        TeamDartEntered();
    }
}

void MainWindow::CorrectieKnopClick() {
    for (int j = 1; j <= 3; ++j)
        Label5[j]->setText(QStringLiteral("0"));
    if (!isDuoMatch()) {
        state.RemainingScore = int(RoundHalfEven(Val(Label7->text())));
        state.DartNumber = 1;
    } else {
        state.DartNumber = 1;
        PuntenLabel[1]->setText(QStringLiteral("0"));
        PuntenLabel[2]->setText(QStringLiteral("0"));
    }
}

void MainWindow::DrawDartMarker(const QString& dartCode) {
    const std::optional<QPoint> at = MarkerPosition(dartCode);
    if (!at) return;
    // Without a board picture the markers still show, on the plain box.
    if (picImage.isNull()) {
        picImage = QImage(kBoardPictureSize, kBoardPictureSize, QImage::Format_RGB32);
        picImage.fill(Pic->palette().color(QPalette::Window));
    }
    QPainter p(&picImage);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(*at, 3, 3);
    p.setPen(QPen(QColor(155, 155, 110), 1));
    p.setBrush(kMarkerFill);
    p.drawEllipse(*at, 3, 3);
    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.drawPoint(*at);
    p.end();
    Pic->setPixmap(QPixmap::fromImage(picImage));
}

void MainWindow::ClearPic() {
    picImage = boardImage;
    Pic->setPixmap(picImage.isNull() ? QPixmap() : QPixmap::fromImage(picImage));
}

} // namespace vx

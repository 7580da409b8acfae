// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DartBoardPanel.h"

#include "core/common/Utilities.h"
#include "core/match/Turn.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace vx {

namespace {

const char* const kNoCheckout = QT_TRANSLATE_NOOP("vx::DartBoardPanel", "Darts Checkout");
const std::array<QChar, 3> kRings = {u'E', u'D', u'T'};

} // namespace

DartBoardPanel::DartBoardPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame1"));
    for (int i = 1; i <= 20; ++i)
        for (int r = 0; r < 3; ++r) {
            StyledButton* button = m_rows[r][i - 1] =
                MakeControl<StyledButton>(this, indexedName(QStringLiteral("Knop%1").arg(r + 1), i));
            const int points = (r + 1) * i;
            const QString code = kRings[r] + QString::number(i);
            connect(button, &StyledButton::clicked, this,
                    [this, points, code] { emit dartPressed(points, code); });
        }
    m_outerBullButton = MakeControl<StyledButton>(this, QStringLiteral("Bull25"));
    connect(m_outerBullButton, &StyledButton::clicked, this,
            [this] { emit dartPressed(25, QStringLiteral("B25")); });
    m_bullsEyeButton = MakeControl<StyledButton>(this, QStringLiteral("Bull50"));
    connect(m_bullsEyeButton, &StyledButton::clicked, this,
            [this] { emit dartPressed(50, QStringLiteral("B50")); });
    m_missButton = MakeControl<StyledButton>(this, QStringLiteral("ZeroKnop"));
    connect(m_missButton, &StyledButton::clicked, this, [this] { emit dartPressed(0, QString()); });
    m_correctionButton = MakeControl<StyledButton>(this, QStringLiteral("CorrectieKnop"));
    connect(m_correctionButton, &StyledButton::clicked, this, &DartBoardPanel::correctionPressed);
    for (int r = 0; r < 3; ++r)
        m_rowCaptions[r] = MakeControl<QLabel>(this, QStringLiteral("Label%1").arg(r + 1));
    m_bottomCaption = MakeControl<QLabel>(this, QStringLiteral("Label4"));
    for (int j = 1; j <= 3; ++j)
        m_dartSlots[j - 1] = MakeControl<QLabel>(this, indexedName(QStringLiteral("Label5"), j));
    m_slotCaption = MakeControl<QLabel>(this, QStringLiteral("Label6"));
    m_checkoutLabel = MakeControl<QLabel>(this, QStringLiteral("UitgooiLabel"));
    m_checkoutList = MakeControl<QListWidget>(this, QStringLiteral("UitgooiList"));
    m_checkoutList->hide();
    m_addButton = MakeControl<StyledButton>(parent, QStringLiteral("AddKnop"));
    connect(m_addButton, &StyledButton::clicked, this, &DartBoardPanel::addPressed);

    // Between Zero and the checkout suggestion, on the row of the slots.
    m_typedDartLabel = MakeControl<QLabel>(this, QStringLiteral("TypedDartLabel"));
    placeTwips(m_typedDartLabel, 3570, 2460, 1140, 375);
    setBackColor(m_typedDartLabel, QColor(255, 255, 255));
    m_typedDartLabel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    m_typedDartLabel->setAlignment(Qt::AlignCenter);
    m_typedDartLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_typedDartLabel->setToolTip(tr(" Toetsenbord: T20, D16, 5, 25, 50 of 0 en spatie; "
                                    "Enter telt de beurt; Backspace is Correctie "));
}

void DartBoardPanel::compose(const QColor& screen, const QColor& dartBox) {
    placeTwips(this, 150, 60, 11400, 3000);
    setBackColor(this, screen);
    // Painted by paintEvent instead: see setDartButtonsEnabled.
    setAutoFillBackground(false);
    const std::array<QColor, 3> rowColour = {QColor(90, 0, 0), QColor(0, 90, 0), QColor(0, 0, 90)};
    const std::array<int, 3> rowTop = {300, 840, 1380};
    for (int i = 1; i <= 20; ++i) {
        for (int r = 0; r < 3; ++r) {
            StyledButton* button = m_rows[r][i - 1];
            placeTwips(button, 180 + 450 * (i - 1), rowTop[r], 420, 420);
            button->setText(QString::number(i));
            button->setForeColor(rowColour[r]);
            button->setEnabled(false);
        }
    }
    const std::array<QString, 3> rowNames = {tr("Single"), tr("Double"), tr("Triple")};
    // A screen reader names a button by the dart it scores, whatever number its face shows.
    const std::array<QString, 3> ringNames = {tr("Single %1"), tr("Double %1"), tr("Triple %1")};
    for (int r = 0; r < 3; ++r)
        for (int i = 1; i <= 20; ++i)
            m_rows[r][i - 1]->setAccessibleName(ringNames[r].arg(i));
    for (int r = 0; r < 3; ++r) {
        placeCaption(m_rowCaptions[r], rowNames[r], 9240, 390 + 540 * r);
        setForeColor(m_rowCaptions[r], rowColour[r]);
    }
    placeCaption(m_bottomCaption, tr("Bull           Bull's Eye     Zero"), 600, 2160);

    placeTwips(m_outerBullButton, 180, 2460, 1200, 360);
    m_outerBullButton->setText(QStringLiteral("25"));
    m_outerBullButton->setEnabled(false);
    m_outerBullButton->setAccessibleName(tr("Bull 25"));
    placeTwips(m_bullsEyeButton, 1455, 2460, 1200, 360);
    m_bullsEyeButton->setText(QStringLiteral("50"));
    m_bullsEyeButton->setEnabled(false);
    m_bullsEyeButton->setAccessibleName(tr("Bull's Eye 50"));
    placeTwips(m_missButton, 2715, 2460, 750, 360);
    m_missButton->setText(QStringLiteral("0"));
    m_missButton->setEnabled(false);
    m_missButton->setAccessibleName(tr("Nul"));
    m_missButton->setToolTip(tr(" Misser / Buiten de ring "));

    m_checkoutLabel->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    placeCaption(m_checkoutLabel, tr(kNoCheckout), 4800, 2490);
    showSpoken(m_checkoutLabel, tr("Uitgooi"), m_checkoutLabel->text());
    // The suggestion grows and shrinks with every dart; give it the room up to Correctie.
    m_checkoutLabel->resize(twipsToPixels(3100), m_checkoutLabel->height());

    placeTwips(m_correctionButton, 8010, 2460, 990, 375);
    m_correctionButton->setText(tr("Correctie"));
    m_correctionButton->setEnabled(true);
    m_correctionButton->setToolTip(tr(" Dart scores ongedaan maken "));

    placeCaption(m_slotCaption, tr("Dart 1     Dart 2     Dart 3"), 9210, 2160);
    for (int j = 0; j < 3; ++j) {
        QLabel* slot = m_dartSlots[j];
        placeTwips(slot, 9180 + 750 * j, 2460, 600, 390);
        setBackColor(slot, dartBox);
        scoreBox(slot, 11);
        slot->setFrameStyle(QFrame::Box | QFrame::Plain);
        showSpoken(slot, tr("Dart %1").arg(j + 1), QStringLiteral("0"));
    }

    placeTwips(m_addButton, 11690, 165, 480, 2880);
    m_addButton->setText(QStringLiteral("A\nD\nD"));
    m_addButton->setAccessibleName(tr("Toevoegen"));
    m_addButton->setToolTip(tr(" Score toevoegen van de 3 darts "));
}

void DartBoardPanel::showTurn(const Turn& turn) {
    for (int j = 1; j <= Turn::kDarts; ++j)
        showSpoken(m_dartSlots[j - 1], tr("Dart %1").arg(j), QString::number(turn.dart(j).points));
}

void DartBoardPanel::showCheckout(const std::optional<QString>& suggestion) {
    showSpoken(m_checkoutLabel, tr("Uitgooi"), suggestion.value_or(tr(kNoCheckout)));
}

void DartBoardPanel::showTurnTotal(int total) {
    m_addButton->setToolTip(tr(" Score van %1 toevoegen ").arg(total));
}

void DartBoardPanel::showTyped(const QString& text, bool valid) {
    m_typedDartLabel->setText(text);
    setForeColor(m_typedDartLabel, valid ? QColor(0, 0, 0) : QColor(200, 0, 0));
}

// Qt keeps what it repaints as a list of rectangles, and merging the 63 buttons' rectangles one
// by one cost more than painting them. The panel's own rectangle over all of them, marked first,
// takes each button's in at once. Such a mark on a panel that fills its background itself
// (autoFillBackground) would make Qt paint the panel with its buttons separately from the
// buttons' own marks, so twice: the panel paints its background in paintEvent instead.
void DartBoardPanel::setDartButtonsEnabled(bool enable) {
    if (m_missButton->isEnabled() != enable)
        update(m_rows[0][0]->geometry().united(m_rows[2][19]->geometry()).united(m_missButton->geometry()));
    for (const auto& row : m_rows)
        for (StyledButton* button : row)
            button->setEnabled(enable);
    m_outerBullButton->setEnabled(enable);
    m_bullsEyeButton->setEnabled(enable);
    m_missButton->setEnabled(enable);
}

void DartBoardPanel::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(rect(), palette().window());
    QFrame::paintEvent(event);
}

void DartBoardPanel::numberDartButtons(int singleStep, int doubleStep, int trebleStep) {
    const std::array<int, 3> steps = {singleStep, doubleStep, trebleStep};
    for (int r = 0; r < 3; ++r)
        for (int i = 1; i <= 20; ++i)
            m_rows[r][i - 1]->setText(QString::number(steps[r] * i));
}

void DartBoardPanel::showForTeam(bool team) {
    m_addButton->setEnabled(team);
    m_checkoutLabel->setVisible(team);
}

void DartBoardPanel::setAddEnabled(bool enable) {
    m_addButton->setEnabled(enable);
}

void DartBoardPanel::listCheckoutTable(const QStringList& table) {
    m_checkoutList->clear();
    m_checkoutList->addItems(table);
}

StyledButton* DartBoardPanel::dartButton(const QString& dartCode) const {
    if (dartCode.isEmpty()) return m_missButton;
    if (dartCode == QLatin1String("B25")) return m_outerBullButton;
    if (dartCode == QLatin1String("B50")) return m_bullsEyeButton;
    const int ring = int(std::find(kRings.begin(), kRings.end(), dartCode.at(0)) - kRings.begin());
    return m_rows.at(ring).at(dartCode.mid(1).toInt() - 1);
}

} // namespace vx

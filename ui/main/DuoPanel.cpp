// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/DuoPanel.h"

#include "core/common/Utilities.h"
#include "core/match/DuoMatch.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QLabel>
#include <QListWidget>

namespace vx {

namespace {

const QColor kAtTheThrow(150, 250, 120);
const QColor kWaiting(250, 250, 220);
const char* const kNoCheckout = QT_TRANSLATE_NOOP("vx::DuoPanel", "Checkout");

// Setting a palette repaints the list even when nothing changes.
void ShowAtTheThrow(QListWidget* list, bool atTheThrow) {
    const QColor& colour = atTheThrow ? kAtTheThrow : kWaiting;
    if (list->palette().color(QPalette::Base) != colour) setBackColor(list, colour);
}

} // namespace

DuoPanel::DuoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("DuoFrame"));
    for (int k = 1; k <= 2; ++k) {
        PlayerControls& c = m_players[k - 1];
        c.remainingLabel = MakeControl<QLabel>(this, indexedName(QStringLiteral("ScoreLabel"), k));
        c.nameLabel = MakeControl<QLabel>(this, indexedName(QStringLiteral("SpelerLabel"), k));
        c.turnList = MakeControl<QListWidget>(this, indexedName(QStringLiteral("ListSpeler"), k));
        c.turnTotalLabel = MakeControl<QLabel>(this, indexedName(QStringLiteral("PuntenLabel"), k));
        c.starterMark = MakeControl<QLabel>(this, indexedName(QStringLiteral("StartBol"), k));
        c.addButton = MakeControl<StyledButton>(this, indexedName(QStringLiteral("AddKnopDuo"), k));
        c.checkoutLabel = MakeControl<QLabel>(this, indexedName(QStringLiteral("UitgooiSpeler"), k));
        c.averageLabel = MakeControl<QLabel>(this, indexedName(QStringLiteral("GemidLabel"), k));
        connect(c.addButton, &StyledButton::clicked, this, [this, k] { emit addPressed(k); });
    }
    m_titleLabel = MakeControl<QLabel>(this, QStringLiteral("Label14"));
    m_scoreCaption = MakeControl<QLabel>(this, QStringLiteral("Label15"));
    m_targetLabel = MakeControl<QLabel>(this, QStringLiteral("Label17"));
    m_table = MakeControl<QFrame>(this, QStringLiteral("Frame5"));
    for (int k = 1; k <= 2; ++k) {
        PlayerControls& c = m_players[k - 1];
        c.tableNameLabel = MakeControl<QLabel>(m_table, indexedName(QStringLiteral("NaamLabel"), k));
        c.setsLabel = MakeControl<QLabel>(m_table, indexedName(QStringLiteral("SetsLabel"), k));
        c.legsLabel = MakeControl<QLabel>(m_table, indexedName(QStringLiteral("LegsLabel"), k));
    }
    m_tableHeading = MakeControl<QLabel>(this, QStringLiteral("Label16"));
    m_nextLegButton = MakeControl<StyledButton>(this, QStringLiteral("NextKnop"));
    connect(m_nextLegButton, &StyledButton::clicked, this, &DuoPanel::nextLegPressed);
}

void DuoPanel::compose(const QColor& screen, const QColor& dartBox) {
    placeTwips(this, 12300, 60, 4665, 8820);
    setBackColor(this, screen);
    const QPixmap starterMark = uiPicture(QStringLiteral("StartBol.png"));
    for (int k = 1; k <= 2; ++k) {
        const PlayerControls& c = controls(k);
        const bool one = k == 1;
        placeTwips(c.remainingLabel, one ? 180 : 3120, 300, 1350, 630);
        setBackColor(c.remainingLabel, QColor(230, 230, 0));
        scoreBox(c.remainingLabel, 22);
        placeCaption(c.nameLabel, tr("Speler %1").arg(k), one ? 210 : 3570, 1140);
        c.nameLabel->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
        c.nameLabel->adjustSize();

        placeTwips(c.turnList, one ? 180 : 3090, 1590, 1350, 3030);
        setBackColor(c.turnList, one ? kAtTheThrow : kWaiting);
        setForeColor(c.turnList, QColor(0, 0, 0));
        c.turnList->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
        c.turnList->setFocusPolicy(Qt::NoFocus);
        c.turnList->setAccessibleName(tr("Beurten %1").arg(tr("Speler %1").arg(k)));

        placeTwips(c.turnTotalLabel, one ? 1620 : 2400, 2100, 600, 330);
        setBackColor(c.turnTotalLabel, dartBox);
        scoreBox(c.turnTotalLabel, 10);
        c.turnTotalLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
        c.turnTotalLabel->setText(QStringLiteral("0"));
        c.turnTotalLabel->setToolTip(tr(" Totaalscore 3 darts speler %1 ").arg(k));

        c.starterMark->setPixmap(starterMark);
        placeTwips(c.starterMark, one ? 1620 : 2400, 2550);
        c.starterMark->setToolTip(tr(" Deze speler gooit als 1e "));
        c.starterMark->hide();

        placeTwips(c.addButton, one ? 180 : 3090, 4740, 1365, 360);
        c.addButton->setText(tr("Add"));
        c.addButton->setEnabled(false);
        c.addButton->setAccessibleName(tr("Toevoegen %1").arg(tr("Speler %1").arg(k)));
        c.addButton->setToolTip(tr(" Score toevoegen aan Speler %1 ").arg(k));

        placeTwips(c.checkoutLabel, one ? 180 : 3090, 5190, 1365, 330);
        c.checkoutLabel->setText(tr(kNoCheckout));
        c.checkoutLabel->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));

        placeCaption(c.averageLabel, tr("Gemiddelde"), one ? 840 : 3750, 5490);
        c.averageLabel->setToolTip(tr(" Gemiddelde van speler %1 ").arg(k));
    }
    placeCaption(m_titleLabel, tr("Duo Match"), 1710, 450);
    placeCaption(m_scoreCaption, tr("Score"), 2010, 1740);
    placeCaption(m_targetLabel, tr("First to %n Sets", nullptr, 3), 360, 6150);
    m_targetLabel->resize(twipsToPixels(4000), m_targetLabel->height());
    placeTwips(m_table, 210, 6390, 4260, 1200);
    setBackColor(m_table, screen);
    m_table->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeCaption(m_tableHeading, tr("Naam Spelers                     Sets    Legs"), 360, 7680);
    placeTwips(m_nextLegButton, 180, 8250, 4290, 390);
    m_nextLegButton->setText(tr("Volgende Ronde"));
    m_nextLegButton->setEnabled(false);

    for (int k = 1; k <= 2; ++k) {
        const PlayerControls& c = controls(k);
        const int top = k == 1 ? 270 : 690;
        placeTwips(c.tableNameLabel, 150, top, 2640, 360);
        c.tableNameLabel->setText(tr("Player %1").arg(k));
        c.tableNameLabel->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
        placeTwips(c.setsLabel, 2850, top, 600, 360);
        placeTwips(c.legsLabel, 3510, top, 600, 360);
        for (QLabel* count : {c.setsLabel, c.legsLabel}) {
            count->setText(QStringLiteral("0"));
            setBackColor(count, dartBox);
            scoreBox(count, 11);
            count->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
    }
}

void DuoPanel::showSetup(const DuoSetup& setup) {
    const bool sets = setup.kind == DuoSetup::Kind::Sets;
    for (int k = 1; k <= 2; ++k) {
        const PlayerControls& c = controls(k);
        const QString& name = setup.names.at(k - 1);
        c.nameLabel->setText(name);
        c.addButton->setAccessibleName(tr("Toevoegen %1").arg(name));
        c.turnList->setAccessibleName(tr("Beurten %1").arg(name));
        c.tableNameLabel->setText(name + QStringLiteral(" "));
        c.tableNameLabel->resize(twipsToPixels(sets ? 2640 : 3300), c.tableNameLabel->height());
        c.setsLabel->setVisible(sets);
    }
    m_targetLabel->setText(sets ? tr("First to %n Sets", nullptr, setup.target)
                                : tr("First to %n Legs", nullptr, setup.target));
    placeCaption(m_tableHeading,
                 sets ? tr("Naam Spelers                     Sets    Legs")
                      : tr("Naam Spelers                                Legs"),
                 360, 7680);
}

void DuoPanel::showMatch(const DuoMatch& match) {
    if (!match.isStarted()) return;
    const bool inPlay = !match.isLegOver();
    for (int k = 1; k <= 2; ++k) {
        const PlayerControls& c = controls(k);
        const bool atTheThrow = match.atTheThrow() == k;
        const QString name = match.name(k);
        showSpoken(c.remainingLabel, tr("Resterende score %1").arg(name),
                   QString::number(match.remaining(k)));
        showTurns(c.turnList, match.turns(k));
        showSpoken(c.turnTotalLabel, tr("Beurt %1").arg(name), QString::number(match.turnSum(k)));
        showSpoken(c.averageLabel, tr("Gemiddelde %1").arg(name), match.average(k));
        // Each player's advice for the darts in hand: after a booking a whole turn.
        showSpoken(c.checkoutLabel, tr("Uitgooi %1").arg(name),
                   (inPlay ? match.checkout(k) : std::nullopt).value_or(tr(kNoCheckout)));
        showSpoken(c.setsLabel, tr("Sets %1").arg(name), QString::number(match.setsWon(k)));
        showSpoken(c.legsLabel, tr("Legs %1").arg(name), QString::number(match.legsWon(k)));
        c.addButton->setEnabled(inPlay && atTheThrow);
        ShowAtTheThrow(c.turnList, atTheThrow);
        c.starterMark->setVisible(match.starter() == k);
    }
    m_nextLegButton->setEnabled(match.canStartNextLeg());
}

} // namespace vx

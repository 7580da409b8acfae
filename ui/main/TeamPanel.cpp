// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/TeamPanel.h"

#include "core/common/Services.h"
#include "core/match/DartBoard.h"
#include "core/match/TeamMatch.h"
#include "ui/main/PanelLook.h"
#include "ui/widgets/FormLook.h"
#include "ui/widgets/StyledButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

namespace vx {

namespace {

// The inside of a marker: it has to stand out on every field of the board.
const QColor kMarkerFill(255, 255, 0);

// A marker drawn once around the middle of a small transparent picture: a painter opened on
// the board for every dart costs more than copying its few pixels. Drawn without
// antialiasing, every pixel of it is either wholly covered or untouched.
constexpr int kMarkerReach = 5;
const QImage& markerStamp() {
    static const QImage stamp = [] {
        QImage image(2 * kMarkerReach + 1, 2 * kMarkerReach + 1, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        const QPoint at(kMarkerReach, kMarkerReach);
        QPainter p(&image);
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, 3, 3);
        p.setPen(QPen(QColor(155, 155, 110), 1));
        p.setBrush(kMarkerFill);
        p.drawEllipse(at, 3, 3);
        p.setPen(QPen(QColor(120, 120, 120), 2));
        p.drawPoint(at);
        return image;
    }();
    return stamp;
}

} // namespace

TeamPanel::TeamPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Frame4"));
    m_remainingLabel = MakeControl<QLabel>(this, QStringLiteral("Label7"));
    m_teamCaption = MakeControl<QLabel>(this, QStringLiteral("Label8"));
    m_teamNameLabel = MakeControl<QLabel>(this, QStringLiteral("Label12"));
    m_playerCaption = MakeControl<QLabel>(this, QStringLiteral("Label11"));
    m_playerNameLabel = MakeControl<QLabel>(this, QStringLiteral("Label9"));
    m_turnListFrame = MakeControl<QLabel>(this, QStringLiteral("Label10"));
    m_turnList = MakeControl<QListWidget>(this, QStringLiteral("List1"));
    m_boardFrame = MakeControl<QLabel>(this, QStringLiteral("PicLabel"));
    m_boardLabel = MakeControl<QLabel>(this, QStringLiteral("Pic"));
    m_matchCaption = MakeControl<QLabel>(this, QStringLiteral("Label21"));
    m_playerNumberLabel = MakeControl<QLabel>(this, QStringLiteral("Label18"));
    m_playerList = MakeControl<QListWidget>(this, QStringLiteral("SpelersList"));
    m_playerList->hide();
    m_nextPlayerButton = MakeControl<StyledButton>(this, QStringLiteral("NextPlayerKnop"));

    connect(m_nextPlayerButton, &StyledButton::clicked, this, &TeamPanel::nextPlayerPressed);
    // Some styles activate on a single click as well; the first of the two picks the player.
    for (auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(m_playerList, signal, this,
                [this](QListWidgetItem* item) { pickPlayer(m_playerList->row(item)); });
    m_playerList->installEventFilter(this);
}

bool TeamPanel::eventFilter(QObject* watched, QEvent* event) {
    // The list view activates the current item on Return but leaves the key unaccepted, so it
    // would travel on to the main window, where the keyboard darts took it for "book" and gave
    // the player just picked an empty turn. Return picks here and goes no further.
    if (watched == m_playerList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_playerList->currentRow() >= 0) {
            pickPlayer(m_playerList->currentRow());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TeamPanel::compose(const QColor& screen) {
    placeTwips(this, 12300, 60, 4665, 8820);
    setBackColor(this, screen);

    placeTwips(m_remainingLabel, 180, 300, 1350, 630);
    setBackColor(m_remainingLabel, QColor(230, 230, 0));
    scoreBox(m_remainingLabel, 22);
    placeCaption(m_teamCaption, tr("Team :"), 1620, 315);
    placeCaption(m_teamNameLabel, QStringLiteral("?"), 2400, 315);
    placeCaption(m_playerCaption, tr("Speler :"), 1620, 660);
    placeCaption(m_playerNameLabel, QStringLiteral("?"), 2475, 660);
    // Names arrive later and may be long: give them the width of the panel.
    for (QLabel* name : {m_teamNameLabel, m_playerNameLabel})
        name->resize(width() - name->x() - 6, name->height());

    placeTwips(m_turnListFrame, 180, 1080, 4290, 2040);
    m_turnListFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeTwips(m_turnList, 300, 1200, 4080, 1830);
    setBackColor(m_turnList, QColor(250, 250, 220));
    setForeColor(m_turnList, QColor(50, 50, 20));
    m_turnList->setFont(QFont(QStringLiteral("Arial"), 16));
    // Five columns, filled top to bottom and then the next column.
    m_turnList->setFlow(QListView::TopToBottom);
    m_turnList->setWrapping(true);
    m_turnList->setResizeMode(QListView::Adjust);
    m_turnList->setGridSize(QSize(m_turnList->width() / 5 - 1, m_turnList->fontMetrics().height() + 4));
    m_turnList->setFocusPolicy(Qt::NoFocus);
    m_turnList->setAccessibleName(tr("Beurten"));

    placeTwips(m_boardFrame, 180, 3330, 4290, 4275);
    m_boardFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    placeTwips(m_boardLabel, 300, 3435, 4065, 4065);
    placeCaption(m_matchCaption, tr("Team Match"), 1560, 7740);
    placeCaption(m_playerNumberLabel, QStringLiteral("1"), 4320, 7650);

    placeTwips(m_playerList, 255, 3405, 4155, 4140);
    setBackColor(m_playerList, QColor(0, 40, 0));
    setForeColor(m_playerList, QColor(230, 230, 230));
    m_playerList->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    m_playerList->setToolTip(tr(" Klik op een spelersnaam "));
    m_playerList->setAccessibleName(tr("Spelers"));
    m_playerList->hide();

    placeTwips(m_nextPlayerButton, 180, 8250, 4290, 390);
    m_nextPlayerButton->setText(tr("Volgende Speler"));
    m_nextPlayerButton->setEnabled(true);

    // A missing or unreadable board picture leaves the box empty; the rest goes on.
    QImage board(folders().dataFile(QStringLiteral("Dartbord.jpg")));
    setBoardImage(board.isNull() ? board : board.convertToFormat(QImage::Format_RGB32));
}

void TeamPanel::showPlayer(const TeamMatch& match) {
    if (!match.hasTeam()) return;
    // Whoever comes to the board, picked or set up, ends the choice.
    m_playerList->hide();
    m_teamNameLabel->setText(match.setup().team);
    m_playerNameLabel->setText(match.playerName());
    m_playerNumberLabel->setText(QString::number(match.player()));
}

void TeamPanel::showLeg(const TeamLeg& leg) {
    if (!leg.isStarted()) return;
    showSpoken(m_remainingLabel, tr("Resterende score"), QString::number(leg.remainingBeforeTurn()));
    showTurns(m_turnList, leg.turns());
}

void TeamPanel::setBoardImage(const QImage& board) {
    m_boardImage = board;
    clearMarkers();
}

void TeamPanel::markDart(const QString& dartCode) {
    const std::optional<QPoint> at = markerPosition(dartCode);
    if (!at) return;
    // Without a board picture the markers still show, on the plain box.
    if (m_markedBoard.isNull()) {
        m_markedBoard = QImage(kBoardPictureSize, kBoardPictureSize, QImage::Format_RGB32);
        m_markedBoard.fill(m_boardLabel->palette().color(QPalette::Window));
    }
    const QImage& stamp = markerStamp();
    const QPoint origin = *at - QPoint(kMarkerReach, kMarkerReach);
    for (int y = 0; y < stamp.height(); ++y) {
        if (origin.y() + y < 0 || origin.y() + y >= m_markedBoard.height()) continue;
        const auto* from = reinterpret_cast<const QRgb*>(stamp.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(m_markedBoard.scanLine(origin.y() + y));
        for (int x = 0; x < stamp.width(); ++x)
            if (qAlpha(from[x]) != 0 && origin.x() + x >= 0 && origin.x() + x < m_markedBoard.width())
                to[origin.x() + x] = from[x];
    }
    m_boardLabel->setPixmap(QPixmap::fromImage(m_markedBoard));
}

void TeamPanel::clearMarkers() {
    m_markedBoard = m_boardImage;
    m_boardLabel->setPixmap(m_markedBoard.isNull() ? QPixmap() : QPixmap::fromImage(m_markedBoard));
}

void TeamPanel::offerPlayers(const QStringList& names) {
    m_playerList->clear();
    m_playerList->addItems(names);
    m_playerList->show();
    m_playerList->setFocus();
}

bool TeamPanel::isOfferingPlayers() const {
    return !m_playerList->isHidden();
}

void TeamPanel::pickPlayer(int row) {
    if (m_playerList->isHidden() || row < 0 || row >= m_playerList->count()) return;
    m_playerList->hide();
    emit playerPicked(row);
}

} // namespace vx

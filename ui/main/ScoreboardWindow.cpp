// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ScoreboardWindow.h"

#include "core/match/DuoMatch.h"
#include "core/match/TeamMatch.h"
#include "core/scorelist/LegRows.h"
#include "core/files/RecoveryWriter.h"
#include "ui/main/MainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <numeric>

namespace vx {

namespace {

const QColor kBackground(0, 0, 0);
const QColor kOtherSide(40, 40, 40);
const QColor kDigits(255, 255, 255);
const QColor kBust(200, 20, 30);

// The largest bold Arial in which `text` fits the box: `fill` of its height, and its width.
QFont fittedFont(const QRect& box, const QString& text, double fill) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(100);
    const double advance = QFontMetricsF(font).horizontalAdvance(text);
    const double size = std::min(box.height() * fill, box.width() * 0.95 * 100 / std::max(advance, 1.0));
    font.setPixelSize(std::max(1, int(size)));
    return font;
}


QStringList dartsOf(const Turn& turn) {
    QStringList darts;
    for (int slot = 1; slot < turn.nextSlot(); ++slot)
        darts << QString::number(turn.dart(slot).points);
    return darts;
}

QString lastOf(const QList<int>& turns) {
    return turns.isEmpty() ? QString() : QString::number(turns.last());
}

// The smallest part of `picture` that holds every pixel not wholly transparent: blending the
// rest would change nothing and costs as much as the ink. Premultiplied, such a pixel is 0.
QRect inkBounds(const QImage& picture) {
    int top = -1, bottom = -1, left = picture.width(), right = -1;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* end = line + picture.width();
        const auto* first = std::find_if(line, end, [](QRgb pixel) { return pixel != 0; });
        if (first == end) continue;
        const auto last = std::find_if(std::reverse_iterator(end), std::reverse_iterator(first),
                                        [](QRgb pixel) { return pixel != 0; });
        if (top < 0) top = y;
        bottom = y;
        left = std::min(left, int(first - line));
        right = std::max(right, int(last.base() - 1 - line));
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

ScoreboardTexts scoreboardTexts(const DuoMatch& match) {
    ScoreboardTexts t;
    if (!match.isStarted()) return t;
    const DuoSetup& setup = match.setup();
    const bool sets = setup.kind == DuoSetup::Kind::Sets;
    t.heading =
        sets ? QCoreApplication::translate("vx::ScoreboardWindow", "First to %n Sets", nullptr, setup.target)
             : QCoreApplication::translate("vx::ScoreboardWindow", "First to %n Legs", nullptr, setup.target);
    for (int k = 1; k <= 2; ++k) {
        // The darts in hand count down at once; a turn above the score is refused when booked.
        const int left = match.remaining(k) - match.turnSum(k);
        ScoreboardTexts::Side side{match.name(k),
                                   QString::number(left < 0 ? match.remaining(k) : left),
                                   left < 0,
                                   sets ? QString::number(match.setsWon(k)) : QString(),
                                   QString::number(match.legsWon(k)),
                                   {}};
        if (!match.turns(k).isEmpty()) side.turns << lastOf(match.turns(k));
        t.sides << side;
    }
    if (!match.isLegOver()) {
        t.atTheThrow = match.atTheThrow();
        t.darts = dartsOf(match.turn());
        t.checkout = match.checkout(t.atTheThrow).value_or(QString());
    }
    return t;
}

ScoreboardTexts scoreboardTexts(const TeamMatch& match) {
    ScoreboardTexts t;
    if (!match.hasTeam()) return t;
    const TeamLeg& leg = match.leg();
    t.heading = match.setup().team;
    // Darts entered before the leg started are held, not taken off.
    const bool counting = leg.isStarted() && !leg.isBust();
    ScoreboardTexts::Side side{match.playerName(),
                               QString::number(counting ? leg.remaining() : leg.remainingBeforeTurn()),
                               leg.isBust(),
                               {},
                               {},
                               {}};
    const QStringList turns = turnTexts(leg.turns());
    side.turns = turns.mid(std::max<qsizetype>(0, turns.size() - ScoreboardWindow::kTeamTurnsShown));
    t.sides << side;
    t.average = averagePerDart(turns);
    if (leg.isStarted() && !leg.isWon()) {
        t.atTheThrow = 1;
        t.darts = dartsOf(leg.turn());
        if (!leg.isBust()) t.checkout = leg.checkout().value_or(QString());
    }
    return t;
}

ScoreboardWindow::ScoreboardWindow(MainWindow& main) : QWidget(&main, Qt::Window), m_main(main) {
    setObjectName(QStringLiteral("ScorebordForm"));
    setWindowTitle(tr("Vorlentix Scorebord"));
    // The main window decides when the program ends; an open scoreboard must not keep it alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The scorer's keys must stay with the main window when the board comes up.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(960, 540);

    // Another kind of match is laid out anew; within a match only what changed is painted.
    connect(&main, &MainWindow::matchKindChanged, this, qOverload<>(&QWidget::update));
    connect(&main.duoMatch(), &DuoMatch::changed, this, &ScoreboardWindow::follow);
    connect(&main.teamMatch(), &TeamMatch::playerChanged, this, &ScoreboardWindow::follow);
    connect(&main.teamMatch().leg(), &TeamLeg::changed, this, &ScoreboardWindow::follow);

    // A won leg is announced after the board shows it; the next dart or a while takes it away.
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setObjectName(QStringLiteral("bannerTimer"));
    m_bannerTimer->setSingleShot(true);
    m_bannerTimer->setInterval(kBannerMs);
    connect(m_bannerTimer, &QTimer::timeout, this, [this] {
        m_banner.clear();
        follow();
    });
    const DuoMatch& duo = main.duoMatch();
    const auto duoWon = [this, &duo](GameShot won) {
        return [this, &duo, won](int player) { showBanner(won, duo.name(player)); };
    };
    // Emitted in this order for one leg: the last one names the most it decided.
    connect(&duo, &DuoMatch::legWon, this, duoWon(GameShot::Leg));
    connect(&duo, &DuoMatch::setWon, this, duoWon(GameShot::Set));
    connect(&duo, &DuoMatch::matchWon, this, duoWon(GameShot::Match));
    connect(&main.teamMatch().leg(), &TeamLeg::legWon, this,
            [this] { showBanner(GameShot::Leg, m_main.teamMatch().playerName()); });
    const auto dartThrown = [this] {
        if (m_banner.isEmpty()) return;
        m_bannerTimer->stop();
        m_banner.clear();
        follow();
    };
    connect(&duo, &DuoMatch::dartEntered, this, dartThrown);
    connect(&main.teamMatch().leg(), &TeamLeg::dartEntered, this, dartThrown);
    connect(&main, &MainWindow::matchKindChanged, this, dartThrown);
}

QStringList gameShotBanner(GameShot won, const QString& winner) {
    const char* line = QT_TRANSLATE_NOOP("vx::ScoreboardWindow", "Leg: %1");
    if (won == GameShot::Set) line = QT_TRANSLATE_NOOP("vx::ScoreboardWindow", "Set: %1");
    if (won == GameShot::Match) line = QT_TRANSLATE_NOOP("vx::ScoreboardWindow", "Wedstrijd: %1");
    return {QStringLiteral("Game shot!"), QCoreApplication::translate("vx::ScoreboardWindow", line).arg(winner)};
}

QString bustText() {
    return QCoreApplication::translate("vx::ScoreboardWindow", "GEEN SCORE");
}

void ScoreboardWindow::showBanner(GameShot won, const QString& winner) {
    m_banner = gameShotBanner(won, winner);
    m_bannerTimer->start();
    // The match's changed() comes after the win and paints the banner with the rest.
}

void ScoreboardWindow::follow() {
    const ScoreboardTexts now = texts();
    if (now == m_painted) return;
    const Layout l = layout(m_main.isDuoMatch() ? 2 : 1);
    if (now.sides.size() != m_painted.sides.size() || now.sides.size() > l.sides.size()) return update();
    // A large board costs its pixels: only the boxes whose text changed are painted again.
    QRegion dirty;
    if (now.heading != m_painted.heading) dirty += l.heading;
    for (int i = 0; i < now.sides.size(); ++i) {
        const Layout::Side& box = l.sides.at(i);
        const ScoreboardTexts::Side& is = now.sides.at(i);
        const ScoreboardTexts::Side& was = m_painted.sides.at(i);
        if ((now.atTheThrow == i + 1) != (m_painted.atTheThrow == i + 1)) {
            dirty += box.frame;
            continue;
        }
        const auto within = [&box](const QRect& r) { return reach(r) & box.frame; };
        if (is.name != was.name) dirty += within(box.name);
        if (is.remaining != was.remaining || is.bust != was.bust) dirty += within(box.remaining);
        if (is.sets != was.sets || is.legs != was.legs || now.average != m_painted.average)
            dirty += within(box.counts);
        if (is.turns != was.turns) dirty += within(box.turns);
    }
    const Footer f = footer(l);
    if (now.darts != m_painted.darts) dirty += reach(f.darts) & l.footer;
    if (now.checkout != m_painted.checkout) dirty += reach(f.checkout) & l.footer;
    if (now.banner != m_painted.banner) dirty += bannerBox();
    update(dirty);
}

void ScoreboardWindow::open() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        if (screens.size() < 2 || screen == m_main.screen()) continue;
        setGeometry(screen->availableGeometry());
        showFullScreen();
        return;
    }
    showNormal();
}

ScoreboardTexts ScoreboardWindow::texts() const {
    ScoreboardTexts t =
        m_main.isDuoMatch() ? scoreboardTexts(m_main.duoMatch()) : scoreboardTexts(m_main.teamMatch());
    t.banner = m_banner;
    return t;
}

// Over the scores and across the whole board: a narrower banner lets the outer digits of a
// score show beside it, a taller one cuts through the lines of legs and sets.
QRect ScoreboardWindow::bannerBox() const {
    const Layout l = layout(m_main.isDuoMatch() ? 2 : 1);
    const QRect scores = l.sides.constFirst().remaining;
    return QRect(l.heading.left(), scores.top(), l.heading.width(), scores.height());
}

QRect ScoreboardWindow::remainingBox(int side) const {
    const Layout l = layout(m_main.isDuoMatch() ? 2 : 1);
    return l.sides.value(side - 1).remaining;
}

// Proportions of the window's height, so that the board reads the same on a television and in
// a small window; a duo match gets two columns, a team match one with its turns beside the score.
ScoreboardWindow::Layout ScoreboardWindow::layout(int sides) const {
    const int w = width();
    const int h = height();
    const int margin = std::max(4, h / 60);
    const auto band = [h](double from, double to) { return std::pair{int(h * from), int(h * (to - from))}; };
    Layout l;
    const auto [headTop, headHeight] = band(0.01, 0.12);
    l.heading = QRect(margin, headTop, w - 2 * margin, headHeight);
    const auto [frameTop, frameHeight] = band(0.13, 0.86);
    const int columnWidth = (w - margin) / sides;
    for (int i = 0; i < sides; ++i) {
        Layout::Side s;
        s.frame = QRect(margin + i * columnWidth, frameTop, columnWidth - margin, frameHeight);
        const QRect inner = s.frame.adjusted(margin, margin, -margin, -margin);
        const int nameHeight = int(h * 0.11);
        const int restHeight = inner.height() - nameHeight;
        s.name = QRect(inner.left(), inner.top(), inner.width(), nameHeight);
        if (sides == 1) {
            // The team: the score on the left, its last turns in a column on the right.
            const int scoreWidth = inner.width() * 62 / 100;
            const int countsHeight = restHeight * 22 / 100;
            s.remaining = QRect(inner.left(), s.name.bottom() + 1, scoreWidth, restHeight - countsHeight);
            s.counts = QRect(inner.left(), s.remaining.bottom() + 1, scoreWidth, countsHeight);
            s.turns =
                QRect(inner.left() + scoreWidth, s.name.bottom() + 1, inner.width() - scoreWidth, restHeight);
        } else {
            const int lineHeight = restHeight * 16 / 100;
            s.remaining =
                QRect(inner.left(), s.name.bottom() + 1, inner.width(), restHeight - 2 * lineHeight);
            s.counts = QRect(inner.left(), s.remaining.bottom() + 1, inner.width(), lineHeight);
            s.turns = QRect(inner.left(), s.counts.bottom() + 1, inner.width(), lineHeight);
        }
        l.sides << s;
    }
    const auto [footTop, footHeight] = band(0.87, 0.99);
    l.footer = QRect(margin, footTop, w - 2 * margin, footHeight);
    return l;
}

QRect ScoreboardWindow::reach(const QRect& box) {
    const int m = box.height() / 3 + 2;
    return box.adjusted(-m, -m, m, m);
}

ScoreboardWindow::Footer ScoreboardWindow::footer(const Layout& l) {
    const QRect darts(l.footer.left(), l.footer.top(), l.footer.width() * 2 / 5, l.footer.height());
    return {darts, QRect(darts.right() + 1, l.footer.top(), l.footer.width() - darts.width(), l.footer.height())};
}

void ScoreboardWindow::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QColor screen = m_main.session.screenColor;
    const QColor marked = m_main.session.dartBoxColor;
    const ScoreboardTexts t = texts();
    const Layout l = layout(m_main.isDuoMatch() ? 2 : 1);
    m_region = event->region();
    // Every pixel asked for is filled once: the frames in their colour, the rest black.
    QRegion ground = m_region;
    for (int i = 0; i < t.sides.size() && i < l.sides.size(); ++i) ground -= l.sides.at(i).frame;
    fill(p, ground, kBackground);

    // Big digits are drawn as outlines, not from the glyph cache: only the parts asked for are.
    const auto wanted = [this](const QRect& r) { return m_region.intersects(r); };
    p.setPen(screen);
    if (wanted(l.heading))
        drawFitted(p, l.heading, t.heading.isEmpty() ? windowTitle() : t.heading, Qt::AlignCenter);
    for (int i = 0; i < t.sides.size() && i < l.sides.size(); ++i) {
        const ScoreboardTexts::Side& side = t.sides.at(i);
        const Layout::Side& box = l.sides.at(i);
        if (!wanted(box.frame)) continue;
        // The one at the throw stands out in the dart-box colour; the other stays dark.
        const bool atTheThrow = t.atTheThrow == i + 1;
        fill(p, m_region & box.frame, atTheThrow ? marked : kOtherSide);
        const QColor text = atTheThrow ? kBackground : screen;
        p.setPen(text);
        drawFitted(p, box.name, atTheThrow ? QStringLiteral("\u25B6 ") + side.name : side.name,
                   Qt::AlignCenter);
        p.setPen(atTheThrow ? kBackground : kDigits);
        drawScore(p, box.remaining, side.remaining, atTheThrow ? kBackground : kDigits);
        if (side.bust) {
            const QRect band = box.remaining.adjusted(0, box.remaining.height() / 4, 0,
                                                      -box.remaining.height() / 4);
            fill(p, m_region & band, kBust);
            p.setPen(kDigits);
            drawFitted(p, band, bustText(), Qt::AlignCenter);
        }
        p.setPen(text);
        if (m_main.isDuoMatch()) {
            const QString legs = tr("Legs %1").arg(side.legs);
            drawFitted(p, box.counts, side.sets.isEmpty() ? legs : tr("Sets %1    %2").arg(side.sets, legs),
                       Qt::AlignCenter, 0.7);
            drawFitted(p, box.turns, tr("Laatste beurt %1").arg(side.turns.value(0, QStringLiteral("-"))),
                       Qt::AlignCenter, 0.7);
        } else {
            drawFitted(p, box.counts, tr("Gemiddelde %1").arg(t.average), Qt::AlignCenter, 0.7);
            const int line = box.turns.height() / (kTeamTurnsShown + 1);
            drawFitted(p, QRect(box.turns.topLeft(), QSize(box.turns.width(), line)), tr("Beurten"),
                       Qt::AlignCenter, 0.6);
            for (int k = 0; k < side.turns.size(); ++k)
                drawFitted(p,
                           QRect(box.turns.left(), box.turns.top() + (k + 1) * line, box.turns.width(), line),
                           side.turns.at(k), Qt::AlignCenter, 0.8);
        }
    }
    // Below: the darts of the turn in progress and what would finish the leg.
    if (wanted(l.footer)) {
        const auto [left, right] = footer(l);
        p.setPen(screen);
        if (!t.darts.isEmpty()) {
            const int sum =
                std::accumulate(t.darts.begin(), t.darts.end(), 0,
                                [](int total, const QString& dart) { return total + dart.toInt(); });
            drawFitted(p, left,
                       t.darts.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + QString::number(sum),
                       Qt::AlignCenter, 0.7);
        }
        p.setPen(marked);
        if (!t.checkout.isEmpty()) drawFitted(p, right, tr("Checkout %1").arg(t.checkout), Qt::AlignCenter);
    }
    if (const QRect box = bannerBox(); !t.banner.isEmpty() && wanted(box)) {
        fill(p, m_region & box, marked);
        p.setPen(QPen(kBackground, std::max(2, box.height() / 40)));
        p.drawRect(box.adjusted(box.height() / 40, box.height() / 40, -box.height() / 40, -box.height() / 40));
        const QRect inner = box.adjusted(box.width() / 20, box.height() / 12, -box.width() / 20, -box.height() / 12);
        const int split = inner.height() * 3 / 5;
        drawFitted(p, QRect(inner.left(), inner.top(), inner.width(), split), t.banner.value(0), Qt::AlignCenter,
                   0.9);
        drawFitted(p, QRect(inner.left(), inner.top() + split, inner.width(), inner.height() - split),
                   t.banner.value(1), Qt::AlignCenter, 0.75);
    }
    m_painted = t;
}

// Painted in parts, the board is clipped to a region, and Qt fills or blends into a region
// through its general path, which hands anything taller than about a hundred lines to its
// thread pool and waits: waking those threads costs more than the work, on a busy machine far
// more. Clipped to one rectangle at a time, a fill is a plain fill and a picture a direct blend.
void ScoreboardWindow::fill(QPainter& p, const QRegion& area, const QColor& colour) {
    for (const QRect& r : area) {
        p.setClipRect(r);
        p.fillRect(r, colour);
    }
    p.setClipping(false);
}

void ScoreboardWindow::drawPicture(QPainter& p, const QPoint& at, const QImage& picture) {
    for (const QRect& r : m_region & QRect(at, picture.size())) {
        p.setClipRect(r);
        p.drawImage(at, picture);
    }
    p.setClipping(false);
}

// Text that tall is drawn from its outlines every time, not from the glyph cache: the digits are
// drawn once per size and colour, and a score is a row of copies. Every score of a box has the
// size that fits three digits, so the digits keep their size from 501 down to 0.
void ScoreboardWindow::drawScore(QPainter& p, const QRect& box, const QString& score, const QColor& colour) {
    Digits& drawn = m_digits[quint64(box.width()) << 48 | quint64(box.height()) << 32 | colour.rgb()];
    QList<DrawnText>& digits = drawn.pictures;
    if (digits.isEmpty()) {
        const QFont font = fittedFont(box, QStringLiteral("000"), 0.95);
        drawn.width = QFontMetrics(font).horizontalAdvance(u'0');
        for (int d = 0; d <= 9; ++d) {
            QImage digit(drawn.width, box.height(), QImage::Format_ARGB32_Premultiplied);
            digit.fill(Qt::transparent);
            QPainter dp(&digit);
            dp.setFont(font);
            dp.setPen(colour);
            dp.drawText(digit.rect(), Qt::AlignCenter, QString::number(d));
            dp.end();
            const QRect ink = inkBounds(digit);
            digits << DrawnText{digit.copy(ink), ink.topLeft()};
        }
    }
    const int digitWidth = drawn.width;
    int x = box.center().x() - digitWidth * int(score.size()) / 2;
    for (const QChar c : score) {
        const DrawnText& digit = digits.at(c.digitValue());
        const QPoint at = QPoint(x, box.top()) + digit.offset;
        if (m_region.intersects(QRect(at, digit.picture.size()))) drawPicture(p, at, digit.picture);
        x += digitWidth;
    }
}

// Text this tall costs far more to draw from the glyph cache than a picture of it does: each
// text is drawn once per box size and colour into a picture of just its bounds, and a repaint
// copies that. The same few dozen texts come back all match long.
void ScoreboardWindow::drawFitted(QPainter& p, const QRect& box, const QString& text, int flags, double fill) {
    // A picture stays within reach of its box; one wholly outside what is painted is skipped.
    if (text.isEmpty() || box.isEmpty() || !m_region.intersects(reach(box))) return;
    const QColor colour = p.pen().color();
    const TextKey key{text, flags, fill, box.size(), colour.rgba()};
    auto it = m_texts.constFind(key);
    if (it == m_texts.constEnd()) {
        if (m_texts.size() > 500) m_texts.clear();
        const QFont font = fittedFont(box, text, fill);
        const QRect local(QPoint(0, 0), box.size());
        // Room for the strokes that stand out of the font's own bounds.
        const int margin = font.pixelSize() / 4 + 2;
        const QRect bounds = QFontMetrics(font).boundingRect(local, flags, text).adjusted(-margin, -margin, margin, margin);
        QImage picture(bounds.size(), QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter tp(&picture);
        tp.setRenderHint(QPainter::TextAntialiasing);
        tp.setFont(font);
        tp.setPen(colour);
        tp.drawText(local.translated(-bounds.topLeft()), flags, text);
        tp.end();
        const QRect ink = inkBounds(picture);
        it = m_texts.insert(key, {picture.copy(ink), bounds.topLeft() + ink.topLeft()});
    }
    if (!it->picture.isNull()) drawPicture(p, box.topLeft() + it->offset, it->picture);
}

void ScoreboardWindow::resizeEvent(QResizeEvent* event) {
    m_digits.clear();
    m_texts.clear();
    QWidget::resizeEvent(event);
    if (isVisible()) notePlace(true);
}

void ScoreboardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F11)
        isFullScreen() ? showNormal() : showFullScreen();
    else if (event->key() == Qt::Key_Escape && isFullScreen())
        showNormal();
    else
        QWidget::keyPressEvent(event);
}

void ScoreboardWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    notePlace(false);
    emit closed();
}

void ScoreboardWindow::openAt(const ScoreboardPlace& place) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto named = std::find_if(screens.begin(), screens.end(),
                                    [&place](const QScreen* s) { return s->name() == place.screen; });
    // That screen is gone: the board comes up as when opened anew.
    if (named == screens.end()) return open();
    const QRect room = (*named)->availableGeometry();
    setGeometry(room.intersects(place.geometry) ? place.geometry : room);
    place.fullScreen ? showFullScreen() : showNormal();
}

// The window's place is kept while it is open, not when it goes with the main window: the
// match is then over, and whatever the main window kept may already be gone.
void ScoreboardWindow::notePlace(bool open) {
    std::optional<ScoreboardPlace> place;
    if (open)
        place = ScoreboardPlace{screen() ? screen()->name() : QString(), isFullScreen(),
                                isFullScreen() ? normalGeometry() : geometry()};
    if (place == m_main.session.scoreboard) return;
    m_main.session.scoreboard = place;
    m_main.recoveryWriter().update();
}

void ScoreboardWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible()) notePlace(true);
}

void ScoreboardWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    notePlace(true);
}

void ScoreboardWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isVisible()) notePlace(true);
}

} // namespace vx

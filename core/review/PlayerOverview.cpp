// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/review/PlayerOverview.h"

#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <array>
#include <cmath>
#include <optional>

namespace vx {

namespace {

constexpr int kFirstTurnColumn = 2;
constexpr int kLastTurnColumn = kFirstTurnColumn + ScoreListModel::kTurnColumns - 1;
constexpr int kFirstNineTurns = 3;

using namespace reportFrame;

constexpr int kHeadingY = 900;
constexpr int kRuleY = 1140;
// Name, legs, won, average, first nine, the four bands, highest, best leg, highest finish.
constexpr std::array<int, 12> kColumnX{300,  3000, 3900,  5100,  6200,  7400,
                                       8300, 9400, 10500, 11500, 12700, 14000};

// The turn a cell holds: a whole number with nothing but blanks around it and an optional
// sign. A number too long for a double is none either.
std::optional<double> TurnValue(QStringView cell) {
    cell = cell.trimmed();
    const bool negative = cell.startsWith(u'-');
    if (negative || cell.startsWith(u'+')) cell = cell.mid(1);
    if (cell.isEmpty()) return std::nullopt;
    double value = 0;
    for (const QChar c : cell) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (!std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

void AddLeg(PlayerFigures& player, const ScoreRows& rows, qsizetype row, bool won) {
    int turns = 0;
    double lastTurn = 0;
    for (int column = kFirstTurnColumn; column <= kLastTurnColumn; ++column) {
        const std::optional<double> value = TurnValue(rows.cell(row, column));
        if (!value) continue;
        player.turns.addTurn(*value);
        if (turns < kFirstNineTurns) player.firstNine.addTurn(*value);
        ++turns;
        lastTurn = *value;
    }
    if (turns == 0) return;
    ++player.legsPlayed;
    if (!won) return;
    ++player.legsWon;
    if (player.bestLeg == 0 || turns < player.bestLeg) player.bestLeg = turns;
    if (lastTurn > player.highestFinish && lastTurn <= ScoreStatistics::kHighestScore)
        player.highestFinish = static_cast<int>(lastTurn);
}

// Gathers the players in the order their names first come, names compared without case.
class Players {
  public:
    PlayerFigures& operator[](const QString& name) {
        const QString key = name.toCaseFolded();
        auto at = m_index.constFind(key);
        if (at == m_index.cend()) {
            at = m_index.insert(key, m_players.size());
            m_players.append(PlayerFigures{});
            m_players.last().name = name;
        }
        return m_players[*at];
    }
    QList<PlayerFigures> take() { return std::move(m_players); }

  private:
    QHash<QString, qsizetype> m_index;
    QList<PlayerFigures> m_players;
};

QString AverageCell(const ScoreStatistics& stats) {
    // A list of absurd numbers can add up beyond what a double holds.
    const double average = stats.average();
    return stats.results > 0 && std::isfinite(average) ? formatFixed(average, 2) : QStringLiteral("-");
}

QString CountCell(int value, bool shown) {
    return shown ? QString::number(value) : QStringLiteral("-");
}

void PrintHeadings(PageSink& sink) {
    sink.setFont(kArial, 9, true);
    sink.setColor(kHeadingGrey);
    const QStringList headings = overviewHeadings();
    for (qsizetype i = 0; i < headings.size(); ++i)
        sink.text(kColumnX[i], kHeadingY, headings[i]);
    sink.text(kColumnX[0], kRuleY, QString(266, u'-'));
    sink.setFont(kArial, 9, false);
    sink.setColor(kBodyRed);
}

} // namespace

int PlayerFigures::turnsBetween(int low, int high) const {
    int count = 0;
    for (int score = std::max(low, 0); score <= std::min(high, ScoreStatistics::kHighestScore); ++score)
        count += turns.counts[score];
    return count;
}

int PlayerFigures::highestTurn() const {
    for (int score = ScoreStatistics::kHighestScore; score >= 0; --score)
        if (turns.counts[score] > 0) return score;
    return -1;
}

QList<PlayerFigures> duoOverview(const ScoreListModel& list) {
    Players players;
    const ScoreRows& rows = list.rows();
    for (qsizetype r = 0; r < rows.size(); ++r)
        AddLeg(players[rows.cell(r, 0).toString()], rows, r, rows.cell(r, 1) == u"v");
    return players.take();
}

QList<PlayerFigures> teamOverview(const QList<PlayerRows>& entries) {
    Players players;
    for (const PlayerRows& entry : entries) {
        PlayerFigures& player = players[entry.name];
        for (qsizetype r = 0; r < entry.rows.size(); ++r)
            AddLeg(player, entry.rows, r, true);
    }
    return players.take();
}

QStringList overviewHeadings() {
    static const char* const kHeadings[] = {QT_TRANSLATE_NOOP("vx::PlayerOverview", "Speler"),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Legs"),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Gewonnen"),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Gem."),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Eerste 9"),
                                            "180",
                                            "140-179",
                                            "100-139",
                                            "60-99",
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Hoogste"),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Beste leg"),
                                            QT_TRANSLATE_NOOP("vx::PlayerOverview", "Hoogste uitgooi")};
    QStringList headings;
    // A band of numbers has no translation and so comes back as it is.
    for (const char* heading : kHeadings)
        headings << QCoreApplication::translate("vx::PlayerOverview", heading);
    return headings;
}

QStringList overviewCells(const PlayerFigures& player) {
    const int highest = player.highestTurn();
    return {player.name,
            QString::number(player.legsPlayed),
            QString::number(player.legsWon),
            AverageCell(player.turns),
            AverageCell(player.firstNine),
            QString::number(player.turnsBetween(180, 180)),
            QString::number(player.turnsBetween(140, 179)),
            QString::number(player.turnsBetween(100, 139)),
            QString::number(player.turnsBetween(60, 99)),
            CountCell(highest, highest >= 0),
            CountCell(player.bestLeg, player.bestLeg > 0),
            CountCell(player.highestFinish, player.highestFinish > 0)};
}

QString overviewTitle(const QString& teamOrMatch) {
    const QString word = QCoreApplication::translate("vx::PlayerOverview", "Speleroverzicht");
    return teamOrMatch.isEmpty() ? word : word + u' ' + teamOrMatch;
}

PrintResult printPlayerOverview(PageSink& sink, const QList<PlayerFigures>& players,
                                const QString& teamOrMatch, const QString& footerText) {
    sink.setFont(kArial, 12, true);
    sink.setColor(kTitleBlue);
    sink.text(300, 300, reportTitle(overviewTitle(teamOrMatch)));
    PrintHeadings(sink);
    // The body font measured in twips: 9 points are 180 of them.
    QFont body(kArial);
    body.setPixelSize(9 * 20);
    const QFontMetricsF metrics(body);
    const double nameRoom = kColumnX[1] - kColumnX[0] - 120;
    int y = kFirstLineY;
    for (const PlayerFigures& player : players) {
        QStringList cells = overviewCells(player);
        cells[0] = metrics.elidedText(cells[0], Qt::ElideRight, nameRoom);
        for (qsizetype i = 0; i < cells.size(); ++i)
            sink.text(kColumnX[i], y, cells[i]);
        y += kLineHeight;
        if (y > kLastLineY) {
            printFooter(sink, footerText);
            sink.newPage();
            PrintHeadings(sink);
            y = kFirstLineY;
        }
    }
    printFooter(sink, footerText);
    return endDocument(sink);
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/history/HistoryTables.h"

#include "core/common/Utilities.h"

#include <QCoreApplication>
#include <algorithm>

namespace vx {

namespace {

QString Percent(double share) {
    return formatFixed(100 * share, 1);
}

// A figure that is not known is a dash, never a 0 that reads as a result.
QString Known(int value) {
    return value ? QString::number(value) : QStringLiteral("-");
}

QString DoubleName(int remaining) {
    return remaining == 50 ? QCoreApplication::translate("vx::HistoryTables", "Bull")
                           : QStringLiteral("D%1").arg(remaining / 2);
}

QStringList WithNote(const DartsKnown& known) {
    const QString note = dartsKnownNote(known);
    return note.isEmpty() ? QStringList() : QStringList{note};
}

} // namespace

QString dartsKnownNote(const DartsKnown& known) {
    if (known.turns == 0)
        return QCoreApplication::translate("vx::HistoryTables", "Geen beurten in deze periode.");
    if (known.turnsWithDarts == 0)
        return QCoreApplication::translate(
            "vx::HistoryTables",
            "Geen darts bekend: van deze periode zijn alleen beurttotalen bewaard (ingelezen scorelijsten).");
    if (known.turnsWithDarts < known.turns)
        return QCoreApplication::translate(
                   "vx::HistoryTables",
                   "Over %1 van de %2 beurten; van de andere zijn alleen de totalen bekend.")
            .arg(known.turnsWithDarts)
            .arg(known.turns);
    return {};
}

QString spotName(const QString& code) {
    if (code == u"0") return QCoreApplication::translate("vx::HistoryTables", "Mis");
    if (code == u"25") return QCoreApplication::translate("vx::HistoryTables", "25 (buitenste bull)");
    if (code == u"50") return QCoreApplication::translate("vx::HistoryTables", "50 (bull)");
    if (code.front().isDigit()) return QCoreApplication::translate("vx::HistoryTables", "Enkel %1").arg(code);
    return code;
}

FigureTable checkoutTable(const QString& player, const CheckoutFigures& figures, const DartsKnown& known) {
    FigureTable table{
        QCoreApplication::translate("vx::HistoryTables", "Checkout-percentage van %1").arg(player),
        WithNote(known),
        {QCoreApplication::translate("vx::HistoryTables", "Dubbel"),
         QCoreApplication::translate("vx::HistoryTables", "Darts"),
         QCoreApplication::translate("vx::HistoryTables", "Uit"),
         QCoreApplication::translate("vx::HistoryTables", "Percentage")},
        {}};
    const auto row = [](const QString& name, int darts, int hits) {
        return QStringList{name, QString::number(darts), QString::number(hits),
                           darts ? Percent(double(hits) / darts) : QStringLiteral("-")};
    };
    table.notes.prepend(
        QCoreApplication::translate("vx::HistoryTables",
                                    "Checkout-percentage: %1 % (%2 keer uit met %3 darts op een dubbel)")
            .arg(Percent(figures.percentage() / 100))
            .arg(figures.checkouts)
            .arg(figures.dartsAtDouble));
    for (int remaining = 2; remaining <= 50; remaining = remaining == 40 ? 50 : remaining + 2) {
        const DoubleFigure at = figures.perDouble.value(remaining);
        table.rows << row(DoubleName(remaining), at.darts, at.hits);
    }
    table.rows << row(QCoreApplication::translate("vx::HistoryTables", "Alle dubbels"), figures.dartsAtDouble,
                      figures.checkouts);
    return table;
}

FigureTable boardTable(const QString& player, const QMap<QString, double>& shares, const DartsKnown& known) {
    const TrebleRates rates = trebleRates(shares);
    FigureTable table{
        QCoreApplication::translate("vx::HistoryTables", "Waar de darts van %1 landen").arg(player),
        WithNote(known),
        {QCoreApplication::translate("vx::HistoryTables", "Vak"),
         QCoreApplication::translate("vx::HistoryTables", "Aandeel (%)")},
        {}};
    // Where a dart was aimed is not kept: a rate is the share of all darts.
    table.notes << QCoreApplication::translate("vx::HistoryTables",
                                               "T20: %1 % van alle darts, T19: %2 % van alle darts")
                       .arg(Percent(rates.t20), Percent(rates.t19));
    QList<QString> codes = shares.keys();
    std::stable_sort(codes.begin(), codes.end(),
                     [&](const QString& a, const QString& b) { return shares[a] > shares[b]; });
    for (const QString& code : codes)
        table.rows << QStringList{spotName(code), Percent(shares[code])};
    return table;
}

FigureTable progressTable(const QString& player, const QList<EveningFigures>& evenings) {
    FigureTable table{QCoreApplication::translate("vx::HistoryTables", "Voortgang van %1").arg(player),
                      {},
                      {QCoreApplication::translate("vx::HistoryTables", "Avond"),
                       QCoreApplication::translate("vx::HistoryTables", "Legs"),
                       QCoreApplication::translate("vx::HistoryTables", "Gemiddelde"),
                       QCoreApplication::translate("vx::HistoryTables", "Eerste negen")},
                      {}};
    if (evenings.isEmpty())
        table.notes << QCoreApplication::translate("vx::HistoryTables", "Geen beurten in deze periode.");
    for (const EveningFigures& e : evenings)
        table.rows << QStringList{e.evening.toString(QStringLiteral("dd-MM-yyyy")), QString::number(e.legs),
                                  formatFixed(e.average, 2), formatFixed(e.firstNine, 2)};
    return table;
}

FigureTable headToHeadTable(const QString& first, const QString& second, const HeadToHead& figures) {
    FigureTable table{
        QCoreApplication::translate("vx::HistoryTables", "%1 tegen %2").arg(first, second),
        {figures.matches == 1
             ? QCoreApplication::translate("vx::HistoryTables", "1 duo-wedstrijd tegen elkaar")
             : QCoreApplication::translate("vx::HistoryTables", "%1 duo-wedstrijden tegen elkaar")
                   .arg(figures.matches)},
        {QString(), first, second},
        {}};
    if (figures.matches == 0) return table;
    table.rows << QStringList{QCoreApplication::translate("vx::HistoryTables", "Wedstrijden gewonnen"),
                              QString::number(figures.matchesWon[0]), QString::number(figures.matchesWon[1])};
    table.rows << QStringList{QCoreApplication::translate("vx::HistoryTables", "Legs gewonnen"),
                              QString::number(figures.legsWon[0]), QString::number(figures.legsWon[1])};
    table.rows << QStringList{QCoreApplication::translate("vx::HistoryTables", "Gemiddelde"),
                              formatFixed(figures.average[0], 2), formatFixed(figures.average[1], 2)};
    return table;
}

FigureTable leagueFigureTable(const QString& team, const QList<LeagueRow>& rows) {
    FigureTable table{QCoreApplication::translate("vx::HistoryTables", "Competitiestand van %1").arg(team),
                      {},
                      {QCoreApplication::translate("vx::HistoryTables", "Speler"),
                       QCoreApplication::translate("vx::HistoryTables", "Legs"),
                       QCoreApplication::translate("vx::HistoryTables", "Gewonnen"),
                       QCoreApplication::translate("vx::HistoryTables", "Gemiddelde"),
                       QCoreApplication::translate("vx::HistoryTables", "Eerste negen"),
                       QCoreApplication::translate("vx::HistoryTables", "180"),
                       QCoreApplication::translate("vx::HistoryTables", "Checkout (%)"),
                       QCoreApplication::translate("vx::HistoryTables", "Beste leg (darts)"),
                       QCoreApplication::translate("vx::HistoryTables", "Hoogste finish")},
                      {}};
    for (const LeagueRow& r : rows)
        table.rows << QStringList{r.player,
                                  QString::number(r.legs),
                                  QString::number(r.legsWon),
                                  formatFixed(r.average, 2),
                                  formatFixed(r.firstNine, 2),
                                  QString::number(r.oneEighties),
                                  r.dartsAtDouble ? formatFixed(r.checkoutPercentage(), 1)
                                                  : QStringLiteral("-"),
                                  Known(r.bestLeg),
                                  Known(r.highestFinish)};
    return table;
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// Each view of the history window as a table of texts: what the window lists, the printout
// shows and the CSV export writes, so the three never tell different figures.
#pragma once

#include "core/history/HistoryFigures.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vx {

struct FigureTable {
    QString title;
    QStringList notes; // lines under the title on screen and on paper, not in the CSV file
    QStringList headings;
    QList<QStringList> rows;
};

// Says what the figures that need darts rest on; empty when every turn has its darts.
QString dartsKnownNote(const DartsKnown& known);

// D1 ... D20, the bull, then all doubles together.
FigureTable checkoutTable(const QString& player, const CheckoutFigures& figures, const DartsKnown& known);
// Every spot hit, the most hit first, and the treble rates in the notes.
FigureTable boardTable(const QString& player, const QMap<QString, double>& shares, const DartsKnown& known);
FigureTable progressTable(const QString& player, const QList<EveningFigures>& evenings);
FigureTable headToHeadTable(const QString& first, const QString& second, const HeadToHead& figures);
FigureTable leagueFigureTable(const QString& team, const QList<LeagueRow>& rows);

// "T20", "D16", "20", "25", "50", "0" as the scorer reads them.
QString spotName(const QString& code);

} // namespace vx

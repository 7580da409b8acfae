// SPDX-License-Identifier: GPL-3.0-or-later
// The checks the team and duo setup dialogs make before a match starts. Each answers with the
// Dutch sentence the dialog shows, so the dialogs only have to show it and stay open.
#pragma once

#include "core/files/ScoreListFiles.h"

#include <QString>
#include <QStringList>

namespace vx {

// A start score beyond four digits no longer fits the score boxes, and a start score of 0 or
// less gives a leg that can never be finished.
constexpr int kMaxStartScore = 9999;
// The start scores offered, the second ("501") chosen when a setup opens.
inline const QStringList kStartScores = {QStringLiteral("301"), QStringLiteral("501"), QStringLiteral("701"),
                                         QStringLiteral("1001")};
// A target of 0 is never reached: the match would never end.
constexpr int kMaxTarget = 99;

// The number typed or chosen, read the lenient way and rounded half to even, when it lies
// within 1 and `maximum`; -1 otherwise (also for text without a leading number).
int numberInRange(const QString& text, int maximum);

FileResult checkPlayerCount(const QString& text, int* count);
FileResult checkStartScore(const QString& text, int* score);
FileResult checkTarget(const QString& text, int* target);

// The player names of a team, in row order. Each becomes a file name in the team folder, so an
// empty name (the file ".lib"), a name the file routines refuse or a name that another player
// already has (two players sharing one file would overwrite each other's history) is refused.
// Names that differ only in case are the same file on many file systems. `badRow` receives the
// 1-based row of the refused name.
FileResult checkTeamPlayers(const QStringList& names, int* badRow);

// The duo players' names are stored in every row of the match's score list: neither may be
// blank, both must fit the one-byte character set of the files, and they must differ in more
// than case, as the statistics and the overview tell players apart by name without case.
// `badRow` receives 1 or 2.
FileResult checkDuoPlayers(const QString& name1, const QString& name2, int* badRow);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/MatchSetup.h"

#include "core/common/Utilities.h"
#include "core/files/TextFile.h"
#include "core/match/TeamMatch.h"

#include <QCoreApplication>

#include <array>

namespace vx {

int numberInRange(const QString& text, int maximum) {
    // Compared before rounding to a whole number, so a huge typed number cannot overflow.
    const double value = leadingNumber(text);
    if (!(value >= 0.5 && value <= maximum + 0.5)) return -1;
    const qint64 whole = roundHalfEven(value);
    return whole >= 1 && whole <= maximum ? int(whole) : -1;
}

namespace {

FileResult InRange(const QString& text, int maximum, int* out, const QString& refusal) {
    const int value = numberInRange(text, maximum);
    if (value < 0) return FileResult::failure(refusal);
    *out = value;
    return FileResult::success();
}

QString RowName(int row) {
    return QCoreApplication::translate("vx::MatchSetup", "Naam Speler %1").arg(row);
}

} // namespace

FileResult checkPlayerCount(const QString& text, int* count) {
    return InRange(text, TeamMatch::kMaxPlayers, count,
                   QCoreApplication::translate("vx::MatchSetup",
                                               "Het aantal spelers moet een getal van 1 tot en met %1 zijn.")
                       .arg(TeamMatch::kMaxPlayers));
}

FileResult checkStartScore(const QString& text, int* score) {
    return InRange(text, kMaxStartScore, score,
                   QCoreApplication::translate("vx::MatchSetup",
                                               "De startscore moet een getal van 1 tot en met %1 zijn.")
                       .arg(kMaxStartScore));
}

FileResult checkTarget(const QString& text, int* target) {
    return InRange(
        text, kMaxTarget, target,
        QCoreApplication::translate("vx::MatchSetup", "\"First to\" moet een getal van 1 tot en met %1 zijn.")
            .arg(kMaxTarget));
}

FileResult checkTeamPlayers(const QStringList& names, int* badRow) {
    for (int i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        *badRow = i + 1;
        if (name.trimmed().isEmpty())
            return FileResult::failure(
                QCoreApplication::translate("vx::MatchSetup", "%1 invullen a.u.b.").arg(RowName(i + 1)));
        if (FileResult checked = checkName(name, NameKind::Player); !checked)
            return FileResult::failure(QStringLiteral("%1: %2").arg(RowName(i + 1), checked.error));
        for (int j = 0; j < i; ++j) {
            if (names[j].compare(name, Qt::CaseInsensitive) == 0)
                return FileResult::failure(
                    QCoreApplication::translate(
                        "vx::MatchSetup",
                        "%1 is gelijk aan %2. Elke speler heeft een eigen naam nodig, anders "
                        "schrijven twee spelers in hetzelfde scorebestand.")
                        .arg(RowName(i + 1), RowName(j + 1)));
        }
    }
    *badRow = 0;
    return FileResult::success();
}

FileResult checkDuoPlayers(const QString& name1, const QString& name2, int* badRow) {
    const std::array<const QString*, 2> names = {&name1, &name2};
    for (int i = 0; i < 2; ++i) {
        *badRow = i + 1;
        if (names[i]->trimmed().isEmpty())
            return FileResult::failure(QCoreApplication::translate(
                "vx::MatchSetup", "Naam Speler 1 of/en Speler 2 invullen a.u.b."));
    }
    for (int i = 0; i < 2; ++i) {
        *badRow = i + 1;
        // The name is the text of the player's rows: one that cannot be a line of the file
        // (a pasted line break too) would make every save of the match fail.
        if (!fitsTextLine(*names[i]))
            return FileResult::failure(
                QCoreApplication::translate(
                    "vx::MatchSetup", "%1 bevat een teken dat niet in de scorelijst kan worden bewaard.")
                    .arg(RowName(i + 1)));
    }
    // The statistics and the overview gather a player's rows by name without case, and the
    // winner is told by name: two players of one name could not be told apart.
    *badRow = 2;
    if (name1.compare(name2, Qt::CaseInsensitive) == 0)
        return FileResult::failure(
            QCoreApplication::translate("vx::MatchSetup",
                                        "%1 is gelijk aan %2. Elke speler heeft een eigen naam nodig, anders "
                                        "zijn de twee spelers in de statistieken en het overzicht niet uit "
                                        "elkaar te houden.")
                .arg(RowName(2), RowName(1)));
    *badRow = 0;
    return FileResult::success();
}

} // namespace vx

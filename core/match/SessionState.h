// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window keeps for the whole session beside the match itself: whether the score
// list has changes not on disk, the footer of printed pages, how the team setup opens, the duo
// match's file and the colours of the panels. The dialogs read and set it through the window.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

namespace vx {

// Footer text of every printed page until the user sets another one.
inline const QString kDefaultFooterText = QStringLiteral("Vorlentix - darts score keeper");

// Where the audience scoreboard stands while it is open: the screen by its name, full screen or
// not, and the window's place on the desktop.
struct ScoreboardPlace {
    QString screen;
    bool fullScreen = false;
    QRect geometry;
    bool operator==(const ScoreboardPlace&) const = default;
};

struct SessionState {
    bool scoreListChanged = false;
    QString footerText = kDefaultFooterText;
    // The team setup opens for a new team (true) or for a team already on disk.
    bool newTeamMode = true;
    QString duoFileName;
    QColor screenColor{230, 230, 180};
    QColor dartBoxColor{120, 255, 255};
    // None while the scoreboard is closed.
    std::optional<ScoreboardPlace> scoreboard;
};

} // namespace vx

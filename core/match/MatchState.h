// The match state, held once by the main window and handed to the dialogs that set it up.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace vx {

// Footer text of every printed page until the user sets another one.
inline const QString kDefaultFooterText = QStringLiteral("Vorlentix - darts score keeper");

struct MatchState {
    static constexpr int kMaxPlayers = 10;

    int StartScore = 501;
    int RemainingScore = 0;          // team match: remaining score, lowered dart by dart
    std::array<int, 3> DuoRemaining{}; // index 1 and 2
    std::uint8_t DartNumber = 1;     // slot of the next dart; 4 = turn full
    std::array<QString, kMaxPlayers + 1> PlayerNames{}; // index 1 .. PlayerCount
    int PlayerCount = 1;
    std::uint8_t DuoMatchKind = 1;   // 1 sets, 2 legs
    int SetsToWin = 3;
    int LegsToWin = 3;
    int LegsWon1 = 0;
    int LegsWon2 = 0;
    int SetsWon1 = 0;
    int SetsWon2 = 0;
    bool ScoreListChanged = false;
    QString FooterText = kDefaultFooterText;
    bool NewTeamMode = true;
    QString DuoFileName;
    QColor ScreenColor{230, 230, 180};
    QColor DartBoxColor{120, 255, 255};
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The team setup: a new team (name, number of players, player names, start score) or an
// existing team from the Teams folder, which arms the main window for the first leg on OK.
#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vx {

class MainWindow;
class StyledButton;

class TeamSetupDialog : public QDialog {
    Q_OBJECT
  public:
    // The mode follows main.session.newTeamMode, which the caller sets first.
    explicit TeamSetupDialog(MainWindow& main, QWidget* parent = nullptr);

    QLineEdit* teamNameEdit = nullptr; // team name, new mode
    QComboBox* teamCombo = nullptr;    // existing teams, open mode
    QLabel* teamNameLabel = nullptr;
    QComboBox* playerCountCombo = nullptr; // number of players
    QLabel* playerCountLabel = nullptr;
    std::array<QLineEdit*, 11> playerNameEdits{}; // index 1..10: player names
    std::array<QLabel*, 11> playerNameLabels{};   // index 1..10
    QLabel* startScoreLabel = nullptr;
    QComboBox* startScoreCombo = nullptr; // start score
    StyledButton* cancelButton = nullptr;
    StyledButton* okButton = nullptr;

  private:
    void showPlayerRows();
    void fillTeamList();
    void showTeamPlayers();
    void startMatch();
    // Refuses the input with a message and the focus on the box to correct.
    void refuse(const QString& message, QWidget* box);

    MainWindow& m_main;
    bool m_newTeam;
};

} // namespace vx

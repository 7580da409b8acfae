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
    // The mode follows main.state.NewTeamMode, which the caller sets first.
    explicit TeamSetupDialog(MainWindow& main, QWidget* parent = nullptr);

    QLineEdit* Text2 = nullptr;  // team name, new mode
    QComboBox* Combo2 = nullptr; // existing teams, open mode
    QLabel* Label3 = nullptr;
    QComboBox* Combo1 = nullptr; // number of players
    QLabel* Label2 = nullptr;
    std::array<QLineEdit*, 11> Text1{}; // index 1..10: player names
    std::array<QLabel*, 11> Label1{};   // index 1..10
    QLabel* Label4 = nullptr;
    QComboBox* Combo3 = nullptr; // start score
    StyledButton* CancelKnop = nullptr;
    StyledButton* OkKnop = nullptr;

  private:
    void ShowPlayerRows();
    void FillTeamList();
    void ShowTeamPlayers();
    void OkKnop_Click();
    // Refuses the input with a message and the focus on the box to correct.
    void Refuse(const QString& message, QWidget* box);

    MainWindow& m_main;
    bool m_newTeam;
};

} // namespace vx

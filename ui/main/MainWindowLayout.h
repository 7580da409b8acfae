// Composition of the main window per match type: each routine places, labels and colours one
// group of controls. All five run for either match type; only the visible panel differs.
#pragma once

namespace vx {

class MainWindow;

void ComposeBoard(MainWindow& main);
void ComposeTeamPanel(MainWindow& main);
void ComposeDuoPanel(MainWindow& main);
void ComposeMenuBar(MainWindow& main);
void ComposeListAndHelp(MainWindow& main);

// Shows the panel of the chosen match type and runs the five compositions in order.
void ComposeMainWindow(MainWindow& main, bool duoMatch);

} // namespace vx

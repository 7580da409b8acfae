// Composition of the main window per match type: each routine places, labels and colours one
// group of controls. All five run for either match type; only the visible panel differs.
#pragma once

namespace vx {

class Main;

void ComposeBoard(Main& main);
void ComposeTeamPanel(Main& main);
void ComposeDuoPanel(Main& main);
void ComposeMenuBar(Main& main);
void ComposeListAndHelp(Main& main);

// Shows the panel of the chosen match type and runs the five compositions in order.
void ComposeMainWindow(Main& main, bool duoMatch);

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The score list on screen exported as a CSV file for a spreadsheet, to a file the scorer
// chooses in Qt's save dialog.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vx {

class MainWindow;

// Asks for the name of the CSV file to write; an empty name means the user cancelled.
using CsvFileAsker = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
// Replaces the save dialog (tests); an empty function restores it.
void setCsvFileAsker(CsvFileAsker asker);

// Suggests a file in the home folder named after the duo match, or in a team match after the
// player at the board, then writes the list there; a failure is told in Dutch.
void exportScoreList(MainWindow& main);

} // namespace vx

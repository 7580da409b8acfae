// SPDX-License-Identifier: GPL-3.0-or-later
// The score list on screen, or a table of figures, exported as a CSV file for a spreadsheet, to
// a file the scorer chooses in Qt's save dialog.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
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

// Any other table, asked for and written the same way, the file suggested under `name`.
void exportTable(QWidget* parent, const QString& name, const QStringList& headings,
                 const QList<QStringList>& rows);

} // namespace vx

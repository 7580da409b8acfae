// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ScoreListExport.h"

#include "core/common/Services.h"
#include "core/files/CsvExport.h"
#include "core/files/Settings.h"
#include "ui/main/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vx {

namespace {

CsvFileAsker& asker() {
    static CsvFileAsker function;
    return function;
}

QString askCsvFile(QWidget* parent, const QString& suggestedPath) {
    if (asker()) return asker()(parent, suggestedPath);
    return QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("vx::ScoreListExport", "Exporteren naar CSV"), suggestedPath,
        QCoreApplication::translate("vx::ScoreListExport", "CSV-bestanden (*.csv)"));
}

// The file to write, or nothing when the scorer cancelled.
QString ChosenPath(QWidget* parent, const QString& name) {
    QString path =
        askCsvFile(parent, QDir(startFolder(SavedFile::Csv)).filePath(name + QStringLiteral(".csv")));
    if (path.isEmpty()) return path;
    rememberFolder(SavedFile::Csv, path);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    return path;
}

} // namespace

void setCsvFileAsker(CsvFileAsker function) {
    asker() = std::move(function);
}

void exportScoreList(MainWindow& main) {
    QString name = main.isDuoMatch() ? main.session.duoFileName : main.teamMatch().playerName();
    if (name.isEmpty()) name = QCoreApplication::translate("vx::ScoreListExport", "Scorelijst");
    const QString path = ChosenPath(&main, name);
    if (path.isEmpty()) return;
    if (const FileResult result = exportCsv(main.scoreList, path); !result) showMessage(result.error);
}

void exportTable(QWidget* parent, const QString& name, const QStringList& headings,
                 const QList<QStringList>& rows) {
    const QString path = ChosenPath(parent, name);
    if (path.isEmpty()) return;
    if (const FileResult result = exportCsv(headings, rows, path); !result) showMessage(result.error);
}

} // namespace vx

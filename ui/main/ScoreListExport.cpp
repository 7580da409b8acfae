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

} // namespace

void setCsvFileAsker(CsvFileAsker function) {
    asker() = std::move(function);
}

void exportScoreList(MainWindow& main) {
    QString name = main.isDuoMatch() ? main.session.duoFileName : main.teamMatch().playerName();
    if (name.isEmpty()) name = QCoreApplication::translate("vx::ScoreListExport", "Scorelijst");
    QString path =
        askCsvFile(&main, QDir(startFolder(SavedFile::Csv)).filePath(name + QStringLiteral(".csv")));
    if (path.isEmpty()) return;
    rememberFolder(SavedFile::Csv, path);
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    if (const FileResult result = exportCsv(main.scoreList, path); !result) showMessage(result.error);
}

} // namespace vx

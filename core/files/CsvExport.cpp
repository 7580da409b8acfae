#include "core/files/CsvExport.h"

#include "core/files/TextFile.h"

#include <QDir>

namespace vx {

namespace {

void AppendField(QString& out, const QString& field) {
    const bool quoted =
        field.contains(u';') || field.contains(u'"') || field.contains(u'\r') || field.contains(u'\n');
    if (!quoted) {
        out += field;
        return;
    }
    out += u'"';
    for (const QChar c : field) {
        if (c == u'"') out += u'"';
        out += c;
    }
    out += u'"';
}

template <typename CellOf> void AppendLine(QString& out, CellOf cellOf) {
    for (int column = 0; column < ScoreListModel::kColumns; ++column) {
        if (column > 0) out += u';';
        AppendField(out, cellOf(column));
    }
    out += QStringLiteral("\r\n");
}

} // namespace

QByteArray csvBytes(const ScoreListModel& list) {
    QString text;
    AppendLine(text, [&](int column) { return list.headerText(column); });
    for (int r = 0; r < list.count(); ++r)
        AppendLine(text, [&](int column) { return list.cell(r, column); });
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

FileResult exportCsv(const ScoreListModel& list, const QString& path) {
    QString why;
    if (!writeFileAtomic(path, csvBytes(list), &why))
        return FileResult::failure(QStringLiteral("De scorelijst is niet geëxporteerd naar \"%1\": %2.")
                                       .arg(QDir::toNativeSeparators(path), why));
    return FileResult::success();
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CsvExport.h"

#include "core/files/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

#include <optional>

namespace vx {

namespace {

// Where the decimal separator ('.' or ',') of a number sits, -1 for a whole number; nothing
// for a cell that is not a number: an optional minus, digits, and at most one separator with
// digits on both sides.
std::optional<qsizetype> NumberSeparatorAt(QStringView cell) {
    const qsizetype start = cell.startsWith(u'-') ? 1 : 0;
    qsizetype separator = -1;
    for (qsizetype i = start; i < cell.size(); ++i) {
        const QChar c = cell[i];
        if (c >= u'0' && c <= u'9') continue;
        if ((c != u'.' && c != u',') || separator >= 0 || i == start || i + 1 == cell.size())
            return std::nullopt;
        separator = i;
    }
    if (cell.size() == start) return std::nullopt;
    return separator;
}

// A cell as the spreadsheet should take it. Averages keep the separator of the locale they
// were played under, so a list holds both "55.7" and "55,7"; a spreadsheet reads only the one
// of its own locale as a number (a Dutch one takes "16.7" for a date). Text that starts like
// a formula would be run as one, so it is marked as text; the "-" of an unused cell is no
// formula and stays as it is.
QString SpreadsheetCell(const QString& cell, bool mayBeNumber, const QString& decimalPoint) {
    if (mayBeNumber) {
        if (const std::optional<qsizetype> separator = NumberSeparatorAt(cell)) {
            if (*separator < 0) return cell;
            return cell.left(*separator) + decimalPoint + cell.mid(*separator + 1);
        }
    }
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!cell.isEmpty() && kFormulaStarts.contains(cell[0]) && cell != QStringLiteral("-"))
        return QStringLiteral("'") + cell;
    return cell;
}

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

template <typename CellOf> void AppendLine(QString& out, qsizetype columns, CellOf cellOf) {
    for (qsizetype column = 0; column < columns; ++column) {
        if (column > 0) out += u';';
        AppendField(out, cellOf(column));
    }
    out += QStringLiteral("\r\n");
}

FileResult WriteCsv(const QByteArray& bytes, const QString& path, const char* failure) {
    QString why;
    if (!writeFileAtomic(path, bytes, &why))
        return FileResult::failure(
            QCoreApplication::translate("vx::CsvExport", failure).arg(QDir::toNativeSeparators(path), why));
    return FileResult::success();
}

// The first cell of a row is a name or a time stamp, text even when it looks like a number.
template <typename HeadingOf, typename CellOf>
QByteArray CsvBytes(qsizetype rows, qsizetype columns, HeadingOf headingOf, CellOf cellOf) {
    const QString decimalPoint = QLocale().decimalPoint();
    QString text;
    AppendLine(text, columns,
               [&](qsizetype column) { return SpreadsheetCell(headingOf(column), false, decimalPoint); });
    for (qsizetype r = 0; r < rows; ++r)
        AppendLine(text, columns, [&](qsizetype column) {
            return SpreadsheetCell(cellOf(r, column), column > 0, decimalPoint);
        });
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QByteArray csvBytes(const ScoreListModel& list) {
    return CsvBytes(
        list.count(), ScoreListModel::kColumns,
        [&](qsizetype column) { return list.headerText(int(column)); },
        [&](qsizetype r, qsizetype column) { return list.cell(int(r), int(column)); });
}

QByteArray csvBytes(const QStringList& headings, const QList<QStringList>& rows) {
    return CsvBytes(
        rows.size(), headings.size(), [&](qsizetype column) { return headings[column]; },
        [&](qsizetype r, qsizetype column) { return rows[r].value(column); });
}

FileResult exportCsv(const ScoreListModel& list, const QString& path) {
    return WriteCsv(
        csvBytes(list), path,
        QT_TRANSLATE_NOOP("vx::CsvExport", "De scorelijst is niet geëxporteerd naar \"%1\": %2."));
}

FileResult exportCsv(const QStringList& headings, const QList<QStringList>& rows, const QString& path) {
    return WriteCsv(csvBytes(headings, rows), path,
                    QT_TRANSLATE_NOOP("vx::CsvExport", "De tabel is niet geëxporteerd naar \"%1\": %2."));
}

} // namespace vx

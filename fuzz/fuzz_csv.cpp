// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV export of any score list, read back by a plain reader of the format (";" between
// fields, quoted fields with doubled quotes, CR LF after each line): the same headers and cells,
// save for the mark that keeps a text from running as a formula and the decimal point.
#include "FuzzSupport.h"

#include "core/files/CsvExport.h"

#include <QRegularExpression>
#include <fuzzer/FuzzedDataProvider.h>

using vxfuzz::require;

namespace {

QString Text(FuzzedDataProvider& input) {
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return QString::fromUtf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

// The lines of a CSV text; any text that does not keep to the format fails the run.
QList<QStringList> ReadCsv(const QString& text) {
    QList<QStringList> lines;
    QStringList fields;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text[i] == u'"') {
            for (++i;; ++i) {
                require(i < n, "a quoted field is closed");
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < n && text[i] != u';' && text[i] != u'\r' && text[i] != u'\n') {
                require(text[i] != u'"', "an unquoted field holds no quote");
                field += text[i++];
            }
        }
        fields.append(field);
        field.clear();
        require(i < n, "the last line ends with CR LF");
        if (text[i] == u';') {
            ++i;
            continue;
        }
        require(text.mid(i, 2) == u"\r\n", "a line ends with CR LF");
        i += 2;
        lines.append(fields);
        fields.clear();
    }
    return lines;
}

bool IsNumber(const QString& text) {
    // Anchored to the very end: "$" would also let a number with a line end after it pass.
    static const QRegularExpression kNumber(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]+([.,][0-9]+)?")));
    return kNumber.match(text).hasMatch();
}

bool StartsFormula(const QString& cell) {
    return !cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell[0]) && cell != QStringLiteral("-");
}

// A field as a spreadsheet would meet it: no text that starts a formula, and numbers (outside
// the name column) with the C locale's decimal point the fuzzer runs under.
void RequireSafe(const QString& field, bool mayBeNumber) {
    const bool number = mayBeNumber && IsNumber(field);
    require(!StartsFormula(field) || number, "no field starts a formula");
    require(!number || !field.contains(u','), "a number has the decimal point of the locale");
}

// The field is the cell, marked as text by a leading "'", or with its decimal separator made
// the locale's.
bool ExportedAs(const QString& field, const QString& cell, bool mayBeNumber) {
    if (field == QStringLiteral("'") + cell) return StartsFormula(cell);
    if (field.size() != cell.size()) return false;
    for (qsizetype i = 0; i < cell.size(); ++i)
        if (field[i] != cell[i] && !(mayBeNumber && cell[i] == u',' && field[i] == u'.' && IsNumber(cell)))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    vx::ScoreListModel list;
    list.setFirstHeader(Text(input));
    while (input.remaining_bytes() > 0) {
        vx::ScoreListModel::Row row;
        for (QString& cell : row)
            cell = Text(input);
        list.appendRow(row);
    }

    const QByteArray bytes = vx::csvBytes(list);
    require(bytes.startsWith("\xEF\xBB\xBF"), "the file starts with the byte-order mark");
    const QList<QStringList> lines = ReadCsv(QString::fromUtf8(bytes.mid(3)));
    require(lines.size() == list.count() + 1, "a line of headers and a line per row");
    for (int r = 0; r <= list.count(); ++r) {
        require(lines[r].size() == vx::ScoreListModel::kColumns, "each line holds every column");
        for (int column = 0; column < vx::ScoreListModel::kColumns; ++column) {
            const QString& field = lines[r][column];
            // The first column holds names and time stamps, never numbers; headers neither.
            const bool mayBeNumber = r > 0 && column > 0;
            RequireSafe(field, mayBeNumber);
            require(
                ExportedAs(field, r == 0 ? list.headerText(column) : list.cell(r - 1, column), mayBeNumber),
                "each line reads back with the headers or the row's cells");
        }
    }
    return 0;
}

// The CSV export of any score list, read back by a plain reader of the format (";" between
// fields, quoted fields with doubled quotes, CR LF after each line): the same headers and cells.
#include "FuzzSupport.h"

#include "core/files/CsvExport.h"

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
    for (int column = 0; column < vx::ScoreListModel::kColumns; ++column)
        require(lines[0].size() == vx::ScoreListModel::kColumns &&
                    lines[0][column] == list.headerText(column),
                "the first line holds the headers");
    for (int r = 0; r < list.count(); ++r)
        require(lines[r + 1] == QStringList(list.row(r).begin(), list.row(r).end()),
                "each row reads back with the same cells");
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scorelist/ScoreRows.h"

#include <algorithm>

namespace vx {

ScoreRows::ScoreRows(std::initializer_list<Row> rows) {
    reserve(qsizetype(rows.size()));
    for (const Row& row : rows)
        append(row);
}

ScoreRows::Row ScoreRows::operator[](qsizetype row) const {
    Row out;
    for (int c = 0; c < kColumns; ++c)
        out[c] = cell(row, c).toString();
    return out;
}

void ScoreRows::append(const Row& row) {
    Cells cells;
    std::copy(row.begin(), row.end(), cells.begin());
    append(cells);
}

void ScoreRows::append(const Cells& cells) {
    Span span;
    span.start = m_text.size();
    quint32 end = 0;
    for (int c = 0; c < kColumns; ++c) {
        end += quint32(cells[c].size());
        span.ends[c] = end;
    }
    m_text.resize(span.start + end);
    char16_t* out = m_text.data() + span.start;
    for (const QStringView cell : cells)
        out = std::copy(cell.utf16(), cell.utf16() + cell.size(), out);
    m_rows.append(span);
}

void ScoreRows::setCell(qsizetype row, int column, QStringView text) {
    const QStringView old = cell(row, column);
    if (old.size() == text.size()) {
        const qsizetype at = old.utf16() - m_text.constData();
        std::copy(text.utf16(), text.utf16() + text.size(), m_text.data() + at);
        return;
    }
    // Another length moves every cell after it: the row is written anew at the end.
    Row changed = (*this)[row];
    changed[column] = text.toString();
    m_unused += length(m_rows[row]);
    append(changed);
    m_rows[row] = m_rows.takeLast();
    compactIfWasteful();
}

void ScoreRows::removeAt(qsizetype row) {
    m_unused += length(m_rows[row]);
    m_rows.removeAt(row);
    compactIfWasteful();
}

void ScoreRows::clear() {
    m_text.clear();
    m_rows.clear();
    m_unused = 0;
}

void ScoreRows::reserve(qsizetype rows, qsizetype characters) {
    m_rows.reserve(rows);
    m_text.reserve(characters);
}

bool ScoreRows::operator==(const ScoreRows& other) const {
    if (size() != other.size()) return false;
    for (qsizetype r = 0; r < size(); ++r)
        for (int c = 0; c < kColumns; ++c)
            if (cell(r, c) != other.cell(r, c)) return false;
    return true;
}

// Editing rows one by one leaves their old text behind; once that is most of the buffer, the
// rows still in use are copied together.
void ScoreRows::compactIfWasteful() {
    if (m_unused < 4096 || m_unused * 2 < m_text.size()) return;
    QList<char16_t> text;
    text.reserve(m_text.size() - m_unused);
    for (Span& span : m_rows) {
        const char16_t* from = m_text.constData() + span.start;
        span.start = text.size();
        text.resize(span.start + length(span));
        std::copy(from, from + length(span), text.data() + span.start);
    }
    m_text = std::move(text);
    m_unused = 0;
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of a score list in little memory: the text of every cell lies in one buffer, and a
// row is where its text starts and where each of its 28 cells ends. A list of 100,000 rows is
// then two blocks of memory instead of 2.8 million strings.
//
// Copies are implicitly shared, as a QList is: a snapshot of a whole list (for the recovery
// thread, an overview) costs nothing until one of them changes.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <initializer_list>

namespace vx {

class ScoreRows {
  public:
    static constexpr int kColumns = 28;
    // A row as the rest of the program builds and reads it: 28 separate texts.
    using Row = std::array<QString, kColumns>;
    using Cells = std::array<QStringView, kColumns>;

    ScoreRows() = default;
    ScoreRows(std::initializer_list<Row> rows);

    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // Of all cells together.
    qsizetype characters() const { return m_text.size() - m_unused; }

    // Valid until this list changes.
    QStringView cell(qsizetype row, int column) const {
        const Span& span = m_rows[row];
        const quint32 from = column == 0 ? 0 : span.ends[column - 1];
        return QStringView(m_text.constData() + span.start + from, span.ends[column] - from);
    }
    Row operator[](qsizetype row) const;

    void append(const Row& row);
    void append(const Cells& cells);
    void setCell(qsizetype row, int column, QStringView text);
    void removeAt(qsizetype row);
    void clear();
    void reserve(qsizetype rows, qsizetype characters = 0);

    bool operator==(const ScoreRows& other) const;

    // Walks the rows as Row values, for readers that want whole rows.
    class const_iterator {
      public:
        const_iterator(const ScoreRows* rows, qsizetype at) : m_list(rows), m_at(at) {}
        Row operator*() const { return (*m_list)[m_at]; }
        const_iterator& operator++() {
            ++m_at;
            return *this;
        }
        bool operator!=(const const_iterator& other) const { return m_at != other.m_at; }

      private:
        const ScoreRows* m_list;
        qsizetype m_at;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

  private:
    struct Span {
        qsizetype start = 0;
        std::array<quint32, kColumns> ends{}; // from start, cumulative
    };
    qsizetype length(const Span& span) const { return span.ends[kColumns - 1]; }
    void compactIfWasteful();

    QList<char16_t> m_text;
    QList<Span> m_rows;
    // Characters of m_text that no row refers to any more (edited or removed rows).
    qsizetype m_unused = 0;
};

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/KeyboardEntry.h"

#include <QStringList>

namespace vx {

namespace {

// Every complete entry the scheme knows, upper case. A typed text that is not the beginning of
// one of these is wrong from that character on.
const QStringList& ValidEntries() {
    static const QStringList entries = [] {
        QStringList out;
        for (int n = 0; n <= 20; ++n)
            out << QString::number(n);
        out << QStringLiteral("25") << QStringLiteral("50");
        for (const QChar ring : {u'S', u'E', u'D', u'T'})
            for (int n = 1; n <= 20; ++n)
                out << ring + QString::number(n);
        out << QStringLiteral("S25") << QStringLiteral("E25") << QStringLiteral("D25");
        return out;
    }();
    return entries;
}

bool BeginsAnEntry(const QString& text) {
    for (const QString& entry : ValidEntries())
        if (entry.startsWith(text)) return true;
    return false;
}

} // namespace

std::optional<TypedDart> parseTypedDart(QStringView text) {
    const QString upper = text.toString().toUpper();
    if (!ValidEntries().contains(upper)) return std::nullopt;

    QChar ring = u'S';
    QString number = upper;
    if (!upper.at(0).isDigit()) {
        ring = upper.at(0);
        number = upper.mid(1);
    }
    const int n = number.toInt();
    if (n == 0) return TypedDart{0, QString()};
    if (n == 50) return TypedDart{50, QStringLiteral("B50")};
    if (n == 25) {
        if (ring == u'D') return TypedDart{50, QStringLiteral("B50")};
        return TypedDart{25, QStringLiteral("B25")};
    }
    if (ring == u'D') return TypedDart{2 * n, QStringLiteral("D%1").arg(n)};
    if (ring == u'T') return TypedDart{3 * n, QStringLiteral("T%1").arg(n)};
    return TypedDart{n, QStringLiteral("E%1").arg(n)};
}

KeyboardEntry::Step KeyboardEntry::press(int key, Qt::KeyboardModifiers modifiers, const QString& text,
                                         bool autoRepeat) {
    // Shortcuts and menu keys belong to the window.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};

    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (autoRepeat) return {Action::Nothing, {}};
        return enterTyped(Action::Book);
    case Qt::Key_Space:
        // With nothing typed, Space is the focused button's own key.
        if (!autoRepeat && m_typed.isEmpty()) return {};
        [[fallthrough]];
    case Qt::Key_Plus:
        if (autoRepeat || m_typed.isEmpty()) return {Action::Nothing, {}};
        return enterTyped(Action::EnterDart);
    case Qt::Key_Backspace:
        if (m_typed.isEmpty()) return {Action::Correctie, {}};
        m_typed.chop(1);
        return {Action::Typed, {}};
    case Qt::Key_Escape:
        if (m_typed.isEmpty()) return {Action::Nothing, {}};
        m_typed.clear();
        return {Action::Typed, {}};
    case Qt::Key_Slash:
        return typeCharacter(u'D');
    case Qt::Key_Asterisk:
        return typeCharacter(u'T');
    default:
        break;
    }
    if (text.size() != 1 || !text.at(0).isPrint()) return {};
    return typeCharacter(text.at(0).toUpper());
}

KeyboardEntry::Step KeyboardEntry::typeCharacter(QChar c) {
    // A ring letter typed over a lone ring letter changes the ring: "D" then "T" is "T".
    if (!c.isDigit() && m_typed.size() == 1 && !m_typed.at(0).isDigit() && BeginsAnEntry(QString(c))) {
        m_typed = c;
        return {Action::Typed, {}};
    }
    // A wrong character stays in view, so the scorer sees what was refused; nothing more is
    // taken, and neither Space nor Enter enters it, until it is taken back.
    if (!typedIsValid()) return {Action::Rejected, {}};
    m_typed += c;
    return {typedIsValid() ? Action::Typed : Action::Rejected, {}};
}

bool KeyboardEntry::typedIsValid() const {
    return BeginsAnEntry(m_typed);
}

KeyboardEntry::Step KeyboardEntry::enterTyped(Action onSuccess) {
    if (m_typed.isEmpty()) return {onSuccess, {}};
    const std::optional<TypedDart> dart = parseTypedDart(m_typed);
    // An unfinished or wrong entry ("D", "T25") is kept, so the scorer can put it right.
    if (!dart) return {Action::Rejected, {}};
    m_typed.clear();
    return {onSuccess, dart};
}

} // namespace vx

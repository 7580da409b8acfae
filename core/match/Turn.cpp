// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/match/Turn.h"

#include <QUuid>

namespace vx {

QString newMatchId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

int Turn::sum() const {
    int total = 0;
    for (const Dart& d : m_darts)
        total += d.points;
    return total;
}

QStringList turnTexts(const QList<int>& turns) {
    QStringList texts;
    texts.reserve(turns.size());
    for (int total : turns)
        texts << QString::number(total);
    return texts;
}

} // namespace vx

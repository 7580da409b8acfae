// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/caller/Caller.h"

#include "core/caller/DutchNumbers.h"
#include "core/caller/EnglishNumbers.h"
#include "core/common/Language.h"
#include "core/match/DuoMatch.h"
#include "core/match/TeamLeg.h"

namespace vx {

namespace {

// From a ton upwards a caller raises his voice.
constexpr int kShoutFrom = 100;

QString NumberWords(int n) {
    return uiLanguage() == Language::English ? englishNumber(n) : dutchNumber(n);
}

} // namespace

QLocale::Language callerLanguage() {
    return uiLanguage() == Language::English ? QLocale::English : QLocale::Dutch;
}

QString Caller::scoreCall(int total) {
    if (total == 0) return tr("geen score");
    const QString words = NumberWords(total);
    return total >= kShoutFrom ? words + u'!' : words;
}

Caller::Caller(Speech& speech, QObject* parent) : QObject(parent), m_speech(speech) {}

void Caller::follow(const DuoMatch& match) {
    connect(&match, &DuoMatch::turnBooked, this, [this](int, int total) { booked(total); });
    connect(&match, &DuoMatch::legWon, this, [this, &match](int p) { won(tr("leg"), match.name(p)); });
    connect(&match, &DuoMatch::setWon, this, [this, &match](int p) { won(tr("set"), match.name(p)); });
    connect(&match, &DuoMatch::matchWon, this,
            [this, &match](int p) { won(tr("wedstrijd"), match.name(p)); });
    connect(&match, &DuoMatch::changed, this, [this, &match] {
        const int next = match.atTheThrow();
        if (m_bookedTotal) speakBooking(match.name(next), match.remaining(next), match.checkout(next));
    });
}

void Caller::follow(const TeamLeg& leg) {
    connect(&leg, &TeamLeg::turnBooked, this, &Caller::booked);
    connect(&leg, &TeamLeg::legWon, this, [this] { won(tr("leg"), m_teamPlayer); });
    connect(&leg, &TeamLeg::changed, this, [this, &leg] {
        if (m_bookedTotal) speakBooking(m_teamPlayer, leg.remaining(), leg.checkout());
    });
}

void Caller::booked(int total) {
    m_bookedTotal = total;
    m_gameShot.clear();
}

void Caller::won(const QString& what, const QString& name) {
    // Set and match follow the leg: the last one is the highest.
    m_gameShot = tr("Game shot, en de %1 voor %2").arg(what, name);
}

void Caller::speakBooking(const QString& nextPlayer, int nextRemaining,
                          const std::optional<QString>& nextCheckout) {
    QString call = m_gameShot;
    if (call.isEmpty()) {
        call = scoreCall(*m_bookedTotal);
        if (nextCheckout)
            call = tr("%1%2 %3, u heeft %4 nodig")
                       .arg(call, call.endsWith(u'!') ? QString() : QStringLiteral("."), nextPlayer,
                            NumberWords(nextRemaining));
    }
    m_bookedTotal.reset();
    m_gameShot.clear();
    m_speech.say(call);
}

} // namespace vx

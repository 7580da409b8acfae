// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/HistoryRecorder.h"

#include "core/common/Services.h"
#include "core/match/DuoMatch.h"
#include "core/match/SessionState.h"
#include "core/match/TeamMatch.h"

#include <QCoreApplication>
#include <algorithm>

namespace vx {

namespace {

QList<HistoryDart> Darts(const Turn& turn) {
    QList<HistoryDart> darts;
    for (int slot = 1; slot < turn.nextSlot(); ++slot)
        darts.append({slot, historyDartCode(turn.dart(slot).code), turn.dart(slot).points});
    return darts;
}

} // namespace

HistoryRecorder::HistoryRecorder(const TeamMatch& team, const DuoMatch& duo, const SessionState& session,
                                 const QString& path, QObject* parent)
    : QObject(parent), m_team(team), m_duo(duo), m_session(session), m_path(path) {
    m_thread.reset(QThread::create([this] { run(); }));
    // The history may lag a turn behind; the window may not. Each turn costs the writer more
    // than the window spends showing it, and on a laptop with two cores the writer, the
    // recovery file and the window thread would otherwise share them: the window then showed a
    // booked turn 0.8 ms later. Idle priority runs the writer only on time no one else wants.
    m_thread->start(QThread::IdlePriority);

    connect(&duo, &DuoMatch::legStarted, this, [this](int starter) {
        const int set = m_duo.setup().kind == DuoSetup::Kind::Sets ? m_duo.setsWon(1) + m_duo.setsWon(2) + 1 : 1;
        legStarted(duoMatch(), set, m_duo.name(starter));
    });
    connect(&duo, &DuoMatch::turnBooked, this, [this](int p, int total) {
        turnBooked(m_duo.name(p), int(m_duo.turns(p).size()), total, m_duo.remaining(p) + total, m_duo.bookedTurn());
    });
    connect(&duo, &DuoMatch::turnUndone, this,
            [this](int p, int) { turnUndone(m_duo.name(p), int(m_duo.turns(p).size()) + 1); });
    connect(&duo, &DuoMatch::legWon, this,
            [this](int p) { legWon(m_duo.name(p), int(m_duo.turns(p).size()), m_duo.bookedTurn()); });
    connect(&duo, &DuoMatch::matchWon, this, [this](int p) {
        post([winner = m_duo.name(p)](Writer& w) { return w.store.endMatch(w.match.key, winner); });
    });

    const TeamLeg& leg = team.leg();
    connect(&leg, &TeamLeg::legStarted, this, [this] { legStarted(teamMatch(), 1, m_team.playerName()); });
    connect(&leg, &TeamLeg::turnBooked, this, [this](int total) {
        const TeamLeg& leg = m_team.leg();
        turnBooked(m_team.playerName(), int(leg.turns().size()), total, leg.remainingBeforeTurn() + total,
                   leg.bookedTurn());
    });
    connect(&leg, &TeamLeg::turnUndone, this,
            [this](int) { turnUndone(m_team.playerName(), int(m_team.leg().turns().size()) + 1); });
    connect(&leg, &TeamLeg::legWon, this, [this] {
        legWon(m_team.playerName(), int(m_team.leg().turns().size()), m_team.leg().bookedTurn());
    });
}

HistoryRecorder::~HistoryRecorder() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread->wait();
}

HistoryMatch HistoryRecorder::duoMatch() const {
    const DuoSetup& setup = m_duo.setup();
    return {m_duo.matchId(), setup.kind == DuoSetup::Kind::Sets ? kMatchKindSets : kMatchKindLegs,
            setup.startScore, setup.target, m_session.duoFileName};
}

HistoryMatch HistoryRecorder::teamMatch() const {
    return {m_team.matchId(), kMatchKindTeam, m_team.setup().startScore, 0, m_team.setup().team};
}

void HistoryRecorder::legStarted(const HistoryMatch& match, int set, const QString& starter) {
    m_matchKey = match.key;
    // The leg's number follows the legs the file has: after a resume the thread knows them, the
    // scorer's side does not. A leg gets its row with its first turn.
    post([match, set, starter](Writer& w) {
        w.match = match;
        const std::optional<HistoryStore::LastLeg> last = w.store.lastLeg(match.key);
        w.leg = {last ? last->number + 1 : 1, set, starter};
        return true;
    });
}

void HistoryRecorder::turnBooked(const QString& player, int number, int total, int remainingBefore,
                                 const Turn& darts) {
    post([turn = HistoryTurn{player, number, total, remainingBefore, clock().now(), Darts(darts)}](Writer& w) {
        return w.store.recordTurn(w.match, w.leg, turn);
    });
}

void HistoryRecorder::turnUndone(const QString& player, int number) {
    post([player, number](Writer& w) { return w.store.removeTurn(w.match.key, w.leg.number, player, number); });
}

void HistoryRecorder::legWon(const QString& winner, int turns, const Turn& lastDarts) {
    // The darts of the winner: whole turns before the last, and the darts the last one needed.
    const int darts = Turn::kDarts * (turns - 1) + lastDarts.nextSlot() - 1;
    post([winner, darts, at = clock().now()](Writer& w) {
        return w.store.endLeg(w.match.key, w.leg.number, winner, darts, at);
    });
}

void HistoryRecorder::resumed(bool duo) {
    HistoryMatch match = duo ? duoMatch() : teamMatch();
    m_matchKey = match.key;
    // Each player's turns of the leg as restored, with the remaining score before each.
    struct Booked {
        QString player;
        QList<int> turns;
    };
    QList<Booked> booked;
    QString starter, winner;
    int set = 1;
    if (duo) {
        for (int p = 1; p <= 2; ++p)
            booked.append({m_duo.name(p), m_duo.turns(p)});
        starter = m_duo.name(m_duo.starter());
        if (m_duo.isLegOver()) winner = m_duo.name(m_duo.legWinner());
        if (m_duo.setup().kind == DuoSetup::Kind::Sets) {
            set = m_duo.setsWon(1) + m_duo.setsWon(2) + 1;
            // The leg that just won a set belongs to that set.
            if (m_duo.isLegOver() && m_duo.legsWon(m_duo.legWinner()) == 0) --set;
        }
    } else {
        booked.append({m_team.playerName(), m_team.leg().turns()});
        starter = m_team.playerName();
        if (m_team.leg().isWon()) winner = starter;
    }
    const bool matchOver = duo && m_duo.isMatchOver();
    const QDateTime at = clock().now();
    post([match, booked, starter, winner, set, matchOver, at](Writer& w) {
        w.match = match;
        const std::optional<HistoryStore::LastLeg> last = w.store.lastLeg(match.key);
        // The leg in the file is the leg restored when it was not finished there, or when the
        // restored one is finished (its end may not have reached the file). A team evening's
        // new leg without a turn has no row yet: the last row is an earlier leg.
        const bool hasTurns = std::any_of(booked.begin(), booked.end(), [](const Booked& b) { return !b.turns.isEmpty(); });
        const bool same = last && hasTurns && (!last->ended || !winner.isEmpty()) &&
                          last->starter.compare(starter, Qt::CaseInsensitive) == 0;
        w.leg = {same ? last->number : last ? last->number + 1 : 1, set, starter};
        for (const Booked& b : booked) {
            int remaining = match.startScore;
            for (int i = 0; i < b.turns.size(); ++i) {
                if (!w.store.recordTurn(match, w.leg, {b.player, i + 1, b.turns[i], remaining, at, std::nullopt}))
                    return false;
                remaining -= b.turns[i];
            }
            if (!w.store.keepTurns(match.key, w.leg.number, b.player, int(b.turns.size()))) return false;
        }
        if (!winner.isEmpty() && !(same && last->ended)) {
            const auto won = std::find_if(booked.begin(), booked.end(),
                                          [&](const Booked& b) { return b.player == winner; });
            if (!w.store.endLeg(match.key, w.leg.number, winner, Turn::kDarts * int(won->turns.size()), at))
                return false;
        }
        return !matchOver || w.store.endMatch(match.key, winner);
    });
}

void HistoryRecorder::post(Job job) {
    {
        std::lock_guard lock(m_mutex);
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void HistoryRecorder::flush() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void HistoryRecorder::tell(const QString& why) {
    // Through the event loop of the recorder's own thread: a file that cannot be opened is
    // known before whoever made the recorder has had the time to listen.
    if (!m_told.exchange(true))
        QMetaObject::invokeMethod(
            this, [this, why] { emit failed(why); }, Qt::QueuedConnection);
}

void HistoryRecorder::run() {
    Writer writer(m_path);
    const auto tr = [](const char* text) { return QCoreApplication::translate("vx::HistoryRecorder", text); };
    // A history that cannot be opened stays off for the run; the jobs are taken and dropped.
    const bool on = writer.store.open(HistoryStore::Check::WholeAfterCrash);
    if (!on)
        tell(tr("De historie \"%1\" kan niet worden geopend: %2. Het spel gaat door zonder historie.")
                 .arg(m_path, writer.store.error()));
    else if (!writer.store.setAsidePath().isEmpty())
        tell(tr("De historie \"%1\" was beschadigd en is bewaard als \"%2\"; er is een nieuwe historie begonnen.")
                 .arg(m_path, writer.store.setAsidePath()));
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_jobs.empty()) break; // stopping, and everything written
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        // A failed write is told, and the next one tries again: a disk that was full may not be.
        if (on && !job(writer))
            tell(tr("De historie \"%1\" kan niet worden bijgewerkt: %2. Het spel gaat door.")
                     .arg(m_path, writer.store.error()));
        lock.lock();
        m_busy = false;
        if (m_jobs.empty()) m_idle.notify_all();
    }
}

} // namespace vx

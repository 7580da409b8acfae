// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/ClubSender.h"

#include "core/history/ClubFetch.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <optional>
#include <sys/stat.h>
#include <utility>

namespace vx {

QString clubStatusText(const ClubStatus& status) {
    const QString waiting =
        status.waiting == 1
            ? QCoreApplication::translate("vx::ClubSender", "1 beurt wacht")
            : QCoreApplication::translate("vx::ClubSender", "%1 beurten wachten").arg(status.waiting);
    if (!status.reachable)
        return status.waiting == 0
                   ? QCoreApplication::translate("vx::ClubSender", "Clubserver: niet bereikbaar")
                   : QCoreApplication::translate("vx::ClubSender", "Clubserver: niet bereikbaar — %1")
                         .arg(waiting);
    return status.waiting == 0
               ? QCoreApplication::translate("vx::ClubSender", "Clubserver: bijgewerkt")
               : QCoreApplication::translate("vx::ClubSender", "Clubserver: verbonden — %1").arg(waiting);
}

QString clubSourceText(bool reachable, const QDateTime& fetched, const QDate& today) {
    const QString at = fetched.toString(fetched.date() == today ? QStringLiteral("HH:mm")
                                                                : QStringLiteral("dd-MM-yyyy HH:mm"));
    if (!fetched.isValid())
        return reachable ? QCoreApplication::translate("vx::ClubSender", "Alle borden: worden opgehaald")
                         : QCoreApplication::translate("vx::ClubSender",
                                                       "Clubserver niet bereikbaar: alleen dit bord");
    return reachable ? QCoreApplication::translate("vx::ClubSender", "Alle borden, bijgewerkt om %1").arg(at)
                     : QCoreApplication::translate(
                           "vx::ClubSender", "Clubserver niet bereikbaar: alleen wat om %1 is opgehaald")
                           .arg(at);
}

ClubSender::ClubSender(ClubSettings settings, const QString& historyPath, ClubTiming timing, QObject* parent)
    : QObject(parent), m_settings(std::move(settings)), m_path(historyPath), m_timing(timing) {
    qRegisterMetaType<vx::ClubStatus>();
    m_thread.reset(QThread::create([this] { run(); }));
    // Like the history's own writer: never at the cost of the window thread during play.
    m_thread->start(QThread::IdlePriority);
}

ClubSender::~ClubSender() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread->wait();
}

bool ClubSender::pause(int ms) {
    std::unique_lock lock(m_mutex);
    m_wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stopping; });
    return !m_stopping;
}

void ClubSender::report(const ClubStatus& status) {
    if (m_reported && status == m_last) return;
    m_reported = true;
    m_last = status;
    emit statusChanged(status);
}

namespace {

// Which file a name stands for: the recorder sets a damaged history aside and starts a new one
// under the same name.
std::pair<dev_t, ino_t> FileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return {};
    return {info.st_dev, info.st_ino};
}

} // namespace

void ClubSender::run() {
    std::optional<ClubOutbox> outbox;
    std::optional<ClubFetch> fetch;
    std::pair<dev_t, ino_t> opened;
    ClubServer server(m_settings);
    int retry = m_timing.firstRetryMs;
    // After a failure: the next attempt waits longer, up to the limit.
    const auto backOff = [&] {
        const int wait = retry;
        retry = std::min(retry * 2, m_timing.lastRetryMs);
        return pause(wait);
    };
    for (;;) {
        {
            std::lock_guard lock(m_mutex);
            if (m_stopping) break;
        }
        // Connections to a file set aside would go on reading what nobody writes any more.
        if (const auto now = FileIdentity(m_path); !outbox || now != opened) {
            fetch.reset();
            outbox.reset();
            outbox.emplace(m_path);
            fetch.emplace(m_path);
            opened = now;
        }
        // The recorder opens (and migrates) the file; until it has, there is nothing to send.
        if (!outbox->open()) {
            if (!backOff()) break;
            continue;
        }
        if (!server.isConnected() && !server.connect()) {
            report({false, outbox->waiting().value_or(m_last.waiting), server.error()});
            if (!backOff()) break;
            continue;
        }
        std::optional<ClubBatch> batch = outbox->next(m_timing.batch);
        if (!batch) {
            if (!backOff()) break;
            continue;
        }
        if (!batch->isEmpty() && !server.send(*batch)) {
            // Whatever broke, a new connection starts clean; what was sent counts once anyway.
            server.disconnect();
            report({false, outbox->waiting().value_or(m_last.waiting), server.error()});
            if (!backOff()) break;
            continue;
        }
        if (!batch->isEmpty() && !outbox->markSent(*batch)) {
            if (!backOff()) break;
            continue;
        }
        // The other boards' play comes in once this board's own has gone out.
        if (!fetch->open() || !fetch->fetch(server, m_timing.batch)) {
            server.disconnect();
            report({false, outbox->waiting().value_or(m_last.waiting), fetch->error()});
            if (!backOff()) break;
            continue;
        }
        retry = m_timing.firstRetryMs;
        report({true, outbox->waiting().value_or(m_last.waiting), {}});
        const bool moved =
            !batch->turns.isEmpty() || !batch->gone.isEmpty() ||
            std::any_of(batch->ends.cbegin(), batch->ends.cend(), [](const ClubEnd& e) { return e.applied; });
        if (!moved && !pause(m_timing.pollMs)) break;
    }
}

} // namespace vx

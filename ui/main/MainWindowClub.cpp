// SPDX-License-Identifier: GPL-3.0-or-later
// The club server on the main window: its sender, started and stopped as the settings say, and
// the status line that tells the scorer how far the server is behind.
#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "core/history/ClubSender.h"
#include "ui/main/MainWindow.h"

#include <QLabel>
#include <QStatusBar>
#include <utility>

namespace vx {

void MainWindow::setHistoryPlace(const HistoryPlace& place) {
    // Stops after the send under way; what it had not sent waits in the file.
    delete m_club;
    m_club = nullptr;
    m_clubReachable = false;
    if (!place.club) {
        if (m_clubStatus) {
            // The status line was added below the stage: the window gives its height back.
            const int line = statusBar()->height();
            setStatusBar(nullptr);
            m_clubStatus = nullptr;
            resize(width(), height() - line);
        }
        return;
    }
    if (!m_clubStatus) {
        m_clubStatus = new QLabel(this);
        m_clubStatus->setObjectName(QStringLiteral("ClubStatus"));
        statusBar()->addWidget(m_clubStatus, 1);
        resize(width(), height() + statusBar()->sizeHint().height());
    }
    m_clubStatus->setText(clubStatusText({false, 0, {}}));
    m_club = new ClubSender(place.server, historyFilePath(), ClubTiming(), this);
    connect(m_club, &ClubSender::statusChanged, this, [this, first = true](const ClubStatus& status) mutable {
        m_clubReachable = status.reachable;
        m_clubStatus->setText(clubStatusText(status));
        m_clubStatus->setToolTip(status.why);
        // Not reached at the first try, a server just chosen is most likely set up wrongly (a
        // password, a name, a newer program on another board): told once. An outage later in
        // the evening only shows in the status line; play is not interrupted for it.
        if (!status.reachable && std::exchange(first, false)) showMessage(status.why);
        first = false;
    });
}

std::optional<bool> MainWindow::clubReachable() const {
    return m_club ? std::optional(m_clubReachable) : std::nullopt;
}

} // namespace vx

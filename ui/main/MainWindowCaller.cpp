// SPDX-License-Identifier: GPL-3.0-or-later
// The caller on the main window: switched on and off from the Tools menu and the settings
// dialog, and kept between runs.
#include "core/caller/Caller.h"
#include "core/common/Services.h"
#include "core/files/Settings.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TextSpeech.h"

namespace vx {

std::function<std::unique_ptr<Speech>()> MainWindow::makeSpeech;

// At start-up only what costs nothing is asked (is an engine installed at all); the engine
// itself is made, on its own thread, when the caller is switched on.
void MainWindow::connectCaller() {
    connect(m_menus, &MainMenus::callerChosen, this, &MainWindow::setCallerOn);
    connect(&m_team, &TeamMatch::playerChanged, this, [this] {
        if (m_caller) m_caller->setTeamPlayer(m_team.playerName());
    });
    if (!makeSpeech) m_callerUnavailable = TextSpeech::missingEngine();
    if (!m_callerUnavailable.isEmpty())
        m_menus->disableCaller(m_callerUnavailable);
    else if (readCallerOn())
        switchCaller(true);
}

Speech& MainWindow::speech() {
    if (!m_speech) {
        m_speech = makeSpeech ? makeSpeech() : std::make_unique<TextSpeech>();
        m_speech->whenUnavailable([this](const QString& why) { loseCaller(why); });
    }
    return *m_speech;
}

void MainWindow::setCallerOn(bool on) {
    if (on && !m_callerUnavailable.isEmpty()) {
        m_menus->disableCaller(m_callerUnavailable);
        return;
    }
    switchCaller(on);
    // The caller stays as switched for this run; only the next start does not know.
    if (QString why; !writeCallerOn(on, &why)) showMessage(why);
}

// The engine turned out unable to speak: the caller is off for the rest of this run, and the
// menu says why. The choice kept for the next run stays: the engine may work then.
void MainWindow::loseCaller(const QString& why) {
    m_callerUnavailable = why;
    switchCaller(false);
    m_menus->disableCaller(why);
    emit callerLost(why);
}

void MainWindow::switchCaller(bool on) {
    m_menus->setCallerChecked(on);
    if (on == isCallerOn()) return;
    if (!on) {
        delete m_caller;
        m_caller = nullptr;
        return;
    }
    m_caller = new Caller(speech(), this);
    m_caller->follow(m_duo);
    m_caller->follow(m_team.leg());
    m_caller->setTeamPlayer(m_team.playerName());
}

} // namespace vx

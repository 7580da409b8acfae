// The caller on the main window: switched on and off from the Tools menu and the settings
// dialog, and kept between runs.
#include "core/caller/Caller.h"
#include "core/files/Settings.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TextSpeech.h"

namespace vx {

std::function<std::unique_ptr<Speech>()> MainWindow::makeSpeech;

// At start-up only what costs nothing is asked (is an engine installed at all); the engine
// itself is made when the caller is switched on or makes its first call.
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
        if (makeSpeech) {
            m_speech = makeSpeech();
        } else {
            auto voice = std::make_unique<TextSpeech>(); // no engine yet
            m_voice = voice.get();
            m_speech = std::move(voice);
        }
    }
    return *m_speech;
}

void MainWindow::setCallerOn(bool on) {
    if (on) speech();
    // Switched on by hand: now is the time to make the engine and find its voice.
    if (on && m_voice && m_callerUnavailable.isEmpty()) m_callerUnavailable = m_voice->unavailable();
    if (on && !m_callerUnavailable.isEmpty()) {
        m_menus->disableCaller(m_callerUnavailable);
        return;
    }
    switchCaller(on);
    writeCallerOn(on);
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

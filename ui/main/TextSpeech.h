// SPDX-License-Identifier: GPL-3.0-or-later
// The caller's voice: the desktop's speech engine through Qt, in Dutch when it has a Dutch
// voice. Making the engine connects to the speech server, which can take long or never answer
// at all; so the engine is made and used on a thread of its own, and neither switching the
// caller on, nor a call, nor closing the program waits for it.
#pragma once

#include "core/caller/Caller.h"

#include <QObject>
#include <QString>

class QThread;

namespace vx {

class SpeechWorker;

class TextSpeech final : public Speech {
  public:
    // Starts making the engine on its thread; an engine that turns out to have failed or to
    // have no voice is told through whenUnavailable().
    TextSpeech();
    ~TextSpeech() override;

    // Why nothing can be heard because no speech engine is installed, in Dutch; asked without
    // making one. Empty when there is an engine.
    static QString missingEngine();

    // Handed to the engine's thread; a call still waiting there or being spoken is replaced.
    void say(const QString& text) override;

  private:
    QThread* m_thread;
    SpeechWorker* m_worker; // lives on m_thread
    QObject m_receiver;     // takes the engine's reports on this thread
};

} // namespace vx

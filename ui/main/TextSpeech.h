// The caller's voice: the desktop's speech engine through Qt, in Dutch when it has a Dutch
// voice. The engine is made at the first call or question, never at start-up, so a slow or
// missing speech service costs the start nothing.
#pragma once

#include "core/caller/Caller.h"

#include <QString>
#include <memory>
#include <optional>

class QTextToSpeech;

namespace vx {

class TextSpeech final : public Speech {
  public:
    TextSpeech();
    ~TextSpeech() override;

    // Why nothing can be heard, in Dutch: no speech engine installed (asked without making
    // one), or the engine failed or has no voice. Empty when calls can be heard.
    static QString missingEngine();
    QString unavailable();

    // The engine speaks on its own; a call still being spoken is stopped first.
    void say(const QString& text) override;

  private:
    QTextToSpeech* engine();

    std::unique_ptr<QTextToSpeech> m_engine;
    std::optional<QString> m_unavailable; // asked once: the answer does not change while running
};

} // namespace vx

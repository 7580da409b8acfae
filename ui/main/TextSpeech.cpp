#include "ui/main/TextSpeech.h"

#include <QLocale>
#include <QTextToSpeech>

namespace vx {

TextSpeech::TextSpeech() = default;
TextSpeech::~TextSpeech() = default;

QString TextSpeech::missingEngine() {
    return QTextToSpeech::availableEngines().isEmpty()
               ? QStringLiteral("Er is geen spraakengine geïnstalleerd (qt6-speech-speechd-plugin).")
               : QString();
}

QTextToSpeech* TextSpeech::engine() {
    if (!m_engine) {
        m_engine = std::make_unique<QTextToSpeech>();
        for (const QLocale& locale : m_engine->availableLocales())
            if (locale.language() == QLocale::Dutch) {
                m_engine->setLocale(locale);
                break;
            }
    }
    return m_engine.get();
}

QString TextSpeech::unavailable() {
    if (!m_unavailable) {
        m_unavailable = missingEngine();
        if (m_unavailable->isEmpty()) {
            QTextToSpeech* tts = engine();
            if (tts->state() == QTextToSpeech::Error)
                m_unavailable =
                    QStringLiteral("De spraakengine werkt niet (is speech-dispatcher geïnstalleerd?).");
            else if (tts->availableVoices().isEmpty())
                m_unavailable =
                    QStringLiteral("De spraakengine heeft geen stem (speech-dispatcher-espeak-ng).");
        }
    }
    return *m_unavailable;
}

void TextSpeech::say(const QString& text) {
    if (!unavailable().isEmpty()) return;
    m_engine->stop();
    m_engine->say(text);
}

} // namespace vx

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/TextSpeech.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <memory>
#include <mutex>
#include <optional>

namespace vx {

namespace {

// How long closing waits for the speech thread. One still stuck in the speech server after
// that is left behind: the program must close anyway.
constexpr int kCloseWaitMs = 500;

} // namespace

// The engine and everything done with it, on the speech thread. Calls that come in faster
// than the thread takes them (it may still be waiting for the server) replace one another:
// only the newest is spoken.
class SpeechWorker : public QObject {
    Q_OBJECT
  public:
    void post(const QString& text) {
        std::lock_guard lock(m_mutex);
        const bool posted = m_next.has_value();
        m_next = text;
        if (!posted) QMetaObject::invokeMethod(this, &SpeechWorker::speakNext, Qt::QueuedConnection);
    }
    // A call not yet taken is not spoken any more.
    void drop() {
        std::lock_guard lock(m_mutex);
        m_next.reset();
    }

    void makeEngine() {
        m_engine = std::make_unique<QTextToSpeech>();
        for (const QLocale& locale : m_engine->availableLocales())
            if (locale.language() == callerLanguage()) {
                m_engine->setLocale(locale);
                break;
            }
        QString why;
        if (m_engine->state() == QTextToSpeech::Error)
            why = QCoreApplication::translate(
                "vx::TextSpeech", "De spraakengine werkt niet (is speech-dispatcher geïnstalleerd?).");
        else if (m_engine->availableVoices().isEmpty())
            why = QCoreApplication::translate(
                "vx::TextSpeech", "De spraakengine heeft geen stem (speech-dispatcher-espeak-ng).");
        if (why.isEmpty()) return;
        m_engine.reset();
        emit unavailable(why);
    }

  signals:
    void unavailable(const QString& why);

  private:
    void speakNext() {
        std::optional<QString> text;
        {
            std::lock_guard lock(m_mutex);
            text.swap(m_next);
        }
        if (!text || !m_engine) return;
        m_engine->stop();
        m_engine->say(*text);
    }

    std::mutex m_mutex;
    std::optional<QString> m_next;           // guarded by m_mutex
    std::unique_ptr<QTextToSpeech> m_engine; // none while being made or when it cannot speak
};

TextSpeech::TextSpeech() : m_thread(new QThread), m_worker(new SpeechWorker) {
    m_thread->setObjectName(QStringLiteral("Caller speech"));
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(m_worker, &SpeechWorker::unavailable, &m_receiver,
                     [this](const QString& why) { tellUnavailable(why); });
    m_thread->start();
    QMetaObject::invokeMethod(m_worker, &SpeechWorker::makeEngine, Qt::QueuedConnection);
}

TextSpeech::~TextSpeech() {
    m_worker->drop();
    m_thread->quit();
    if (m_thread->wait(QDeadlineTimer(kCloseWaitMs))) {
        delete m_thread;
        return;
    }
    // Still waiting for the speech server. Destroying a running QThread aborts the program, so
    // the thread and its worker are left to the end of the process, or to clean up after
    // themselves should the server answer after all.
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
}

QString TextSpeech::missingEngine() {
    return QTextToSpeech::availableEngines().isEmpty()
               ? QCoreApplication::translate(
                     "vx::TextSpeech", "Er is geen spraakengine geïnstalleerd (qt6-speech-speechd-plugin).")
               : QString();
}

void TextSpeech::say(const QString& text) {
    m_worker->post(text);
}

} // namespace vx

#include "TextSpeech.moc"

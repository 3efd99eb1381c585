#include "windows/speechplayer.h"

#include "speech/synthesizer.h"

#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace quillora {

SpeechPlayer::SpeechPlayer(QObject *parent, SayFunction say)
    : QObject(parent)
    , m_say(std::move(say))
{
    if (!m_say)
        m_say = [](const std::string &text) { return speech::say(text); };
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &SpeechPlayer::onSaid);
}

// The watcher lets go of the future; the worker keeps what it needs and finishes on its own.
SpeechPlayer::~SpeechPlayer() = default;

bool SpeechPlayer::say(const QString &text)
{
    if (m_saying)
        return false;
    m_saying = true;
    m_text = text;
    // The worker owns the promise and a copy of the say function: nothing that the player owns.
    auto promise = std::make_shared<QPromise<speech::Status>>();
    m_watcher.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, say = m_say, utf8 = text.toStdString()] {
        promise->start();
        promise->addResult(say(utf8));
        promise->finish();
    });
    return true;
}

void SpeechPlayer::onSaid()
{
    const QFuture<speech::Status> future = m_watcher.future();
    const speech::Status status = future.resultCount() > 0
        ? future.result()
        : speech::Status{speech::Error::SynthesisFailed, "The speech was not started."};
    m_saying = false;
    emit finished(m_text, QString::fromStdString(speech::messageForUser(status)));
}

} // namespace quillora

#pragma once

#include "speech/status.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace quillora {

/// Says Hawaiian forms aloud on a worker thread, one at a time, so that the window answers while
/// a form is being said.
///
/// Speech blocks for as long as synthesis and playback take, so it runs on Qt's global thread
/// pool. The player may be destroyed while a form is still being said: the form is said to the
/// end and its result is dropped. The application object waits for the pool when it is
/// destroyed, so the program ends once the form has been said, never in the middle of espeak-ng.
class SpeechPlayer final : public QObject
{
    Q_OBJECT

public:
    /// Says a UTF-8 text and returns when it has been said or has failed. It runs on a worker
    /// thread and must touch nothing of the window.
    using SayFunction = std::function<speech::Status(const std::string &text)>;

    /// A player that says through `say`; by default speech::say() with espeak-ng's Hawaiian voice
    /// on the default audio device.
    explicit SpeechPlayer(QObject *parent = nullptr, SayFunction say = {});
    ~SpeechPlayer() override;

    /// True from say() until finished() of that form.
    bool isSaying() const { return m_saying; }

    /// Starts saying `text` and returns at once; finished() follows. While another form is being
    /// said, nothing is started and the result is false.
    bool say(const QString &text);

signals:
    /// The form has been said (`error` empty) or could not be, `error` telling why in a sentence
    /// for the user.
    void finished(const QString &text, const QString &error);

private:
    void onSaid();

    SayFunction m_say;
    QFutureWatcher<speech::Status> m_watcher;
    QString m_text;
    bool m_saying = false;
};

} // namespace quillora

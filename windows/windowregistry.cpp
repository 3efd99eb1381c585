#include "windows/windowregistry.h"

#include <QEvent>

#include <utility>

namespace quillora {

namespace {

// Takes a window off the list when it is closed. None of the program's windows refuses to close,
// so the close event is the moment the window stops being open, even while its deletion waits.
class CloseWatcher final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            WindowRegistry::remove(qobject_cast<QWidget *>(watched));
        return false;
    }
};

CloseWatcher *closeWatcher()
{
    static CloseWatcher watcher;
    return &watcher;
}

} // namespace

QList<QPointer<QWidget>> &WindowRegistry::windows()
{
    static QList<QPointer<QWidget>> list;
    return list;
}

void WindowRegistry::add(QWidget *window)
{
    windows().append(window);
    window->installEventFilter(closeWatcher());
}

void WindowRegistry::remove(QWidget *window)
{
    windows().removeIf([window](const QPointer<QWidget> &entry) {
        return entry.isNull() || entry.data() == window;
    });
}

void WindowRegistry::releaseAll()
{
    const QList<QPointer<QWidget>> open = std::exchange(windows(), {});
    for (const QPointer<QWidget> &window : open)
        delete window.data();
}

} // namespace quillora

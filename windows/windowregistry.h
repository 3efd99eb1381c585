#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace quillora {

/// The program's list of open windows. A window is in it from its construction until it is
/// closed, so the single-instance accessors find "the open window of a class" here, and a
/// request after a close builds a fresh window.
class WindowRegistry final
{
public:
    /// Puts the window on the list; it leaves the list when it is closed or deleted.
    static void add(QWidget *window);
    static void remove(QWidget *window);

    /// The open window of class T, or nullptr.
    template <typename T>
    static T *find()
    {
        for (const QPointer<QWidget> &window : windows()) {
            if (auto *match = qobject_cast<T *>(window.data()))
                return match;
        }
        return nullptr;
    }

    /// Finalisation: deletes the windows that are still open.
    static void releaseAll();

private:
    static QList<QPointer<QWidget>> &windows();
};

} // namespace quillora

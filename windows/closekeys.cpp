#include "windows/closekeys.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

namespace quillora {

void closeOnEscapeAndCloseKeys(QWidget *window)
{
    auto *close = new QAction(window);
    close->setObjectName(QStringLiteral("closeWindow"));
    QList<QKeySequence> keys{QKeySequence(Qt::Key_Escape)};
    keys += QKeySequence::keyBindings(QKeySequence::Close);
    close->setShortcuts(keys);
    close->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(close, &QAction::triggered, window, &QWidget::close);
    window->addAction(close);
}

} // namespace quillora

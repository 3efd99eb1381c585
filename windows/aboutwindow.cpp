#include "windows/aboutwindow.h"
#include "windows/windowregistry.h"

AboutWindow::AboutWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    quillora::WindowRegistry::add(this);
}

AboutWindow *AboutWindow::instance()
{
    if (auto *open = quillora::WindowRegistry::find<AboutWindow>())
        return open;
    return new AboutWindow;
}

void AboutWindow::Show(bool)
{
    show();
}

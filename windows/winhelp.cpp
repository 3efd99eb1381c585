#include "windows/winhelp.h"
#include "windows/windowregistry.h"

winHelp::winHelp()
{
    setAttribute(Qt::WA_DeleteOnClose);
    quillora::WindowRegistry::add(this);
    show();
}

winHelp *winHelp::instance()
{
    if (auto *open = quillora::WindowRegistry::find<winHelp>())
        return open;
    return new winHelp;
}

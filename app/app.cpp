#include "app/app.h"

#include "windows/aboutwindow.h"
#include "windows/buildversion.h"
#include "windows/winhelp.h"

namespace quillora {

App::App(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Quillora"));
    setApplicationDisplayName(QStringLiteral("Quillora"));
    setApplicationVersion(QString::fromLatin1(kBuildVersionNumber));
    setOrganizationName(QStringLiteral("Quillora"));
    setDesktopFileName(QStringLiteral("org.quillora.Quillora"));
}

App::~App() = default;

App *App::instance()
{
    return qobject_cast<App *>(QCoreApplication::instance());
}

void App::Event_Open()
{
    setQuitOnLastWindowClosed(true);
}

bool App::_HelpAbout_Action()
{
    AboutWindow::instance()->Show(true);
    return false;
}

bool App::_HelpHelp_Action()
{
    winHelp *help = winHelp::instance();
    help->show();
    help->raise();
    help->activateWindow();
    return false;
}

} // namespace quillora

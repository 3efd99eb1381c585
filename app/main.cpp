// Quillora: finds the Hawaiian forms of English first names.

#include "app/app.h"
#include "engine/names.h"
#include "windows/menubar1.h"
#include "windows/pictures.h"
#include "windows/window1.h"
#include "windows/windowregistry.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would stop with a message about platform plugins; say what is wrong.
bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs(
            "quillora: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
            "Quillora is a desktop application: start it from a desktop session, or under a\n"
            "virtual display with  xvfb-run -a quillora.\n"
            "For a search without a display, use  quillora-lookup NAME.\n",
            stderr);
        return EXIT_FAILURE;
    }

    using namespace quillora;
    int status = 0;
    {
        App app(argc, argv);
        app.setWindowIcon(pictures::applicationIcon());
        // The application answers Help and About; the menu bar finds the handlers by item name.
        MenuBar1 *menuBar = MenuBar1::instance();
        menuBar->addMenuHandler(
            QStringLiteral("HelpAbout"), [&app] { return app._HelpAbout_Action(); });
        menuBar->addMenuHandler(
            QStringLiteral("HelpHelp"), [&app] { return app._HelpHelp_Action(); });
        app.Event_Open();
        Window1::instance()->show();

        status = App::exec();

        // Finalisation: the caches, then the windows still open, then the menu bar.
        names::release();
        pictures::release();
        WindowRegistry::releaseAll();
        MenuBar1::release();
    }
    return status;
}

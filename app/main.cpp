// Quillora: finds the Hawaiian forms of English first names.

#include "app/app.h"
#include "engine/names.h"
#include "windows/menubar1.h"
#include "windows/pictures.h"
#include "windows/window1.h"
#include "windows/windowregistry.h"

#include <QStringList>
#include <QThreadPool>

#include <cstdio>
#include <cstdlib>
#include <optional>

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

// The displays that the environment names, as "DISPLAY=:1", for the message when none opens.
QString namedDisplays()
{
    QStringList named;
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            named << QString::fromLatin1(variable) + u'=' + QString::fromLocal8Bit(value);
    }
    return named.join(QStringLiteral(", "));
}

// While the application object connects to the display, Qt's notices are held back. When the
// display cannot be opened, Qt ends the start with a fatal error that advises reinstalling the
// application; the program says instead which display failed, shows Qt's notices as the details,
// and exits with status 1. Once the display is open, the notices go out as usual.
class DisplayStartGuard final
{
public:
    DisplayStartGuard() { s_previous = qInstallMessageHandler(&DisplayStartGuard::handle); }
    ~DisplayStartGuard()
    {
        qInstallMessageHandler(s_previous);
        for (const Held &held : std::exchange(s_held, {}))
            s_previous(held.type, QMessageLogContext(), held.text);
    }
    DisplayStartGuard(const DisplayStartGuard &) = delete;
    DisplayStartGuard &operator=(const DisplayStartGuard &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        const QString category = QString::fromLatin1(context.category ? context.category : "");
        const QString text = category.isEmpty() || category == QLatin1String("default")
            ? message
            : category + QStringLiteral(": ") + message;
        if (type != QtFatalMsg) {
            s_held.append({type, text});
            return;
        }
        std::fprintf(
            stderr, "quillora: cannot open the display (%s).\n", qPrintable(namedDisplays()));
        for (const Held &held : s_held)
            std::fprintf(stderr, "  %s\n", qPrintable(held.text));
        std::fflush(stderr);
        // Nothing of the program exists yet that would need its destructors.
        std::_Exit(EXIT_FAILURE);
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QList<Held> s_held;
};

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
        std::optional<DisplayStartGuard> startGuard(std::in_place);
        App app(argc, argv);
        startGuard.reset();

        app.setWindowIcon(pictures::applicationIcon());
        // The application answers Help and About; the menu bar finds the handlers by item name.
        MenuBar1 *menuBar = MenuBar1::instance();
        menuBar->addMenuHandler(
            QStringLiteral("HelpAbout"), [&app] { return app._HelpAbout_Action(); });
        menuBar->addMenuHandler(
            QStringLiteral("HelpHelp"), [&app] { return app._HelpHelp_Action(); });
        app.Event_Open();
        Window1::instance()->show();

        // When the display goes away while the program runs, Qt ends the process with exit
        // status 1; nothing that exit() destroys may still hold windows or menus.
        status = App::exec();

        // Finalisation: the caches, then the windows still open, then the menu bar. A form still
        // being said on a worker thread is said to the end (a few seconds at most): espeak-ng
        // cannot be left in the middle of it.
        names::release();
        pictures::release();
        WindowRegistry::releaseAll();
        MenuBar1::release();
        QThreadPool::globalInstance()->waitForDone();
    }
    return status;
}

#pragma once

#include <QApplication>

namespace quillora {

/// The application object: exactly one exists, created at start-up and alive until the process
/// ends. It quits when the last window closes and answers the application-wide menu commands
/// Help and About.
class App final : public QApplication
{
    Q_OBJECT

public:
    App(int &argc, char **argv);
    ~App() override;

    /// The single application object.
    static App *instance();

    /// The application's Open notification: from here on, closing the last window quits.
    void Event_Open();

    /// The About command: shows the About window with its credits. Returns false.
    bool _HelpAbout_Action();
    /// The Help command: shows the help window and brings it to the front. Returns false.
    bool _HelpHelp_Action();
};

} // namespace quillora

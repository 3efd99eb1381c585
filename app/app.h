#pragma once

#include <QApplication>
#include <QHash>
#include <QString>

#include <functional>

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

    /// Registers an application-level handler for the menu item of this name.
    void addMenuHandler(const QString &itemName, std::function<bool()> handler);
    /// Runs the handler registered for the item; false when there is none.
    bool handleMenuItem(const QString &itemName);

private:
    QHash<QString, std::function<bool()>> m_menuHandlers;
};

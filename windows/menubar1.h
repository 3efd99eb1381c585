#pragma once

#include "windows/editcommands.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace quillora {

/// The program's one menu bar: File (Quit), Edit (the text-editing commands) and Help (Help,
/// About). It owns the menus and their actions; every window that shows a menu bar shows these
/// menus, and every window of the program takes the actions, so their shortcuts work in all of
/// them, also in windows without a menu bar. Quit and the editing commands are built in; Help
/// and About run the handlers that the application registers under their item names.
class MenuBar1 final : public QObject
{
    Q_OBJECT

public:
    MenuBar1();
    ~MenuBar1() override;

    /// The single menu bar, built on the first call.
    static MenuBar1 *instance();
    /// Finalisation: releases the menu bar.
    static void release();

    /// Shows the menus in the window's menu bar and gives the window the command shortcuts.
    void attachTo(QMainWindow *window);
    /// Gives a window without a menu bar the command shortcuts.
    void addShortcutsTo(QWidget *window);

    /// The menu item of this name (FileMenu, FileQuit, EditMenu, EditUndo, ..., HelpAbout), or
    /// nullptr.
    QAction *item(const QString &name) const;
    /// The menus in the bar, in order.
    QList<QMenu *> menus() const;

    /// Registers the handler that runs when the item of this name is chosen, in place of any
    /// handler registered before under that name.
    void addMenuHandler(const QString &itemName, std::function<bool()> handler);
    /// Runs the handler registered for the item; false when there is none.
    bool handleMenuItem(const QString &itemName);

    /// Enables the Edit items that can act on the widget with the keyboard focus and disables
    /// the others. Runs when the focus moves and when the Edit menu opens.
    void updateEditItems();

private:
    void createFileMenu();
    void createEditMenu();
    void createHelpMenu();

    QMenu *addMenu(const QString &name, const QString &text);
    QAction *addItem(
        QMenu *menu, const QString &name, const QString &text, const QKeySequence &shortcut);
    void addSeparator(QMenu *menu, const QString &name);

    std::unique_ptr<QMenu> m_fileMenu;
    std::unique_ptr<QMenu> m_editMenu;
    std::unique_ptr<QMenu> m_helpMenu;
    QHash<QString, std::function<bool()>> m_menuHandlers;
    QList<std::pair<QAction *, EditCommand>> m_editItems;
};

} // namespace quillora

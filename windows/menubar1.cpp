#include "windows/menubar1.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace quillora {

namespace {

// A plain pointer, released by the finalisation step, not an owner with a destructor: when the
// display goes away, Qt ends the process with exit(), and an owning static would then take the
// menus down after the windowing system has gone, which crashes.
MenuBar1 *&menuBarSlot()
{
    static MenuBar1 *slot = nullptr;
    return slot;
}

} // namespace

MenuBar1::MenuBar1()
{
    setObjectName(QStringLiteral("MenuBar1"));
    createFileMenu();
    createEditMenu();
    createHelpMenu();
}

MenuBar1::~MenuBar1() = default;

MenuBar1 *MenuBar1::instance()
{
    MenuBar1 *&slot = menuBarSlot();
    if (!slot)
        slot = new MenuBar1;
    return slot;
}

void MenuBar1::release()
{
    delete std::exchange(menuBarSlot(), nullptr);
}

QMenu *MenuBar1::addMenu(const QString &name, const QString &text)
{
    auto *menu = new QMenu(text);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction *MenuBar1::addItem(
    QMenu *menu, const QString &name, const QString &text, const QKeySequence &shortcut)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

void MenuBar1::addSeparator(QMenu *menu, const QString &name)
{
    auto *separator = new QAction(this);
    separator->setObjectName(name);
    separator->setSeparator(true);
    menu->addAction(separator);
}

void MenuBar1::createFileMenu()
{
    m_fileMenu.reset(addMenu(QStringLiteral("FileMenu"), tr("&File")));
    QAction *quit = addItem(m_fileMenu.get(), QStringLiteral("FileQuit"), tr("&Quit"),
        QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    // Quit at any time, whatever windows are open.
    connect(quit, &QAction::triggered, QCoreApplication::instance(), &QCoreApplication::quit,
        Qt::QueuedConnection);
}

void MenuBar1::createEditMenu()
{
    m_editMenu.reset(addMenu(QStringLiteral("EditMenu"), tr("&Edit")));
    QMenu *menu = m_editMenu.get();
    auto editItem = [&](const QString &name, const QString &text, const QKeySequence &shortcut,
                        EditCommand command) {
        QAction *action = addItem(menu, name, text, shortcut);
        connect(action, &QAction::triggered, this, [command] { runEditCommand(command); });
        m_editItems.append({action, command});
    };
    editItem(QStringLiteral("EditUndo"), tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
        EditCommand::Undo);
    addSeparator(menu, QStringLiteral("UntitledMenu1"));
    editItem(QStringLiteral("EditCut"), tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
        EditCommand::Cut);
    editItem(QStringLiteral("EditCopy"), tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
        EditCommand::Copy);
    editItem(QStringLiteral("EditPaste"), tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
        EditCommand::Paste);
    editItem(QStringLiteral("EditClear"), tr("&Delete"), QKeySequence(), EditCommand::Clear);
    addSeparator(menu, QStringLiteral("UntitledMenu0"));
    editItem(QStringLiteral("EditSelectAll"), tr("Select &All"), QKeySequence(Qt::CTRL | Qt::Key_A),
        EditCommand::SelectAll);

    // An item that cannot act is disabled, and its shortcut then goes to the focused widget,
    // which handles the standard editing keys itself in the same way.
    connect(menu, &QMenu::aboutToShow, this, &MenuBar1::updateEditItems);
    connect(qApp, &QApplication::focusChanged, this, &MenuBar1::updateEditItems);
    updateEditItems();
}

void MenuBar1::updateEditItems()
{
    QWidget *focus = QApplication::focusWidget();
    for (const auto &[action, command] : std::as_const(m_editItems))
        action->setEnabled(canRunEditCommand(command, focus));
}

void MenuBar1::createHelpMenu()
{
    m_helpMenu.reset(addMenu(QStringLiteral("HelpMenu"), tr("&Help")));
    // Both commands are answered by the handlers registered under their item names.
    for (const auto &[name, text] : {std::pair{QStringLiteral("HelpHelp"), tr("&Help...")},
             std::pair{QStringLiteral("HelpAbout"), tr("&About Quillora...")}}) {
        QAction *action = addItem(m_helpMenu.get(), name, text, QKeySequence());
        connect(action, &QAction::triggered, this, [this, name = name] { handleMenuItem(name); });
        if (name == QLatin1String("HelpAbout"))
            action->setMenuRole(QAction::AboutRole);
    }
}

void MenuBar1::attachTo(QMainWindow *window)
{
    QMenuBar *bar = window->menuBar();
    for (QMenu *menu : menus())
        bar->addMenu(menu);
    addShortcutsTo(window);
}

void MenuBar1::addShortcutsTo(QWidget *window)
{
    for (QMenu *menu : menus()) {
        for (QAction *action : menu->actions()) {
            if (!action->shortcut().isEmpty())
                window->addAction(action);
        }
    }
}

QAction *MenuBar1::item(const QString &name) const
{
    for (QMenu *menu : menus()) {
        if (menu->objectName() == name)
            return menu->menuAction();
        for (QAction *action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}

QList<QMenu *> MenuBar1::menus() const
{
    return {m_fileMenu.get(), m_editMenu.get(), m_helpMenu.get()};
}

void MenuBar1::addMenuHandler(const QString &itemName, std::function<bool()> handler)
{
    m_menuHandlers.insert(itemName, std::move(handler));
}

bool MenuBar1::handleMenuItem(const QString &itemName)
{
    const auto handler = m_menuHandlers.constFind(itemName);
    return handler != m_menuHandlers.constEnd() && (*handler)();
}

} // namespace quillora

// The menu bar: its tree of menus and items, the shortcuts in every window, and the editing
// commands on the focused text field.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/menubar1.h"
#include "windows/window1.h"
#include "windows/winhelp.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::MenuBar1;

namespace {

const QStringList kEditItems{
    u"EditUndo"_s, u"EditCut"_s, u"EditCopy"_s, u"EditPaste"_s, u"EditClear"_s, u"EditSelectAll"_s};

// Chooses an Edit item as the user does: the menu opens, which brings the items up to date, and
// the item is triggered (a disabled one is not).
void chooseEditItem(const QString &name)
{
    MenuBar1 *bar = MenuBar1::instance();
    emit bar->item(u"EditMenu"_s)->menu()->aboutToShow();
    bar->item(name)->trigger();
}

QStringList enabledEditItems()
{
    emit MenuBar1::instance()->item(u"EditMenu"_s)->menu()->aboutToShow();
    QStringList enabled;
    for (const QString &name : kEditItems) {
        if (MenuBar1::instance()->item(name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

const std::string kKathyList = "Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina";

} // namespace

class TestMenuBar final : public QObject
{
    Q_OBJECT

private slots:
    void init() { quillora::test::failOnWarnings(); }

    void menusHoldTheirItemsInOrder_data();
    void menusHoldTheirItemsInOrder();
    void itemsCarryTheirRoles();
    void oneMenuBarServesTheApplicationAndTheMainWindow();
    void shortcutsWorkInWindowsWithoutAMenuBar();
    void editCommandsActOnTheFocusedField();
    void editItemsAreEnabledWhereTheyCanAct_data();
    void editItemsAreEnabledWhereTheyCanAct();
    void copyPutsTheSelectedRowsOnTheClipboard();
    void helpAndAboutRunTheHandlersRegisteredUnderTheirNames();
};

void TestMenuBar::menusHoldTheirItemsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("shortcuts");
    // clang-format off
    QTest::newRow("File")
        << u"FileMenu"_s << u"&File"_s
        << QStringList{u"FileQuit"_s}
        << QStringList{u"&Quit"_s}
        << QStringList{u"Ctrl+Q"_s};
    QTest::newRow("Edit")
        << u"EditMenu"_s << u"&Edit"_s
        << QStringList{u"EditUndo"_s, u"UntitledMenu1"_s, u"EditCut"_s, u"EditCopy"_s,
                       u"EditPaste"_s, u"EditClear"_s, u"UntitledMenu0"_s, u"EditSelectAll"_s}
        << QStringList{u"&Undo"_s, u"-"_s, u"Cu&t"_s, u"&Copy"_s,
                       u"&Paste"_s, u"&Delete"_s, u"-"_s, u"Select &All"_s}
        << QStringList{u"Ctrl+Z"_s, QString(), u"Ctrl+X"_s, u"Ctrl+C"_s,
                       u"Ctrl+V"_s, QString(), QString(), u"Ctrl+A"_s};
    QTest::newRow("Help")
        << u"HelpMenu"_s << u"&Help"_s
        << QStringList{u"HelpHelp"_s, u"HelpAbout"_s}
        << QStringList{u"&Help..."_s, u"&About Quillora..."_s}
        << QStringList{QString(), QString()};
    // clang-format on
}

void TestMenuBar::menusHoldTheirItemsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, menuText);
    QFETCH(QStringList, names);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shortcuts);

    MenuBar1 *bar = MenuBar1::instance();
    QAction *menuItem = bar->item(menu);
    QVERIFY(menuItem && menuItem->menu());
    QCOMPARE(menuItem->text(), menuText);
    const QList<QAction *> items = menuItem->menu()->actions();
    QCOMPARE(items.size(), names.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->objectName(), names[i]);
        QCOMPARE(items[i]->isSeparator() ? u"-"_s : items[i]->text(), texts[i]);
        QCOMPARE(items[i]->shortcut().toString(QKeySequence::PortableText), shortcuts[i]);
    }
}

void TestMenuBar::itemsCarryTheirRoles()
{
    MenuBar1 *bar = MenuBar1::instance();
    QCOMPARE(bar->item(u"FileQuit"_s)->menuRole(), QAction::QuitRole);
    QCOMPARE(bar->item(u"HelpAbout"_s)->menuRole(), QAction::AboutRole);
    QCOMPARE(bar->menus().size(), 3);
    // No Close, New, Open, Save or Preferences.
    for (const char *absent : {"FileClose", "FileNew", "FileOpen", "FileSave", "EditPreferences"})
        QVERIFY(!bar->item(QString::fromLatin1(absent)));
}

void TestMenuBar::oneMenuBarServesTheApplicationAndTheMainWindow()
{
    QCOMPARE(MenuBar1::instance(), MenuBar1::instance());
    const auto window = quillora::test::shownWindow1([] { return std::string(); });
    QList<QMenu *> shown;
    for (QAction *action : window->menuBar()->actions())
        shown.append(action->menu());
    QCOMPARE(shown, MenuBar1::instance()->menus());
}

void TestMenuBar::shortcutsWorkInWindowsWithoutAMenuBar()
{
    QWidget plain;
    MenuBar1::instance()->addShortcutsTo(&plain);
    plain.show();
    QVERIFY(QTest::qWaitForWindowActive(&plain));
    QAction *quit = MenuBar1::instance()->item(u"FileQuit"_s);
    QSignalSpy triggered(quit, &QAction::triggered);
    QTest::keyClick(&plain, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(triggered.size(), 1);
}

void TestMenuBar::editCommandsActOnTheFocusedField()
{
    const auto window = quillora::test::shownWindow1([] { return std::string(); });
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const auto run = [](const char *item) { chooseEditItem(QString::fromLatin1(item)); };
    QLineEdit *field = window->eName();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, u"Kathy"_s);

    run("EditSelectAll");
    QCOMPARE(field->selectedText(), u"Kathy"_s);
    run("EditCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Kathy"_s);
    run("EditClear");
    QCOMPARE(field->text(), QString());
    run("EditPaste");
    run("EditPaste");
    QCOMPARE(field->text(), u"KathyKathy"_s);
    run("EditUndo");
    QCOMPARE(field->text(), u"Kathy"_s);
    // Delete removes the selection only: with none, the letter after the caret stays.
    field->setCursorPosition(2);
    run("EditClear");
    QCOMPARE(field->text(), u"Kathy"_s);
    field->setSelection(0, 2);
    run("EditCut");
    QCOMPARE(field->text(), u"thy"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Ka"_s);
}

void TestMenuBar::editItemsAreEnabledWhereTheyCanAct_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("enabled");
    // clang-format off
    QTest::newRow("an empty name field takes a paste only")
        << u"empty field"_s << QStringList{u"EditPaste"_s};
    QTest::newRow("a typed name, all of it selected, takes every command")
        << u"selected field"_s << kEditItems;
    QTest::newRow("a typed name without a selection cannot be cut, copied or deleted")
        << u"typed field"_s
        << QStringList{u"EditUndo"_s, u"EditPaste"_s, u"EditSelectAll"_s};
    QTest::newRow("the results list with a selected row copies and selects")
        << u"list with a selection"_s << QStringList{u"EditCopy"_s, u"EditSelectAll"_s};
    QTest::newRow("the results list with no row selected only selects")
        << u"list without a selection"_s << QStringList{u"EditSelectAll"_s};
    QTest::newRow("the empty results list takes nothing")
        << u"empty list"_s << QStringList{};
    QTest::newRow("the Find button takes nothing") << u"button"_s << QStringList{};
    QTest::newRow("the read-only help text copies its selection and selects")
        << u"help text"_s << QStringList{u"EditCopy"_s, u"EditSelectAll"_s};
    // clang-format on
}

void TestMenuBar::editItemsAreEnabledWhereTheyCanAct()
{
    QFETCH(QString, focus);
    QFETCH(QStringList, enabled);
    const auto window = quillora::test::shownWindow1([] { return kKathyList; });
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget *target = nullptr;
    if (focus.endsWith(u"field"_s)) {
        target = window->eName();
        if (focus != u"empty field"_s)
            QTest::keyClicks(window->eName(), u"Kathy"_s);
        if (focus == u"selected field"_s)
            window->eName()->selectAll();
    } else if (focus.contains(u"list"_s)) {
        target = window->lData();
        if (focus != u"empty list"_s)
            window->TranslateName(u"Kathy"_s);
        if (focus == u"list with a selection"_s)
            window->lData()->topLevelItem(0)->setSelected(true);
    } else if (focus == u"button"_s) {
        target = window->pFind();
    } else {
        auto *help = quillora::winHelp::instance();
        help->show();
        QVERIFY(QTest::qWaitForWindowActive(help));
        target = help->findChild<QTextEdit *>(u"EditField1"_s);
        QVERIFY(target);
        static_cast<QTextEdit *>(target)->selectAll();
    }
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QCOMPARE(enabledEditItems(), enabled);
    quillora::test::closeAllWindows();
}

void TestMenuBar::copyPutsTheSelectedRowsOnTheClipboard()
{
    const auto window = quillora::test::shownWindow1([] { return kKathyList; });
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->TranslateName(u"Kathy"_s);
    quillora::ListBox *list = window->lData();
    QCOMPARE(list->ListCount(), 3);
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    QClipboard *clipboard = QGuiApplication::clipboard();

    // With nothing selected, Copy leaves the clipboard alone.
    clipboard->setText(u"before"_s);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), u"before"_s);

    // The rows in list order, as a drag gives them, by the shortcut and by the menu.
    list->topLevelItem(2)->setSelected(true);
    list->topLevelItem(0)->setSelected(true);
    const QString rows = u"Kathy\tKakai\nKathy\tKakahi"_s;
    QCOMPARE(list->dragItemForSelection()->text, rows);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), rows);
    clipboard->setText(u"before"_s);
    chooseEditItem(u"EditCopy"_s);
    QCOMPARE(clipboard->text(), rows);
}

void TestMenuBar::helpAndAboutRunTheHandlersRegisteredUnderTheirNames()
{
    MenuBar1 *bar = MenuBar1::instance();
    QStringList calls;
    for (const QString &name : {u"HelpHelp"_s, u"HelpAbout"_s}) {
        bar->addMenuHandler(name, [&calls, name] {
            calls << name;
            return true;
        });
    }
    bar->item(u"HelpAbout"_s)->trigger();
    bar->item(u"HelpHelp"_s)->trigger();
    QCOMPARE(calls, (QStringList{u"HelpAbout"_s, u"HelpHelp"_s}));
    QVERIFY(bar->handleMenuItem(u"HelpHelp"_s));
    QVERIFY(!bar->handleMenuItem(u"NoSuchItem"_s));
}

QUILLORA_GUI_TEST_MAIN(TestMenuBar, QApplication)

#include "tst_menubar.moc"

// The menu bar: its tree of menus and items, the shortcuts in every window, and the editing
// commands on the focused text field.

#include "tests/gui/guitest.h"
#include "windows/menubar1.h"
#include "windows/window1.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using quillora::MenuBar1;
using quillora::Window1;

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
    void helpAndAboutRunTheHandlersRegisteredUnderTheirNames();
};

void TestMenuBar::menusHoldTheirItemsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("shortcuts");
    QTest::newRow("File") << QStringLiteral("FileMenu") << QStringLiteral("&File")
                          << QStringList{QStringLiteral("FileQuit")} << QStringList{QStringLiteral("&Quit")}
                          << QStringList{QStringLiteral("Ctrl+Q")};
    QTest::newRow("Edit") << QStringLiteral("EditMenu") << QStringLiteral("&Edit")
                          << QStringList{QStringLiteral("EditUndo"), QStringLiteral("UntitledMenu1"),
                                         QStringLiteral("EditCut"), QStringLiteral("EditCopy"),
                                         QStringLiteral("EditPaste"), QStringLiteral("EditClear"),
                                         QStringLiteral("UntitledMenu0"), QStringLiteral("EditSelectAll")}
                          << QStringList{QStringLiteral("&Undo"), QStringLiteral("-"), QStringLiteral("Cu&t"),
                                         QStringLiteral("&Copy"), QStringLiteral("&Paste"),
                                         QStringLiteral("&Delete"), QStringLiteral("-"),
                                         QStringLiteral("Select &All")}
                          << QStringList{QStringLiteral("Ctrl+Z"), QString(), QStringLiteral("Ctrl+X"),
                                         QStringLiteral("Ctrl+C"), QStringLiteral("Ctrl+V"), QString(),
                                         QString(), QStringLiteral("Ctrl+A")};
    QTest::newRow("Help") << QStringLiteral("HelpMenu") << QStringLiteral("&Help")
                          << QStringList{QStringLiteral("HelpHelp"), QStringLiteral("HelpAbout")}
                          << QStringList{QStringLiteral("&Help..."), QStringLiteral("&About Quillora...")}
                          << QStringList{QString(), QString()};
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
        QCOMPARE(items[i]->isSeparator() ? QStringLiteral("-") : items[i]->text(), texts[i]);
        QCOMPARE(items[i]->shortcut().toString(QKeySequence::PortableText), shortcuts[i]);
        QVERIFY(items[i]->isEnabled());
    }
}

void TestMenuBar::itemsCarryTheirRoles()
{
    MenuBar1 *bar = MenuBar1::instance();
    QCOMPARE(bar->item(QStringLiteral("FileQuit"))->menuRole(), QAction::QuitRole);
    QCOMPARE(bar->item(QStringLiteral("HelpAbout"))->menuRole(), QAction::AboutRole);
    QCOMPARE(bar->menus().size(), 3);
    // No Close, New, Open, Save or Preferences.
    for (const char *absent : {"FileClose", "FileNew", "FileOpen", "FileSave", "EditPreferences"})
        QVERIFY(!bar->item(QString::fromLatin1(absent)));
}

void TestMenuBar::oneMenuBarServesTheApplicationAndTheMainWindow()
{
    QCOMPARE(MenuBar1::instance(), MenuBar1::instance());
    Window1 window([] { return std::string(); });
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QList<QMenu *> shown;
    for (QAction *action : window.menuBar()->actions())
        shown.append(action->menu());
    QCOMPARE(shown, MenuBar1::instance()->menus());
}

void TestMenuBar::shortcutsWorkInWindowsWithoutAMenuBar()
{
    QWidget plain;
    MenuBar1::instance()->addShortcutsTo(&plain);
    plain.show();
    QVERIFY(QTest::qWaitForWindowActive(&plain));
    QAction *quit = MenuBar1::instance()->item(QStringLiteral("FileQuit"));
    QSignalSpy triggered(quit, &QAction::triggered);
    QTest::keyClick(&plain, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(triggered.size(), 1);
}

void TestMenuBar::editCommandsActOnTheFocusedField()
{
    Window1 window([] { return std::string(); });
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto run = [](const char *item) {
        MenuBar1::instance()->item(QString::fromLatin1(item))->trigger();
    };
    QLineEdit *field = window.eName();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClicks(field, QStringLiteral("Kathy"));

    run("EditSelectAll");
    QCOMPARE(field->selectedText(), QStringLiteral("Kathy"));
    run("EditCopy");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Kathy"));
    run("EditClear");
    QCOMPARE(field->text(), QString());
    run("EditClear"); // with nothing selected, Delete does nothing
    run("EditPaste");
    run("EditPaste");
    QCOMPARE(field->text(), QStringLiteral("KathyKathy"));
    run("EditUndo");
    QCOMPARE(field->text(), QStringLiteral("Kathy"));
    field->setSelection(0, 2);
    run("EditCut");
    QCOMPARE(field->text(), QStringLiteral("thy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Ka"));
}

void TestMenuBar::helpAndAboutRunTheHandlersRegisteredUnderTheirNames()
{
    MenuBar1 *bar = MenuBar1::instance();
    QStringList calls;
    for (const QString &name : {QStringLiteral("HelpHelp"), QStringLiteral("HelpAbout")}) {
        bar->addMenuHandler(name, [&calls, name] {
            calls << name;
            return true;
        });
    }
    bar->item(QStringLiteral("HelpAbout"))->trigger();
    bar->item(QStringLiteral("HelpHelp"))->trigger();
    QCOMPARE(calls, (QStringList{QStringLiteral("HelpAbout"), QStringLiteral("HelpHelp")}));
    QVERIFY(bar->handleMenuItem(QStringLiteral("HelpHelp")));
    QVERIFY(!bar->handleMenuItem(QStringLiteral("NoSuchItem")));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestMenuBar test;
    const int status = QTest::qExec(&test, argc, argv);
    MenuBar1::release();
    return status;
}

#include "tst_menubar.moc"

// The context menu of the result rows: how it opens (right click, Shift+F10) and what Copy, Copy
// Hawaiian Form and Copy Modern Spelling put on the clipboard.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <memory>
#include <string>

using namespace Qt::StringLiterals;

using quillora::ListBox;
using quillora::Window1;

namespace {

// For David: the exact match records a modern spelling, the sound-alike does not; the
// letter-by-letter row comes last.
const std::string kDavidList = "David\tKawika\ttrad:bible\tHawaiian Bible: Davida\tKāwika\n"
                               "Davida\tKewika\trule:pron\n";

QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

} // namespace

class TestResultsMenu final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        openWindow();
    }
    void cleanup()
    {
        if (QMenu *menu = openMenu())
            menu->close();
        m_window.reset();
    }

    void rightClickOpensTheMenuOfTheRowUnderThePointer();
    void shiftF10OpensTheMenuOfTheCurrentRow();
    void itemsPutTheirTextOnTheClipboard_data();
    void itemsPutTheirTextOnTheClipboard();
    void copyModernSpellingIsOfferedOnlyWhereTheListRecordsOne();

private:
    void openWindow();
    // The cell's centre in the window's coordinates.
    QPoint cellCentre(int row, int column) const;
    QMenu *rightClick(int row);
    void choose(QMenu *menu, const QString &item);

    std::unique_ptr<Window1> m_window;
};

void TestResultsMenu::openWindow()
{
    m_window = std::make_unique<Window1>([] { return kDavidList; });
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClicks(m_window->eName(), u"David"_s);
    QTest::keyClick(m_window->eName(), Qt::Key_Return);
    QCOMPARE(m_window->lData()->ListCount(), 3);
}

QPoint TestResultsMenu::cellCentre(int row, int column) const
{
    ListBox *list = m_window->lData();
    const QRect cell = list->visualRect(list->model()->index(row, column));
    return list->viewport()->mapTo(m_window.get(), cell.center());
}

QMenu *TestResultsMenu::rightClick(int row)
{
    // Through the window system, as a mouse does: the press selects, the click asks for the menu.
    QWindow *window = m_window->windowHandle();
    QTest::mouseClick(window, Qt::RightButton, {}, cellCentre(row, 1));
    QMenu *menu = openMenu();
    return menu && QTest::qWaitForWindowExposed(menu) ? menu : nullptr;
}

void TestResultsMenu::choose(QMenu *menu, const QString &item)
{
    QAction *action = menu->findChild<QAction *>(item);
    QVERIFY2(action, qPrintable(item));
    QVERIFY2(action->isEnabled(), qPrintable(item));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    QTRY_VERIFY(!openMenu());
}

void TestResultsMenu::rightClickOpensTheMenuOfTheRowUnderThePointer()
{
    QMenu *menu = rightClick(1);
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), u"ResultsMenu"_s);
    QVERIFY(m_window->lData()->Selected(1));
    QStringList items;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            items << action->text();
    }
    QCOMPARE(items, QStringList({u"&Copy"_s, u"Copy &Hawaiian Form"_s}));
    menu->close();

    // Below the last row and on the header there is no row, and no menu.
    ListBox *list = m_window->lData();
    const QPoint below = list->viewport()->mapTo(
        m_window.get(), list->visualRect(list->model()->index(2, 1)).bottomLeft() + QPoint(10, 30));
    const QPoint header = list->header()->mapTo(m_window.get(), list->header()->rect().center());
    for (const QPoint &away : {below, header}) {
        QTest::mouseClick(m_window->windowHandle(), Qt::RightButton, {}, away);
        QVERIFY(!openMenu());
    }
}

void TestResultsMenu::shiftF10OpensTheMenuOfTheCurrentRow()
{
    ListBox *list = m_window->lData();
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier);
    QMenu *menu = openMenu();
    QVERIFY(menu);
    // It opens on the row, and its items are that row's: row 0 has a modern spelling.
    const QRect row = list->visualRect(list->model()->index(0, 0));
    QVERIFY(QRect(list->viewport()->mapToGlobal(row.topLeft()), row.size())
                .contains(menu->geometry().topLeft()));
    QVERIFY(menu->findChild<QAction *>(u"ResultsCopyModern"_s));
    // The keyboard alone chooses an item.
    QTest::keyClick(menu, Qt::Key_H);
    QTRY_VERIFY(!openMenu());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Kawika"_s);
}

void TestResultsMenu::itemsPutTheirTextOnTheClipboard_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("Copy takes the selected rows, as dragged")
        << QList<int>{0, 1} << 1 << u"ResultsCopy"_s
        << u"David\tKawika"_s + Window1::lineEnd() + u"Davida\tKewika"_s + Window1::lineEnd();
    QTest::newRow("Copy of the row clicked alone")
        << QList<int>{} << 2 << u"ResultsCopy"_s << u"David\tKawika"_s;
    QTest::newRow("Copy Hawaiian Form takes the clicked row's form as listed")
        << QList<int>{0, 1} << 0 << u"ResultsCopyHawaiian"_s << u"Kawika"_s;
    QTest::newRow("Copy Hawaiian Form of a row without a modern spelling")
        << QList<int>{} << 1 << u"ResultsCopyHawaiian"_s << u"Kewika"_s;
    QTest::newRow("Copy Modern Spelling takes the spelling with okina and kahako")
        << QList<int>{} << 0 << u"ResultsCopyModern"_s << u"Kāwika"_s;
}

void TestResultsMenu::itemsPutTheirTextOnTheClipboard()
{
    QFETCH(QList<int>, selected);
    QFETCH(int, clicked);
    QFETCH(QString, item);
    QFETCH(QString, clipboard);
    ListBox *list = m_window->lData();
    for (const int row : selected)
        list->topLevelItem(row)->setSelected(true);
    QGuiApplication::clipboard()->setText(u"before"_s);

    QMenu *menu = rightClick(clicked);
    QVERIFY(menu);
    choose(menu, item);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    // A right click on a selected row keeps the selection.
    for (const int row : selected)
        QVERIFY(list->Selected(row));
}

void TestResultsMenu::copyModernSpellingIsOfferedOnlyWhereTheListRecordsOne()
{
    for (const int row : {1, 2}) {
        QMenu *menu = rightClick(row);
        QVERIFY(menu);
        QVERIFY(!menu->findChild<QAction *>(u"ResultsCopyModern"_s));
        menu->close();
    }
}

QUILLORA_GUI_TEST_MAIN(TestResultsMenu, QApplication)
#include "tst_resultsmenu.moc"

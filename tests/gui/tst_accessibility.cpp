// What a screen reader finds through Qt's accessibility interfaces: the main window's controls by
// their names, each result row read as its English name, Hawaiian form and kind of match, the
// Help and About texts; and the main window used from the keyboard alone.

#include "tests/gui/guitest.h"
#include "windows/aboutwindow.h"
#include "windows/listbox.h"
#include "windows/window1.h"
#include "windows/winhelp.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::AboutWindow;
using quillora::ListBox;
using quillora::Window1;
using quillora::winHelp;

namespace {

// Kathy is an exact match, Kathie sounds alike, Cathy is one letter apart.
const std::string kNames = "Kathy\tKakai\nKathie\tKaki\nCathy\tKakalina";

using WindowOpener = QWidget *(*)();

QWidget *openHelp()
{
    winHelp *help = winHelp::instance();
    help->show();
    return help;
}

QWidget *openAbout()
{
    AboutWindow::instance()->Show(true);
    return AboutWindow::instance();
}

// The text that an assistive tool reads from a text control.
QString readText(QAccessibleInterface *control)
{
    QAccessibleTextInterface *text = control->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

} // namespace

Q_DECLARE_METATYPE(WindowOpener)

class TestAccessibility final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        m_window = quillora::test::shownWindow1([] { return kNames; });
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        quillora::test::closeAllWindows();
    }

    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void eachRowReadsItsNameFormAndKindOfMatch();
    void helpAndAboutAreReadable_data();
    void helpAndAboutAreReadable();
    void theKeyboardAloneReachesEveryControl();

private:
    std::unique_ptr<Window1> m_window;
};

void TestAccessibility::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("the name field")
        << u"eName"_s << QAccessible::EditableText << u"Name to translate"_s;
    QTest::newRow("the Find button") << u"pFind"_s << QAccessible::Button << u"Find"_s;
    QTest::newRow("the results list") << u"lData"_s << QAccessible::Tree << u"Results"_s;
}

void TestAccessibility::controlsHaveNamesAndRoles()
{
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    auto *widget = m_window->contentArea()->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestAccessibility::eachRowReadsItsNameFormAndKindOfMatch()
{
    m_window->TranslateName(u"Kathy"_s);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_window->lData());
    QAccessibleTableInterface *table = list->tableInterface();
    QVERIFY(table);
    const QStringList rows{
        u"Kathy, Hawaiian Kakai, exact match"_s,
        u"Kathie, Hawaiian Kaki, sounds alike"_s,
        u"Cathy, Hawaiian Kakalina, spelled one letter apart"_s,
        u"Kathy, Hawaiian Kakahi, letter by letter, by rule"_s,
    };
    // The view lays its rows out when the event loop comes round, as it does for a screen reader.
    QTRY_COMPARE(table->rowCount(), rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        QCOMPARE(table->cellAt(row, 0)->text(QAccessible::Name), rows[row]);
        // The Hawaiian cell reads its form, under its column's heading.
        QCOMPARE(table->cellAt(row, 1)->text(QAccessible::Name), m_window->lData()->Cell(row, 1));
    }
    QCOMPARE(table->columnDescription(1), u"Hawaiian"_s);
}

void TestAccessibility::helpAndAboutAreReadable_data()
{
    QTest::addColumn<WindowOpener>("open");
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("the Help window") << WindowOpener(&openHelp) << u"Help"_s << u"EditField1"_s
                                     << u"Help"_s << u"Letter-By-Letter Translation Method"_s;
    QTest::newRow("the About window, which has no title")
        << WindowOpener(&openAbout) << u"About Quillora"_s << u"EditAppCredits"_s << u"Credits"_s
        << u"Disclaimer:"_s;
}

void TestAccessibility::helpAndAboutAreReadable()
{
    QFETCH(WindowOpener, open);
    QFETCH(QString, windowName);
    QFETCH(QString, field);
    QFETCH(QString, fieldName);
    QFETCH(QString, phrase);
    QWidget *window = open();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QAccessible::queryAccessibleInterface(window)->text(QAccessible::Name), windowName);

    // The text has the focus, so the keyboard scrolls it, and it reads without its tags.
    auto *text = window->findChild<QTextEdit *>(field);
    QVERIFY(text);
    QTRY_COMPARE(QApplication::focusWidget(), text);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(text);
    QCOMPARE(accessible->text(QAccessible::Name), fieldName);
    QVERIFY(accessible->state().readOnly);
    const QString read = readText(accessible);
    QVERIFY2(read.contains(phrase), qPrintable(read));
    QVERIFY(!read.contains(u"<b>"_s));

    // A caret walks the text from the keyboard, and a screen reader follows it.
    QAccessibleTextInterface *caret = accessible->textInterface();
    const int before = caret->cursorPosition();
    QTest::keyClick(text, Qt::Key_Down);
    QVERIFY(caret->cursorPosition() > before);
}

void TestAccessibility::theKeyboardAloneReachesEveryControl()
{
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // The window opens with the focus in the name field; Return finds.
    QTRY_COMPARE(QApplication::focusWidget(), m_window->eName());
    QTest::keyClicks(m_window->eName(), u"Kathy"_s);
    press(Qt::Key_Return);
    QCOMPARE(m_window->lData()->ListCount(), 4);

    // Tab goes to Find, then into the list, then round to the field; Shift+Tab goes back.
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->pFind());
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->lData());
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->eName());
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->lData());

    // In the list the arrow keys select rows, and Ctrl+C copies them.
    press(Qt::Key_Down);
    press(Qt::Key_Down, Qt::ShiftModifier);
    press(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Kathie\tKaki\nCathy\tKakalina\n"_s);

    // Space on the focused Find button searches again.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), m_window->pFind());
    m_window->lData()->DeleteAllRows();
    press(Qt::Key_Space);
    QCOMPARE(m_window->lData()->ListCount(), 4);
}

QUILLORA_GUI_TEST_MAIN(TestAccessibility, QApplication)
#include "tst_accessibility.moc"

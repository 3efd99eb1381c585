#include "app/app.h"
#include "tests/gui/guitest.h"
#include "windows/winhelp.h"

#include <QFile>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using quillora::App;
using quillora::winHelp;

namespace {

// The help window as the Help command leaves it: open and in front.
winHelp *shownHelp()
{
    App::instance()->_HelpHelp_Action();
    return winHelp::instance();
}

QTextEdit *helpField(winHelp *window)
{
    return window->findChild<QTextEdit *>(u"EditField1"_s);
}

// The stretches of text that have the given property, in order, across lines.
QStringList stretches(const QTextEdit *edit, bool (*has)(const QTextCharFormat &))
{
    QStringList found;
    bool inside = false;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool now = has(fragment.charFormat());
            if (now && inside)
                found.last() += fragment.text();
            else if (now)
                found << fragment.text();
            inside = now;
        }
    }
    return found;
}

} // namespace

class TestWinHelp final : public QObject
{
    Q_OBJECT

private slots:
    void init() { quillora::test::failOnWarnings(); }
    void cleanup() { quillora::test::closeAllWindows(); }

    void helpTextEndsEachLineWithCarriageReturn();
    void windowSettings();
    void rendersHelpText();
    void helpAgainRaisesSameWindowUnchanged();
    void helpAfterCloseShowsFreshWindowAtTop();
    void fieldCoversWindowWhenResized();
    void userCannotTypeIntoText();
};

void TestWinHelp::helpTextEndsEachLineWithCarriageReturn()
{
    // The resource file keeps ordinary line ends; the window's text has the same lines, each
    // ended by a carriage return, the last one included.
    QFile file(u":/quillora/help.txt"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList fileLines = QString::fromUtf8(file.readAll()).split(u'\n');
    const QString text = winHelp::helpText();
    QVERIFY(!text.contains(u'\n'));
    QVERIFY(text.endsWith(u'\r'));
    QCOMPARE(text.split(u'\r'), fileLines);
    QVERIFY(text.startsWith(u"<b>Quillora - Help</b>\r\rTo translate a name,"_s));
}

void TestWinHelp::windowSettings()
{
    winHelp *window = shownHelp();
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), u"Help"_s);
    QCOMPARE(window->size(), QSize(400, 400));
    QCOMPARE(window->minimumSize(), QSize(64, 64));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    QTextEdit *field = helpField(window);
    QVERIFY(field);
    QCOMPARE(field->geometry(), QRect(-1, -1, 402, 402));
    QVERIFY(field->isReadOnly());
    QCOMPARE(field->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(field->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(field->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(field->document()->defaultFont().pointSize(), 12);
}

void TestWinHelp::rendersHelpText()
{
    const QTextEdit *field = helpField(shownHelp());
    const QString shown = field->toPlainText();
    QVERIFY(!shown.contains(u'<'));
    QVERIFY(!shown.contains(u'>'));
    QVERIFY(shown.startsWith(u"Quillora - Help\n\nTo translate a name,"_s));
    // Deleting the tags leaves every line in place.
    QCOMPARE(shown.count(u'\n'), winHelp::helpText().count(u'\r'));

    QCOMPARE(
        stretches(field, [](const QTextCharFormat &f) { return f.fontWeight() >= QFont::Bold; }),
        (QStringList{
            u"Quillora - Help"_s, u"bold font"_s, u"Letter-By-Letter Translation Method"_s}));
    QCOMPARE(stretches(field, [](const QTextCharFormat &f) { return f.fontItalic(); }),
        QStringList{u"italic font"_s});
    QCOMPARE(stretches(field,
                 [](const QTextCharFormat &f) {
                     return f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() != 12;
                 }),
        QStringList());
}

void TestWinHelp::helpAgainRaisesSameWindowUnchanged()
{
    App::instance()->_HelpHelp_Action();
    winHelp *first = winHelp::instance();
    QTextEdit *field = helpField(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    field->verticalScrollBar()->setValue(40);
    const int revision = field->document()->revision();

    App::instance()->_HelpHelp_Action();

    QCOMPARE(winHelp::instance(), first);
    int helpWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<winHelp *>(window) ? 1 : 0;
    QCOMPARE(helpWindows, 1);
    QCOMPARE(field->verticalScrollBar()->value(), 40);
    QCOMPARE(field->document()->revision(), revision);
}

void TestWinHelp::helpAfterCloseShowsFreshWindowAtTop()
{
    App::instance()->_HelpHelp_Action();
    QPointer<winHelp> first = winHelp::instance();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    helpField(first)->verticalScrollBar()->setValue(40);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    App::instance()->_HelpHelp_Action();
    winHelp *second = winHelp::instance();
    QVERIFY(second->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QTextEdit *field = helpField(second);
    QCOMPARE(field->verticalScrollBar()->value(), 0);
    QVERIFY(!field->textCursor().hasSelection());
    QVERIFY(field->toPlainText().startsWith(u"Quillora - Help\n"_s));
}

void TestWinHelp::fieldCoversWindowWhenResized()
{
    winHelp *window = shownHelp();
    window->resize(250, 180);
    QCOMPARE(helpField(window)->geometry(), QRect(-1, -1, 252, 182));
    window->resize(10, 10);
    QCOMPARE(window->size(), QSize(64, 64));
    QCOMPARE(helpField(window)->geometry(), QRect(-1, -1, 66, 66));
}

void TestWinHelp::userCannotTypeIntoText()
{
    QTextEdit *field = helpField(shownHelp());
    const QString before = field->toPlainText();
    QTest::keyClicks(field, u"typed"_s);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->toPlainText(), before);
}

QUILLORA_GUI_TEST_MAIN(TestWinHelp, quillora::App)

#include "tst_winhelp.moc"

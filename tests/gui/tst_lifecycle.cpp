// The application's life: single instances, quitting when the last window closes, and Quit.

#include "tests/gui/guitest.h"
#include "app/app.h"
#include "windows/menubar1.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/winhelp.h"

#include <QAction>
#include <QPointer>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

using quillora::AboutWindow;
using quillora::App;
using quillora::MenuBar1;
using quillora::Window1;
using quillora::winHelp;

class TestLifecycle final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        App::instance()->Event_Open();
    }
    void cleanup() { quillora::test::closeAllWindows(); }

    void accessorsReturnTheOpenWindowOrANewOne();
    void closingTheLastWindowQuits();
    void closingTheMainWindowWhileHelpIsOpenDoesNotQuit();
    void quitEndsTheLoopWithSeveralWindowsOpen();
};

void TestLifecycle::accessorsReturnTheOpenWindowOrANewOne()
{
    Window1 *main = Window1::instance();
    QCOMPARE(Window1::instance(), main);
    AboutWindow *about = AboutWindow::instance();
    QCOMPARE(AboutWindow::instance(), about);
    QPointer<winHelp> help = winHelp::instance();
    QCOMPARE(winHelp::instance(), help.data());

    help->close();
    winHelp *fresh = winHelp::instance();
    QVERIFY(fresh != help.data() || help.isNull());
    QTRY_VERIFY(help.isNull() || help.data() == fresh);
}

void TestLifecycle::closingTheLastWindowQuits()
{
    QPointer<Window1> main = Window1::instance();
    main->show();
    QTimer::singleShot(0, main, &QWidget::close);
    QCOMPARE(QCoreApplication::exec(), 0);
    QTRY_VERIFY(main.isNull());
}

void TestLifecycle::closingTheMainWindowWhileHelpIsOpenDoesNotQuit()
{
    QPointer<Window1> main = Window1::instance();
    main->show();
    QPointer<winHelp> help = winHelp::instance();
    help->show();
    bool runningWithHelpAlone = false;
    QTimer::singleShot(0, main, &QWidget::close);
    QTimer::singleShot(200, help, [&] {
        runningWithHelpAlone = main.isNull() && help && help->isVisible();
        help->close();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(runningWithHelpAlone);
}

void TestLifecycle::quitEndsTheLoopWithSeveralWindowsOpen()
{
    Window1::instance()->show();
    winHelp::instance()->show();
    AboutWindow::instance()->Show(true);
    QTimer::singleShot(0, [] { MenuBar1::instance()->item(u"FileQuit"_s)->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QUILLORA_GUI_TEST_MAIN(TestLifecycle, quillora::App)

#include "tst_lifecycle.moc"

// The application's life: single instances, quitting when the last window closes, and Quit.

#include "tests/gui/guitest.h"
#include "app/app.h"
#include "windows/menubar1.h"
#include "windows/aboutwindow.h"
#include "windows/window1.h"
#include "windows/windowregistry.h"
#include "windows/winhelp.h"

#include <QAction>
#include <QPointer>
#include <QTimer>
#include <QtTest>

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
    void cleanup() { quillora::WindowRegistry::releaseAll(); }

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
    QTimer::singleShot(0, [] { MenuBar1::instance()->item(QStringLiteral("FileQuit"))->trigger(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

int main(int argc, char *argv[])
{
    App app(argc, argv);
    TestLifecycle test;
    const int status = QTest::qExec(&test, argc, argv);
    quillora::WindowRegistry::releaseAll();
    MenuBar1::release();
    return status;
}

#include "tst_lifecycle.moc"

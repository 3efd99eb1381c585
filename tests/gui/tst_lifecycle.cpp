// The application's life: single instances, quitting when the last window closes, and Quit.

#include "app/app.h"
#include "tests/gui/guitest.h"
#include "windows/aboutwindow.h"
#include "windows/menubar1.h"
#include "windows/window1.h"
#include "windows/winhelp.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <chrono>

using namespace Qt::StringLiterals;

using quillora::AboutWindow;
using quillora::App;
using quillora::MenuBar1;
using quillora::Window1;
using quillora::winHelp;

namespace {

// An accessor that returns the open window of its class, or builds one.
using Accessor = QWidget *(*)();

// The longest an event loop of these tests may run. A window that fails to quit the application
// then fails its test with a message, long before ctest's time-out ends the whole program.
constexpr auto kLoopLimit = std::chrono::seconds(30);

struct LoopRun
{
    bool ended = false; // by the application, not by the watchdog
    int status = -1;
};

// Runs the event loop as the program does, under a watchdog.
LoopRun runEventLoop()
{
    LoopRun run;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &watchdog, [] { QCoreApplication::exit(-1); });
    watchdog.start(kLoopLimit);
    run.status = QCoreApplication::exec();
    run.ended = watchdog.isActive();
    return run;
}

} // namespace

Q_DECLARE_METATYPE(Accessor)

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

    void accessorReturnsTheOpenWindowUntilItCloses_data();
    void accessorReturnsTheOpenWindowUntilItCloses();
    void closingTheLastWindowQuits();
    void closingTheMainWindowWhileHelpIsOpenDoesNotQuit();
    void quitEndsTheLoopWithSeveralWindowsOpen();
    void helpAndAboutCloseWithEscapeAndTheCloseKey_data();
    void helpAndAboutCloseWithEscapeAndTheCloseKey();
};

void TestLifecycle::accessorReturnsTheOpenWindowUntilItCloses_data()
{
    QTest::addColumn<Accessor>("instance");
    QTest::newRow("the main window") << Accessor([]() -> QWidget * { return Window1::instance(); });
    QTest::newRow("the About window")
        << Accessor([]() -> QWidget * { return AboutWindow::instance(); });
    QTest::newRow("the help window") << Accessor([]() -> QWidget * { return winHelp::instance(); });
}

void TestLifecycle::accessorReturnsTheOpenWindowUntilItCloses()
{
    QFETCH(Accessor, instance);
    QPointer<QWidget> first = instance();
    QCOMPARE(instance(), first.data());

    first->close();
    // A closed window lives on until its deletion comes round, but it is no longer the open one.
    QVERIFY(first);
    QWidget *fresh = instance();
    QVERIFY(fresh != first.data());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(instance(), fresh);
}

void TestLifecycle::closingTheLastWindowQuits()
{
    QPointer<Window1> main = Window1::instance();
    main->show();
    QTimer::singleShot(0, main, &QWidget::close);
    const LoopRun run = runEventLoop();
    QVERIFY2(run.ended, "closing the only window did not quit the application");
    QCOMPARE(run.status, 0);
    QTRY_VERIFY(main.isNull());
}

void TestLifecycle::closingTheMainWindowWhileHelpIsOpenDoesNotQuit()
{
    QPointer<Window1> main = Window1::instance();
    main->show();
    QPointer<winHelp> help = winHelp::instance();
    help->show();
    bool runningWithHelpAlone = false;
    // Once the main window is gone and the loop has had its turn, the application still runs
    // with the help window; closing that one then quits.
    connect(main, &QObject::destroyed, help, [&] {
        QTimer::singleShot(0, help, [&] {
            runningWithHelpAlone = help && help->isVisible();
            help->close();
        });
    });
    QTimer::singleShot(0, main, &QWidget::close);
    const LoopRun run = runEventLoop();
    QVERIFY2(run.ended, "closing the help window, the last one open, did not quit the application");
    QCOMPARE(run.status, 0);
    QVERIFY(runningWithHelpAlone);
}

void TestLifecycle::quitEndsTheLoopWithSeveralWindowsOpen()
{
    Window1::instance()->show();
    winHelp::instance()->show();
    AboutWindow::instance()->Show(true);
    QAction *quit = MenuBar1::instance()->item(u"FileQuit"_s);
    QTimer::singleShot(0, quit, &QAction::trigger);
    const LoopRun run = runEventLoop();
    QVERIFY2(run.ended, "Quit did not end the event loop");
    QCOMPARE(run.status, 0);
}

void TestLifecycle::helpAndAboutCloseWithEscapeAndTheCloseKey_data()
{
    QTest::addColumn<Accessor>("command");
    QTest::addColumn<QKeyCombination>("key");
    const Accessor help = []() -> QWidget * {
        App::instance()->_HelpHelp_Action();
        return winHelp::instance();
    };
    const Accessor about = []() -> QWidget * {
        App::instance()->_HelpAbout_Action();
        return AboutWindow::instance();
    };
    QTest::newRow("Help closes with Escape") << help << QKeyCombination(Qt::Key_Escape);
    QTest::newRow("Help closes with Ctrl+W") << help << (Qt::CTRL | Qt::Key_W);
    QTest::newRow("About closes with Escape") << about << QKeyCombination(Qt::Key_Escape);
    QTest::newRow("About closes with Ctrl+W") << about << (Qt::CTRL | Qt::Key_W);
}

void TestLifecycle::helpAndAboutCloseWithEscapeAndTheCloseKey()
{
    QFETCH(Accessor, command);
    QFETCH(QKeyCombination, key);
    QPointer<Window1> main = Window1::instance();
    main->show();
    QPointer<QWidget> window = command();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // The key goes where the user's keys go: to the control with the focus, the text field.
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus && focus->window() == window);
    QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    QTRY_VERIFY(window.isNull());
    QVERIFY(main && main->isVisible());
}

QUILLORA_GUI_TEST_MAIN(TestLifecycle, quillora::App)

#include "tst_lifecycle.moc"

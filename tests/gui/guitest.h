#pragma once

// What every GUI test shares: warnings that fail, a clean slate of windows, a main window on a
// name list of the test's own, and a main() that tears the menu bar down before the application.

#include "windows/menubar1.h"
#include "windows/window1.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <memory>

namespace quillora::test {

/// Makes every runtime warning fail the current test, except the offscreen platform's notices
/// that it cannot pass size hints to a window manager, raise a window or let a menu grab the
/// keyboard (it has no such things). Call it in init().
inline void failOnWarnings()
{
    using namespace Qt::StringLiterals;
    QTest::failOnWarning(
        QRegularExpression(u"^(?!This plugin does not support "
                           u"((propagateSizeHints|raise)\\(\\)|grabbing the keyboard)$)"_s));
}

/// Closes every open window and deletes those that delete themselves on close, so that the next
/// test starts with none and the single-instance accessors build fresh windows.
inline void closeAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

/// A main window on the given name list (the bundled list when none is given), shown. The caller
/// owns it: closing it does not delete it.
inline std::unique_ptr<Window1> shownWindow1(Window1::NameListSource nameList = {})
{
    auto window = std::make_unique<Window1>(std::move(nameList));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    return window;
}

} // namespace quillora::test

/// main() of a GUI test, like QTEST_MAIN but with the application class of the test's choosing
/// (QApplication, or the program's App for the tests of its commands). The windows and the menu
/// bar go before the application does, as at the end of the program.
#define QUILLORA_GUI_TEST_MAIN(TestObject, Application)                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        Application app(argc, argv);                                                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        const int status = QTest::qExec(&test, argc, argv);                                        \
        quillora::test::closeAllWindows();                                                         \
        quillora::MenuBar1::release();                                                             \
        return status;                                                                             \
    }

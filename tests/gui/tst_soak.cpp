// Soak: 10,000 searches through the real main window on the bundled list. Memory must stay
// flat: what the window holds after 1,000 searches is what it holds after 10,000. It prints
// the resident memory after start, after 1,000 and after 10,000 searches.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::Window1;

namespace {

// Resident memory of this process in KiB, from /proc/self/status.
qint64 residentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

class TestSoak final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { quillora::test::failOnWarnings(); }
    void memoryStaysFlatOverTenThousandSearches();
};

void TestSoak::initTestCase()
{
    // Skipped here, before any test function, the whole run counts as skipped (see
    // quillora_add_gui_test).
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer keeps freed memory in quarantine, so resident memory measures it, not "
          "the program; its leak checker covers this build instead");
#endif
}

void TestSoak::memoryStaysFlatOverTenThousandSearches()
{
    const QStringList names{u"Kathy"_s, u"Michael"_s, u"Jessica"_s, u"Christopher"_s, u""_s,
        u" Mary "_s, u"JOS\u00C9"_s, u"Zebulon"_s, u"Ann"_s};
    const auto window = quillora::test::shownWindow1();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const qint64 afterStart = residentKiB();

    auto search = [&](int count) {
        for (int i = 0; i < count; ++i) {
            window->eName()->setText(names[i % names.size()]);
            window->pFind()->click();
            if (i % 100 == 0)
                window->lData()->viewport()->repaint(); // draw the rows now and then
            QCoreApplication::processEvents();
        }
    };
    search(1000);
    const qint64 afterThousand = residentKiB();
    search(9000);
    const qint64 afterTenThousand = residentKiB();

    qInfo("resident memory: %lld KiB after start, %lld KiB after 1,000 searches, %lld KiB after "
          "10,000 searches",
        afterStart, afterThousand, afterTenThousand);
    QVERIFY(afterStart > 0);
    // A leak of even a hundred bytes per search would add about a megabyte over 9,000 searches.
    QVERIFY2(
        afterTenThousand - afterThousand < 1024, "memory grew between search 1,000 and 10,000");
}

QUILLORA_GUI_TEST_MAIN(TestSoak, QApplication)
#include "tst_soak.moc"

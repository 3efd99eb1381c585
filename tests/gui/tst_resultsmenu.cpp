// The context menu of the result rows: how it opens (right click, Shift+F10), what Copy, Copy
// Hawaiian Form and Copy Modern Spelling put on the clipboard, and Say It, which says a form on a
// worker thread while the window goes on answering, one form at a time, and tells plainly why a
// form could not be said.

#include "speech/status.h"
#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/speechplayer.h"
#include "windows/window1.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

using quillora::ListBox;
using quillora::SpeechPlayer;
using quillora::Window1;

namespace {

// For David: the exact match records a modern spelling, the sound-alike does not; the
// letter-by-letter row comes last.
const std::string kDavidList = "David\tKawika\ttrad:bible\tHawaiian Bible: Davida\tKāwika\n"
                               "Davida\tKewika\trule:pron\n";

// Stands in for speech: records what it is asked to say and holds each call until released, as
// playback holds the worker thread. Shared with the worker, which may outlive the window.
class HeldSpeech
{
public:
    SpeechPlayer::SayFunction function(std::shared_ptr<HeldSpeech> self)
    {
        return [self](const std::string &text) { return self->say(text); };
    }

    void release()
    {
        const std::lock_guard lock(m_mutex);
        m_released = true;
        m_changed.notify_all();
    }

    std::vector<std::string> said()
    {
        const std::lock_guard lock(m_mutex);
        return m_said;
    }

private:
    quillora::speech::Status say(const std::string &text)
    {
        std::unique_lock lock(m_mutex);
        m_said.push_back(text);
        m_changed.wait(lock, [this] { return m_released; });
        return {};
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_released = false;
    std::vector<std::string> m_said;
};

QMenu *openMenu()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

QMessageBox *speechMessage(Window1 *window)
{
    auto *box = window->findChild<QMessageBox *>(u"SpeechMessage"_s);
    return box && box->isVisible() ? box : nullptr;
}

} // namespace

class TestResultsMenu final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init()
    {
        quillora::test::failOnWarnings();
        m_speech = std::make_shared<HeldSpeech>();
        openWindow(m_speech->function(m_speech));
    }
    void cleanup()
    {
        if (QMenu *menu = openMenu())
            menu->close();
        m_speech->release();
        m_window.reset();
    }

    void rightClickOpensTheMenuOfTheRowUnderThePointer();
    void shiftF10OpensTheMenuOfTheCurrentRow();
    void itemsPutTheirTextOnTheClipboard_data();
    void itemsPutTheirTextOnTheClipboard();
    void copyModernSpellingIsOfferedOnlyWhereTheListRecordsOne();
    void sayItSaysOneFormAtATimeWhileTheWindowAnswers();
    void aFormTooLongToSayIsRefusedPlainly();
    void closingTheWindowWhileAFormIsSaidNeitherWaitsNorCrashes();
    void withoutAnAudioDeviceSayItSaysSoAndTheWindowAnswers();

private:
    void openWindow(SpeechPlayer::SayFunction say);
    // The cell's centre in the window's coordinates.
    QPoint cellCentre(int row, int column) const;
    QMenu *rightClick(int row);
    void choose(QMenu *menu, const QString &item);

    std::shared_ptr<HeldSpeech> m_speech;
    std::unique_ptr<Window1> m_window;
    std::filesystem::path m_noAlsa;
};

void TestResultsMenu::initTestCase()
{
    // No audio device, whatever the machine has: PulseAudio (and PipeWire's PulseAudio service)
    // pointed at a socket that does not exist, ALSA at an empty configuration.
    m_noAlsa = std::filesystem::temp_directory_path()
        / ("quillora-no-alsa-" + std::to_string(QCoreApplication::applicationPid()) + ".conf");
    std::ofstream(m_noAlsa).put('\n');
    qputenv("PULSE_SERVER", "unix:/nonexistent/quillora-no-pulse");
    qputenv("ALSA_CONFIG_PATH", QByteArray::fromStdString(m_noAlsa.string()));
    qunsetenv("DISPLAY"); // PulseAudio can find a server through the X display too
}

void TestResultsMenu::cleanupTestCase()
{
    std::error_code ignored;
    std::filesystem::remove(m_noAlsa, ignored);
}

void TestResultsMenu::openWindow(SpeechPlayer::SayFunction say)
{
    m_window = std::make_unique<Window1>([] { return kDavidList; }, std::move(say));
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
    QCOMPARE(items, QStringList({u"&Copy"_s, u"Copy &Hawaiian Form"_s, u"&Say It"_s}));
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

void TestResultsMenu::sayItSaysOneFormAtATimeWhileTheWindowAnswers()
{
    QSignalSpy finished(m_window->speechPlayer(), &SpeechPlayer::finished);
    choose(rightClick(0), u"ResultsSayIt"_s);
    // The modern spelling is said, as espeak-ng says it more faithfully.
    QTRY_COMPARE(m_speech->said(), std::vector<std::string>{"Kāwika"});

    // While the form is being said, the window answers: a new search fills the list...
    QLineEdit *field = m_window->eName();
    field->selectAll();
    QTest::keyClicks(field, u"Davida"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(m_window->lData()->Cell(0, 0), u"David"_s);
    QCOMPARE(m_window->lData()->ListCount(), 3);
    // ...and Say It waits for the form to end: it is disabled in the menu, and asking anyway
    // starts nothing.
    QMenu *menu = rightClick(1);
    QVERIFY(menu);
    QVERIFY(!menu->findChild<QAction *>(u"ResultsSayIt"_s)->isEnabled());
    menu->close();
    m_window->sayForm(u"Kewika"_s);
    QVERIFY(m_window->speechPlayer()->isSaying());

    m_speech->release();
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toString(), u"Kāwika"_s);
    QCOMPARE(finished.at(0).at(1).toString(), QString());
    QVERIFY(!speechMessage(m_window.get()));

    // Once it has been said, the next form can be: a row without a modern spelling says its form.
    choose(rightClick(1), u"ResultsSayIt"_s);
    QTRY_COMPARE(finished.size(), 2);
    QCOMPARE(m_speech->said(), (std::vector<std::string>{"Kāwika", "Kewika"}));
}

void TestResultsMenu::aFormTooLongToSayIsRefusedPlainly()
{
    // A long typed name gives a long letter-by-letter form.
    QLineEdit *field = m_window->eName();
    field->selectAll();
    QTest::keyClicks(field, u"Kathy"_s.repeated(Window1::kMaxSpokenLength));
    QTest::keyClick(field, Qt::Key_Return);
    const int last = m_window->lData()->ListCount() - 1;
    choose(rightClick(last), u"ResultsSayIt"_s);

    QTRY_VERIFY(speechMessage(m_window.get()));
    QMessageBox *box = speechMessage(m_window.get());
    QVERIFY(
        box->informativeText().contains(u"up to %1 characters"_s.arg(Window1::kMaxSpokenLength)));
    // The message names the form, cut short.
    QVERIFY2(
        box->text().startsWith(u"Quillora could not say KakahiKakahi"_s), qPrintable(box->text()));
    QVERIFY(box->text().endsWith(u"\u2026."_s));
    QVERIFY(m_speech->said().empty());
    QVERIFY(!m_window->speechPlayer()->isSaying());
}

void TestResultsMenu::closingTheWindowWhileAFormIsSaidNeitherWaitsNorCrashes()
{
    choose(rightClick(0), u"ResultsSayIt"_s);
    QTRY_COMPARE(m_speech->said().size(), std::size_t(1));
    // The window goes at once while the worker still says the form; the result finds no one.
    // Only the end of the program waits for the worker, as quitting does.
    m_window->close();
    m_window.reset();
    m_speech->release();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));
    QCoreApplication::processEvents();
}

void TestResultsMenu::withoutAnAudioDeviceSayItSaysSoAndTheWindowAnswers()
{
    // Real speech, through espeak-ng, with no audio device to play it on.
    openWindow({});
    choose(rightClick(0), u"ResultsSayIt"_s);
    QVERIFY(!QApplication::activeModalWidget());
    QTRY_VERIFY_WITH_TIMEOUT(speechMessage(m_window.get()), 20000);
    QMessageBox *box = speechMessage(m_window.get());
    QCOMPARE(box->text(), u"Quillora could not say Kāwika."_s);
    QCOMPARE(box->informativeText(), u"No audio device could be opened."_s);

    // The message leaves the window free: it searches, and Say It can be asked again.
    QVERIFY(!QApplication::activeModalWidget());
    QLineEdit *field = m_window->eName();
    field->selectAll();
    QTest::keyClicks(field, u"Davida"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(m_window->lData()->ListCount(), 3);
    QMenu *menu = rightClick(1);
    QVERIFY(menu);
    QVERIFY(menu->findChild<QAction *>(u"ResultsSayIt"_s)->isEnabled());
    choose(menu, u"ResultsSayIt"_s);
    // A second failure replaces the first message.
    QTRY_COMPARE(box->text(), u"Quillora could not say Kewika."_s);
    QCOMPARE(m_window->findChildren<QMessageBox *>().size(), 1);
}

QUILLORA_GUI_TEST_MAIN(TestResultsMenu, QApplication)
#include "tst_resultsmenu.moc"

#include "app/app.h"
#include "tests/gui/guitest.h"
#include "windows/aboutwindow.h"
#include "windows/buildversion.h"
#include "windows/pictures.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using quillora::AboutWindow;
using quillora::App;

namespace {

template <typename T = QWidget>
T *control(AboutWindow *window, const QString &name)
{
    return window->findChild<T *>(name);
}

QTextEdit *credits(AboutWindow *window)
{
    return control<QTextEdit>(window, u"EditAppCredits"_s);
}

// The style of the first character of the given text in the field.
QTextCharFormat formatOf(const QTextEdit *edit, const QString &text)
{
    const QTextCursor found = edit->document()->find(text);
    QTextCursor at(edit->document());
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

// Takes the addresses that the program asks the desktop to open, in place of a browser.
class UrlCatcher final : public QObject
{
    Q_OBJECT

public:
    const QList<QUrl> &opened() const { return m_opened; }

public slots:
    void open(const QUrl &url) { m_opened << url; }

private:
    QList<QUrl> m_opened;
};

} // namespace

class TestAboutWindow final : public QObject
{
    Q_OBJECT

private slots:
    void init() { quillora::test::failOnWarnings(); }
    void cleanup() { quillora::test::closeAllWindows(); }

    void formatsVersion_data();
    void formatsVersion();
    void windowSettings();
    void showsTexts();
    void creditsTextHasItsFiveLines();
    void rendersCredits();
    void creditsUnrenderedOnRequest();
    void layoutsWithAndWithoutCredits();
    void aboutAgainKeepsOneWindowAndOneCopyOfCredits();
    void aboutAfterCloseShowsNewWindow();
    void badgeOpensWebAddressOncePerPress();
    void picturesLoadOnceUntilReleased();
    void paintsPicturesThroughTheirMasks();
};

void TestAboutWindow::formatsVersion_data()
{
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("bug");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("nonRelease");
    QTest::addColumn<QString>("version");

    // clang-format off
    QTest::newRow("final release shows its number, also 0") << 1 << 0 << 0 << 3 << 0
                                                            << u"1.0.0 (0)"_s;
    QTest::newRow("development") << 1 << 2 << 3 << 0 << 7 << u"1.2.3 (Dev. 7)"_s;
    QTest::newRow("alpha") << 1 << 2 << 3 << 1 << 4 << u"1.2.3a4"_s;
    QTest::newRow("beta") << 2 << 0 << 1 << 2 << 11 << u"2.0.1b11"_s;
    QTest::newRow("unknown stage adds nothing") << 1 << 2 << 3 << 5 << 9 << u"1.2.3"_s;
    QTest::newRow("negative stage adds nothing") << 1 << 2 << 3 << -1 << 9 << u"1.2.3"_s;
    QTest::newRow("bug-fix 0 is still written") << 2 << 1 << 0 << 4 << 0 << u"2.1.0"_s;
    QTest::newRow("negative numbers keep their sign") << -1 << 0 << 10 << 2 << -2
                                                      << u"-1.0.10b-2"_s;
    // clang-format on
}

void TestAboutWindow::formatsVersion()
{
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, bug);
    QFETCH(int, stage);
    QFETCH(int, nonRelease);
    QFETCH(QString, version);
    QCOMPARE(quillora::formatVersion({major, minor, bug, stage, nonRelease}), version);
}

void TestAboutWindow::windowSettings()
{
    AboutWindow *window = AboutWindow::instance();
    QVERIFY(!window->UseCredits());
    window->Show(true);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowTitle().isEmpty());
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    QCOMPARE(control(window, u"AppIconCanvas"_s)->geometry(), QRect(110, 8, 64, 64));
    QCOMPARE(control(window, u"StatAppName"_s)->geometry(), QRect(20, 86, 244, 16));
    QCOMPARE(control(window, u"StatAppVersion"_s)->geometry(), QRect(20, 112, 244, 12));
    QCOMPARE(control(window, u"ZorvikIconCanvas"_s)->size(), QSize(216, 30));
    QCOMPARE(control(window, u"ZorvikIconCanvas"_s)->x(), 34);
    QVERIFY(control<QLabel>(window, u"StatAppName"_s)->font().bold());
    QVERIFY(credits(window)->isReadOnly());
    QCOMPARE(credits(window)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    // Centred on the screen.
    const QPoint screenCentre = window->screen()->availableGeometry().center();
    QVERIFY((window->geometry().center() - screenCentre).manhattanLength() <= 40);
}

void TestAboutWindow::showsTexts()
{
    AboutWindow *window = AboutWindow::instance();
    window->Show(false);
    QCOMPARE(control<QLabel>(window, u"StatAppName"_s)->text(), u"Quillora"_s);
    QCOMPARE(control<QLabel>(window, u"StatAppVersion"_s)->text(),
        u"Version "_s + quillora::formatVersion(quillora::kBuildVersion));

    const QStringList notice = AboutWindow::copyrightNotice().split(u'\r');
    QCOMPARE(notice.size(), 2);
    QVERIFY(notice[0].startsWith(u"\u00a9 2026 "_s));
    QVERIFY(notice[0].endsWith(u','));
    QVERIFY(notice[1].endsWith(u'.'));
    QCOMPARE(control<QLabel>(window, u"StatAppCopyright"_s)->text(), notice.join(u'\n'));
}

void TestAboutWindow::creditsTextHasItsFiveLines()
{
    const QStringList lines = AboutWindow::creditsText().split(u'\r');
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], u"<b>Author:</b>"_s);
    QVERIFY(QRegularExpression(u"^ {6}\\S"_s).match(lines[1]).hasMatch());
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], u"<b>Disclaimer:</b>"_s);
    QVERIFY(lines[4].startsWith(u"<font size=\"10\">"_s));
    QVERIFY(lines[4].endsWith(u"</font>"_s));
    const QString disclaimer = lines[4].mid(16).chopped(7);
    QCOMPARE(disclaimer, disclaimer.toUpper());
    QVERIFY(!disclaimer.contains(u'<'));
}

void TestAboutWindow::rendersCredits()
{
    AboutWindow *window = AboutWindow::instance();
    window->Show(true);
    const QTextEdit *field = credits(window);
    const QString shown = field->toPlainText();
    QVERIFY(shown.startsWith(u"Author:\n      "_s));
    QVERIFY(!shown.contains(u'<'));

    QCOMPARE(formatOf(field, u"Author:"_s).fontWeight(), QFont::Bold);
    QCOMPARE(formatOf(field, u"Disclaimer:"_s).fontWeight(), QFont::Bold);
    QCOMPARE(formatOf(field, u"developers"_s).fontWeight(), QFont::Normal);
    const QTextCharFormat disclaimer = formatOf(field, u"WARRANTY"_s);
    QCOMPARE(disclaimer.fontWeight(), QFont::Normal);
    QCOMPARE(disclaimer.fontPointSize(), 10.0);
    QCOMPARE(field->document()->defaultFont().pointSize(), 12);
}

void TestAboutWindow::creditsUnrenderedOnRequest()
{
    AboutWindow *window = AboutWindow::instance();
    window->Show(true);
    window->SetCreditsFieldText(u"<b>as written</b>"_s, false);
    QCOMPARE(credits(window)->toPlainText(), u"<b>as written</b>"_s);
    QCOMPARE(formatOf(credits(window), u"as"_s).fontWeight(), QFont::Normal);
}

void TestAboutWindow::layoutsWithAndWithoutCredits()
{
    AboutWindow *window = AboutWindow::instance();
    QWidget *copyright = control(window, u"StatAppCopyright"_s);
    QWidget *badge = control(window, u"ZorvikIconCanvas"_s);

    window->Show(false);
    QVERIFY(!window->UseCredits());
    QCOMPARE(window->size(), QSize(284, 218));
    QVERIFY(!credits(window)->isVisible());
    QCOMPARE(copyright->geometry(), QRect(20, 132, 244, 32));
    QCOMPARE(badge->geometry(), QRect(34, 176, 216, 30));

    window->Show(true);
    QVERIFY(window->UseCredits());
    QCOMPARE(window->size(), QSize(284, 366));
    QVERIFY(credits(window)->isVisible());
    QCOMPARE(credits(window)->geometry(), QRect(0, 132, 284, 140));
    QCOMPARE(copyright->geometry(), QRect(20, 280, 244, 32));
    QCOMPARE(badge->geometry(), QRect(34, 324, 216, 30));
}

void TestAboutWindow::aboutAgainKeepsOneWindowAndOneCopyOfCredits()
{
    App::instance()->_HelpAbout_Action();
    AboutWindow *first = AboutWindow::instance();
    const QString shown = credits(first)->toPlainText();

    App::instance()->_HelpAbout_Action();

    QCOMPARE(AboutWindow::instance(), first);
    int aboutWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<AboutWindow *>(window) ? 1 : 0;
    QCOMPARE(aboutWindows, 1);
    QCOMPARE(credits(first)->toPlainText(), shown);
    QCOMPARE(shown.count(u"Author:"_s), 1);
    QCOMPARE(formatOf(credits(first), u"Author:"_s).fontWeight(), QFont::Bold);
}

void TestAboutWindow::aboutAfterCloseShowsNewWindow()
{
    App::instance()->_HelpAbout_Action();
    QPointer<AboutWindow> first = AboutWindow::instance();
    const QString shown = credits(first)->toPlainText();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());

    AboutWindow *second = AboutWindow::instance();
    QVERIFY(!second->UseCredits());
    App::instance()->_HelpAbout_Action();
    QVERIFY(second->isVisible());
    QCOMPARE(credits(second)->toPlainText(), shown);
}

void TestAboutWindow::badgeOpensWebAddressOncePerPress()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"https"_s, &catcher, "open");
    const auto unset = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
    AboutWindow *window = AboutWindow::instance();
    window->Show(true);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    QWidget *badge = control(window, u"ZorvikIconCanvas"_s);
    QTest::mouseClick(badge, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(badge, Qt::LeftButton, {}, QPoint(200, 25));
    QTest::mousePress(badge, Qt::RightButton, {}, QPoint(100, 15));
    QCOMPARE(catcher.opened(), QList<QUrl>(3, QUrl(u"https://quillora.example.org/"_s)));

    QTest::mouseClick(control(window, u"AppIconCanvas"_s), Qt::LeftButton);
    QTest::mouseClick(control(window, u"StatAppName"_s), Qt::LeftButton);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(catcher.opened().size(), 3);
}

void TestAboutWindow::picturesLoadOnceUntilReleased()
{
    using namespace quillora::pictures;
    const QImage icon = AboutIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(AboutMask().size(), icon.size());
    QVERIFY(MwZorvikHzMd().width() >= 216 && MwZorvikHzMd().height() >= 30);
    QCOMPARE(MwZorvikHzMdMask().size(), MwZorvikHzMd().size());
    QCOMPARE(AboutIcon().cacheKey(), icon.cacheKey());

    release();
    QVERIFY(AboutIcon().cacheKey() != icon.cacheKey());
    QCOMPARE(AboutIcon(), icon);

    const QIcon appIcon = applicationIcon();
    QVERIFY(!appIcon.isNull());
    QCOMPARE(appIcon.pixmap(16, 16).size(), QSize(16, 16));
}

void TestAboutWindow::paintsPicturesThroughTheirMasks()
{
    AboutWindow *window = AboutWindow::instance();
    window->Show(true);
    const QColor background = window->palette().color(QPalette::Window);

    // The icon's tile and the badge's pill have rounded corners that their masks leave out.
    const QImage icon = control(window, u"AppIconCanvas"_s)->grab().toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(0, 0), background);
    QVERIFY(icon.pixelColor(32, 32) != background);
    QVERIFY(icon.pixelColor(32, 4) != background);

    const QImage badge = control(window, u"ZorvikIconCanvas"_s)->grab().toImage();
    QCOMPARE(badge.pixelColor(0, 0), background);
    QCOMPARE(badge.pixelColor(215, 29), background);
    QVERIFY(badge.pixelColor(108, 2) != background);
}

QUILLORA_GUI_TEST_MAIN(TestAboutWindow, quillora::App)

#include "tst_aboutwindow.moc"

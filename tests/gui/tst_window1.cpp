// The main window: its controls and geometry, resizing, and Find by click and by Return.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::ListBox;
using quillora::Window1;

namespace {

const std::string kKathyList = "Kathy\tKakai\nCathy\tKakalina\nKatherine\tKakalina";

struct Row
{
    QString english;
    QString hawaiian;
    QString mark;
    bool operator==(const Row &) const = default;
};

QList<Row> rowsOf(const ListBox *list)
{
    QList<Row> rows;
    for (int i = 0; i < list->ListCount(); ++i)
        rows.append({list->Cell(i, 0), list->Cell(i, 1), list->CellTag(i, 0).toString()});
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(QList<Row>)

namespace QTest {
template <>
char *toString(const Row &row)
{
    return qstrdup(u"(%1 | %2 | %3)"_s.arg(row.english, row.hawaiian, row.mark).toUtf8());
}
} // namespace QTest

class TestWindow1 final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        m_window = quillora::test::shownWindow1([] { return kKathyList; });
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void controlsSitWhereTheyBelong_data();
    void controlsSitWhereTheyBelong();
    void windowHasItsTitleTextsAndSize();
    void listFollowsTheWindowOthersStay_data();
    void listFollowsTheWindowOthersStay();
    void findByClickAndByReturnListsTheWorkedExample_data();
    void findByClickAndByReturnListsTheWorkedExample();
    void findHandsOverTheTextUntouched();
    void anExactMatchIgnoresCaseInEveryScript_data();
    void anExactMatchIgnoresCaseInEveryScript();
    void eachFindReplacesTheRows();
    void tableIsBuiltWhenTheWindowOpens();
    void aHugePasteIsCutToTheFieldAndSaysSo();
    void aPasteOfSeveralLinesIsSearchedAsShown_data();
    void aPasteOfSeveralLinesIsSearchedAsShown();

private:
    std::unique_ptr<Window1> m_window;
};

void TestWindow1::controlsSitWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("the caption") << u"sName"_s << QRect(20, 14, 180, 20);
    QTest::newRow("the name field") << u"eName"_s << QRect(20, 35, 258, 22);
    QTest::newRow("the Find button") << u"pFind"_s << QRect(300, 34, 80, 22);
    QTest::newRow("the results list, one pixel past three edges")
        << u"lData"_s << QRect(-1, 100, 402, 401);
    QTest::newRow("the results caption") << u"sResults"_s << QRect(20, 78, 100, 20);
}

void TestWindow1::controlsSitWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto *control = m_window->contentArea()->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void TestWindow1::windowHasItsTitleTextsAndSize()
{
    QCOMPARE(m_window->windowTitle(), u"Quillora"_s);
    QCOMPARE(m_window->contentArea()->size(), QSize(400, 500));
    QCOMPARE(m_window->sName()->text(), u"Enter a Name to translate:"_s);
    QCOMPARE(m_window->sResults()->text(), u"Results:"_s);
    QCOMPARE(m_window->pFind()->text(), u"Find"_s);
    QVERIFY(m_window->pFind()->isDefault());
    QVERIFY(m_window->eName()->text().isEmpty());
    QCOMPARE(m_window->lData()->ColumnCount(), 2);
    QCOMPARE(m_window->lData()->headerItem()->text(0), u"English"_s);
    QCOMPARE(m_window->lData()->headerItem()->text(1), u"Hawaiian"_s);
    QCOMPARE(m_window->lData()->ListCount(), 0);
    QCOMPARE(m_window->lData()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(m_window->lData()->EnableDrag());
}

void TestWindow1::listFollowsTheWindowOthersStay_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("content");
    QTest::addColumn<QSize>("list");
    // clang-format off
    QTest::newRow("the smallest size") << QSize(400, 300) << QSize(400, 300) << QSize(402, 201);
    QTest::newRow("smaller than allowed stops at the minimum")
        << QSize(100, 50) << QSize(400, 300) << QSize(402, 201);
    QTest::newRow("larger grows the list by as much") << QSize(700, 650) << QSize(700, 650)
                                                      << QSize(702, 551);
    // clang-format on
}

void TestWindow1::listFollowsTheWindowOthersStay()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, content);
    QFETCH(QSize, list);
    const int menuHeight = m_window->height() - m_window->contentArea()->height();
    m_window->resize(requested.width(), requested.height() + menuHeight);
    QTRY_COMPARE(m_window->contentArea()->size(), content);
    QCOMPARE(m_window->lData()->geometry(), QRect(QPoint(-1, 100), list));
    QCOMPARE(m_window->eName()->geometry(), QRect(20, 35, 258, 22));
    QCOMPARE(m_window->pFind()->geometry(), QRect(300, 34, 80, 22));
    QCOMPARE(m_window->sName()->geometry(), QRect(20, 14, 180, 20));
    QCOMPARE(m_window->sResults()->geometry(), QRect(20, 78, 100, 20));
}

void TestWindow1::findByClickAndByReturnListsTheWorkedExample_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byReturn");
    QTest::addColumn<QList<Row>>("rows");
    // clang-format off
    const QList<Row> kathy{{u"Kathy"_s, u"Kakai"_s, u"+"_s},
                           {u"Cathy"_s, u"Kakalina"_s, QString()},
                           {u"Kathy"_s, u"Kakahi"_s, u"-"_s}};
    QTest::newRow("Kathy by click") << u"Kathy"_s << false << kathy;
    QTest::newRow("Kathy by Return") << u"Kathy"_s << true << kathy;
    QTest::newRow("KATHY matches Kathy ignoring case")
        << u"KATHY"_s << true
        << QList<Row>{{u"Kathy"_s, u"Kakai"_s, u"+"_s},
                      {u"KATHY"_s, u"KAKaHI"_s, u"-"_s}};
    QTest::newRow("a trailing space keeps the sound-alike, not the mark")
        << u"Kathy "_s << false
        << QList<Row>{{u"Kathy"_s, u"Kakai"_s, QString()},
                      {u"Kathy "_s, u"Kakahi "_s, u"-"_s}};
    QTest::newRow("Cathy")
        << u"Cathy"_s << true
        << QList<Row>{{u"Kathy"_s, u"Kakai"_s, QString()},
                      {u"Cathy"_s, u"Kakalina"_s, u"+"_s},
                      {u"Cathy"_s, u"Kakahi"_s, u"-"_s}};
    QTest::newRow("an empty field still searches")
        << QString() << false << QList<Row>{{QString(), QString(), u"-"_s}};
    // clang-format on
}

void TestWindow1::findByClickAndByReturnListsTheWorkedExample()
{
    QFETCH(QString, typed);
    QFETCH(bool, byReturn);
    QFETCH(QList<Row>, rows);
    m_window->eName()->setFocus();
    QTest::keyClicks(m_window->eName(), typed);
    if (byReturn)
        QTest::keyClick(m_window->eName(), Qt::Key_Return);
    else
        QTest::mouseClick(m_window->pFind(), Qt::LeftButton);
    QCOMPARE(rowsOf(m_window->lData()), rows);
    // Find leaves the field as it was.
    QCOMPARE(m_window->eName()->text(), typed);
}

void TestWindow1::findHandsOverTheTextUntouched()
{
    m_window->eName()->setText(u"  Jos\u00E9 "_s);
    m_window->pFind()->click();
    const ListBox *list = m_window->lData();
    QCOMPARE(list->Cell(list->ListCount() - 1, 0), u"  Jos\u00E9 "_s);
    QCOMPARE(list->Cell(list->ListCount() - 1, 1), u" Kok\u00E9 "_s);
}

void TestWindow1::anExactMatchIgnoresCaseInEveryScript_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("typed");
    QTest::newRow("an accented capital") << u"Jos\u00E9"_s << u"JOS\u00C9"_s;
    QTest::newRow("a final sigma matches a capital sigma")
        << u"\u039D\u03B9\u03BA\u03BF\u03C2"_s << u"\u039D\u0399\u039A\u039F\u03A3"_s;
    QTest::newRow("a final sigma matches a medial sigma")
        << u"\u039D\u03B9\u03BA\u03BF\u03C2"_s << u"\u039D\u03B9\u03BA\u03BF\u03C3"_s;
}

void TestWindow1::anExactMatchIgnoresCaseInEveryScript()
{
    QFETCH(QString, listed);
    QFETCH(QString, typed);
    Window1 window([&listed] { return QString(listed + u"\tform"_s).toStdString(); });
    window.TranslateName(typed);
    QCOMPARE(window.lData()->Cell(0, 0), listed);
    QCOMPARE(window.lData()->CellTag(0, 0).toString(), u"+"_s);
}

void TestWindow1::eachFindReplacesTheRows()
{
    m_window->TranslateName(u"Kathy"_s);
    m_window->TranslateName(u"Zebulon"_s);
    QCOMPARE(rowsOf(m_window->lData()), (QList<Row>{{u"Zebulon"_s, u"Kepulona"_s, u"-"_s}}));
}

void TestWindow1::tableIsBuiltWhenTheWindowOpens()
{
    QCOMPARE(m_window->mRecords().size(), 3U);
    QCOMPARE(m_window->mRecords()[2].key, std::string("K365"));
    // The bundled list is the default.
    Window1 bundled;
    bundled.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(!bundled.mRecords().empty());
}

void TestWindow1::aHugePasteIsCutToTheFieldAndSaysSo()
{
    // Five megabytes pasted: the field keeps what it can hold and says that the rest was left
    // out; Return searches what the field holds, and the drag carries all of it.
    QString pasted;
    for (int i = 0; pasted.size() < 5 << 20; ++i)
        pasted += u"Kathy%1 "_s.arg(i);
    QGuiApplication::clipboard()->setText(pasted);
    QLineEdit *field = m_window->eName();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), pasted.left(Window1::kMaxNameLength));
    QVERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(u"left out"_s));

    QTest::keyClick(field, Qt::Key_Return);
    ListBox *list = m_window->lData();
    const int last = list->ListCount() - 1;
    QCOMPARE(list->Cell(last, 0), field->text());
    QCOMPARE(list->CellTag(last, 0).toString(), u"-"_s);
    list->viewport()->repaint();
    list->topLevelItem(last)->setSelected(true);
    QVERIFY(list->dragItemForSelection()->text.startsWith(field->text() + u'\t'));
}

void TestWindow1::aPasteOfSeveralLinesIsSearchedAsShown_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("searched");
    QTest::newRow("three lines become one line with spaces")
        << u"Kathy\nMary\nJohn"_s << u"Kathy Mary John"_s;
    QTest::newRow("a CR LF line end shows as two spaces") << u"Kathy\r\nMary"_s << u"Kathy  Mary"_s;
    QTest::newRow("a tab becomes a space") << u"Ka\tthy"_s << u"Ka thy"_s;
    QTest::newRow("a Unicode line separator becomes a space")
        << u"Kathy\u2028Mary"_s << u"Kathy Mary"_s;
    QTest::newRow("a line end alone") << u"Kathy\n"_s << u"Kathy "_s;
}

void TestWindow1::aPasteOfSeveralLinesIsSearchedAsShown()
{
    QFETCH(QString, pasted);
    QFETCH(QString, searched);
    QGuiApplication::clipboard()->setText(pasted);
    QLineEdit *field = m_window->eName();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Return);

    ListBox *list = m_window->lData();
    const int last = list->ListCount() - 1;
    QCOMPARE(list->Cell(last, 0), searched);
    // Dragged out, every row is one line of exactly two cells.
    list->selectAll();
    const QStringList lines = list->dragItemForSelection()->text.split(Window1::lineEnd());
    QCOMPARE(lines.size(), list->ListCount());
    for (const QString &line : lines)
        QCOMPARE(line.count(u'\t'), 1);
}

QUILLORA_GUI_TEST_MAIN(TestWindow1, QApplication)
#include "tst_window1.moc"

// The main window: its controls and geometry, resizing, and Find by click and by Return.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

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
    return qstrdup(QStringLiteral("(%1 | %2 | %3)").arg(row.english, row.hawaiian, row.mark).toUtf8());
}
} // namespace QTest

class TestWindow1 final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        m_window = std::make_unique<Window1>([] { return kKathyList; });
        m_window->setAttribute(Qt::WA_DeleteOnClose, false);
        m_window->show();
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
    void eachFindReplacesTheRows();
    void tableIsBuiltWhenTheWindowOpens();
    void aPastedMegabyteIsAnswered();

private:
    std::unique_ptr<Window1> m_window;
};

void TestWindow1::controlsSitWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("the caption") << QStringLiteral("sName") << QRect(20, 14, 180, 20);
    QTest::newRow("the name field") << QStringLiteral("eName") << QRect(20, 35, 258, 22);
    QTest::newRow("the Find button") << QStringLiteral("pFind") << QRect(300, 34, 80, 22);
    QTest::newRow("the results list, one pixel past three edges")
        << QStringLiteral("lData") << QRect(-1, 100, 402, 401);
    QTest::newRow("the results caption") << QStringLiteral("sResults") << QRect(20, 78, 100, 20);
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
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Quillora"));
    QCOMPARE(m_window->contentArea()->size(), QSize(400, 500));
    QCOMPARE(m_window->sName()->text(), QStringLiteral("Enter a Name to translate:"));
    QCOMPARE(m_window->sResults()->text(), QStringLiteral("Results:"));
    QCOMPARE(m_window->pFind()->text(), QStringLiteral("Find"));
    QVERIFY(m_window->pFind()->isDefault());
    QVERIFY(m_window->eName()->text().isEmpty());
    QCOMPARE(m_window->lData()->ColumnCount(), 2);
    QCOMPARE(m_window->lData()->headerItem()->text(0), QStringLiteral("English"));
    QCOMPARE(m_window->lData()->headerItem()->text(1), QStringLiteral("Hawaiian"));
    QCOMPARE(m_window->lData()->ListCount(), 0);
    QCOMPARE(m_window->lData()->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(m_window->lData()->EnableDrag());
}

void TestWindow1::listFollowsTheWindowOthersStay_data()
{
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("content");
    QTest::addColumn<QSize>("list");
    QTest::newRow("the smallest size") << QSize(400, 300) << QSize(400, 300) << QSize(402, 201);
    QTest::newRow("smaller than allowed stops at the minimum")
        << QSize(100, 50) << QSize(400, 300) << QSize(402, 201);
    QTest::newRow("larger grows the list by as much") << QSize(700, 650) << QSize(700, 650)
                                                      << QSize(702, 551);
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
    const QList<Row> kathy{{QStringLiteral("Kathy"), QStringLiteral("Kakai"), QStringLiteral("+")},
                           {QStringLiteral("Cathy"), QStringLiteral("Kakalina"), QString()},
                           {QStringLiteral("Kathy"), QStringLiteral("Kakahi"), QStringLiteral("-")}};
    QTest::newRow("Kathy by click") << QStringLiteral("Kathy") << false << kathy;
    QTest::newRow("Kathy by Return") << QStringLiteral("Kathy") << true << kathy;
    QTest::newRow("KATHY matches Kathy ignoring case")
        << QStringLiteral("KATHY") << true
        << QList<Row>{{QStringLiteral("Kathy"), QStringLiteral("Kakai"), QStringLiteral("+")},
                      {QStringLiteral("KATHY"), QStringLiteral("KAKaHI"), QStringLiteral("-")}};
    QTest::newRow("a trailing space keeps the sound-alike, not the mark")
        << QStringLiteral("Kathy ") << false
        << QList<Row>{{QStringLiteral("Kathy"), QStringLiteral("Kakai"), QString()},
                      {QStringLiteral("Kathy "), QStringLiteral("Kakahi "), QStringLiteral("-")}};
    QTest::newRow("Cathy")
        << QStringLiteral("Cathy") << true
        << QList<Row>{{QStringLiteral("Kathy"), QStringLiteral("Kakai"), QString()},
                      {QStringLiteral("Cathy"), QStringLiteral("Kakalina"), QStringLiteral("+")},
                      {QStringLiteral("Cathy"), QStringLiteral("Kakahi"), QStringLiteral("-")}};
    QTest::newRow("an empty field still searches")
        << QString() << false << QList<Row>{{QString(), QString(), QStringLiteral("-")}};
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
    m_window->eName()->setText(QStringLiteral("  Jos\u00E9 "));
    m_window->pFind()->click();
    const ListBox *list = m_window->lData();
    QCOMPARE(list->Cell(list->ListCount() - 1, 0), QStringLiteral("  Jos\u00E9 "));
    QCOMPARE(list->Cell(list->ListCount() - 1, 1), QStringLiteral(" Kok\u00E9 "));
}

void TestWindow1::eachFindReplacesTheRows()
{
    m_window->TranslateName(QStringLiteral("Kathy"));
    m_window->TranslateName(QStringLiteral("Zebulon"));
    QCOMPARE(rowsOf(m_window->lData()),
             (QList<Row>{{QStringLiteral("Zebulon"), QStringLiteral("Kepulona"), QStringLiteral("-")}}));
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

void TestWindow1::aPastedMegabyteIsAnswered()
{
    // A megabyte pasted into the field: the lookup skips every row by length, the row shows the
    // start of the text, and the drag still carries all of it.
    const QString pasted(1 << 20, QLatin1Char('b'));
    m_window->eName()->setText(pasted);
    QCOMPARE(m_window->eName()->text().size(), pasted.size()); // no length limit
    m_window->pFind()->click();
    ListBox *list = m_window->lData();
    QCOMPARE(list->ListCount(), 1);
    QCOMPARE(list->Cell(0, 0), pasted);
    QCOMPARE(list->Cell(0, 1), QStringLiteral("pa"));
    list->viewport()->repaint();
    list->topLevelItem(0)->setSelected(true);
    QCOMPARE(list->dragItemForSelection()->text.size(), pasted.size() + 3);
}

QTEST_MAIN(TestWindow1)
#include "tst_window1.moc"

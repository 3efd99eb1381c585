// Every result row explains itself: resting the pointer on either cell shows where the form comes
// from and how to say it, and a screen reader finds the same text as the cell's description.

#include "tests/gui/guitest.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QToolTip>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::ListBox;
using quillora::Window1;

namespace {

// For David: an exact match with its source, note and modern spelling, a sound-alike and a near
// spelling made by rule; the letter-by-letter row comes last.
const std::string kDavidList = "David\tKawika\ttrad:bible\tHawaiian Bible: Davida\tKāwika\n"
                               "Davida\tKewika\trule:pron\n"
                               "Davie\tKewi\trule:espeak\n";

} // namespace

class TestRowDetails final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        m_window = quillora::test::shownWindow1([] { return kDavidList; });
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->TranslateName(u"David"_s);
    }
    void cleanup()
    {
        QToolTip::hideText();
        m_window.reset();
    }

    void eachCellShowsItsRowsDetails_data();
    void eachCellShowsItsRowsDetails();
    void theTooltipFollowsThePointerFromRowToRow();
    void aLongTypedNameKeepsTheTooltipShort();

private:
    // Rests the pointer on the cell until its tooltip shows, and returns the tooltip's text.
    QString tooltipOf(int row, int column);

    std::unique_ptr<Window1> m_window;
};

void TestRowDetails::eachCellShowsItsRowsDetails_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("details");
    QTest::newRow("an exact match from the Hawaiian Bible")
        << 0
        << u"Exact match\nTraditional form, from the Hawaiian Bible\nHawaiian Bible: Davida\n"
           "Modern spelling: Kāwika\nSay it: ˌkā·WI·ka (kah-VEE-kah)"_s;
    QTest::newRow("a sound-alike made by rule")
        << 1
        << u"Sounds alike\nMade by rule from the English pronunciation\n"
           "Say it: ke·WI·ka (keh-VEE-kah)"_s;
    QTest::newRow("a near spelling made by rule")
        << 2
        << u"Spelled one letter apart\nMade by rule from the English pronunciation\n"
           "Say it: KE·wi (KEH-vee)"_s;
    QTest::newRow("the letter-by-letter row")
        << 3
        << u"Letter by letter, by rule\nNot in the list: made by rule from the typed spelling\n"
           "Say it: ka·WI·ka (kah-VEE-kah)"_s;
}

void TestRowDetails::eachCellShowsItsRowsDetails()
{
    QFETCH(int, row);
    QFETCH(QString, details);
    QCOMPARE(m_window->lData()->ListCount(), 4);

    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_window->lData());
    QAccessibleTableInterface *table = list->tableInterface();
    QVERIFY(table);
    QTRY_COMPARE(table->rowCount(), 4);
    for (int column = 0; column < 2; ++column) {
        QCOMPARE(tooltipOf(row, column), details);
        QAccessibleInterface *cell = table->cellAt(row, column);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Description), details);
    }
    // The cell's name stays what it was: the row in a sentence, then the form alone.
    QVERIFY(!table->cellAt(row, 0)->text(QAccessible::Name).contains(u'\n'));
    QCOMPARE(table->cellAt(row, 1)->text(QAccessible::Name), m_window->lData()->Cell(row, 1));
}

void TestRowDetails::theTooltipFollowsThePointerFromRowToRow()
{
    QVERIFY(tooltipOf(0, 1).startsWith(u"Exact match\n"_s));
    QVERIFY(tooltipOf(3, 0).startsWith(u"Letter by letter, by rule\n"_s));
    // A new search gives its rows their own details.
    m_window->TranslateName(u"Davie"_s);
    QVERIFY(tooltipOf(0, 0).startsWith(u"Spelled one letter apart\n"_s));
    QVERIFY(tooltipOf(1, 0).startsWith(u"Exact match\n"_s));
}

void TestRowDetails::aLongTypedNameKeepsTheTooltipShort()
{
    // Its letter-by-letter form is thousands of letters long, and so is the way to say it.
    m_window->TranslateName(u"Kathy"_s.repeated(1000));
    const QString details = tooltipOf(m_window->lData()->ListCount() - 1, 1);
    const QStringList lines = details.split(u'\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[1], u"Not in the list: made by rule from the typed spelling"_s);
    QVERIFY2(lines[2].startsWith(u"Say it: ˌka·ka·ˌhi·ka"_s), qPrintable(lines[2]));
    QCOMPARE(lines[2].size(), Window1::kMaxDetailsLineLength);
    QVERIFY(lines[2].endsWith(QChar(0x2026)));
}

QString TestRowDetails::tooltipOf(int row, int column)
{
    ListBox *list = m_window->lData();
    const QRect cell = list->visualRect(list->model()->index(row, column));
    if (cell.isEmpty())
        return u"(row %1 is not shown)"_s.arg(row);
    // The view answers the tooltip event that the application sends when the pointer rests.
    QHelpEvent rest(QEvent::ToolTip, cell.center(), list->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(list->viewport(), &rest);
    if (!QToolTip::isVisible())
        return u"(no tooltip)"_s;
    return QToolTip::text();
}

QUILLORA_GUI_TEST_MAIN(TestRowDetails, QApplication)
#include "tst_rowdetails.moc"

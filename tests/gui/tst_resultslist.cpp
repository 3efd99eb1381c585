// The results list as the user sees it: stripes, separators, text inset, bold and italic rows,
// and the text that a drag of the selection carries.

#include "tests/gui/guitest.h"
#include "windows/cellgraphics.h"
#include "windows/listbox.h"
#include "windows/window1.h"

#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::CellGraphics;
using quillora::ListBox;
using quillora::Window1;

namespace {

constexpr QRgb kStripe = qRgb(0xED, 0xF3, 0xFE);
constexpr QRgb kSeparator = qRgb(0xD9, 0xD9, 0xD9);

// Five rows whose column-0 tags are given: "+", "-", or empty for none.
void fillRows(ListBox *list, const QStringList &tags)
{
    list->DeleteAllRows();
    for (int i = 0; i < tags.size(); ++i) {
        list->AddRow(u"Mmmm"_s);
        list->setCell(i, 1, u"Mmmm"_s);
        if (!tags[i].isEmpty())
            list->setCellTag(i, 0, tags[i]);
    }
}

// Pixels of the list's viewport as drawn.
QImage render(ListBox *list)
{
    return list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int inkIn(const QImage &image, const QRect &rect, QRgb background, int *firstColumn = nullptr)
{
    int ink = 0;
    int first = -1;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < qGray(background) - 80) {
                ++ink;
                if (first < 0)
                    first = x;
            }
        }
    }
    if (firstColumn)
        *firstColumn = first;
    return ink;
}

} // namespace

class TestResultsList final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quillora::test::failOnWarnings();
        m_window = quillora::test::shownWindow1([] { return std::string("Kathy\tKakai"); });
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_list = m_window->lData();
    }
    void cleanup() { m_window.reset(); }

    void evenRowsAreStripedAndEveryCellHasItsSeparator();
    void selectionIsDrawnOverTheStripe();
    void textIsInsetByFivePixels();
    void paintingWritesNoItemData();
    void rowMarksChooseTheStyleOfBothCells_data();
    void rowMarksChooseTheStyleOfBothCells();
    void boldAndItalicRowsLookDifferent();
    void aLongBoldRowEndsInAnEllipsisInsideItsCell();
    void dragCarriesTheSelectedRows_data();
    void dragCarriesTheSelectedRows();
    void dragFromAnEmptyListCarriesNothingAndIsAllowed();

private:
    std::unique_ptr<Window1> m_window;
    ListBox *m_list = nullptr;
};

void TestResultsList::evenRowsAreStripedAndEveryCellHasItsSeparator()
{
    fillRows(m_list, {{}, {}, {}, {}});
    const QImage image = render(m_list);
    const QRgb base = m_list->palette().color(QPalette::Base).rgb();
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRect cell = m_list->visualRect(m_list->model()->index(row, column));
            QVERIFY(!cell.isEmpty());
            // Away from the text: the cell's right half, in its middle line.
            const QPoint blank(cell.right() - 10, cell.center().y());
            QCOMPARE(image.pixel(blank), row % 2 == 0 ? kStripe : base);
            QCOMPARE(image.pixel(cell.right(), cell.center().y()), kSeparator);
            QCOMPARE(image.pixel(cell.right(), cell.top()), kSeparator);
        }
    }
}

void TestResultsList::selectionIsDrawnOverTheStripe()
{
    fillRows(m_list, {{}, {}});
    m_list->topLevelItem(0)->setSelected(true);
    const QImage image = render(m_list);
    const QRect cell = m_list->visualRect(m_list->model()->index(0, 1));
    QVERIFY(image.pixel(cell.right() - 10, cell.center().y()) != kStripe);
    QVERIFY(image.pixel(cell.right() - 10, cell.center().y()) != kSeparator);
}

void TestResultsList::textIsInsetByFivePixels()
{
    // The rows as a search adds them: Kathy, then its letter-by-letter row.
    m_window->TranslateName(u"Kathy"_s);
    QCOMPARE(m_list->ListCount(), 2);
    const QImage withInset = render(m_list);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(m_list->CellAlignmentOffset(row, 0), 5);
        QCOMPARE(m_list->CellAlignmentOffset(row, 1), 5);
    }

    // With no offset the same rows start 5 pixels further left.
    for (int row = 0; row < 2; ++row) {
        m_list->setCellAlignmentOffset(row, 0, 0);
        m_list->setCellAlignmentOffset(row, 1, 0);
    }
    const QImage withoutInset = render(m_list);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRect cell = m_list->visualRect(m_list->model()->index(row, column));
            const QRgb background
                = row % 2 == 0 ? kStripe : m_list->palette().color(QPalette::Base).rgb();
            int insetStart = -1;
            int plainStart = -1;
            inkIn(withInset, cell.adjusted(0, 0, -2, 0), background, &insetStart);
            inkIn(withoutInset, cell.adjusted(0, 0, -2, 0), background, &plainStart);
            QVERIFY(plainStart >= 0);
            QCOMPARE(insetStart - plainStart, 5);
        }
    }
}

void TestResultsList::paintingWritesNoItemData()
{
    m_window->TranslateName(u"Kathy"_s);
    QSignalSpy changed(m_list->model(), &QAbstractItemModel::dataChanged);
    render(m_list);
    QCOMPARE(changed.size(), 0);
}

void TestResultsList::rowMarksChooseTheStyleOfBothCells_data()
{
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::newRow("an exact match is bold") << u"+"_s << true << false;
    QTest::newRow("the letter-by-letter row is italic") << u"-"_s << false << true;
    QTest::newRow("no mark is regular") << QString() << false << false;
    QTest::newRow("another tag is regular") << u"x"_s << false << false;
}

void TestResultsList::rowMarksChooseTheStyleOfBothCells()
{
    QFETCH(QString, mark);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    fillRows(m_list, {mark});
    for (int column = 0; column < 2; ++column) {
        // A context that an earlier cell left bold and italic: both settings are written anew.
        CellGraphics graphics(nullptr, QSize(100, 20));
        graphics.setBold(true);
        graphics.setItalic(true);
        QCOMPARE(m_window->lData_CellTextPaint(graphics, 0, column, 0, 0), false);
        QCOMPARE(graphics.bold(), bold);
        QCOMPARE(graphics.italic(), italic);
    }
}

void TestResultsList::boldAndItalicRowsLookDifferent()
{
    fillRows(m_list, {u"+"_s, QString(), u"-"_s, QString()});
    const QImage image = render(m_list);
    auto cellInk = [&](int row, int column) {
        const QRect cell = m_list->visualRect(m_list->model()->index(row, column));
        const QRgb background
            = row % 2 == 0 ? kStripe : m_list->palette().color(QPalette::Base).rgb();
        return inkIn(image, cell.adjusted(0, 0, -2, 0), background);
    };
    for (int column = 0; column < 2; ++column) {
        const int regular = cellInk(1, column);
        QVERIFY(regular > 0);
        QVERIFY2(cellInk(0, column) > regular * 11 / 10, "the bold row carries more ink");
        // Italic slants the same letters: the ink differs from the regular row's pixels.
        const QRect italicCell = m_list->visualRect(m_list->model()->index(2, column));
        const QRect regularCell = m_list->visualRect(m_list->model()->index(3, column));
        const QImage italicText = image.copy(italicCell);
        const QImage regularText = image.copy(regularCell);
        QVERIFY(italicText != regularText);
    }
}

void TestResultsList::aLongBoldRowEndsInAnEllipsisInsideItsCell()
{
    // Shortened with the bold font's widths, the text and its ellipsis fit the cell. Shortened
    // with the regular font's, the bold text would still be too wide, and the cell would cut it
    // off mid-letter, ellipsis and all: as if it had not been shortened at all. Wide cells make
    // the bold font's extra width larger than the ellipsis.
    m_window->resize(1200, m_window->height());
    fillRows(m_list, {u"+"_s});
    m_list->setCell(0, 0, u"Bartholomew "_s.repeated(30));
    const QModelIndex english = m_list->model()->index(0, 0);
    QTRY_VERIFY(m_list->visualRect(english).width() > 500);
    const QRect cell = m_list->visualRect(english);

    const QImage elided = render(m_list).copy(cell);
    m_list->setTextElideMode(Qt::ElideNone);
    const QImage cutOff = render(m_list).copy(cell);
    QVERIFY2(elided != cutOff, "the bold row's ellipsis is cut off");
}

void TestResultsList::dragCarriesTheSelectedRows_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QString>("text");
    QTest::newRow("one row that is not the last, with its line end")
        << QList<int>{1} << u"E1\tH1\n"_s;
    QTest::newRow("the last row alone, without a line end") << QList<int>{4} << u"E4\tH4"_s;
    QTest::newRow("rows 1 and 3, each with a line end")
        << QList<int>{3, 1} << u"E1\tH1\nE3\tH3\n"_s;
    QTest::newRow("rows 1 and the last, a line end after the first only")
        << QList<int>{1, 4} << u"E1\tH1\nE4\tH4"_s;
    QTest::newRow("nothing selected") << QList<int>{} << QString();
}

void TestResultsList::dragCarriesTheSelectedRows()
{
    QFETCH(QList<int>, selected);
    QFETCH(QString, text);
    m_list->DeleteAllRows();
    for (int i = 0; i < 5; ++i) {
        m_list->AddRow(u"E%1"_s.arg(i));
        m_list->setCell(i, 1, u"H%1"_s.arg(i));
    }
    m_list->setCellTag(0, 0, u"+"_s);
    m_list->setCellTag(4, 0, u"-"_s);
    for (int row : selected)
        m_list->topLevelItem(row)->setSelected(true);
    // The pointer's row plays no part: make another row current.
    m_list->setCurrentItem(m_list->topLevelItem(2), 0, QItemSelectionModel::NoUpdate);

    const std::unique_ptr<QMimeData> mime(
        m_list->model()->mimeData(m_list->selectionModel()->selectedIndexes()));
    QVERIFY(mime);
    QCOMPARE(mime->text(), text);
}

void TestResultsList::dragFromAnEmptyListCarriesNothingAndIsAllowed()
{
    m_list->DeleteAllRows();
    const auto drag = m_list->dragItemForSelection();
    QVERIFY(drag.has_value());
    QCOMPARE(drag->text, QString());
}

QUILLORA_GUI_TEST_MAIN(TestResultsList, QApplication)
#include "tst_resultslist.moc"

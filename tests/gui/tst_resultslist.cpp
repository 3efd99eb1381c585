// The results list as the user sees it: stripes, separators, text inset, bold and italic rows,
// and the text that a drag of the selection carries.

#include "tests/gui/guitest.h"
#include "windows/cellgraphics.h"
#include "windows/listbox.h"
#include "windows/rowcolors.h"
#include "windows/window1.h"

#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

using quillora::CellGraphics;
using quillora::contrastRatio;
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

// The contrast of a cell's text: its letters' core (the pixel that stands out most from the
// background) against every shade of the background, which a style may draw as a gradient, taken
// down the blank right part of the cell. The weakest pair counts.
double textContrastIn(const QImage &image, const QRect &cell)
{
    const int blankX = cell.right() - 10;
    const QColor middle = image.pixelColor(blankX, cell.center().y());
    QColor letters = middle;
    for (int x = cell.left(); x <= cell.right() - 3; ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (contrastRatio(pixel, middle) > contrastRatio(letters, middle))
                letters = pixel;
        }
    }
    double weakest = 21;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y)
        weakest = std::min(weakest, contrastRatio(letters, image.pixelColor(blankX, y)));
    return weakest;
}

QPalette darkPalette(
    QColor base, QColor alternateBase, QColor text, QColor highlight, QColor highlightedText)
{
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, base);
        palette.setColor(group, QPalette::AlternateBase, alternateBase);
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, highlightedText);
    }
    return palette;
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
    void contrastIsMeasuredAsWcagDoes();
    void everyRowIsReadableUnderADarkPalette_data();
    void everyRowIsReadableUnderADarkPalette();
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

void TestResultsList::contrastIsMeasuredAsWcagDoes()
{
    QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(contrastRatio(Qt::white, Qt::black), 21.0);
    QCOMPARE(contrastRatio(QColor(0x30, 0x8C, 0xC6), QColor(0x30, 0x8C, 0xC6)), 1.0);
    // The grey that just passes on white, and the one just lighter that fails.
    QVERIFY(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) >= 4.5);
    QVERIFY(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5);
}

void TestResultsList::everyRowIsReadableUnderADarkPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    // The colours that Qt's GTK theme gives under Adwaita:dark: light text on a faint stripe,
    // and a selection on which that text reaches only 3.2:1.
    QTest::newRow("a dark desktop theme")
        << darkPalette(QColor(0x24, 0x24, 0x24), QColor(0x2B, 0x2B, 0x2B), QColor(0xF0, 0xF0, 0xF0),
               QColor(0x30, 0x8C, 0xC6), QColor(0xF0, 0xF0, 0xF0));
    QTest::newRow("a dark theme without an alternate base, with a pale selection")
        << darkPalette(QColor(0x1E, 0x1E, 0x1E), QColor(0x1E, 0x1E, 0x1E), QColor(0xDD, 0xDD, 0xDD),
               QColor(0xA0, 0xC4, 0xFF), QColor(0xFF, 0xFF, 0xFF));
    QTest::newRow("a dark theme whose selection carries dark text")
        << darkPalette(QColor(0x20, 0x20, 0x28), QColor(0x28, 0x28, 0x30), QColor(0xE8, 0xE8, 0xE8),
               QColor(0x50, 0x60, 0x80), QColor(0x10, 0x10, 0x10));
}

void TestResultsList::everyRowIsReadableUnderADarkPalette()
{
    QFETCH(QPalette, palette);
    m_list->setPalette(palette);
    // Bold, regular and italic rows, striped and not, two of them selected. The style shades the
    // current row of a focused list: its lighter edge must hold the contrast too.
    fillRows(m_list, {u"+"_s, QString(), u"-"_s, QString(), u"+"_s});
    m_list->topLevelItem(1)->setSelected(true);
    m_list->topLevelItem(4)->setSelected(true);
    m_list->setCurrentItem(m_list->topLevelItem(1), 0, QItemSelectionModel::NoUpdate);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_list->setFocus();
    const QImage image = render(m_list);
    QColor background[5];
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRect cell = m_list->visualRect(m_list->model()->index(row, column));
            background[row] = image.pixelColor(cell.right() - 10, cell.center().y());
            const double contrast = textContrastIn(image, cell);
            QVERIFY2(contrast >= 4.5,
                qPrintable(u"row %1, column %2: text contrast %3:1 on %4"_s.arg(row)
                               .arg(column)
                               .arg(contrast, 0, 'f', 2)
                               .arg(background[row].name())));
        }
    }
    // The rows are still striped, and the selection still shows.
    QVERIFY(background[0] != background[3]);
    QVERIFY(background[1] != background[3]);
    QVERIFY(background[4] != background[0]);
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

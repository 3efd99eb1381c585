#include "tests/gui/guitest.h"
#include "windows/styledtextfield.h"
#include "windows/tagrenderer.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A field in the system font at 12 points, plain, as the program's fields start.
void setUpField(QTextEdit &edit, const QString &text)
{
    QFont font = edit.font();
    font.setPointSize(12);
    edit.setFont(font);
    edit.setReadOnly(true);
    edit.setPlainText(text);
}

// The field's text with a mark wherever the style changes: "{b}" bold, "{i}" italic, "{b i}"
// both, a number for a size other than the field's 12 points, "{}" back to plain 12 points.
// Line ends appear as "\n" and carry no mark of their own.
QString describe(const QTextEdit &edit)
{
    QString out;
    QString current;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            QStringList marks;
            if (format.fontWeight() >= QFont::Bold)
                marks << u"b"_s;
            if (format.fontItalic())
                marks << u"i"_s;
            const int size = format.hasProperty(QTextFormat::FontPointSize)
                ? qRound(format.fontPointSize())
                : edit.document()->defaultFont().pointSize();
            if (size != 12)
                marks << QString::number(size);
            const QString style = marks.join(u' ');
            if (style != current)
                out += u'{' + style + u'}';
            current = style;
            out += fragment.text();
        }
        if (block.next().isValid())
            out += u'\n';
    }
    return out;
}

// A field that keeps one text size per character and logs the sizes it is asked to set.
class FakeField final : public quillora::StyledTextField
{
public:
    explicit FakeField(const QString &text)
        : m_text(text)
        , m_sizes(text.size(), 12)
    { }

    QString text() const override { return m_text; }
    void select(qsizetype start, qsizetype length) override
    {
        m_start = std::clamp<qsizetype>(start, 0, m_text.size());
        m_length = std::clamp<qsizetype>(length, 0, m_text.size() - m_start);
    }
    void replaceSelection(const QString &text) override
    {
        m_text.replace(m_start, m_length, text);
        m_sizes.remove(m_start, m_length);
        m_sizes.insert(m_start, text.size(), 12);
        m_length = 0;
    }
    void setSelectionBold(bool) override { }
    void setSelectionItalic(bool) override { }
    int selectionTextSize() const override
    {
        return m_start < m_sizes.size() ? m_sizes.at(m_start) : 12;
    }
    void setSelectionTextSize(int points) override
    {
        requestedSizes << points;
        std::fill_n(m_sizes.begin() + m_start, m_length, points);
    }
    void scrollToTop() override { }
    void clearSelection() override { }

    QList<int> requestedSizes;

private:
    QString m_text;
    QList<int> m_sizes;
    qsizetype m_start = 0;
    qsizetype m_length = 0;
};

} // namespace

class TestTagRenderer final : public QObject
{
    Q_OBJECT

private slots:
    void init() { quillora::test::failOnWarnings(); }

    void rendersStyles_data();
    void rendersStyles();
    void fontSizeRemembersOnlyTheLastFontTag();
    void leavesFieldAtTopWithNothingSelected();
    void sizeValue_data();
    void sizeValue();
};

void TestTagRenderer::rendersStyles_data()
{
    QTest::addColumn<QString>("tagged");
    QTest::addColumn<QString>("rendered");

    // clang-format off
    QTest::newRow("text without tags stays plain") << u"plain > text\r"_s << u"plain > text\n"_s;
    QTest::newRow("bold on and off") << u"a<b>bc</b>d"_s << u"a{b}bc{}d"_s;
    QTest::newRow("tag names ignore case") << u"a<B>b</B>c<I>d</i>e"_s
                                           << u"a{b}b{}c{i}d{}e"_s;
    QTest::newRow("unclosed bold runs to the end, across lines") << u"a<b>b\rc"_s
                                                                 << u"a{b}b\nc"_s;
    QTest::newRow("closing bold without opening changes nothing") << u"a</b>b"_s << u"ab"_s;
    QTest::newRow("two bold tags end at the first close") << u"<b>a<b>b</b>c"_s
                                                          << u"{b}ab{}c"_s;
    QTest::newRow("bold and italic overlap without nesting")
        << u"a<b>b<i>c</b>d</i>e"_s << u"a{b}b{b i}c{i}d{}e"_s;
    QTest::newRow("after nested fonts close, the inner tag's saved size holds")
        << u"a<font size=\"10\">b<font size=\"8\">c</font>d</font>e"_s << u"a{10}b{8}c{10}de"_s;
    QTest::newRow("closing font without font gives the field's own size")
        << u"a</font>b"_s << u"ab"_s;
    QTest::newRow("font without quoted number gives the field's own size")
        << u"<font size=\"10\">a<font size=9>b<font size=\"x\">c"_s << u"{10}a{}bc"_s;
    QTest::newRow("any font tag's first quoted number is its size")
        << u"a<FONT color=\"8\">b"_s << u"a{8}b"_s;
    QTest::newRow("fractional size is rounded") << u"<font size=\"9.5\">a"_s << u"{10}a"_s;
    QTest::newRow("tag with attributes acts by its name")
        << u"a<b class=\"x\">b<i  >c"_s << u"a{b}b{b i}c"_s;
    QTest::newRow("unknown and empty tags are deleted") << u"a<u>b</u>c<>d<bold>e"_s
                                                        << u"abcde"_s;
    QTest::newRow("a tag reaches across line ends") << u"a<b\r\rc>d"_s << u"ad"_s;
    QTest::newRow("lone closing bracket stays") << u"a>b<b>c>"_s << u"a>b{b}c>"_s;
    QTest::newRow("tag at the very end is deleted") << u"ab\r<b>"_s << u"ab\n"_s;
    QTest::newRow("opening bracket without closing one ends the pass")
        << u"a<i>b< c\rd"_s << u"a{i}b< c\nd"_s;
    // clang-format on
}

void TestTagRenderer::rendersStyles()
{
    QFETCH(QString, tagged);
    QFETCH(QString, rendered);

    QTextEdit edit;
    setUpField(edit, tagged);
    quillora::RenderTaggedText(&edit);
    QCOMPARE(describe(edit), rendered);
}

void TestTagRenderer::fontSizeRemembersOnlyTheLastFontTag()
{
    // A close before any font asks for size 0; then the outer close restores what the inner
    // font tag saved (10), not what the outer one saved (12).
    FakeField field(u"</font>a<font size=\"10\">b<font size=\"8\">c</font>d</font>e"_s);
    quillora::RenderTaggedText(field);
    QCOMPARE(field.text(), u"abcde"_s);
    QCOMPARE(field.requestedSizes, (QList<int>{0, 10, 8, 10, 10}));
}

void TestTagRenderer::leavesFieldAtTopWithNothingSelected()
{
    QTextEdit edit;
    edit.resize(200, 80);
    setUpField(edit, u"<b>Top</b>\r"_s + u"line\r"_s.repeated(60) + u"end<i>"_s);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->maximum());

    quillora::RenderTaggedText(&edit);

    QVERIFY(edit.verticalScrollBar()->maximum() > 0);
    QCOMPARE(edit.verticalScrollBar()->value(), 0);
    QVERIFY(!edit.textCursor().hasSelection());
    QVERIFY(edit.isReadOnly());
}

void TestTagRenderer::sizeValue_data()
{
    QTest::addColumn<QString>("inside");
    QTest::addColumn<int>("size");

    // clang-format off
    QTest::newRow("quoted number") << u"font size=\"10\""_s << 10;
    QTest::newRow("no second quote: to the end") << u"font size=\"14"_s << 14;
    QTest::newRow("unit after the number") << u"font size=\"10pt\""_s << 10;
    QTest::newRow("blanks before the number") << u"font size=\" 8\""_s << 8;
    QTest::newRow("half rounds away from zero") << u"font size=\"9.5\""_s << 10;
    QTest::newRow("fraction below a half rounds down") << u"font size=\"10.4\""_s << 10;
    QTest::newRow("negative number") << u"font size=\"-3\""_s << -3;
    QTest::newRow("only the first quoted value counts") << u"font face=\"Serif\" size=\"10\""_s
                                                        << 0;
    QTest::newRow("unquoted number") << u"font size=10"_s << 0;
    QTest::newRow("empty quotes") << u"font size=\"\""_s << 0;
    QTest::newRow("no attributes") << u"font"_s << 0;
    QTest::newRow("huge number is held") << u"font size=\"99999999999999999999999\""_s << 10000;
    // clang-format on
}

void TestTagRenderer::sizeValue()
{
    QFETCH(QString, inside);
    QFETCH(int, size);
    QCOMPARE(quillora::tagSizeValue(inside), size);
}

QUILLORA_GUI_TEST_MAIN(TestTagRenderer, QApplication)
#include "tst_tagrenderer.moc"

#include "windows/tagrenderer.h"

#include "windows/styledtextfield.h"

#include <algorithm>
#include <cmath>

namespace quillora {

int tagSizeValue(QStringView inside)
{
    const qsizetype open = inside.indexOf(u'"');
    if (open < 0)
        return 0;
    QStringView value = inside.sliced(open + 1);
    if (const qsizetype close = value.indexOf(u'"'); close >= 0)
        value = value.first(close);

    // The number that the value begins with: blanks, a sign, digits, a fraction. Whatever
    // follows it ("10pt") is ignored.
    qsizetype i = 0;
    while (i < value.size() && (value[i] == u' ' || value[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == u'-' || value[i] == u'+'))
        negative = value[i++] == u'-';
    double number = 0;
    bool anyDigit = false;
    for (; i < value.size() && value[i].isDigit() && value[i].unicode() <= u'9'; ++i) {
        number = number * 10 + (value[i].unicode() - u'0');
        anyDigit = true;
    }
    if (i < value.size() && value[i] == u'.') {
        double scale = 0.1;
        for (++i; i < value.size() && value[i].isDigit() && value[i].unicode() <= u'9'; ++i) {
            number += scale * (value[i].unicode() - u'0');
            scale /= 10;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    // Sizes beyond any sensible type are held at a size a font can still take.
    constexpr double largest = 10000;
    return static_cast<int>(std::lround(std::min(number, largest) * (negative ? -1 : 1)));
}

void RenderTaggedText(StyledTextField &field)
{
    int savedSize = 0;
    for (;;) {
        const QString text = field.text();
        const qsizetype open = text.indexOf(u'<');
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'>', open);
        if (close < 0)
            break; // an unclosed "<" and what follows it stay as plain text
        const QStringView inside = QStringView(text).sliced(open + 1, close - open - 1);
        const qsizetype space = inside.indexOf(u' ');
        const QStringView name = space < 0 ? inside : inside.first(space);

        field.select(open, close - open + 1);
        field.replaceSelection(QString());
        // From where the tag stood to the end of the text.
        field.select(open, text.size() - open - 1);

        const auto is
            = [name](QStringView tag) { return name.compare(tag, Qt::CaseInsensitive) == 0; };
        if (is(u"b"))
            field.setSelectionBold(true);
        else if (is(u"/b"))
            field.setSelectionBold(false);
        else if (is(u"i"))
            field.setSelectionItalic(true);
        else if (is(u"/i"))
            field.setSelectionItalic(false);
        else if (is(u"font")) {
            const int size = tagSizeValue(inside);
            // No stack of sizes: each font tag overwrites the one remembered before it.
            savedSize = field.selectionTextSize();
            field.setSelectionTextSize(size);
        } else if (is(u"/font"))
            field.setSelectionTextSize(savedSize);
    }
    field.scrollToTop();
    field.clearSelection();
}

void RenderTaggedText(QTextEdit *edit)
{
    TextEditField field(edit);
    RenderTaggedText(field);
}

} // namespace quillora

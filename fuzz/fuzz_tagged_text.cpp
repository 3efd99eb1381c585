// The tagged-text renderer on a real read-only text field (offscreen): never fails, ends on every
// input, leaves exactly the text with its tags deleted, with a usable size on every character,
// scrolled to the top and nothing selected.
#include "fuzz_check.h"
#include "windows/styledtextfield.h"
#include "windows/tagrenderer.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using quillora::fuzz::asText;
using quillora::fuzz::dump;
using quillora::fuzz::require;

namespace {

QApplication *application = nullptr;
QTextEdit *field = nullptr;

// What the text must read after the pass: every "<" up to the first ">" after it removed, left
// to right; a "<" without a ">" after it stops the removal.
QString withoutTags(QString text)
{
    for (;;) {
        const qsizetype open = text.indexOf(u'<');
        if (open < 0)
            return text;
        const qsizetype close = text.indexOf(u'>', open);
        if (close < 0)
            return text;
        text.remove(open, close - open + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    application = new QApplication(*argc, *argv);
    field = quillora::makeReadOnlyStyledField(
        nullptr, QStringLiteral("EditField1"), QRect(0, 0, 402, 402));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes = asText(data, size);
    const QString input = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    quillora::setUnstyledText(field, input);
    // The field's own text, as the pass reads it: its line ends are paragraph breaks already, so a
    // CR and an LF that a tag kept apart stay two breaks when the tag goes.
    const QString expected = withoutTags(field->toPlainText());
    quillora::RenderTaggedText(field);

    if (field->toPlainText() != expected) {
        dump("input", bytes);
        const QByteArray shown = field->toPlainText().toUtf8();
        dump("shown", std::string_view(shown.constData(), static_cast<std::size_t>(shown.size())));
        require(false, "the field shows the text with exactly its tags deleted");
    }
    require(!field->textCursor().hasSelection(), "nothing is selected after the pass");
    require(field->verticalScrollBar()->value() == 0, "the field shows its first line");
    for (QTextBlock block = field->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QFont font = it.fragment().charFormat().font();
            require(font.pointSizeF() > 0 || font.pixelSize() > 0, "every character has a size");
        }
    }
    return 0;
}

#include "windows/styledtextfield.h"

#include <QApplication>
#include <QFontInfo>
#include <QPalette>
#include <QScrollBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace quillora {

void setUnstyledText(QTextEdit *edit, const QString &text)
{
    edit->clear();
    edit->setCurrentCharFormat(QTextCharFormat());
    edit->setPlainText(text);
}

TextEditField::TextEditField(QTextEdit *edit)
    : m_edit(edit)
{ }

QString TextEditField::text() const
{
    // One character per line end, as the cursor counts them, so positions in this text are
    // cursor positions.
    return m_edit->document()->toPlainText();
}

void TextEditField::select(qsizetype start, qsizetype length)
{
    const int end = m_edit->document()->characterCount() - 1; // without the closing separator
    const auto clamp = [end](qsizetype position) {
        return static_cast<int>(std::clamp<qsizetype>(position, 0, end));
    };
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(clamp(start));
    cursor.setPosition(clamp(start + std::max<qsizetype>(length, 0)), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(cursor);
}

void TextEditField::replaceSelection(const QString &text)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.insertText(text);
    m_edit->setTextCursor(cursor);
}

void TextEditField::setSelectionBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    m_edit->textCursor().mergeCharFormat(format);
}

void TextEditField::setSelectionItalic(bool italic)
{
    QTextCharFormat format;
    format.setFontItalic(italic);
    m_edit->textCursor().mergeCharFormat(format);
}

int TextEditField::selectionTextSize() const
{
    // The format of a character is read by a cursor just after it.
    const QTextCursor selection = m_edit->textCursor();
    QTextCursor cursor(m_edit->document());
    cursor.setPosition(
        std::min(selection.selectionStart() + 1, m_edit->document()->characterCount() - 1));
    const QTextCharFormat format = cursor.charFormat();
    if (!format.hasProperty(QTextFormat::FontPointSize))
        return ownTextSize();
    return static_cast<int>(std::lround(format.fontPointSize()));
}

void TextEditField::setSelectionTextSize(int points)
{
    QTextCharFormat format;
    format.setFontPointSize(points > 0 ? points : ownTextSize());
    m_edit->textCursor().mergeCharFormat(format);
}

void TextEditField::scrollToTop()
{
    m_edit->verticalScrollBar()->setValue(m_edit->verticalScrollBar()->minimum());
}

void TextEditField::clearSelection()
{
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::Start);
    m_edit->setTextCursor(cursor);
}

int TextEditField::ownTextSize() const
{
    // A font given in pixels has no point size of its own; the matched font has one.
    const QFont font = m_edit->document()->defaultFont();
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

QTextEdit *makeReadOnlyStyledField(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *field = new QTextEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    // A caret that the keyboard moves and selects with, as in a document: keyboard users and
    // screen readers go through the text line by line.
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    field->setAcceptRichText(false);
    field->setTabChangesFocus(true);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setLineWrapMode(QTextEdit::WidgetWidth);
    QFont font = QApplication::font();
    font.setPointSize(12);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    field->setFont(font);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    return field;
}

} // namespace quillora

#pragma once

#include <QString>
#include <QStringView>

class QTextEdit;

namespace quillora {

class StyledTextField;

/// Turns text written in the program's tag markup into styled text, in place. Every tag, from
/// a "<" to the first ">" after it, is deleted, and the style it names is applied from its
/// position to the end of the text: <b> and </b> switch bold on and off, <i> and </i> italic,
/// <font ...> sets the text size to its first quoted number and remembers the size it replaced,
/// </font> brings back the remembered size. Tag names ignore case; a name is the tag's inside
/// up to its first space; tags of any other name are only deleted. Afterwards the field shows
/// its first line and nothing is selected.
///
/// A "<" with no ">" after it ends the pass: it and the rest of the text stay as they are.
void RenderTaggedText(StyledTextField &field);
/// RenderTaggedText on a QTextEdit (which may be read-only).
void RenderTaggedText(QTextEdit *edit);

/// The size that a font tag with this inside asks for: the number that the text after the
/// inside's first double quote begins with, up to a second quote, rounded to the nearest whole
/// number (halves away from zero); 0 when there is no quote or no number.
int tagSizeValue(QStringView inside);

} // namespace quillora

#pragma once

#include <QColor>
#include <QPalette>

namespace quillora {

/// The least contrast between text and its background that keeps a row readable: WCAG's 4.5:1
/// for body text.
constexpr double kMinimumTextContrast = 4.5;

/// The contrast ratio of two colours as WCAG defines it, from 1 (the same luminance) to 21 (black
/// on white); the order of the colours does not matter.
double contrastRatio(const QColor &a, const QColor &b);

/// Whether the palette puts light text on a dark base, as dark desktop themes do.
bool isDarkPalette(const QPalette &palette);

/// The colours of the results list's own drawing: the stripe of the even rows and the separator
/// on every cell's right edge.
struct RowColors
{
    QColor stripe;
    QColor separator;
};

/// The list's colours for this palette. A light palette gets the fixed pale blue stripe and light
/// grey separator; under a dark palette the palette's text would be unreadable on them, so both
/// are taken from the palette: the stripe is its alternate base (or, when that is no different
/// from the base or too close to the text, the base a step towards the text colour) and the
/// separator a further step.
RowColors rowColors(const QPalette &palette);

/// The selection colour that the list draws its selected rows in. A light palette keeps its own;
/// under a dark palette the highlight moves away from the highlighted text's lightness, as far as
/// needed, until that text reaches kMinimumTextContrast on it.
QColor selectionColor(const QPalette &palette, QPalette::ColorGroup group);

} // namespace quillora

#include "windows/rowcolors.h"

#include <algorithm>
#include <cmath>

namespace quillora {

namespace {

constexpr QColor kStripeColor(0xED, 0xF3, 0xFE);
constexpr QColor kSeparatorColor(0xD9, 0xD9, 0xD9);

// How far the derived stripe and separator lie from the base towards the text colour.
constexpr double kStripeStep = 0.06;
constexpr double kSeparatorStep = 0.2;

double relativeLuminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

QColor blend(const QColor &from, const QColor &to, double amount)
{
    const auto mix
        = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
    return QColor(
        mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isDarkPalette(const QPalette &palette)
{
    return relativeLuminance(palette.color(QPalette::Base))
        < relativeLuminance(palette.color(QPalette::Text));
}

RowColors rowColors(const QPalette &palette)
{
    if (!isDarkPalette(palette))
        return {kStripeColor, kSeparatorColor};
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QColor stripe = palette.color(QPalette::AlternateBase);
    if (stripe == base || contrastRatio(text, stripe) < kMinimumTextContrast)
        stripe = blend(base, text, kStripeStep);
    return {stripe, blend(base, text, kSeparatorStep)};
}

QColor selectionColor(const QPalette &palette, QPalette::ColorGroup group)
{
    QColor highlight = palette.color(group, QPalette::Highlight);
    if (!isDarkPalette(palette))
        return highlight;
    // Step by step away from the text's lightness: towards black under light text, towards white
    // under dark text. Either end contrasts with the text, so the steps end. Styles shade the
    // selection (Fusion runs a gradient through it), so the text must be readable on its edge
    // nearest to the text's lightness too.
    const QColor text = palette.color(group, QPalette::HighlightedText);
    const bool lightText = relativeLuminance(text) > relativeLuminance(highlight);
    const QColor away = lightText ? Qt::black : Qt::white;
    const auto shadeNearText = [lightText](const QColor &color) {
        return lightText ? color.lighter(110) : color.darker(110);
    };
    for (int step = 0;
         step < 32 && contrastRatio(text, shadeNearText(highlight)) < kMinimumTextContrast; ++step)
        highlight = blend(highlight, away, 0.1);
    return highlight;
}

} // namespace quillora

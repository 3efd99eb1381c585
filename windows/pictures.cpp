#include "windows/pictures.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace quillora::pictures {

namespace {

// Pictures are held as QImage, which needs no running GUI, so the slots may outlive the
// application object without harm.
struct Slot
{
    const char16_t *path;
    QImage picture;
};

Slot &slot(int id)
{
    static Slot cache[] = {
        {u":/quillora/pictures/168-icon.png", {}},
        {u":/quillora/pictures/169-icon-mask.png", {}},
        {u":/quillora/pictures/170-badge.png", {}},
        {u":/quillora/pictures/171-badge-mask.png", {}},
    };
    return cache[id - 168];
}

QImage load(int id)
{
    Slot &s = slot(id);
    if (s.picture.isNull())
        s.picture.load(QString::fromUtf16(s.path));
    return s.picture;
}

} // namespace

QImage AboutIcon()
{
    return load(168);
}

QImage AboutMask()
{
    return load(169);
}

QImage MwZorvikHzMd()
{
    return load(170);
}

QImage MwZorvikHzMdMask()
{
    return load(171);
}

void release()
{
    for (int id = 168; id <= 171; ++id)
        slot(id).picture = QImage();
}

QImage masked(const QImage &picture, const QImage &mask)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    if (mask.isNull() || result.isNull())
        return result;
    // The mask is laid at (0, 0) on an all-white one of the picture's size.
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    QImage alpha(result.size(), QImage::Format_Grayscale8);
    alpha.fill(Qt::white);
    const int width = std::min(grey.width(), alpha.width());
    for (int y = 0; y < std::min(grey.height(), alpha.height()); ++y)
        std::copy_n(grey.constScanLine(y), width, alpha.scanLine(y));
    result.setAlphaChannel(alpha);
    return result;
}

void drawMasked(QPainter &painter, const QRect &target, const QImage &picture, const QImage &mask,
    const QRect &source)
{
    if (picture.isNull())
        return;
    // Part of the source outside the picture is transparent. The part is scaled here rather
    // than by the painter, which averages well when shrinking, and at the device's pixel ratio.
    QImage part = masked(picture, mask).copy(source);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (QSizeF(target.size()) * ratio).toSize();
    if (part.size() != pixels)
        part = part.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    part.setDevicePixelRatio(ratio);
    painter.drawImage(target.topLeft(), part);
}

QIcon applicationIcon()
{
    const QImage icon = masked(AboutIcon(), AboutMask());
    if (icon.isNull())
        return {};
    QIcon result;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        result.addPixmap(QPixmap::fromImage(
            icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return result;
}

} // namespace quillora::pictures

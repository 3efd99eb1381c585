#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QRect;

/// The About window's four picture resources: the application icon (168) with its mask (169)
/// and the badge (170) with its mask (171). Each accessor loads its picture on first use and
/// keeps it until release(); a picture that cannot be loaded leaves its slot empty, so the next
/// call tries again, and the accessor returns a null image.
///
/// A mask is a grey picture of the same size as its picture: white pixels are drawn, black ones
/// are left out, greys are drawn partly transparent.
namespace quillora::pictures {

QImage AboutIcon();
QImage AboutMask();
QImage MwZorvikHzMd();
QImage MwZorvikHzMdMask();

/// Finalisation: empties the four slots.
void release();

/// The picture with the mask set as its transparency. Where the mask is smaller than the
/// picture, the rest of the picture is drawn; a null mask leaves the picture opaque.
QImage masked(const QImage &picture, const QImage &mask);

/// Draws the masked picture's `source` part into `target`, scaled to fit; nothing when the
/// picture is missing.
void drawMasked(QPainter &painter, const QRect &target, const QImage &picture, const QImage &mask,
    const QRect &source);

/// The application icon, with its mask applied, for window decorations and task bars.
QIcon applicationIcon();

} // namespace quillora::pictures

#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

class QPainter;

namespace quillora {

/// The drawing context that the results list hands to its cell handlers: the cell's own
/// coordinates (origin at its top-left corner), a drawing colour, and the bold and italic
/// settings with which the list then draws the cell's text. Without a painter (when the list
/// only measures a cell) drawing does nothing and only the text settings count.
class CellGraphics final
{
public:
    CellGraphics(QPainter *painter, QSize size);

    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }

    void setForeColor(const QColor &color) { m_foreColor = color; }
    QColor foreColor() const { return m_foreColor; }

    /// Fills the rectangle with the drawing colour.
    void FillRect(int x, int y, int width, int height);
    /// Draws a one-pixel line in the drawing colour, both end points included.
    void DrawLine(int x1, int y1, int x2, int y2);

    void setBold(bool bold) { m_bold = bold; }
    bool bold() const { return m_bold; }
    void setItalic(bool italic) { m_italic = italic; }
    bool italic() const { return m_italic; }

private:
    QPainter *m_painter;
    QSize m_size;
    QColor m_foreColor = Qt::black;
    bool m_bold = false;
    bool m_italic = false;
};

} // namespace quillora

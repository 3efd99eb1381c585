#include "windows/cellgraphics.h"

#include <QPainter>

namespace quillora {

CellGraphics::CellGraphics(QPainter *painter, QSize size)
    : m_painter(painter)
    , m_size(size)
{ }

void CellGraphics::FillRect(int x, int y, int width, int height)
{
    if (m_painter)
        m_painter->fillRect(x, y, width, height, m_foreColor);
}

void CellGraphics::DrawLine(int x1, int y1, int x2, int y2)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setPen(QPen(m_foreColor, 0)); // cosmetic: one device pixel wide
    m_painter->drawLine(x1, y1, x2, y2);
    m_painter->restore();
}

} // namespace quillora

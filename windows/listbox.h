#pragma once

#include <QPoint>
#include <QString>
#include <QTreeWidget>
#include <QVariant>

#include <functional>
#include <optional>

namespace quillora {

class CellGraphics;

/// What a drag out of the list carries: plain text.
struct DragItem
{
    QString text;
};

/// A multi-column list box: rows of text cells with a tag per cell, several selected rows,
/// owner-drawn cells and row dragging. Its owner answers its events through handlers, which
/// the list calls with the cell's drawing context or the drag item, as a list box does.
///
/// A results row, from the lookup to the screen: Window1::TranslateName adds one row per
/// ResultRow and turns its MatchKind into the row's mark (rowMark(): "+" for Exact, "-" for
/// LetterByLetter, none otherwise), held as the CellTag of column 0; it also sets each cell's
/// CellAlignmentOffset, the 5-pixel text inset, once. When a cell is drawn, ResultsDelegate
/// calls the owner's background handler (Window1::lData_CellBackgroundPaint: stripe and
/// separator) and, in initStyleOption, its text handler (Window1::lData_CellTextPaint), which
/// reads the column-0 mark and sets bold for "+" and italic for "-" in the CellGraphics; the
/// delegate puts those into the option's font and font metrics, elides the text with them and
/// draws it shifted by the offset. Painting reads the items and never writes them.
class ListBox final : public QTreeWidget
{
    Q_OBJECT

public:
    /// Before a cell is drawn: paints its background; false lets the list draw its own on top.
    using CellBackgroundPaintHandler = std::function<bool(CellGraphics &, int row, int column)>;
    /// Before a cell's text is drawn: sets bold and italic in the context.
    using CellTextPaintHandler
        = std::function<bool(CellGraphics &, int row, int column, int x, int y)>;
    /// When the user starts dragging rows: fills the drag item; false cancels the drag.
    using DragRowHandler = std::function<bool(DragItem &, int row)>;
    /// When the user asks for a row's context menu: the row, and where the menu goes on the screen.
    using ContextMenuHandler = std::function<void(int row, const QPoint &globalPos)>;

    explicit ListBox(QWidget *parent = nullptr);

    void setCellBackgroundPaintHandler(CellBackgroundPaintHandler handler);
    void setCellTextPaintHandler(CellTextPaintHandler handler);
    void setDragRowHandler(DragRowHandler handler);
    void setContextMenuHandler(ContextMenuHandler handler);

    const CellBackgroundPaintHandler &cellBackgroundPaintHandler() const { return m_background; }
    const CellTextPaintHandler &cellTextPaintHandler() const { return m_textPaint; }

    void DeleteAllRows();
    /// Appends a row with `text` in column 0; it becomes the LastIndex() row.
    void AddRow(const QString &text);
    /// The row added last, -1 before any.
    int LastIndex() const { return m_lastIndex; }
    int ListCount() const { return topLevelItemCount(); }
    int ColumnCount() const { return columnCount(); }
    bool Selected(int row) const;
    bool hasSelectedRows() const;

    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    QVariant CellTag(int row, int column) const;
    void setCellTag(int row, int column, const QVariant &tag);
    /// What a screen reader reads for the cell; the cell's text when none is set.
    QString CellAccessibleText(int row, int column) const;
    void setCellAccessibleText(int row, int column, const QString &text);
    /// The text shown when the pointer rests on the cell, its line ends kept (a text that starts
    /// with a tag would be taken for rich text).
    void setCellToolTip(int row, int column, const QString &text);
    /// What a screen reader gives as the cell's description, after its name.
    void setCellAccessibleDescription(int row, int column, const QString &text);
    /// Horizontal shift in pixels of the cell's text from where its alignment puts it.
    int CellAlignmentOffset(int row, int column) const;
    void setCellAlignmentOffset(int row, int column, int offset);

    bool EnableDrag() const { return dragEnabled(); }
    void setEnableDrag(bool enable);

    /// The drag item the list hands out for the current selection (the DragRow event), or
    /// nothing when the handler refuses the drag.
    std::optional<DragItem> dragItemForSelection() const;
    /// Copy: puts the text that dragging the selected rows gives on the clipboard. With no row
    /// selected, or when the drag handler refuses, the clipboard stays as it was.
    void copy() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;

private:
    CellBackgroundPaintHandler m_background;
    CellTextPaintHandler m_textPaint;
    DragRowHandler m_dragRow;
    ContextMenuHandler m_contextMenu;
    int m_lastIndex = -1;
};

} // namespace quillora

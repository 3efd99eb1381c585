#include "windows/listbox.h"

#include "windows/resultsdelegate.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace quillora {

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kAlignmentOffsetRole = Qt::UserRole + 1;

} // namespace

ListBox::ListBox(QWidget *parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setItemDelegate(new ResultsDelegate(this));

    // Columns share the width equally and cannot be resized or moved by the user.
    header()->setSectionResizeMode(QHeaderView::Stretch);
    header()->setSectionsMovable(false);
    header()->setSortIndicatorShown(false);
}

void ListBox::setCellBackgroundPaintHandler(CellBackgroundPaintHandler handler)
{
    m_background = std::move(handler);
}

void ListBox::setCellTextPaintHandler(CellTextPaintHandler handler)
{
    m_textPaint = std::move(handler);
}

void ListBox::setDragRowHandler(DragRowHandler handler)
{
    m_dragRow = std::move(handler);
}

void ListBox::setContextMenuHandler(ContextMenuHandler handler)
{
    m_contextMenu = std::move(handler);
}

void ListBox::DeleteAllRows()
{
    clear();
    m_lastIndex = -1;
}

void ListBox::AddRow(const QString &text)
{
    auto *item = new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    m_lastIndex = topLevelItemCount() - 1;
}

bool ListBox::Selected(int row) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item && item->isSelected();
}

bool ListBox::hasSelectedRows() const
{
    return selectionModel()->hasSelection();
}

QString ListBox::Cell(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void ListBox::setCell(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setText(column, text);
}

QVariant ListBox::CellTag(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->data(column, kTagRole) : QVariant();
}

void ListBox::setCellTag(int row, int column, const QVariant &tag)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, kTagRole, tag);
}

QString ListBox::CellAccessibleText(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    if (!item)
        return QString();
    const QString text = item->data(column, Qt::AccessibleTextRole).toString();
    return text.isEmpty() ? item->text(column) : text;
}

void ListBox::setCellAccessibleText(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, Qt::AccessibleTextRole, text);
}

void ListBox::setCellToolTip(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, Qt::ToolTipRole, text);
}

void ListBox::setCellAccessibleDescription(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, Qt::AccessibleDescriptionRole, text);
}

int ListBox::CellAlignmentOffset(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->data(column, kAlignmentOffsetRole).toInt() : 0;
}

void ListBox::setCellAlignmentOffset(int row, int column, int offset)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, kAlignmentOffsetRole, offset);
}

void ListBox::setEnableDrag(bool enable)
{
    setDragEnabled(enable);
    setDragDropMode(enable ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

std::optional<DragItem> ListBox::dragItemForSelection() const
{
    DragItem drag;
    const int row = currentIndex().isValid() ? currentIndex().row() : -1;
    if (m_dragRow && !m_dragRow(drag, row))
        return std::nullopt;
    return drag;
}

void ListBox::copy() const
{
    if (!hasSelectedRows())
        return;
    if (const auto drag = dragItemForSelection())
        QGuiApplication::clipboard()->setText(drag->text);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    // The view's own Copy takes the current cell alone; the list copies its selected rows, as the
    // Edit menu does.
    if (event == QKeySequence::Copy) {
        copy();
        event->accept();
        return;
    }
    // Shift+F10 opens the context menu as the Menu key does; the platform turns the Menu key
    // itself into a context-menu event.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint(), Qt::ShiftModifier);
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ListBox::contextMenuEvent(QContextMenuEvent *event)
{
    // A click asks for the row under the pointer, which the click has also made current (and
    // selected, unless it was already); the keyboard asks for the current row, and the menu opens
    // on it. Away from the rows there is no menu.
    QModelIndex index;
    QPoint at;
    if (event->reason() == QContextMenuEvent::Mouse) {
        index = indexAt(event->pos());
        at = event->globalPos();
    } else {
        index = currentIndex();
        if (index.isValid()) {
            scrollTo(index);
            const QRect row = visualRect(index.siblingAtColumn(0));
            at = viewport()->mapToGlobal(QPoint(row.left() + row.height(), row.bottom()));
        }
    }
    event->accept();
    if (index.isValid() && m_contextMenu)
        m_contextMenu(index.row(), at);
}

QStringList ListBox::mimeTypes() const
{
    return {QStringLiteral("text/plain")};
}

QMimeData *ListBox::mimeData(const QList<QTreeWidgetItem *> & /*items*/) const
{
    // The text comes from the selection as a whole, row by row, not from the item list.
    const auto drag = dragItemForSelection();
    if (!drag)
        return nullptr;
    auto *mime = new QMimeData;
    mime->setText(drag->text);
    return mime;
}

} // namespace quillora

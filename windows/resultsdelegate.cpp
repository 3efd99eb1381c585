#include "windows/resultsdelegate.h"

#include "windows/cellgraphics.h"
#include "windows/listbox.h"
#include "windows/rowcolors.h"

#include <QApplication>
#include <QPainter>

namespace quillora {

ResultsDelegate::ResultsDelegate(ListBox *list)
    : QStyledItemDelegate(list)
    , m_list(list)
{ }

void ResultsDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->text.size() > kMaxShownCharacters)
        option->text.truncate(kMaxShownCharacters);

    // The text handler decides bold and italic; both are written for every cell, so no style
    // carries over from one cell to the next.
    if (const auto &handler = m_list->cellTextPaintHandler()) {
        CellGraphics graphics(nullptr, option->rect.size());
        handler(graphics, index.row(), index.column(), option->rect.x(), option->rect.y());
        option->font.setBold(graphics.bold());
        option->font.setItalic(graphics.italic());
        option->fontMetrics = QFontMetrics(option->font);
    }
}

void ResultsDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);

    if (const auto &handler = m_list->cellBackgroundPaintHandler()) {
        painter->save();
        painter->translate(opt.rect.topLeft());
        painter->setClipRect(QRect(QPoint(0, 0), opt.rect.size()));
        CellGraphics graphics(painter, opt.rect.size());
        handler(graphics, index.row(), index.column());
        painter->restore();
    }

    // The style draws the selection highlight and focus over the background, without text, in a
    // selection colour on which the highlighted text can be read...
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        opt.palette.setColor(group, QPalette::Highlight, selectionColor(opt.palette, group));
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    // ...and the text goes where the style would put it, moved by the cell's alignment offset.
    textRect.adjust(m_list->CellAlignmentOffset(index.row(), index.column()), 0, 0, 0);
    const bool selected = opt.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = !opt.state.testFlag(QStyle::State_Enabled)
        ? QPalette::Disabled
        : opt.state.testFlag(QStyle::State_Active) ? QPalette::Normal
                                                   : QPalette::Inactive;
    painter->save();
    painter->setFont(opt.font);
    painter->setPen(
        opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QString shown = opt.fontMetrics.elidedText(text, opt.textElideMode, textRect.width());
    painter->drawText(textRect, static_cast<int>(opt.displayAlignment), shown);
    painter->restore();
}

} // namespace quillora

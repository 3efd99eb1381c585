#pragma once

#include <QStyledItemDelegate>

namespace quillora {

class ListBox;

/// Draws the cells of a ListBox through its owner's handlers: the background handler paints
/// first, then the style draws the selection highlight over it, then the text is drawn with the
/// bold and italic settings of the text handler, shifted by the cell's alignment offset.
class ResultsDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ResultsDelegate(ListBox *list);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

    /// A cell shows at most this many characters: enough to fill any screen, and it keeps a
    /// pasted megabyte of text from being measured in full on every paint.
    static constexpr int kMaxShownCharacters = 2000;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    ListBox *m_list;
};

} // namespace quillora

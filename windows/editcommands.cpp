#include "windows/editcommands.h"

#include "windows/listbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quillora {

namespace {

// What the commands need to know of a text field, alike for the three kinds.
bool hasSelection(const QLineEdit *edit)
{
    return edit->hasSelectedText();
}

bool undoAvailable(const QLineEdit *edit)
{
    return edit->isUndoAvailable();
}

bool isEmpty(const QLineEdit *edit)
{
    return edit->text().isEmpty();
}

template <typename TextEdit>
bool hasSelection(const TextEdit *edit)
{
    return edit->textCursor().hasSelection();
}

template <typename TextEdit>
bool undoAvailable(const TextEdit *edit)
{
    return edit->document()->isUndoAvailable();
}

template <typename TextEdit>
bool isEmpty(const TextEdit *edit)
{
    return edit->document()->isEmpty();
}

// Delete removes the selection only, never the character after the cursor.
void deleteSelection(QLineEdit *edit)
{
    if (edit->hasSelectedText())
        edit->del();
}

template <typename TextEdit>
void deleteSelection(TextEdit *edit)
{
    edit->textCursor().removeSelectedText();
}

template <typename Edit>
bool canRunOn(const Edit *edit, EditCommand command)
{
    const bool editable = !edit->isReadOnly();
    switch (command) {
    case EditCommand::Undo:
        return editable && undoAvailable(edit);
    case EditCommand::Cut:
    case EditCommand::Clear:
        return editable && hasSelection(edit);
    case EditCommand::Copy:
        return hasSelection(edit);
    case EditCommand::Paste:
        return editable;
    case EditCommand::SelectAll:
        return !isEmpty(edit);
    }
    return false;
}

bool canRunOn(const ListBox *list, EditCommand command)
{
    switch (command) {
    case EditCommand::Copy:
        return list->hasSelectedRows();
    case EditCommand::SelectAll:
        return list->ListCount() > 0;
    default:
        return false;
    }
}

// QLineEdit, QTextEdit and QPlainTextEdit offer the editing slots under the same names.
template <typename Edit>
void runOn(Edit *edit, EditCommand command)
{
    if (!canRunOn(edit, command))
        return;
    switch (command) {
    case EditCommand::Undo:
        edit->undo();
        break;
    case EditCommand::Cut:
        edit->cut();
        break;
    case EditCommand::Copy:
        edit->copy();
        break;
    case EditCommand::Paste:
        edit->paste();
        break;
    case EditCommand::Clear:
        deleteSelection(edit);
        break;
    case EditCommand::SelectAll:
        edit->selectAll();
        break;
    }
}

void runOn(ListBox *list, EditCommand command)
{
    if (command == EditCommand::Copy)
        list->copy();
    else if (command == EditCommand::SelectAll)
        list->selectAll();
}

// Calls `action` with the target as the kind of widget it is; false for any other widget.
template <typename Action>
bool dispatch(QWidget *target, Action action)
{
    if (auto *line = qobject_cast<QLineEdit *>(target))
        return action(line);
    if (auto *text = qobject_cast<QTextEdit *>(target))
        return action(text);
    if (auto *plain = qobject_cast<QPlainTextEdit *>(target))
        return action(plain);
    if (auto *list = qobject_cast<ListBox *>(target))
        return action(list);
    return false;
}

} // namespace

bool canRunEditCommand(EditCommand command, QWidget *target)
{
    return dispatch(target, [command](const auto *widget) { return canRunOn(widget, command); });
}

void runEditCommand(EditCommand command)
{
    dispatch(QApplication::focusWidget(), [command](auto *widget) {
        runOn(widget, command);
        return true;
    });
}

} // namespace quillora

#include "app/editcommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quillora {

namespace {

// QTextEdit and QPlainTextEdit offer the same editing slots under the same names.
template <typename Edit>
void runOnTextEdit(Edit *edit, EditCommand command)
{
    const bool editable = !edit->isReadOnly();
    switch (command) {
    case EditCommand::Undo:
        if (editable)
            edit->undo();
        break;
    case EditCommand::Cut:
        if (editable)
            edit->cut();
        break;
    case EditCommand::Copy:
        edit->copy();
        break;
    case EditCommand::Paste:
        if (editable)
            edit->paste();
        break;
    case EditCommand::Clear:
        if (editable)
            edit->textCursor().removeSelectedText();
        break;
    case EditCommand::SelectAll:
        edit->selectAll();
        break;
    }
}

void runOnLineEdit(QLineEdit *edit, EditCommand command)
{
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
        // Delete removes the selection only, never the character after the cursor.
        if (edit->hasSelectedText() && !edit->isReadOnly())
            edit->del();
        break;
    case EditCommand::SelectAll:
        edit->selectAll();
        break;
    }
}

} // namespace

void runEditCommand(EditCommand command)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *line = qobject_cast<QLineEdit *>(focus))
        runOnLineEdit(line, command);
    else if (auto *text = qobject_cast<QTextEdit *>(focus))
        runOnTextEdit(text, command);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(focus))
        runOnTextEdit(plain, command);
}

} // namespace quillora

#include "windows/editcommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quillora {

namespace {

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

// QLineEdit, QTextEdit and QPlainTextEdit offer the editing slots under the same names.
template <typename Edit>
void runOn(Edit *edit, EditCommand command)
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
            deleteSelection(edit);
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
        runOn(line, command);
    else if (auto *text = qobject_cast<QTextEdit *>(focus))
        runOn(text, command);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(focus))
        runOn(plain, command);
}

} // namespace quillora

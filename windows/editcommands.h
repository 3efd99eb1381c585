#pragma once

class QWidget;

namespace quillora {

/// The standard text-editing commands of the Edit menu.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

/// Whether the command can act on `target` now: Undo when there is an edit to undo, Cut, Copy and
/// Delete when something is selected, Paste in an editable field, Select All when there is
/// something to select. Read-only fields only copy and select; the results list copies its
/// selected rows and selects all rows; any other widget, or none, takes no editing command.
bool canRunEditCommand(EditCommand command, QWidget *target);

/// Runs the command on the widget that has the keyboard focus: a line edit, a text edit, a plain
/// text edit or the results list. With nothing there that it can act on, it does nothing.
void runEditCommand(EditCommand command);

} // namespace quillora

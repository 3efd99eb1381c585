#pragma once

namespace quillora {

/// The standard text-editing commands of the Edit menu.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

/// Runs the command on the text field that has the keyboard focus: a line edit, a text edit or
/// a plain text edit. Read-only fields only copy and select; with no text field in focus the
/// command does nothing.
void runEditCommand(EditCommand command);

} // namespace quillora

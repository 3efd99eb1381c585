#pragma once

class QWidget;

namespace quillora {

/// Lets Escape and the platform's Close keys (Ctrl+W, Ctrl+F4) close the window, as secondary
/// windows of other desktop programs do. The keys act while the window or any of its controls
/// has the focus.
void closeOnEscapeAndCloseKeys(QWidget *window);

} // namespace quillora

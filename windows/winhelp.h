#pragma once

#include <QWidget>

class QTextEdit;

namespace quillora {

/// The help window: one read-only, scrolling field, EditField1, that fills the window and shows
/// the help text rendered from the tag markup. At most one exists at a time.
class winHelp final : public QWidget
{
    Q_OBJECT

public:
    /// Builds the window with its field and rendered text. Prefer instance().
    winHelp();

    /// The open help window, or a new one, not yet shown, when there is none.
    static winHelp *instance();

    /// The help text in the tag markup, as the field holds it before rendering.
    static QString helpText();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Layout();
    void CreateControls();
    void EditField1_Open();

    QTextEdit *m_editField1 = nullptr;
};

} // namespace quillora

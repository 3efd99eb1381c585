#pragma once

#include <QString>

class QRect;
class QTextEdit;
class QWidget;

namespace quillora {

/// What the tag pass needs of a text field that holds styled text: its plain text, a selection
/// and the styles of the selected range. Positions and lengths count characters from 0.
class StyledTextField
{
public:
    virtual ~StyledTextField() = default;

    /// The whole text, without styles.
    virtual QString text() const = 0;
    /// Selects `length` characters from `start`; a range reaching past the end stops there.
    virtual void select(qsizetype start, qsizetype length) = 0;
    /// Replaces the selected range by `text`.
    virtual void replaceSelection(const QString &text) = 0;

    virtual void setSelectionBold(bool bold) = 0;
    virtual void setSelectionItalic(bool italic) = 0;
    /// The text size, in points, of the first selected character.
    virtual int selectionTextSize() const = 0;
    /// Sets the text size of the selected range. A size of 0 or less means the field's own size.
    virtual void setSelectionTextSize(int points) = 0;

    /// Shows the first line.
    virtual void scrollToTop() = 0;
    /// Selects nothing; the caret rests at the start of the text.
    virtual void clearSelection() = 0;

protected:
    StyledTextField() = default;
    StyledTextField(const StyledTextField &) = default;
    StyledTextField &operator=(const StyledTextField &) = default;
};

/// Replaces the edit's whole text by `text` in the edit's own plain style. (QTextEdit's own
/// setPlainText gives the new text the style at the caret, which after a tag pass may be bold.)
void setUnstyledText(QTextEdit *edit, const QString &text);

/// A read-only text field for tagged text, as the help and credits fields are: the system font at
/// 12 points, plain, black on white, wrapped at its width with a vertical scroll bar and no
/// horizontal one; Tab moves the focus on, and the arrow keys move a caret through the text.
QTextEdit *makeReadOnlyStyledField(QWidget *parent, const QString &name, const QRect &geometry);

/// A StyledTextField on a QTextEdit. The edit may be read-only: the field is changed by program
/// through a text cursor, which read-only does not stop. The edit's own font gives the size
/// of unstyled text.
class TextEditField final : public StyledTextField
{
public:
    explicit TextEditField(QTextEdit *edit);

    QString text() const override;
    void select(qsizetype start, qsizetype length) override;
    void replaceSelection(const QString &text) override;
    void setSelectionBold(bool bold) override;
    void setSelectionItalic(bool italic) override;
    int selectionTextSize() const override;
    void setSelectionTextSize(int points) override;
    void scrollToTop() override;
    void clearSelection() override;

private:
    int ownTextSize() const;

    QTextEdit *m_edit;
};

} // namespace quillora

#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QPainter;
class QTextEdit;

namespace quillora {

/// The About window: the application icon, name and version, the credits in a scrolling field,
/// the copyright notice and a badge that opens the project's web address in the user's browser
/// (through QDesktopServices). It lays itself out with or without the credits field. At most one
/// exists at a time.
class AboutWindow final : public QWidget
{
    Q_OBJECT

public:
    /// Builds the window with its controls, not yet set up or shown. Prefer instance().
    AboutWindow();

    /// The open About window, or a new one when there is none.
    static AboutWindow *instance();

    /// Whether the credits field is part of the layout; set by Show, read by SetupWindow.
    bool UseCredits() const { return m_useCredits; }

    /// Sets the window up with or without its credits and brings it to the front.
    void Show(bool useCredits);
    /// Fills the texts and applies the layout that UseCredits selects.
    void SetupWindow();
    /// Puts the text into the credits field, rendering its tags when `render` is true.
    void SetCreditsFieldText(const QString &text, bool render);
    /// The version of this build, formatted.
    QString VersionString() const;

    /// The credits in the tag markup.
    static QString creditsText();
    /// The two-line copyright notice, lines ended by a carriage return.
    static QString copyrightNotice();
    /// The address that the badge opens.
    static QUrl webAddress();

private:
    void CreateControls();

    void AppIconCanvas_Paint(QPainter &g);
    bool ZorvikIconCanvas_MouseDown(int x, int y);
    void ZorvikIconCanvas_Paint(QPainter &g);

    bool m_useCredits = false;

    QWidget *m_appIconCanvas = nullptr;
    QLabel *m_statAppName = nullptr;
    QLabel *m_statAppVersion = nullptr;
    QTextEdit *m_editAppCredits = nullptr;
    QLabel *m_statAppCopyright = nullptr;
    QWidget *m_zorvikIconCanvas = nullptr;
};

} // namespace quillora

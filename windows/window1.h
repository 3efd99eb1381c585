#pragma once

#include "engine/lookup.h"
#include "engine/nametable.h"
#include "windows/speechplayer.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace quillora {

class CellGraphics;
class ListBox;
struct DragItem;

/// The main window: a name field, the Find button and the results list. It builds the name
/// table from the name list as it is built, and Find fills the list with the results of a lookup.
class Window1 final : public QMainWindow
{
    Q_OBJECT

public:
    /// Where the window's name list comes from; the bundled list unless a test gives another.
    using NameListSource = std::function<std::string()>;

    /// Where the window's name list comes from and how it says a form; the bundled list and
    /// espeak-ng unless a test gives others.
    explicit Window1(NameListSource nameList = {}, SpeechPlayer::SayFunction say = {});
    ~Window1() override;

    /// The open main window, or a new one, not yet shown, when there is none.
    static Window1 *instance();

    /// The name table, one row per line of the name list: English, Hawaiian, phonetic key.
    const NameTable &mRecords() const { return m_records; }

    void ParseNameList();
    /// Fills the results list with the lookup of `name`, taken exactly as typed.
    void TranslateName(const QString &name);

    // Controls, also found by object name.
    QLabel *sName() const { return m_sName; }
    QLineEdit *eName() const { return m_eName; }
    QPushButton *pFind() const { return m_pFind; }
    ListBox *lData() const { return m_lData; }
    QLabel *sResults() const { return m_sResults; }
    /// The content area below the menu bar, in which the controls are placed.
    QWidget *contentArea() const { return centralWidget(); }

    // The list's handlers.
    bool lData_CellBackgroundPaint(CellGraphics &g, int row, int column);
    bool lData_CellTextPaint(CellGraphics &g, int row, int column, int x, int y);
    bool lData_DragRow(DragItem &drag, int row);
    /// The context menu of a row: Copy (the selected rows, as dragged), Copy Hawaiian Form, Copy
    /// Modern Spelling (when the list records one) and Say It.
    void lData_ContextMenu(int row, const QPoint &globalPos);

    /// The form that Say It says for a row: its modern spelling when the list records one, which
    /// espeak-ng says more faithfully, else the form as listed.
    QString spokenForm(int row) const;
    /// Starts saying `form` on a worker thread, unless a form is being said already or `form` is
    /// longer than kMaxSpokenLength; a failure is told in a message that does not block the window.
    void sayForm(const QString &form);
    /// The longest form Say It says, in characters: more than any name, and short enough that a
    /// form is said within a few seconds, so quitting while it is said ends soon after.
    static constexpr int kMaxSpokenLength = 50;
    SpeechPlayer *speechPlayer() const { return m_speech; }

    /// What a screen reader reads for a results row, from its first cell: the English name, the
    /// Hawaiian form and the kind of match ("Kathy, Hawaiian Kakai, exact match").
    static QString rowAccessibleText(const ResultRow &row);

    /// The platform's standard line end, which ends the dragged rows.
    static QString lineEnd();

    /// The most characters the name field holds. Far beyond any name, and short enough that the
    /// field, which lays out its whole text at every repaint (each blink of the caret included),
    /// stays cheap to draw.
    static constexpr int kMaxNameLength = 10000;
    /// The longest line of a row's details in its tooltip and description, in UTF-16 code units:
    /// more than the details of any name take.
    static constexpr int kMaxDetailsLineLength = 120;
    /// The field's text as the field shows it: a line break, a tab or another control character
    /// is drawn as a space, so a pasted list of names shows, and is searched, as one line.
    static QString nameAsShown(QString text);

    void pFind_Action();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Layout();
    void CreateControls();
    void placeAnchoredControls();
    void eName_InputRejected();
    /// The result row shown in a row of the list, or null.
    const ResultRow *resultAt(int row) const;
    QString modernSpelling(int row) const;
    void speech_Finished(const QString &form, const QString &error);
    void tellSpeechFailure(const QString &form, const QString &reason);

    NameListSource m_nameList;
    NameTable m_records;
    /// The rows of the last search, in list order, for the context menu.
    std::vector<ResultRow> m_results;

    QLabel *m_sName = nullptr;
    QLineEdit *m_eName = nullptr;
    QPushButton *m_pFind = nullptr;
    ListBox *m_lData = nullptr;
    QLabel *m_sResults = nullptr;
    SpeechPlayer *m_speech = nullptr;
    QPointer<QMessageBox> m_speechMessage;
};

} // namespace quillora

#include "windows/window1.h"

#include "engine/bundled.h"
#include "engine/lookup.h"
#include "engine/rowdetails.h"
#include "windows/cellgraphics.h"
#include "windows/listbox.h"
#include "windows/menubar1.h"
#include "windows/rowcolors.h"
#include "windows/windowregistry.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>

namespace quillora {

namespace {

constexpr QSize kContentSize(400, 500);
constexpr QSize kMinimumContentSize(400, 300);
constexpr QSize kMaximumContentSize(32000, 32000);

// The list reaches one pixel past the left, right and bottom edges and keeps those distances.
constexpr int kListTop = 100;
constexpr int kListOverhang = 1;

constexpr int kTextInset = 5;

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text, when it is longer than `length` UTF-16 code units, cut to that length with an
// ellipsis as its last character; a surrogate pair is never split.
QString cutShort(QString text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    qsizetype keep = length - 1;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    text.truncate(keep);
    text += QChar(0x2026);
    return text;
}

// The details as a row's tooltip and description give them: a line longer than
// Window1::kMaxDetailsLineLength, which only the letter-by-letter row of a long typed name has,
// is cut short, so that the tooltip stays a few lines on the screen.
QString shownDetails(const std::string &details)
{
    QStringList lines = fromUtf8(details).split(u'\n');
    for (QString &line : lines)
        line = cutShort(line, Window1::kMaxDetailsLineLength);
    return lines.join(u'\n');
}

} // namespace

Window1::Window1(NameListSource nameList, SpeechPlayer::SayFunction say)
    : m_nameList(std::move(nameList))
    , m_speech(new SpeechPlayer(this, std::move(say)))
{
    setObjectName(QStringLiteral("Window1"));
    setAttribute(Qt::WA_DeleteOnClose);
    WindowRegistry::add(this);
    Layout();
    CreateControls();
    ParseNameList();
}

Window1::~Window1()
{
    // The list outlives this object by a moment while QWidget's destructor takes the children
    // down, and may still lay out or paint: it must not call back into a half-destroyed window.
    m_lData->setCellBackgroundPaintHandler({});
    m_lData->setCellTextPaintHandler({});
    m_lData->setDragRowHandler({});
    m_lData->setContextMenuHandler({});
}

Window1 *Window1::instance()
{
    if (Window1 *open = WindowRegistry::find<Window1>())
        return open;
    return new Window1;
}

void Window1::Layout()
{
    MenuBar1::instance()->attachTo(this);
    setWindowTitle(QStringLiteral("Quillora"));
    auto *content = new QWidget(this);
    content->setObjectName(QStringLiteral("content"));
    content->setMinimumSize(kMinimumContentSize);
    content->setMaximumSize(kMaximumContentSize);
    content->installEventFilter(this);
    setCentralWidget(content);
    // The content area is 400 x 500; the menu bar comes on top of it.
    resize(kContentSize.width(), kContentSize.height() + menuBar()->sizeHint().height());
}

void Window1::CreateControls()
{
    QWidget *content = centralWidget();

    m_sName = new QLabel(tr("Enter a Name to translate:"), content);
    m_sName->setObjectName(QStringLiteral("sName"));
    m_sName->setGeometry(20, 14, 180, 20);

    m_eName = new QLineEdit(content);
    m_eName->setObjectName(QStringLiteral("eName"));
    m_eName->setGeometry(20, 35, 258, 22);
    m_eName->setAccessibleName(tr("Name to translate"));
    m_sName->setBuddy(m_eName);
    // A paste longer than the field holds is cut there, and the field says so.
    m_eName->setMaxLength(kMaxNameLength);
    connect(m_eName, &QLineEdit::inputRejected, this, &Window1::eName_InputRejected);

    m_pFind = new QPushButton(tr("Find"), content);
    m_pFind->setObjectName(QStringLiteral("pFind"));
    m_pFind->setGeometry(300, 34, 80, 22);
    m_pFind->setDefault(true);
    m_pFind->setAccessibleName(tr("Find"));
    m_pFind->setAccessibleDescription(tr("Lists the Hawaiian forms of the name"));
    connect(m_pFind, &QPushButton::clicked, this, &Window1::pFind_Action);
    // In a main window Return does not reach a default button by itself: the field passes it on
    // as a click, so Return and a click are one and the same Find.
    connect(m_eName, &QLineEdit::returnPressed, m_pFind, &QPushButton::click);

    m_lData = new ListBox(content);
    m_lData->setObjectName(QStringLiteral("lData"));
    m_lData->setAccessibleName(tr("Results"));
    m_lData->setHeaderLabels({tr("English"), tr("Hawaiian")});
    m_lData->setCellBackgroundPaintHandler([this](CellGraphics &g, int row, int column) {
        return lData_CellBackgroundPaint(g, row, column);
    });
    m_lData->setCellTextPaintHandler([this](CellGraphics &g, int row, int column, int x, int y) {
        return lData_CellTextPaint(g, row, column, x, y);
    });
    m_lData->setDragRowHandler(
        [this](DragItem &drag, int row) { return lData_DragRow(drag, row); });
    m_lData->setEnableDrag(true);
    m_lData->setContextMenuHandler(
        [this](int row, const QPoint &globalPos) { lData_ContextMenu(row, globalPos); });
    connect(m_speech, &SpeechPlayer::finished, this, &Window1::speech_Finished);

    m_sResults = new QLabel(tr("Results:"), content);
    m_sResults->setObjectName(QStringLiteral("sResults"));
    m_sResults->setGeometry(20, 78, 100, 20);
    m_sResults->setBuddy(m_lData);

    setTabOrder(m_eName, m_pFind);
    setTabOrder(m_pFind, m_lData);
    m_eName->setFocus();

    placeAnchoredControls();
}

void Window1::placeAnchoredControls()
{
    const QSize size = centralWidget()->size();
    m_lData->setGeometry(-kListOverhang, kListTop, size.width() + 2 * kListOverhang,
        size.height() - kListTop + kListOverhang);
}

bool Window1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && m_lData)
        placeAnchoredControls();
    return QMainWindow::eventFilter(watched, event);
}

void Window1::ParseNameList()
{
    // The bundled list's table is built with the program; only another list is parsed here.
    m_records = m_nameList ? parseNameList(m_nameList()) : bundledNameTable();
}

void Window1::eName_InputRejected()
{
    if (m_eName->text().size() < m_eName->maxLength())
        return;
    QToolTip::showText(m_eName->mapToGlobal(QPoint(0, m_eName->height())),
        tr("A name can have up to %L1 characters; the rest was left out.").arg(kMaxNameLength),
        m_eName);
}

void Window1::pFind_Action()
{
    // The text goes to the lookup as the field shows it: untrimmed, in its case, also when empty.
    TranslateName(nameAsShown(m_eName->text()));
}

QString Window1::nameAsShown(QString text)
{
    // The characters that the line edit draws as spaces, and the tab, which it draws as a gap.
    for (QChar &character : text) {
        if (character.unicode() < 0x20 || character == QChar::LineSeparator
            || character == QChar::ParagraphSeparator
            || character == QChar::ObjectReplacementCharacter)
            character = u' ';
    }
    return text;
}

void Window1::TranslateName(const QString &name)
{
    m_lData->DeleteAllRows();
    const QByteArray typed = name.toUtf8();
    m_results = lookupName(
        m_records, std::string_view(typed.constData(), static_cast<std::size_t>(typed.size())));
    for (const ResultRow &row : m_results) {
        m_lData->AddRow(fromUtf8(row.english));
        const int added = m_lData->LastIndex();
        const std::string_view mark = rowMark(row.kind);
        if (!mark.empty())
            m_lData->setCellTag(
                added, 0, QString::fromLatin1(mark.data(), static_cast<qsizetype>(mark.size())));
        m_lData->setCell(added, 1, fromUtf8(row.hawaiian));
        // A screen reader on the row's first cell hears the whole row.
        m_lData->setCellAccessibleText(added, 0, rowAccessibleText(row));
        // Each cell explains its row: where the form comes from and how to say it, as the
        // tooltip and as the description a screen reader gives.
        const QString details = shownDetails(formatRowDetails(rowDetails(m_records, row)));
        for (int column = 0; column < m_lData->ColumnCount(); ++column) {
            m_lData->setCellToolTip(added, column, details);
            m_lData->setCellAccessibleDescription(added, column, details);
        }
        // Every cell's text sits a little in from the cell's edge.
        m_lData->setCellAlignmentOffset(added, 0, kTextInset);
        m_lData->setCellAlignmentOffset(added, 1, kTextInset);
    }
    update();
    m_lData->viewport()->update();
}

QString Window1::rowAccessibleText(const ResultRow &row)
{
    const std::string_view kind = matchKindInWords(row.kind);
    return tr("%1, Hawaiian %2, %3")
        .arg(fromUtf8(row.english), fromUtf8(row.hawaiian),
            QString::fromUtf8(kind.data(), static_cast<qsizetype>(kind.size())));
}

bool Window1::lData_CellBackgroundPaint(CellGraphics &g, int row, int /*column*/)
{
    // Even rows are striped whatever they hold; the selection highlight is drawn over the stripe.
    // The colours follow the theme's lightness, so that its text stays readable on them.
    const RowColors colors = rowColors(m_lData->palette());
    if (row % 2 == 0) {
        g.setForeColor(colors.stripe);
        g.FillRect(0, 0, g.Width(), g.Height());
    }
    g.setForeColor(colors.separator);
    g.DrawLine(g.Width() - 1, 0, g.Width() - 1, g.Height());
    return false;
}

bool Window1::lData_CellTextPaint(CellGraphics &g, int row, int /*column*/, int /*x*/, int /*y*/)
{
    // The mark of column 0 styles the whole row.
    const QString mark = m_lData->CellTag(row, 0).toString();
    g.setBold(mark == QLatin1String("+"));
    g.setItalic(mark == QLatin1String("-"));
    return false;
}

bool Window1::lData_DragRow(DragItem &drag, int /*row*/)
{
    // Every selected row, in list order, as its cells joined by tabs; a line end follows each
    // selected row except the list's last one.
    QString text;
    const int lastRow = m_lData->ListCount() - 1;
    const int lastColumn = m_lData->ColumnCount() - 1;
    for (int i = 0; i <= lastRow; ++i) {
        if (!m_lData->Selected(i))
            continue;
        for (int j = 0; j <= lastColumn; ++j) {
            text += m_lData->Cell(i, j);
            if (j < lastColumn)
                text += QLatin1Char('\t');
        }
        if (i < lastRow)
            text += lineEnd();
    }
    drag.text = text;
    return true;
}

void Window1::lData_ContextMenu(int row, const QPoint &globalPos)
{
    if (!resultAt(row))
        return;
    // What the items act on is taken now, so the menu stays true to the row it was opened on.
    const QString form = m_lData->Cell(row, 1);
    const QString modern = modernSpelling(row);
    const QString spoken = spokenForm(row);

    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ResultsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);

    QAction *copy = menu->addAction(tr("&Copy"), m_lData, &ListBox::copy);
    copy->setObjectName(QStringLiteral("ResultsCopy"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(m_lData->hasSelectedRows());

    const auto copyText = [](const QString &text) {
        return [text] { QGuiApplication::clipboard()->setText(text); };
    };
    QAction *copyForm = menu->addAction(tr("Copy &Hawaiian Form"), this, copyText(form));
    copyForm->setObjectName(QStringLiteral("ResultsCopyHawaiian"));
    copyForm->setEnabled(!form.isEmpty());
    if (!modern.isEmpty() && modern != form) {
        QAction *copyModern = menu->addAction(tr("Copy &Modern Spelling"), this, copyText(modern));
        copyModern->setObjectName(QStringLiteral("ResultsCopyModern"));
    }

    menu->addSeparator();
    QAction *sayIt = menu->addAction(tr("&Say It"), this, [this, spoken] { sayForm(spoken); });
    sayIt->setObjectName(QStringLiteral("ResultsSayIt"));
    // One form at a time: while one is being said, the next waits for the user.
    sayIt->setEnabled(!spoken.trimmed().isEmpty() && !m_speech->isSaying());

    menu->popup(globalPos);
}

const ResultRow *Window1::resultAt(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_results.size())
        return nullptr;
    return &m_results[static_cast<std::size_t>(row)];
}

QString Window1::modernSpelling(int row) const
{
    const ResultRow *result = resultAt(row);
    return result ? fromUtf8(rowDetails(m_records, *result).modernSpelling) : QString();
}

QString Window1::spokenForm(int row) const
{
    const QString modern = modernSpelling(row);
    return modern.isEmpty() ? m_lData->Cell(row, 1) : modern;
}

void Window1::sayForm(const QString &form)
{
    const qsizetype length = form.toUcs4().size();
    if (length > kMaxSpokenLength) {
        tellSpeechFailure(form,
            tr("Forms of up to %1 characters can be said; this one has %2.")
                .arg(kMaxSpokenLength)
                .arg(length));
        return;
    }
    m_speech->say(form);
}

void Window1::speech_Finished(const QString &form, const QString &error)
{
    if (!error.isEmpty())
        tellSpeechFailure(form, error);
}

void Window1::tellSpeechFailure(const QString &form, const QString &reason)
{
    // A message beside the window, not over it: the window goes on answering while it is open,
    // and a later failure replaces the message instead of piling up another.
    if (!m_speechMessage) {
        m_speechMessage = new QMessageBox(
            QMessageBox::Warning, tr("Say It"), QString(), QMessageBox::Close, this);
        m_speechMessage->setObjectName(QStringLiteral("SpeechMessage"));
        m_speechMessage->setTextFormat(Qt::PlainText); // the form is shown as typed
        m_speechMessage->setAttribute(Qt::WA_DeleteOnClose);
        m_speechMessage->setWindowModality(Qt::NonModal);
    }
    // Every form that can be said shows whole; a longer one is cut short.
    m_speechMessage->setText(
        tr("Quillora could not say %1.").arg(cutShort(form, 2 * kMaxSpokenLength)));
    m_speechMessage->setInformativeText(reason);
    m_speechMessage->show();
    m_speechMessage->raise();
}

QString Window1::lineEnd()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}

} // namespace quillora

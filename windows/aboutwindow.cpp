#include "windows/aboutwindow.h"

#include "windows/buildversion.h"
#include "windows/closekeys.h"
#include "windows/menubar1.h"
#include "windows/pictures.h"
#include "windows/styledtextfield.h"
#include "windows/tagrenderer.h"
#include "windows/textresource.h"
#include "windows/windowregistry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextEdit>

namespace quillora {

namespace {

constexpr int kWindowWidth = 284;
constexpr int kHeightWithCredits = 366;
constexpr int kHeightWithoutCredits = 218;

// A plain drawing surface that hands its paint and mouse-press events to its window. It erases
// itself to the window's background before each paint and takes no keyboard focus.
class Canvas final : public QWidget
{
public:
    using PaintHandler = std::function<void(QPainter &)>;
    /// Returns whether the press is claimed; an unclaimed press goes on to the window.
    using MouseDownHandler = std::function<bool(int x, int y)>;

    Canvas(QWidget *parent, PaintHandler paint, MouseDownHandler mouseDown = {})
        : QWidget(parent)
        , m_paint(std::move(paint))
        , m_mouseDown(std::move(mouseDown))
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_paint(painter);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (m_mouseDown && m_mouseDown(at.x(), at.y()))
            event->accept();
        else
            event->ignore();
    }

private:
    PaintHandler m_paint;
    MouseDownHandler m_mouseDown;
};

// The labels' type sizes are pixel heights, and their boxes are cut to fit them; in points the
// type would outgrow its box on any screen finer than 72 dpi.
QFont labelFont(int pixels, bool bold)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

// A label breaks its lines at line feeds; the program's texts end theirs with carriage returns.
QString labelText(QString text)
{
    return text.replace(u'\r', u'\n');
}

} // namespace

AboutWindow::AboutWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A document window that can be minimised and closed but neither maximised nor resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    // The window has no title; a screen reader names it all the same.
    setAccessibleName(tr("About Quillora"));
    setFixedSize(kWindowWidth, kHeightWithCredits);
    CreateControls();
    MenuBar1::instance()->addShortcutsTo(this);
    closeOnEscapeAndCloseKeys(this);
    WindowRegistry::add(this);
}

AboutWindow *AboutWindow::instance()
{
    if (auto *open = WindowRegistry::find<AboutWindow>())
        return open;
    return new AboutWindow;
}

void AboutWindow::CreateControls()
{
    m_appIconCanvas = new Canvas(this, [this](QPainter &g) { AppIconCanvas_Paint(g); });
    m_appIconCanvas->setObjectName(QStringLiteral("AppIconCanvas"));
    m_appIconCanvas->setGeometry(110, 8, 64, 64);
    m_appIconCanvas->setAccessibleName(tr("Quillora icon"));

    m_statAppName = makeLabel(
        this, QStringLiteral("StatAppName"), QRect(20, 86, 244, 16), labelFont(14, true));
    m_statAppVersion = makeLabel(
        this, QStringLiteral("StatAppVersion"), QRect(20, 112, 244, 12), labelFont(10, false));

    m_editAppCredits = makeReadOnlyStyledField(
        this, QStringLiteral("EditAppCredits"), QRect(0, 132, kWindowWidth, 140));
    m_editAppCredits->setAccessibleName(tr("Credits"));

    m_statAppCopyright = makeLabel(
        this, QStringLiteral("StatAppCopyright"), QRect(20, 280, 244, 32), labelFont(10, false));

    m_zorvikIconCanvas = new Canvas(
        this, [this](QPainter &g) { ZorvikIconCanvas_Paint(g); },
        [this](int x, int y) { return ZorvikIconCanvas_MouseDown(x, y); });
    m_zorvikIconCanvas->setObjectName(QStringLiteral("ZorvikIconCanvas"));
    m_zorvikIconCanvas->setGeometry(34, 324, 216, 30);
    m_zorvikIconCanvas->setCursor(Qt::PointingHandCursor);
    m_zorvikIconCanvas->setToolTip(webAddress().toString());
    m_zorvikIconCanvas->setAccessibleName(tr("Quillora web site"));
    m_zorvikIconCanvas->setAccessibleDescription(webAddress().toString());
}

void AboutWindow::Show(bool useCredits)
{
    m_useCredits = useCredits;
    SetupWindow();
    if (!isVisible()) {
        // A window that opens does so in the middle of the main screen.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame(QPoint(), size());
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void AboutWindow::SetupWindow()
{
    m_statAppName->setText(QStringLiteral("Quillora"));
    m_statAppVersion->setText(tr("Version ") + VersionString());
    m_statAppCopyright->setText(labelText(copyrightNotice()));
    if (m_useCredits) {
        SetCreditsFieldText(creditsText(), true);
        m_statAppCopyright->move(m_statAppCopyright->x(), 280);
        m_editAppCredits->setVisible(true);
        setFixedSize(kWindowWidth, kHeightWithCredits);
        m_zorvikIconCanvas->move(m_zorvikIconCanvas->x(), 324);
    } else {
        // Everything under the version label moves up by the field and the gap below it.
        m_editAppCredits->setVisible(false);
        m_statAppCopyright->move(m_statAppCopyright->x(), 132);
        setFixedSize(kWindowWidth, kHeightWithoutCredits);
        m_zorvikIconCanvas->move(m_zorvikIconCanvas->x(), 176);
    }
}

void AboutWindow::SetCreditsFieldText(const QString &text, bool render)
{
    setUnstyledText(m_editAppCredits, text);
    if (render)
        RenderTaggedText(m_editAppCredits);
}

QString AboutWindow::VersionString() const
{
    return formatVersion(kBuildVersion);
}

QString AboutWindow::creditsText()
{
    return textResource(QStringLiteral(":/quillora/credits.txt"));
}

QString AboutWindow::copyrightNotice()
{
    return tr("\u00a9 2026 The Quillora developers,\rAll rights reserved.");
}

QUrl AboutWindow::webAddress()
{
    return QUrl(QStringLiteral("https://quillora.example.org/"));
}

void AboutWindow::AppIconCanvas_Paint(QPainter &g)
{
    const QImage icon = pictures::AboutIcon();
    // The whole picture, whatever its size, fills the canvas.
    pictures::drawMasked(g, QRect(0, 0, 64, 64), icon, pictures::AboutMask(), icon.rect());
}

bool AboutWindow::ZorvikIconCanvas_MouseDown(int, int)
{
    // Anywhere on the badge; the press is not claimed.
    QDesktopServices::openUrl(webAddress());
    return false;
}

void AboutWindow::ZorvikIconCanvas_Paint(QPainter &g)
{
    // The badge's top-left corner, unscaled.
    const QRect badge(0, 0, 216, 30);
    pictures::drawMasked(g, badge, pictures::MwZorvikHzMd(), pictures::MwZorvikHzMdMask(), badge);
}

} // namespace quillora

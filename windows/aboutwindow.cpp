#include "windows/aboutwindow.h"

#include "windows/menubar1.h"
#include "windows/buildversion.h"
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

namespace {

constexpr int WindowWidth = 284;
constexpr int HeightWithCredits = 366;
constexpr int HeightWithoutCredits = 218;

// A plain drawing surface that hands its paint and mouse-press events to its window. It erases
// itself to the window's background before each paint and takes no keyboard focus.
class Canvas final : public QWidget
{
public:
    explicit Canvas(QWidget *parent)
        : QWidget(parent)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::NoFocus);
    }

    std::function<void(QPainter &)> paint;
    // Returns whether the press is claimed; an unclaimed press goes on to the window.
    std::function<bool(int x, int y)> mouseDown;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (paint) {
            QPainter painter(this);
            paint(painter);
        }
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        const QPoint at = event->position().toPoint();
        if (mouseDown && mouseDown(at.x(), at.y()))
            event->accept();
        else
            event->ignore();
    }
};

// The design's type sizes are for type whose pixel height equals its size, and the labels'
// boxes are cut to fit them; in points the type would outgrow its box on any screen finer than
// 72 dpi. So the labels' fonts are set in pixels.
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

std::function<bool(const QUrl &)> AboutWindow::openWebAddress = &QDesktopServices::openUrl;

AboutWindow::AboutWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A document window that can be minimised and closed but neither maximised nor resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QString());
    setFixedSize(WindowWidth, HeightWithCredits);
    CreateControls();
    MenuBar1::instance()->addShortcutsTo(this);
    quillora::WindowRegistry::add(this);
}

AboutWindow *AboutWindow::instance()
{
    if (auto *open = quillora::WindowRegistry::find<AboutWindow>())
        return open;
    return new AboutWindow;
}

void AboutWindow::CreateControls()
{
    auto *iconCanvas = new Canvas(this);
    iconCanvas->setObjectName(QStringLiteral("AppIconCanvas"));
    iconCanvas->setGeometry(110, 8, 64, 64);
    iconCanvas->paint = [this](QPainter &g) { AppIconCanvas_Paint(g); };
    AppIconCanvas = iconCanvas;

    StatAppName = makeLabel(this, QStringLiteral("StatAppName"), QRect(20, 86, 244, 16),
                            labelFont(14, true));
    StatAppVersion = makeLabel(this, QStringLiteral("StatAppVersion"), QRect(20, 112, 244, 12),
                               labelFont(10, false));

    EditAppCredits = quillora::makeReadOnlyStyledField(this, QStringLiteral("EditAppCredits"),
                                                       QRect(0, 132, WindowWidth, 140));

    StatAppCopyright = makeLabel(this, QStringLiteral("StatAppCopyright"),
                                 QRect(20, 280, 244, 32), labelFont(10, false));

    auto *badgeCanvas = new Canvas(this);
    badgeCanvas->setObjectName(QStringLiteral("ZorvikIconCanvas"));
    badgeCanvas->setGeometry(34, 324, 216, 30);
    badgeCanvas->setCursor(Qt::PointingHandCursor);
    badgeCanvas->setToolTip(webAddress().toString());
    badgeCanvas->paint = [this](QPainter &g) { ZorvikIconCanvas_Paint(g); };
    badgeCanvas->mouseDown = [this](int x, int y) { return ZorvikIconCanvas_MouseDown(x, y); };
    ZorvikIconCanvas = badgeCanvas;
}

void AboutWindow::Show(bool useCredits)
{
    UseCredits = useCredits;
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
    StatAppName->setText(QStringLiteral("Quillora"));
    StatAppVersion->setText(tr("Version ") + VersionString());
    StatAppCopyright->setText(labelText(copyrightNotice()));
    if (UseCredits) {
        SetCreditsFieldText(creditsText(), true);
        StatAppCopyright->move(StatAppCopyright->x(), 280);
        EditAppCredits->setVisible(true);
        setFixedSize(WindowWidth, HeightWithCredits);
        ZorvikIconCanvas->move(ZorvikIconCanvas->x(), 324);
    } else {
        // Everything under the version label moves up by the field and the gap below it.
        EditAppCredits->setVisible(false);
        StatAppCopyright->move(StatAppCopyright->x(), 132);
        setFixedSize(WindowWidth, HeightWithoutCredits);
        ZorvikIconCanvas->move(ZorvikIconCanvas->x(), 176);
    }
}

void AboutWindow::SetCreditsFieldText(const QString &text, bool render)
{
    quillora::setUnstyledText(EditAppCredits, text);
    if (render)
        quillora::RenderTaggedText(EditAppCredits);
}

QString AboutWindow::VersionString() const
{
    return quillora::formatVersion(quillora::kBuildVersion);
}

QString AboutWindow::creditsText()
{
    return quillora::textResource(QStringLiteral(":/quillora/credits.txt"));
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
    const QImage icon = quillora::pictures::AboutIcon();
    // The whole picture, whatever its size, fills the canvas.
    quillora::pictures::drawMasked(g, QRect(0, 0, 64, 64), icon,
                                   quillora::pictures::AboutMask(), icon.rect());
}

bool AboutWindow::ZorvikIconCanvas_MouseDown(int, int)
{
    // Anywhere on the badge; the press is not claimed.
    openWebAddress(webAddress());
    return false;
}

void AboutWindow::ZorvikIconCanvas_Paint(QPainter &g)
{
    // The badge's top-left corner, unscaled.
    const QRect badge(0, 0, 216, 30);
    quillora::pictures::drawMasked(g, badge, quillora::pictures::MwZorvikHzMd(),
                                   quillora::pictures::MwZorvikHzMdMask(), badge);
}

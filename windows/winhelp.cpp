#include "windows/winhelp.h"

#include "windows/closekeys.h"
#include "windows/menubar1.h"
#include "windows/styledtextfield.h"
#include "windows/tagrenderer.h"
#include "windows/textresource.h"
#include "windows/windowregistry.h"

#include <QApplication>
#include <QResizeEvent>
#include <QTextEdit>

namespace quillora {

namespace {

// The field reaches one pixel beyond the window on every side, so that its border lies outside
// the window and the text fills it.
QRect fieldGeometry(QSize windowSize)
{
    return QRect(-1, -1, windowSize.width() + 2, windowSize.height() + 2);
}

} // namespace

winHelp::winHelp()
{
    Layout();
    CreateControls();
    // No commands of its own; the application's commands stay available through their shortcuts.
    MenuBar1::instance()->addShortcutsTo(this);
    closeOnEscapeAndCloseKeys(this);
    WindowRegistry::add(this);
}

winHelp *winHelp::instance()
{
    if (auto *open = WindowRegistry::find<winHelp>())
        return open;
    return new winHelp;
}

QString winHelp::helpText()
{
    return textResource(QStringLiteral(":/quillora/help.txt"));
}

void winHelp::Layout()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A document window that can be minimised and closed but not maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Help"));
    resize(400, 400);
    setMinimumSize(64, 64);
    setMaximumSize(32000, 32000);
}

void winHelp::CreateControls()
{
    m_editField1
        = makeReadOnlyStyledField(this, QStringLiteral("EditField1"), fieldGeometry(size()));
    m_editField1->setAccessibleName(tr("Help"));
    m_editField1->setPlainText(helpText());
    EditField1_Open();
}

void winHelp::EditField1_Open()
{
    RenderTaggedText(m_editField1);
}

void winHelp::resizeEvent(QResizeEvent *event)
{
    m_editField1->setGeometry(fieldGeometry(event->size()));
    QWidget::resizeEvent(event);
}

} // namespace quillora

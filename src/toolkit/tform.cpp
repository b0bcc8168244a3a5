#include "tform.h"

#include "content_fitter.h"
#include "definition_font.h"
#include "tapplication.h"
#include "x11_window_hints.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {
TForm *g_mainForm = nullptr;
}

TForm::TForm(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    if (!g_mainForm)
        g_mainForm = this;
}

TForm::~TForm()
{
    if (g_mainForm == this)
        g_mainForm = nullptr;
}

TForm *TForm::mainForm()
{
    return g_mainForm;
}

void TForm::setColor(const QColor &color)
{
    m_color = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::CreateParams(WindowParams &)
{
}

void TForm::createWindow()
{
    DefinitionFont::applyToTree(this);

    m_caption = windowTitle();
    m_params.style = WindowStyle::OverlappedWindow;
    m_params.exStyle = 0;
    m_params.clientSize = size();
    CreateParams(m_params);

    // A window without a title bar never shows its caption; the main window stands for the
    // program on the task bar, so its native name is the program's title.
    if (!decorations().titleBar && isMainForm())
        setWindowTitle(TApplication::title());

    resize(m_params.clientSize);
    move(m_params.position);
    if (m_autoSize)
        m_fitter = new ContentFitter(this);
}

void TForm::prepareNativeWindow()
{
    winId();
    if (!decorations().titleBar)
        X11WindowHints::setBorderOnly(this);
    if (!isMainForm())
        X11WindowHints::setSkipTaskbar(this);
}

void TForm::showForm()
{
    if (isHidden()) {
        prepareNativeWindow();
        show();
    }
    raise();
    activateWindow();
}

void TForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (isMainForm())
        QCoreApplication::exit(0);
}

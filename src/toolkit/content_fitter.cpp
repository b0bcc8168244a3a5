#include "content_fitter.h"

#include <QChildEvent>
#include <QEvent>
#include <QRect>
#include <QWidget>
#include <QWindow>

ContentFitter::ContentFitter(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    for (QObject *child : window->children())
        watch(child);
    refit();
}

void ContentFitter::watch(QObject *child)
{
    if (child->isWidgetType())
        child->installEventFilter(this);
}

void ContentFitter::refit()
{
    QRect box;
    for (QObject *child : m_window->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow() && !widget->isHidden())
            box = box.united(widget->geometry());
    }
    if (box.isEmpty())
        return;
    // Controls are placed from the client origin, so the box reaches from there.
    const QSize fitted(box.right() + 1, box.bottom() + 1);
    if (m_window->minimumSize() == fitted && m_window->maximumSize() == fitted)
        return;
    const QPoint outerCorner = m_window->pos();
    m_window->setFixedSize(fitted);
    // Resizing a native window leaves its place to the client area; the window's place is that of
    // its outer corner, so give it back as such.
    if (QWindow *native = m_window->windowHandle())
        native->setFramePosition(outerCorner);
}

bool ContentFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::ChildAdded)
            watch(static_cast<QChildEvent *>(event)->child());
        else if (event->type() == QEvent::ChildRemoved)
            refit();
        return false;
    }
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Move:
    case QEvent::Resize:
        refit();
        break;
    default:
        break;
    }
    return false;
}

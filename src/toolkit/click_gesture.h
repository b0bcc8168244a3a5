#pragma once

#include <QMouseEvent>
#include <QWidget>

// The click of the static controls: the left button pressed on the control and released over it.
// The second press of a double-click starts no new click, so a double-click counts as one.
class ClickGesture
{
public:
    void press(const QMouseEvent *event)
    {
        m_armed = event->button() == Qt::LeftButton && event->type() == QEvent::MouseButtonPress;
    }

    // True when the release completes a click.
    bool release(const QWidget *control, const QMouseEvent *event)
    {
        if (event->button() != Qt::LeftButton)
            return false;
        const bool clicked = m_armed && control->rect().contains(event->position().toPoint());
        m_armed = false;
        return clicked;
    }

private:
    bool m_armed = false;
};

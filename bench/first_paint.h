#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

// Calls back once the watched widget has painted.
class FirstPaint : public QObject
{
public:
    FirstPaint(QObject *watched, std::function<void()> then)
        : m_then(std::move(then))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, m_then, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

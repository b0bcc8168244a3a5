#pragma once

#include <QObject>

class QWidget;

// Keeps a window's client area at the bounding box of its visible child controls. It refits
// whenever a child is shown, hidden, moved or resized, and fixes the size so that neither
// dragging the frame nor maximizing can change it. With no visible child the size stays as it is.
class ContentFitter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentFitter)

public:
    explicit ContentFitter(QWidget *window);

    void refit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *child);

    QWidget *m_window;
};

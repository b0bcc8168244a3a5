#pragma once

#include "click_gesture.h"

#include <QColor>
#include <QLabel>

// A transparent label: draws only its text, on one line, and is as wide as its caption (AutoSize).
// A click on it emits clicked().
class TLabel : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TLabel)
    Q_PROPERTY(QColor TextColor READ TextColor WRITE setTextColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)

public:
    explicit TLabel(QWidget *parent = nullptr);

    QColor TextColor() const;
    void setTextColor(const QColor &color);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    virtual void click();
    // Sizes the label to its caption when AutoSize is on.
    void fitToCaption();

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = true;
    ClickGesture m_click;
};

#include "ttransparentbutton.h"

#include <QPainter>

TTransparentButton::TTransparentButton(QWidget *parent)
    : QAbstractButton(parent)
    , m_textColor(palette().color(QPalette::ButtonText))
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TTransparentButton::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

void TTransparentButton::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TTransparentButton::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TTransparentButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect();
    const bool pressed = isDown();
    if (pressed || m_hot) {
        const QColor highlight = palette().color(QPalette::Light);
        const QColor shadow = palette().color(QPalette::Dark);
        const QColor &topLeft = pressed ? shadow : highlight;
        const QColor &bottomRight = pressed ? highlight : shadow;
        painter.setPen(topLeft);
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
        painter.drawLine(frame.topRight(), frame.bottomRight());
    }
    painter.setPen(m_textColor);
    painter.setFont(font());
    painter.drawText(pressed ? rect().translated(1, 1) : rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}

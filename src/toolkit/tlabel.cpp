#include "tlabel.h"

#include <QEvent>
#include <QFontMetrics>

TLabel::TLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
}

QColor TLabel::TextColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLabel::setTextColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, color);
    setPalette(pal);
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToCaption();
}

void TLabel::fitToCaption()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}

bool TLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    // The caption and the font arrive from the definition after construction.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::DynamicPropertyChange
        || event->type() == QEvent::Polish)
        fitToCaption();
    return handled;
}

void TLabel::click()
{
    emit clicked();
}

void TLabel::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(this, event))
        click();
}

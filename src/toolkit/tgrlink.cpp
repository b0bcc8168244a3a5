#include "tgrlink.h"

#include "clipboard.h"
#include "shell_open.h"
#include "tapplication.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace {

// Blanks and control characters at either end do not make an address.
QString trimmedTarget(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

TGrlink::TGrlink(QWidget *parent)
    : TLabel(parent)
{
    setTextColor(QColor(0, 0, 255));
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(TApplication::resourceCursor(QStringLiteral("HAND")));
}

QString TGrlink::target() const
{
    const QString chosen = trimmedTarget(m_url).isEmpty() ? text() : m_url;
    return trimmedTarget(chosen).isEmpty() ? QString() : chosen;
}

void TGrlink::click()
{
    TLabel::click();
    const QString chosen = target();
    if (!chosen.isEmpty())
        ShellOpen::open(chosen);
}

void TGrlink::copyCaption() const
{
    Clipboard::setText(text());
}

void TGrlink::press(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_restColor = TextColor();
    m_pressed = true;
    setTextColor(m_activeColor);
}

void TGrlink::mousePressEvent(QMouseEvent *event)
{
    press(event);
    TLabel::mousePressEvent(event);
}

void TGrlink::mouseDoubleClickEvent(QMouseEvent *event)
{
    press(event);
    TLabel::mouseDoubleClickEvent(event);
}

void TGrlink::mouseReleaseEvent(QMouseEvent *event)
{
    // On a release over the label the click runs first, then the colour returns.
    TLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        setTextColor(m_restColor);
    }
}

void TGrlink::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(tr("Copy"), this, &TGrlink::copyCaption);
    menu.exec(event->globalPos());
}

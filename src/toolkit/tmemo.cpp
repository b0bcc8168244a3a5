#include "tmemo.h"

#include <QFile>
#include <QFontMetricsF>
#include <QScrollBar>

TMemo::TMemo(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setUndoRedoEnabled(false);
    updateTabStops();
}

QStringList TMemo::readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Text %s cannot be read", qPrintable(path));
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void TMemo::setLinesFile(const QString &resourcePath)
{
    m_linesFile = resourcePath;
    setLines(readLines(resourcePath));
}

QColor TMemo::Color() const
{
    return palette().color(QPalette::Base);
}

void TMemo::setColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

void TMemo::setLines(const QStringList &lines)
{
    QString text;
    qsizetype length = 0;
    for (const QString &line : lines)
        length += line.size() + 2;
    text.reserve(length);
    for (const QString &line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    setPlainText(text);
}

QString TMemo::text() const
{
    QString plain = toPlainText();
    plain.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return plain;
}

void TMemo::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateTabStops();
}

// A tab advances to the next stop every eight average character widths.
void TMemo::updateTabStops()
{
    static const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QFontMetricsF metrics(font());
    setTabStopDistance(8 * metrics.horizontalAdvance(alphabet) / alphabet.size());
}

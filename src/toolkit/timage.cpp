#include "timage.h"

#include "jpeg_decoder.h"

#include <QFile>
#include <QPainter>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void TImage::setPicture(const QString &resourcePath)
{
    m_picture = resourcePath;
    m_image = QImage();
    m_decoded = false;
    update();
}

const QImage &TImage::image()
{
    if (!m_decoded) {
        m_decoded = true;
        QFile file(m_picture);
        if (file.open(QIODevice::ReadOnly))
            m_image = JpegDecoder::decode(file.readAll());
        else if (!m_picture.isEmpty())
            qWarning("Picture %s cannot be read", qPrintable(m_picture));
    }
    return m_image;
}

void TImage::paintEvent(QPaintEvent *)
{
    const QImage &picture = image();
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.press(event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_click.release(this, event))
        emit clicked();
}

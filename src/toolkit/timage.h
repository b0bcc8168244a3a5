#pragma once

#include "click_gesture.h"

#include <QImage>
#include <QWidget>

// A picture control: shows a JPEG from the program's resources at its own size from the control's
// top-left corner. The picture is decoded once, when it is first drawn. A click on it emits clicked().
class TImage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TImage)
    Q_PROPERTY(QString Picture READ Picture WRITE setPicture)

public:
    explicit TImage(QWidget *parent = nullptr);

    QString Picture() const { return m_picture; }
    void setPicture(const QString &resourcePath);

    // The decoded picture; decodes it now if it has not been drawn yet.
    const QImage &image();
    bool isDecoded() const { return m_decoded; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_picture;
    QImage m_image;
    bool m_decoded = false;
    ClickGesture m_click;
};

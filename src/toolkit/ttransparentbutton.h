#pragma once

#include <QAbstractButton>
#include <QColor>

// A text button without background: only its caption, centred on one line. While the pointer is
// over it a raised one-pixel frame runs along its edge; while the left button is held on it the frame
// is sunken and the caption moves one pixel right and down. It clicks when the left button is
// released over it after a press on it; a double-click counts as two clicks.
class TTransparentButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TTransparentButton)
    Q_PROPERTY(QColor TextColor READ TextColor WRITE setTextColor)

public:
    explicit TTransparentButton(QWidget *parent = nullptr);

    QColor TextColor() const { return m_textColor; }
    void setTextColor(const QColor &color);

    bool isHot() const { return m_hot; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_textColor;
    bool m_hot = false;
};

#pragma once

#include "tlabel.h"

// A hyperlink label: blue underlined text with the hand cursor "HAND". A click opens its URL, or its
// caption when the URL is blank, through the shell's "open". While the left button is held on it the
// text turns ActiveColor. Its context menu has one item, "Copy", which puts the caption on the
// clipboard.
class TGrlink : public TLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGrlink)
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(QColor ActiveColor READ ActiveColor WRITE setActiveColor)

public:
    explicit TGrlink(QWidget *parent = nullptr);

    QString URL() const { return m_url; }
    void setURL(const QString &url) { m_url = url; }
    QColor ActiveColor() const { return m_activeColor; }
    void setActiveColor(const QColor &color) { m_activeColor = color; }

    // What a click hands to the shell, or an empty string when it opens nothing.
    QString target() const;

    // Runs the label's own click event, then opens the target.
    void click() override;

    void copyCaption() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void press(QMouseEvent *event);

    QString m_url;
    QColor m_activeColor{128, 0, 128};
    QColor m_restColor;
    bool m_pressed = false;
};

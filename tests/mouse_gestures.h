#pragma once

#include <QTest>

// A double-click as the window system delivers it: press, release, double-click press, release.
inline void doubleClick(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
    QTest::mouseDClick(widget, button, {}, at);
    QTest::mouseRelease(widget, button, {}, at);
}

// The gestures the click tables name: "click", "double", "right", or "away" (pressed on the
// control, dragged off it and released there).
inline void performGesture(QWidget *control, const QString &gesture, QPoint inside)
{
    if (gesture == u"click") {
        QTest::mouseClick(control, Qt::LeftButton, {}, inside);
    } else if (gesture == u"double") {
        doubleClick(control, inside);
    } else if (gesture == u"right") {
        QTest::mouseClick(control, Qt::RightButton, {}, inside);
    } else {
        const QPoint outside(control->width() + 20, control->height() + 20);
        QTest::mousePress(control, Qt::LeftButton, {}, inside);
        QTest::mouseMove(control, outside);
        QTest::mouseRelease(control, Qt::LeftButton, {}, outside);
    }
}

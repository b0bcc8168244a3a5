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

#include "mouse_gestures.h"
#include "tobrelin_test_main.h"
#include "ttransparentbutton.h"

#include <QSignalSpy>

namespace {

struct Harness
{
    Harness()
    {
        window.resize(120, 60);
        window.setAutoFillBackground(true);
        button = new TTransparentButton(&window);
        button->setGeometry(20, 20, 49, 17);
        button->setText(u"Exit"_qs);
        button->setTextColor(QColor(128, 0, 0));
        window.show();
    }
    QImage look() { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget window;
    TTransparentButton *button;
};

void hover(TTransparentButton *button, bool inside)
{
    if (inside) {
        QEnterEvent enter(QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
}

// Where the caption's ink lies: the bounding box of the pixels of the text colour.
QRect ink(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) > 100 && qGreen(image.pixel(x, y)) < 40 && qBlue(image.pixel(x, y)) < 40)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

} // namespace

class TransparentButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsFramesByState()
    {
        Harness h;
        const QRgb background = h.window.palette().color(QPalette::Window).rgb();
        const QRgb light = h.button->palette().color(QPalette::Light).rgb();
        const QRgb dark = h.button->palette().color(QPalette::Dark).rgb();

        const QImage rest = h.look();
        QCOMPARE(rest.pixel(0, 0), background);
        QCOMPARE(rest.pixel(48, 16), background);

        hover(h.button, true);
        const QImage raised = h.look();
        QCOMPARE(raised.pixel(0, 0), light);
        QCOMPARE(raised.pixel(48, 16), dark);

        QTest::mousePress(h.button, Qt::LeftButton, {}, QPoint(5, 5));
        const QImage sunken = h.look();
        QCOMPARE(sunken.pixel(0, 0), dark);
        QCOMPARE(sunken.pixel(48, 16), light);
        QCOMPARE(ink(sunken), ink(raised).translated(1, 1));
        QCOMPARE(ink(rest), ink(raised));
        QVERIFY(!ink(rest).isEmpty());

        // Leaving while held takes the pressed look away.
        QTest::mouseMove(h.button, QPoint(100, 40));
        hover(h.button, false);
        QVERIFY(!h.button->isDown());
        QCOMPARE(h.look().pixel(0, 0), background);
        QCOMPARE(ink(h.look()), ink(rest));
        QTest::mouseRelease(h.button, Qt::LeftButton, {}, QPoint(100, 40));
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("clicks");
        QTest::addRow("press and release on it") << u"click"_qs << 1;
        QTest::addRow("released elsewhere") << u"away"_qs << 0;
        QTest::addRow("right button") << u"right"_qs << 0;
        QTest::addRow("double-click counts twice") << u"double"_qs << 2;
    }

    void clicks()
    {
        QFETCH(QString, gesture);
        QFETCH(int, clicks);
        Harness h;
        QSignalSpy spy(h.button, &TTransparentButton::clicked);
        performGesture(h.button, gesture, QPoint(5, 5));
        QCOMPARE(spy.count(), clicks);
    }

    void neverTakesTheFocus()
    {
        Harness h;
        QCOMPARE(h.button->focusPolicy(), Qt::NoFocus);
    }
};

TOBRELIN_TEST_MAIN(TransparentButtonTest)
#include "transparent_button_test.moc"

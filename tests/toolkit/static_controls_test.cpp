#include "address_recorder.h"
#include "mouse_gestures.h"
#include "tgrlink.h"
#include "timage.h"
#include "tlabel.h"
#include "tobrelin_test_main.h"

#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QTimer>

class StaticControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_recorder.opened.clear(); }

    void clickIsPressAndReleaseOnTheControl_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<int>("clicks");
        QTest::addRow("click") << u"click"_qs << 1;
        QTest::addRow("double-click counts once") << u"double"_qs << 1;
        QTest::addRow("released elsewhere") << u"away"_qs << 0;
        QTest::addRow("right button") << u"right"_qs << 0;
    }

    void clickIsPressAndReleaseOnTheControl()
    {
        QFETCH(QString, gesture);
        QFETCH(int, clicks);
        QWidget window;
        window.resize(300, 100);
        auto *label = new TLabel(&window);
        label->setText(u"FAQ MySQL"_qs);
        auto *image = new TImage(&window);
        image->setGeometry(100, 0, 83, 15);
        window.show();
        for (QWidget *control : {static_cast<QWidget *>(label), static_cast<QWidget *>(image)}) {
            QSignalSpy spy(control, SIGNAL(clicked()));
            performGesture(control, gesture, QPoint(3, 3));
            QCOMPARE(spy.count(), clicks);
        }
    }

    void labelIsAsWideAsItsCaption()
    {
        TLabel label;
        label.setText(u"Уязвимости Lineage2"_qs);
        label.fitToCaption();
        QCOMPARE(label.width(), label.fontMetrics().horizontalAdvance(label.text()));
    }

    void linkOpensAddressOrCaption_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened");
        const QString forum = u"http://forum.l2v.example:81/forumdisplay.php?f=6"_qs;
        QTest::addRow("address") << forum << u"Уязвимости Lineage2"_qs << forum << forum;
        QTest::addRow("address with blanks is handed over untrimmed")
            << u"  "_qs + forum + u" "_qs << u"x"_qs << u"  "_qs + forum + u" "_qs << forum;
        QTest::addRow("blank address falls back to the caption")
            << u"   "_qs << u"l2v.example"_qs << u"l2v.example"_qs << u"http://l2v.example"_qs;
        QTest::addRow("control characters count as blank")
            << u"\t\r\n\x01"_qs << u"l2v.example"_qs << u"l2v.example"_qs
            << u"http://l2v.example"_qs;
        QTest::addRow("caption that is no address opens nothing")
            << QString() << u"Уязвимости Lineage2"_qs << u"Уязвимости Lineage2"_qs << QString();
        QTest::addRow("both blank") << u" "_qs << u" \t"_qs << QString() << QString();
        QTest::addRow("both empty") << QString() << QString() << QString() << QString();
        QTest::addRow("local file is dropped") << u"file:///etc/passwd"_qs << u"x"_qs << u"file:///etc/passwd"_qs
                                               << QString();
        QTest::addRow("script is dropped") << u"javascript:alert(1)"_qs << u"x"_qs << u"javascript:alert(1)"_qs
                                           << QString();
    }

    void linkOpensAddressOrCaption()
    {
        QFETCH(QString, address);
        QFETCH(QString, caption);
        QFETCH(QString, target);
        QFETCH(QString, opened);
        TGrlink link;
        link.setText(caption);
        link.setURL(address);
        link.setAutoSize(false);
        link.resize(100, 13);
        link.show();
        QCOMPARE(link.target(), target);
        QSignalSpy ownClick(&link, &TLabel::clicked);
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(ownClick.count(), 1);
        const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl>{} : QList<QUrl>{QUrl(opened)};
        QCOMPARE(m_recorder.opened, expected);
    }

    void linkDoubleClickOpensOnce()
    {
        TGrlink link;
        link.setText(u"l2v.example"_qs);
        link.resize(100, 13);
        link.show();
        doubleClick(&link, QPoint(2, 2));
        QCOMPARE(m_recorder.opened.size(), 1);
    }

    void linkLooksLikeALink()
    {
        TGrlink link;
        QCOMPARE(link.TextColor(), QColor(0, 0, 255));
        QCOMPARE(link.ActiveColor(), QColor(128, 0, 128));
        QVERIFY(link.font().underline());
        QCOMPARE(link.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link.cursor().hotSpot(), QPoint(5, 0));
    }

    void linkIsPurpleWhileTheLeftButtonIsHeld_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QColor>("whileHeld");
        QTest::addRow("left") << Qt::LeftButton << QColor(128, 0, 128);
        QTest::addRow("right") << Qt::RightButton << QColor(0, 0, 255);
        QTest::addRow("middle") << Qt::MiddleButton << QColor(0, 0, 255);
    }

    void linkIsPurpleWhileTheLeftButtonIsHeld()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QColor, whileHeld);
        TGrlink link;
        link.setText(u"l2v.example"_qs);
        link.resize(100, 13);
        link.setContextMenuPolicy(Qt::NoContextMenu);
        link.show();
        QTest::mousePress(&link, button, {}, QPoint(2, 2));
        QCOMPARE(link.TextColor(), whileHeld);
        // Released away from the link: the colour returns and nothing opens.
        QTest::mouseRelease(&link, button, {}, QPoint(300, 300));
        QCOMPARE(link.TextColor(), QColor(0, 0, 255));
        QVERIFY(m_recorder.opened.isEmpty());
    }

    void copyPutsTheCaptionOnTheClipboard()
    {
        TGrlink link;
        link.setText(u"Уязвимости Lineage2"_qs);
        link.setURL(u"http://forum.l2v.example:81/forumdisplay.php?f=6"_qs);
        link.resize(110, 13);
        link.show();
        QStringList items;
        QTimer::singleShot(0, this, [&items] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                items.append(action->text());
            menu->actions().first()->trigger();
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), link.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&link, &event);
        QCOMPARE(items, QStringList{u"Copy"_qs});
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Уязвимости Lineage2"_qs);
        QVERIFY(m_recorder.opened.isEmpty());
    }

    void pictureIsDecodedWhenFirstDrawn()
    {
        TImage image;
        image.setPicture(QStringLiteral(":/pictures/word_faq.jpg"));
        image.resize(83, 15);
        QVERIFY(!image.isDecoded());
        const QImage drawn = image.grab().toImage();
        QVERIFY(image.isDecoded());
        QCOMPARE(image.image().size(), QSize(83, 15));
        QCOMPARE(drawn.pixelColor(40, 7), image.image().pixelColor(40, 7));
    }

    void missingPictureDrawsNothing()
    {
        TImage image;
        image.setPicture(QStringLiteral(":/pictures/none.jpg"));
        QTest::ignoreMessage(QtWarningMsg, "Picture :/pictures/none.jpg cannot be read");
        QVERIFY(image.image().isNull());
    }

private:
    // Every scheme a link could hand over, so that a dropped target would show if it were opened.
    AddressRecorder m_recorder{{u"http"_qs, u"https"_qs, u"file"_qs, u"javascript"_qs}};
};

TOBRELIN_TEST_MAIN(StaticControlsTest)
#include "static_controls_test.moc"

#include "tapplication.h"
#include "tobrelin_test_main.h"

#include <QIcon>
#include <QSignalSpy>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <stdexcept>

namespace {

// Qt's own frames between a handler and the input loop are built without unwinding, so an
// error thrown through a mouse event strands a few bytes of the event there; a key event does not.
class FailingWidget : public QWidget
{
protected:
    void keyPressEvent(QKeyEvent *) override { throw std::runtime_error("disk on fire"); }
};

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void titleFromExecutable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addRow("windows program") << u"Project1.exe"_qs << u"Project1"_qs;
        QTest::addRow("upper case") << u"TOBRELIN.EXE"_qs << u"Tobrelin"_qs;
        QTest::addRow("directory and several dots") << u"/opt/x/ToBReLin.v2.bin"_qs << u"Tobrelin"_qs;
        QTest::addRow("no dot") << u"tobrelin"_qs << u"tobrelin"_qs;
        QTest::addRow("windows directory") << u"C:\\Games\\L2Guide.exe"_qs << u"L2guide"_qs;
        QTest::addRow("leading dot leaves nothing") << u".hidden"_qs << QString();
    }

    void titleFromExecutable()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(TApplication::titleFromExecutable(path), title);
    }

    void programTitleComesFromThisExecutable()
    {
        QCOMPARE(TApplication::title(), u"application_test"_qs);
    }

    void errorInAHandlerIsReportedAndTheLoopGoesOn()
    {
        QStringList reported;
        auto *app = static_cast<TApplication *>(qApp);
        app->setErrorReporter([&reported](const QString &message) { reported.append(message); });

        FailingWidget widget;
        widget.resize(50, 50);
        widget.show();
        QTest::keyClick(&widget, Qt::Key_A);
        QCOMPARE(reported, QStringList{u"disk on fire"_qs});

        // A failure inside the running loop does not end it.
        bool ranAfterwards = false;
        QTimer::singleShot(0, &widget, [] { throw std::logic_error("second failure"); });
        QTimer::singleShot(10, &widget, [&ranAfterwards] {
            ranAfterwards = true;
            QCoreApplication::exit(0);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(ranAfterwards);
        QCOMPARE(reported.size(), 2);
        QCOMPARE(reported.last(), u"second failure"_qs);
        app->setErrorReporter(nullptr);
    }

    void iconComesFromTheResources()
    {
        QVERIFY(!QApplication::windowIcon().availableSizes().isEmpty());
    }

    void toolTipShowsAfterHalfASecond()
    {
        QWidget widget;
        QCOMPARE(widget.style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
    }
};

TOBRELIN_TEST_MAIN(ApplicationTest)
#include "application_test.moc"

#include "tform.h"
#include "tobrelin_test_main.h"

#include <QTimer>

namespace {

class PlainForm : public TForm
{
public:
    PlainForm(QPoint place, QSize client)
    {
        setLeft(place.x());
        setTop(place.y());
        resize(client);
        createWindow();
    }
};

} // namespace

class FormLifecycleTest : public QObject
{
    Q_OBJECT

private slots:
    void firstFormIsTheMainWindow()
    {
        PlainForm menu({196, 152}, {690, 450});
        PlainForm viewer({194, 182}, {680, 445});
        QVERIFY(menu.isMainForm());
        QVERIFY(!viewer.isMainForm());
        QVERIFY(menu.isHidden());
        QVERIFY(viewer.isHidden());
    }

    void showMakesVisibleAndActivates()
    {
        PlainForm menu({196, 152}, {690, 450});
        PlainForm viewer({194, 182}, {680, 445});
        menu.showForm();
        viewer.showForm();
        QVERIFY(viewer.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        menu.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        viewer.showForm();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QCOMPARE(viewer.pos(), QPoint(194, 182));
    }

    void closingAnotherWindowOnlyHidesIt()
    {
        PlainForm menu({196, 152}, {690, 450});
        PlainForm about({244, 194}, {590, 392});
        menu.showForm();
        about.showForm();
        about.move(300, 250);
        QVERIFY(about.close());
        QVERIFY(about.isHidden());
        QVERIFY(menu.isVisible());
        about.showForm();
        QCOMPARE(about.pos(), QPoint(300, 250));
    }

    void closingTheMainWindowEndsTheLoopWithStatusZero()
    {
        PlainForm menu({196, 152}, {690, 450});
        PlainForm viewer({194, 182}, {680, 445});
        menu.showForm();
        viewer.showForm();
        QTimer::singleShot(0, &menu, [&menu] { menu.close(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(menu.isHidden());
    }
};

TOBRELIN_TEST_MAIN(FormLifecycleTest)
#include "form_lifecycle_test.moc"

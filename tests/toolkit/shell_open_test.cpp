#include "shell_open.h"
#include "tobrelin_test_main.h"

class ShellOpenTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyWebAddressesAreOpened_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("address");
        QTest::addRow("forum section") << u"http://forum.l2v.example:81/forumdisplay.php?f=130"_qs
                                       << u"http://forum.l2v.example:81/forumdisplay.php?f=130"_qs;
        QTest::addRow("secure") << u"HTTPS://l2v.example/"_qs << u"https://l2v.example/"_qs;
        QTest::addRow("bare host") << u"l2v.example"_qs << u"http://l2v.example"_qs;
        QTest::addRow("bare host with port and path") << u"forum.l2v.example:81/x.php?f=6"_qs
                                                      << u"http://forum.l2v.example:81/x.php?f=6"_qs;
        QTest::addRow("blanks around") << u" \thttp://l2v.example \r\n"_qs << u"http://l2v.example"_qs;
        QTest::addRow("local file") << u"file:///etc/passwd"_qs << QString();
        QTest::addRow("absolute path") << u"/usr/bin/xterm"_qs << QString();
        QTest::addRow("windows program") << u"C:\\Windows\\system32\\calc.exe"_qs << QString();
        QTest::addRow("program name") << u"calc.exe"_qs << QString();
        QTest::addRow("script") << u"javascript:alert(1)"_qs << QString();
        QTest::addRow("mail") << u"mailto:admin@l2v.example"_qs << QString();
        QTest::addRow("other scheme") << u"ftp://l2v.example/"_qs << QString();
        QTest::addRow("scheme without host") << u"http://"_qs << QString();
        QTest::addRow("words") << u"Уязвимости Lineage2"_qs << QString();
        QTest::addRow("single word") << u"localhost"_qs << QString();
        QTest::addRow("empty") << QString() << QString();
    }

    void onlyWebAddressesAreOpened()
    {
        QFETCH(QString, target);
        QFETCH(QString, address);
        const QUrl url = ShellOpen::webAddress(target);
        QCOMPARE(url.isValid() ? url.toString() : QString(), address);
    }
};

TOBRELIN_TEST_MAIN(ShellOpenTest)
#include "shell_open_test.moc"

#include "address_recorder.h"
#include "program_windows.h"
#include "tobrelin_test_main.h"

#include <QAbstractScrollArea>
#include <QClipboard>

class AboutWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAsDefined()
    {
        ProgramWindows w;
        QCOMPARE(w.about.caption(), u"About Tobrelin"_qs);
        QCOMPARE(w.about.pos(), QPoint(244, 194));
        QCOMPARE(w.about.size(), QSize(590, 392));
        QCOMPARE(w.about.Color(), QColor(192, 192, 192));
        QVERIFY(!w.about.decorations().titleBar);
        QVERIFY(w.about.decorations().sizingFrame);
        QVERIFY(!w.about.AutoSize());
        QVERIFY(w.about.findChildren<QAbstractScrollArea *>().isEmpty());
    }

    void controlsInDrawingOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, QPoint place, int pixels, bool bold, const QString &text) {
            QTest::addRow("%s", name) << QString::fromLatin1(name) << place << pixels << bold << text;
        };
        row("TransparentButton1", {536, 360}, 11, false, u"Close"_qs);
        row("Grlink1", {16, 112}, 13, false, u"l2v.example"_qs);
        row("Label1", {32, 8}, 16, true, u"Tobrelin v4.0 (Tobrelin)"_qs);
        row("Label2", {16, 32}, 13, false, u"Данная программа представляет собой небольшой справочник"_qs);
        row("Label3", {16, 48}, 13, false, u"помощник состоящий из мануалов, гайдов, инструкций и указаний,"_qs);
        row("Label4", {16, 64}, 13, false, u"имеющих отношение к «Создания своего сервера Lineage2» ."_qs);
        row("Label5", {16, 80}, 13, false, u"Продукт создан на базе информационного ресурса"_qs);
        row("Label6", {16, 96}, 13, false, u"по безопасности игровых серверов и их уязвимостей"_qs);
        row("Label7", {88, 112}, 13, false, u", по материалам пользователей."_qs);
        row("Label8", {16, 128}, 13, false, u"Разработкой и реализацией занимались"_qs);
        row("Label9", {16, 144}, 13, false, u"– участники Support Команды портала –"_qs);
        row("Label10", {88, 160}, 13, true, u"Varg"_qs);
        row("Label11", {144, 160}, 13, true, u"Kest"_qs);
        row("Label12", {128, 160}, 13, false, u"и"_qs);
        row("Label13", {16, 176}, 13, false, u"по совместительству специалисты"_qs);
        row("Label14", {16, 192}, 13, false, u"в сфере обслуживания серверной части игры Lineage2,"_qs);
        row("Label16", {16, 208}, 13, false, u"за что им отдельная благодарность."_qs);
        row("Label15", {16, 224}, 13, false, u"В данном сборнике приведена лишь малая часть форумного контента,"_qs);
        row("Label17", {16, 240}, 13, false, u"желаете узнать больше и дополнить новую версию своими достижениями"_qs);
        row("Label18", {120, 304}, 11, false, u"Программа полностью безопасна и не содержит вредоносных кодов."_qs);
        row("Label19", {40, 312}, 11, false,
            u"Гарантия от вирусов только при скачивании у правообладателя из первоисточника – остерегайтесь"_qs);
        row("Label20", {192, 256}, 16, true, u"приходите к Нам!"_qs);
    }

    void controlsInDrawingOrder()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QString, text);
        ProgramWindows w;
        auto *control = w.about.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->pos(), place);
        QCOMPARE(control->font().pixelSize(), pixels);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->property("text").toString(), text);
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
        // Later controls lie above earlier ones, in the order of the table.
        static QString previous;
        const QObjectList children = w.about.children();
        if (!previous.isEmpty() && name != u"TransparentButton1")
            QVERIFY(children.indexOf(w.about.findChild<QWidget *>(previous)) < children.indexOf(control));
        previous = name;
    }

    void picturesAndColours()
    {
        ProgramWindows w;
        QCOMPARE(w.about.Image1->geometry(), QRect(-64, 0, 690, 455));
        QCOMPARE(w.about.Image2->geometry(), QRect(56, 328, 468, 60));
        QCOMPARE(w.about.Image2->Picture(), w.menu.Image8->Picture());
        QCOMPARE(w.about.Image2->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w.about.Label10->TextColor(), QColor(0, 128, 0));
        QCOMPARE(w.about.Label11->TextColor(), QColor(0, 128, 0));
        QCOMPARE(w.about.Grlink1->TextColor(), QColor(0, 0, 255));
        QVERIFY(w.about.Grlink1->font().underline());
        QVERIFY(w.about.Grlink2->isHidden());
        // The two small lines overlap; neither paints a background that would hide the other.
        QCOMPARE(w.about.Label19->y() - w.about.Label18->y(), 8);
        QVERIFY(!w.about.Label18->autoFillBackground() && !w.about.Label19->autoFillBackground());
    }

    void closeHidesOnlyTheAboutWindow()
    {
        ProgramWindows w;
        ProgramWindows::click(w.menu.Image5);
        ProgramWindows::click(w.menu.sl3, QPoint(3, 3));
        ProgramWindows::click(w.menu.Image7);
        w.about.move(300, 220);
        ProgramWindows::click(w.about.TransparentButton1);
        QVERIFY(w.about.isHidden());
        QVERIFY(w.menu.isVisible());
        QVERIFY(w.viewer.isVisible());
        QCOMPARE(w.visiblePanes(), QStringList{u"ms4"_qs});
        ProgramWindows::click(w.menu.Image7);
        QVERIFY(w.about.isVisible());
        QCOMPARE(w.about.pos(), QPoint(300, 220));
    }

    void bannerAndNameOpenThePortal()
    {
        ProgramWindows w;
        AddressRecorder browser;
        ProgramWindows::click(w.menu.Image7);
        ProgramWindows::click(w.about.Image2);
        ProgramWindows::click(w.about.Grlink1, QPoint(3, 3));
        QCOMPARE(browser.opened,
                 (QList<QUrl>{QUrl(u"http://l2v.example/"_qs), QUrl(u"http://l2v.example"_qs)}));
        QVERIFY(w.about.Grlink1->URL().isEmpty());
        w.about.Grlink1->copyCaption();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"l2v.example"_qs);
    }

    void resizingMovesNoControl()
    {
        ProgramWindows w;
        w.about.showForm();
        w.about.resize(800, 600);
        QCOMPARE(w.about.size(), QSize(800, 600));
        QCOMPARE(w.about.Image1->pos(), QPoint(-64, 0));
        QCOMPARE(w.about.TransparentButton1->pos(), QPoint(536, 360));
        w.about.resize(300, 200);
        QCOMPARE(w.about.size(), QSize(300, 200));
        QCOMPARE(w.about.TransparentButton1->pos(), QPoint(536, 360));
        // Beyond the background the window's silver shows.
        w.about.resize(700, 500);
        const QImage shot = w.about.grab().toImage();
        QCOMPARE(shot.pixelColor(650, 470), QColor(192, 192, 192));
        QCOMPARE(shot.pixelColor(630, 100), QColor(192, 192, 192));
    }
};

TOBRELIN_TEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"

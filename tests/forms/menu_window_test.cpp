#include "address_recorder.h"
#include "definition_font.h"
#include "mouse_gestures.h"
#include "program_windows.h"
#include "tobrelin_test_main.h"

#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

// Row tops of the right-hand column.
int rowOf(const ProgramWindows &w, const QString &label)
{
    return (w.menu.findChild<TLabel *>(label)->y() - 152) / 16;
}

QStringList labelsInRows(const ProgramWindows &w)
{
    QStringList shown = w.visibleTopicLabels();
    std::sort(shown.begin(), shown.end(),
              [&w](const QString &a, const QString &b) { return rowOf(w, a) < rowOf(w, b); });
    return shown;
}

QStringList keys(const char *prefix, int first, int last)
{
    QStringList result;
    for (int i = first; i <= last; ++i)
        result.append(QString::fromLatin1(prefix) + QString::number(i));
    return result;
}

} // namespace

class MenuWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void windowAsDefined()
    {
        ProgramWindows w;
        QCOMPARE(w.menu.caption(), u"Tobrelin v4.0"_qs);
        QCOMPARE(w.menu.pos(), QPoint(196, 152));
        QCOMPARE(w.menu.size(), QSize(690, 450));
        QCOMPARE(w.menu.Color(), QColor(166, 202, 240));
        QVERIFY(!w.menu.decorations().titleBar);
        QVERIFY(w.menu.decorations().sizingFrame);
        QVERIFY(w.viewer.isHidden());
        QVERIFY(w.about.isHidden());
        QVERIFY(w.visibleTopicLabels().isEmpty());
        // The fitted size holds against the user.
        w.menu.resize(900, 700);
        QCOMPARE(w.menu.size(), QSize(690, 450));
    }

    void controlsAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addRow("background") << u"Image1"_qs << QRect(0, 0, 690, 450);
        QTest::addRow("CLIENT") << u"Image2"_qs << QRect(300, 198, 83, 13);
        QTest::addRow("FAQ") << u"Image3"_qs << QRect(300, 183, 83, 15);
        QTest::addRow("OTHER 2") << u"Image4"_qs << QRect(300, 241, 83, 15);
        QTest::addRow("SERVER") << u"Image5"_qs << QRect(300, 211, 83, 15);
        QTest::addRow("OTHER 1") << u"Image6"_qs << QRect(300, 226, 83, 15);
        QTest::addRow("ABOUT") << u"Image7"_qs << QRect(300, 256, 83, 19);
        QTest::addRow("Exit") << u"TransparentButton1"_qs << QRect(320, 272, 49, 17);
        QTest::addRow("banner") << u"Image8"_qs << QRect(112, 320, 468, 60);
        // Labels are as wide as their caption in the face with the reference metrics.
        QTest::addRow("first topic") << u"fl1"_qs << QRect(448, 152, 59, 13);
        QTest::addRow("widest topic") << u"pl12"_qs << QRect(448, 168, 135, 13);
        QTest::addRow("last row") << u"sl10"_qs << QRect(448, 296, 103, 13);
        QTest::addRow("first forum link") << u"Grlink1"_qs << QRect(96, 168, 110, 13);
        QTest::addRow("link with a trailing blank") << u"Grlink3"_qs << QRect(96, 232, 155, 13);
        QTest::addRow("last forum link") << u"Grlink6"_qs << QRect(96, 264, 154, 13);
    }

    void controlsAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QVERIFY2(DefinitionFont::designFaceLoaded(), "the face with the reference metrics (fonts-wine) is missing");
        ProgramWindows w;
        auto *control = w.menu.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
    }

    void topicLabelsAsDefined()
    {
        ProgramWindows w;
        const QList<TLabel *> labels = w.menu.findChildren<TLabel *>();
        for (QLatin1StringView key : TopicCatalogue::allLabels()) {
            auto *label = w.menu.findChild<TLabel *>(key);
            QVERIFY(label->isHidden());
            QCOMPARE(label->x(), 448);
            QCOMPARE(label->height(), 13);
            QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
            QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
            QVERIFY(!label->autoFillBackground());
            QCOMPARE(label->TextColor(), w.menu.palette().color(QPalette::WindowText));
        }
        QCOMPARE(w.menu.findChild<TLabel *>(u"sl3"_qs)->text(), u"Interlude ServerPack"_qs);
        QCOMPARE(w.menu.findChild<TLabel *>(u"pl14"_qs)->text(), u"l2.ini дешиф\\шифровка"_qs);
    }

    void pagesShowExactlyTheirLabels_data()
    {
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("shown");
        QTest::addRow("FAQ first") << QStringList{u"Image3"_qs} << keys("fl", 1, 7);
        QTest::addRow("server rows run sl3, sl2, sl1")
            << QStringList{u"Image5"_qs}
            << (QStringList{u"sl3"_qs, u"sl2"_qs, u"sl1"_qs} + keys("sl", 4, 10));
        QTest::addRow("FAQ, other 1, other 2, back")
            << QStringList{u"Image3"_qs, u"Image6"_qs, u"Image4"_qs, u"Image6"_qs} << keys("pl", 1, 10);
        QTest::addRow("other 1 to other 2") << QStringList{u"Image6"_qs, u"Image4"_qs} << keys("pl", 11, 20);
        QTest::addRow("server to client empties rows four to ten")
            << QStringList{u"Image5"_qs, u"Image2"_qs} << keys("kl", 1, 3);
        QTest::addRow("same page twice") << QStringList{u"Image3"_qs, u"Image3"_qs} << keys("fl", 1, 7);
        QTest::addRow("ABOUT leaves the page") << QStringList{u"Image2"_qs, u"Image7"_qs} << keys("kl", 1, 3);
    }

    void pagesShowExactlyTheirLabels()
    {
        QFETCH(QStringList, images);
        QFETCH(QStringList, shown);
        ProgramWindows w;
        for (const QString &image : images)
            ProgramWindows::click(w.menu.findChild<TImage *>(image));
        QCOMPARE(labelsInRows(w), shown);
        for (int row = 0; row < shown.size(); ++row)
            QCOMPARE(w.menu.findChild<TLabel *>(shown.at(row))->y(), 152 + 16 * row);
    }

    void imageButtonsClickTheirHiddenCommands_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::addRow("FAQ") << u"Image3"_qs << u"Button2"_qs << u"FAQ"_qs;
        QTest::addRow("client") << u"Image2"_qs << u"Button11"_qs << u"Клиент"_qs;
        QTest::addRow("server") << u"Image5"_qs << u"Button3"_qs << u"Сервер"_qs;
        QTest::addRow("other 1") << u"Image6"_qs << u"Button12"_qs << u"Прочее №1"_qs;
        QTest::addRow("other 2") << u"Image4"_qs << u"Button4"_qs << u"Прочее №2"_qs;
    }

    void imageButtonsClickTheirHiddenCommands()
    {
        QFETCH(QString, image);
        QFETCH(QString, command);
        QFETCH(QString, caption);
        ProgramWindows w;
        auto *button = w.menu.findChild<QPushButton *>(command);
        QCOMPARE(button->text(), caption);
        QVERIFY(button->isHidden());
        QSignalSpy clicked(button, &QPushButton::clicked);
        doubleClick(w.menu.findChild<TImage *>(image), QPoint(10, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(w.menu.findChild<TImage *>(image)->cursor().shape(), Qt::PointingHandCursor);
    }

    void onlyTheFaqPictureHasATooltip()
    {
        ProgramWindows w;
        for (const TImage *image : w.menu.findChildren<TImage *>())
            QCOMPARE(image->toolTip(), image->objectName() == u"Image3" ? u"FAQ"_qs : QString());
    }

    void noControlTakesTheFocus()
    {
        ProgramWindows w;
        for (const QWidget *control : w.menu.findChildren<QWidget *>())
            QVERIFY2(control->focusPolicy() == Qt::NoFocus, qPrintable(control->objectName()));
    }

    void forumLinks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("query");
        QTest::addRow("Lineage2") << u"Grlink1"_qs << u"Уязвимости Lineage2"_qs << u"f=6"_qs;
        QTest::addRow("Ragnarok") << u"Grlink5"_qs << u"Уязвимости Ragnarok"_qs << u"f=9"_qs;
        QTest::addRow("MU Online") << u"Grlink8"_qs << u"Уязвимости MU Online"_qs << u"f=130"_qs;
        QTest::addRow("Counter-Strike") << u"Grlink7"_qs << u"Уязвимости Counter - Strike"_qs << u"f=50"_qs;
        QTest::addRow("World Of Warcraft") << u"Grlink3"_qs << u"Уязвимости World Of Warcraft "_qs << u"f=7"_qs;
        QTest::addRow("Rising Force") << u"Grlink4"_qs << u"Уязвимости Rising Force Online"_qs << u"f=108"_qs;
        QTest::addRow("Warcraft") << u"Grlink6"_qs << u"Уязвимости Warcraft [RG] [FT]"_qs << u"f=54"_qs;
    }

    void forumLinks()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, query);
        ProgramWindows w;
        AddressRecorder browser;
        auto *link = w.menu.findChild<TGrlink *>(name);
        QCOMPARE(link->text(), caption);
        doubleClick(link, QPoint(5, 5));
        const QUrl expected(u"http://forum.l2v.example:81/forumdisplay.php?"_qs + query);
        QCOMPARE(browser.opened, QList<QUrl>{expected});
        QCOMPARE(expected.port(), 81);
    }

    void copyPutsTheCaptionNotTheAddressOnTheClipboard()
    {
        ProgramWindows w;
        w.menu.Grlink1->copyCaption();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Уязвимости Lineage2"_qs);
    }

    void bannerOpensTheSite()
    {
        ProgramWindows w;
        AddressRecorder browser;
        QVERIFY(w.menu.Grlink2->isHidden());
        QCOMPARE(w.menu.Grlink2->URL(), u"l2v.example"_qs);
        ProgramWindows::click(w.menu.Image8);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(u"http://l2v.example"_qs)});
        QCOMPARE(w.menu.Image8->cursor().shape(), Qt::PointingHandCursor);
    }

    void creditsNameTheAuthorsAndTheSite()
    {
        ProgramWindows w;
        QVERIFY(w.menu.Label1->text().contains(u"l2v.example"_qs));
        QCOMPARE(w.menu.Label1->pos(), QPoint(264, 424));
    }

    void aboutShowsOneAboutWindow()
    {
        ProgramWindows w;
        ProgramWindows::click(w.menu.Image7);
        QVERIFY(w.about.isVisible());
        w.menu.activateWindow();
        ProgramWindows::click(w.menu.Image7);
        QVERIFY(QTest::qWaitForWindowActive(&w.about));
        int aboutWindows = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            aboutWindows += qobject_cast<TForm4 *>(window) && window->isVisible();
        QCOMPARE(aboutWindows, 1);
    }

    void exitOverTheAboutPictureEndsTheProgram()
    {
        ProgramWindows w;
        ProgramWindows::click(w.menu.Image3);
        ProgramWindows::click(w.menu.fl1);
        ProgramWindows::click(w.menu.Image7);
        QVERIFY(w.viewer.isVisible() && w.about.isVisible());
        // The strip where "Exit" overlaps ABOUT belongs to "Exit".
        QCOMPARE(w.menu.childAt(330, 273), w.menu.TransparentButton1);
        QTimer::singleShot(0, &w.menu, [&w] {
            QTest::mouseClick(w.menu.TransparentButton1, Qt::LeftButton, {}, QPoint(10, 1));
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(w.menu.isHidden());
    }

    void exitLooksAsDefined()
    {
        ProgramWindows w;
        const TTransparentButton *exit = w.menu.TransparentButton1;
        QCOMPARE(exit->text(), u"Exit"_qs);
        QCOMPARE(exit->TextColor(), QColor(128, 0, 0));
        QVERIFY(exit->font().bold());
        QVERIFY(exit->font().underline());
        QCOMPARE(exit->font().pixelSize(), 13);
    }
};

TOBRELIN_TEST_MAIN(MenuWindowTest)
#include "menu_window_test.moc"

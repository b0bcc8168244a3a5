#include "program_windows.h"
#include "tobrelin_test_main.h"

#include <QClipboard>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

namespace {

// The page each label lives on, by the image button that shows it.
TImage *pageImageOf(const ProgramWindows &w, QLatin1StringView label)
{
    for (const CategoryPage &page : TopicCatalogue::pages()) {
        if (std::find(page.labels.begin(), page.labels.end(), label) != page.labels.end()) {
            static const QHash<QString, QString> imageOf{{u"Button2"_qs, u"Image3"_qs},
                                                        {u"Button11"_qs, u"Image2"_qs},
                                                        {u"Button3"_qs, u"Image5"_qs},
                                                        {u"Button12"_qs, u"Image6"_qs},
                                                        {u"Button4"_qs, u"Image4"_qs}};
            return w.menu.findChild<TImage *>(imageOf.value(page.command));
        }
    }
    return nullptr;
}

void openTopic(ProgramWindows &w, const QString &label)
{
    ProgramWindows::click(pageImageOf(w, QLatin1StringView(label.toLatin1())));
    ProgramWindows::click(w.menu.findChild<TLabel *>(label), QPoint(3, 3));
}

QString articleText(const QString &key)
{
    QString text;
    for (const QString &line : TMemo::readLines(u":/articles/"_qs + key + u".txt"_qs))
        text += line + u"\r\n"_qs;
    return text;
}

} // namespace

class ViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_w = std::make_unique<ProgramWindows>(); }
    void cleanupTestCase() { m_w.reset(); }

    void panesAsDefined()
    {
        const TForm3 &viewer = m_w->viewer;
        QCOMPARE(viewer.caption(), u"Tobrelin v4.0"_qs);
        QVERIFY(viewer.decorations().titleBar);
        QCOMPARE(viewer.pos(), QPoint(194, 182));
        const QList<TMemo *> panes = viewer.findChildren<TMemo *>(Qt::FindDirectChildrenOnly);
        QCOMPARE(panes.size(), 46);
        QCOMPARE(panes.first()->objectName(), u"mf1"_qs);
        QCOMPARE(panes.at(1)->objectName(), u"ms7"_qs);
        QCOMPARE(panes.last()->objectName(), u"mf7"_qs);
        for (const TMemo *pane : panes) {
            const bool last = pane->objectName() == u"mf7";
            QCOMPARE(pane->geometry(), QRect(0, 0, last ? 680 : 670, last ? 445 : 440));
            QVERIFY(pane->isReadOnly());
            QCOMPARE(pane->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(pane->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(pane->Color(), QColor(192, 192, 192));
        }
    }

    void everyPaneHoldsItsWholeArticle()
    {
        for (const TMemo *pane : m_w->viewer.findChildren<TMemo *>()) {
            const QString expected = articleText(pane->objectName());
            QVERIFY(expected.size() > 100);
            QVERIFY2(pane->text() == expected, qPrintable(pane->objectName()));
        }
        const TMemo *ids = m_w->viewer.mp5;
        QCOMPARE(ids->text().size(), 48540);
        QCOMPARE(ids->document()->blockCount(), 1902); // 1,901 lines and the empty one after them
        QVERIFY(!ids->document()->lastBlock().previous().text().isEmpty());
    }

    void labelsOpenTheirOwnPane_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("pane");
        for (const Topic &topic : TopicCatalogue::topics()) {
            if (!topic.label.isEmpty())
                QTest::addRow("%s", topic.label.data()) << QString(topic.label) << QString(topic.pane);
        }
    }

    void labelsOpenTheirOwnPane()
    {
        QFETCH(QString, label);
        QFETCH(QString, pane);
        openTopic(*m_w, label);
        QVERIFY(m_w->viewer.isVisible());
        QCOMPARE(m_w->visiblePanes(), QStringList{pane});
        const QSize client = pane == u"mf7" ? QSize(680, 445) : QSize(670, 440);
        QCOMPARE(m_w->viewer.size(), client);
        QVERIFY(QTest::qWaitForWindowActive(&m_w->viewer));
    }

    void panesWithoutALabelAreNeverShownByOne()
    {
        QSet<QString> reached;
        for (const Topic &topic : TopicCatalogue::topics()) {
            if (!topic.label.isEmpty())
                reached.insert(topic.pane);
        }
        QCOMPARE(reached.size(), 40);
        for (const auto key : {"ms1", "ms8", "ms10", "mp2", "mp3", "mp4"})
            QVERIFY(!reached.contains(QString::fromLatin1(key)));
    }

    void unlabelledCommandsOpenTheirPanes_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pane");
        QTest::addRow("s21") << u"s21"_qs << u"Banished Build Pack"_qs << u"ms1"_qs;
        QTest::addRow("s22") << u"s22"_qs << u"Korrin Serverpack"_qs << u"ms8"_qs;
        QTest::addRow("s23") << u"s23"_qs << u"Server Brannoc L2J C5"_qs << u"ms10"_qs;
        QTest::addRow("p99") << u"p99"_qs << u"Eclipse,SVN,Source,Build"_qs << u"mp4"_qs;
        QTest::addRow("p999") << u"p999"_qs << u"Addon server l2c4j от Gorvel"_qs << u"mp3"_qs;
        QTest::addRow("p9999") << u"p9999"_qs << u"Два сервера на одном"_qs << u"mp2"_qs;
    }

    void unlabelledCommandsOpenTheirPanes()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        QFETCH(QString, pane);
        auto *button = m_w->menu.findChild<QPushButton *>(command);
        QCOMPARE(button->text(), caption);
        QVERIFY(button->isHidden());
        button->click();
        QCOMPARE(m_w->visiblePanes(), QStringList{pane});
    }

    void commandsKeepTheirOwnCaptions()
    {
        QCOMPARE(m_w->menu.s1->text(), u"Pellmark  C5 ServerPack"_qs);
        QCOMPARE(m_w->menu.p10->text(), u"Динозавры из Interlude в c5"_qs);
        QCOMPARE(m_w->menu.p13->text(), u"НПЦ баффер для С сервера"_qs);
        QCOMPARE(m_w->menu.f1->text(), m_w->menu.fl1->text());
    }

    void firstViewStartsAtTheBeginning()
    {
        openTopic(*m_w, u"pl2"_qs);
        QCOMPARE(m_w->viewer.mp5->verticalScrollBar()->value(), 0);
        QCOMPARE(m_w->viewer.mp5->textCursor().position(), 0);
    }

    void paneKeepsScrollAndSelectionAcrossSwitchingAndClosing()
    {
        openTopic(*m_w, u"pl3"_qs);
        TMemo *ids = m_w->viewer.mp6;
        ids->verticalScrollBar()->setValue(ids->verticalScrollBar()->maximum() / 2);
        QTextCursor selection(ids->document());
        selection.setPosition(1000);
        selection.setPosition(1040, QTextCursor::KeepAnchor);
        ids->setTextCursor(selection);
        const int scrolled = ids->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);

        openTopic(*m_w, u"fl1"_qs);
        QVERIFY(m_w->viewer.close());
        QVERIFY(m_w->viewer.isHidden());
        QVERIFY(m_w->menu.isVisible());
        openTopic(*m_w, u"pl3"_qs);
        QCOMPARE(m_w->visiblePanes(), QStringList{u"mp6"_qs});
        QCOMPARE(ids->verticalScrollBar()->value(), scrolled);
        QCOMPARE(ids->textCursor().selectionStart(), 1000);
        QCOMPARE(ids->textCursor().selectionEnd(), 1040);
    }

    void viewerComesBackWhereTheUserMovedIt()
    {
        openTopic(*m_w, u"fl2"_qs);
        m_w->viewer.move(50, 60);
        m_w->viewer.close();
        openTopic(*m_w, u"kl1"_qs);
        QCOMPARE(m_w->viewer.pos(), QPoint(50, 60));
        QCOMPARE(m_w->visiblePanes(), QStringList{u"mk1"_qs});
    }

    void readOnlyRefusesEditsButCopies()
    {
        openTopic(*m_w, u"fl1"_qs);
        TMemo *pane = m_w->viewer.mf1;
        const QString before = pane->text();
        QGuiApplication::clipboard()->setText(u"вставка"_qs);
        pane->setFocus();
        QTest::keyClicks(pane, u"abc"_qs);
        QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(pane, Qt::Key_Delete);
        QTest::keyClick(pane, Qt::Key_Backspace);
        pane->paste();
        QTextCursor selection(pane->document());
        selection.setPosition(0);
        selection.setPosition(13, QTextCursor::KeepAnchor);
        pane->setTextCursor(selection);
        QTest::keyClick(pane, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(pane->text(), before);
        pane->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"Faq по Mysql:"_qs);
    }

    void sizeFollowsThePaneShown()
    {
        openTopic(*m_w, u"fl7"_qs);
        QCOMPARE(m_w->viewer.size(), QSize(680, 445));
        openTopic(*m_w, u"sl3"_qs);
        QCOMPARE(m_w->viewer.size(), QSize(670, 440));
        m_w->viewer.resize(900, 800);
        QCOMPARE(m_w->viewer.size(), QSize(670, 440));
        openTopic(*m_w, u"fl7"_qs);
        QCOMPARE(m_w->viewer.size(), QSize(680, 445));
    }

    void choosingAPageLeavesTheViewerAlone()
    {
        openTopic(*m_w, u"sl1"_qs);
        QCOMPARE(m_w->visiblePanes(), QStringList{u"ms2"_qs});
        const QPoint place = m_w->viewer.pos();
        ProgramWindows::click(m_w->menu.Image4);
        ProgramWindows::click(m_w->menu.Image2);
        QVERIFY(m_w->viewer.isVisible());
        QCOMPARE(m_w->visiblePanes(), QStringList{u"ms2"_qs});
        QCOMPARE(m_w->viewer.pos(), place);
    }

    void tabsAdvanceToStopsOfEightAverageWidths()
    {
        const TMemo *pane = m_w->viewer.mf7;
        QVERIFY(pane->tabStopDistance() > 8 * 4);
        QVERIFY(pane->tabStopDistance() < 8 * 9);
    }

private:
    std::unique_ptr<ProgramWindows> m_w;
};

TOBRELIN_TEST_MAIN(ViewerTest)
#include "viewer_test.moc"

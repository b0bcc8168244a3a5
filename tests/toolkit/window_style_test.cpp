#include "tform.h"
#include "tobrelin_test_main.h"

// A form whose creation hook records what the layer prepared and then applies a given change.
class HookedForm : public TForm
{
public:
    explicit HookedForm(std::function<void(WindowParams &)> change)
        : m_change(std::move(change))
    {
        setProperty("Left", 196);
        setProperty("Top", 152);
        resize(690, 450);
        createWindow();
    }
    WindowParams prepared;

protected:
    void CreateParams(WindowParams &params) override
    {
        prepared = params;
        if (m_change)
            m_change(params);
    }

private:
    std::function<void(WindowParams &)> m_change;
};

class WindowStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void layerPreparesAnOrdinaryTopLevelWindow()
    {
        HookedForm form(nullptr);
        QCOMPARE(form.prepared.style, 0x00CF0000u);
        QCOMPARE(form.prepared.exStyle, 0u);
        QCOMPARE(form.prepared.position, QPoint(196, 152));
        QCOMPARE(form.prepared.clientSize, QSize(690, 450));
        QVERIFY(form.decorations().titleBar);
    }

    void hookChangesOnlyTheStyle()
    {
        HookedForm form([](WindowParams &params) {
            params.style = (params.style | WindowStyle::Popup) & ~WindowStyle::DialogFrame;
        });
        QCOMPARE(form.style(), 0x80CF0000u & ~0x00400000u);
        QCOMPARE(form.style(), 0x808F0000u);
        QCOMPARE(form.pos(), QPoint(196, 152));
        QCOMPARE(form.size(), QSize(690, 450));
    }

    void hookCanMoveAndResize()
    {
        HookedForm form([](WindowParams &params) {
            params.position = QPoint(10, 20);
            params.clientSize = QSize(100, 50);
        });
        QCOMPARE(form.pos(), QPoint(10, 20));
        QCOMPARE(form.size(), QSize(100, 50));
    }

    void hostRealisesStyleBits_data()
    {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<bool>("titleBar");
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("sizingFrame");
        QTest::addRow("ordinary window") << 0x00CF0000u << true << true << true;
        QTest::addRow("pop-up without dialog frame") << 0x808F0000u << false << true << true;
        QTest::addRow("dialog frame alone is no title bar") << 0x004F0000u << false << true << true;
        QTest::addRow("caption without sizing frame") << 0x00C80000u << true << true << false;
        QTest::addRow("bare pop-up") << 0x80000000u << false << false << false;
    }

    void hostRealisesStyleBits()
    {
        QFETCH(quint32, style);
        QFETCH(bool, titleBar);
        QFETCH(bool, border);
        QFETCH(bool, sizingFrame);
        const WindowDecorations expected{titleBar, border, sizingFrame};
        QCOMPARE(WindowDecorations::fromStyle(style), expected);
    }
};

TOBRELIN_TEST_MAIN(WindowStyleTest)
#include "window_style_test.moc"

#include "tform.h"
#include "tobrelin_test_main.h"

namespace {

class FittingForm : public TForm
{
public:
    explicit FittingForm(const QList<QRect> &children)
    {
        resize(680, 445);
        for (const QRect &geometry : children) {
            auto *child = new QWidget(this);
            child->setGeometry(geometry);
            child->hide();
            m_children.append(child);
        }
        setAutoSize(true);
        createWindow();
    }
    QWidget *child(int index) const { return m_children.at(index); }

private:
    QList<QWidget *> m_children;
};

const QList<QRect> panes{{0, 0, 670, 440}, {0, 0, 680, 445}, {10, 20, 100, 500}};

} // namespace

class ContentFitterTest : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheVisibleChildren_data()
    {
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<QSize>("fitted");
        QTest::addRow("none keeps the designed size") << QList<int>{} << QSize(680, 445);
        QTest::addRow("small pane") << QList<int>{0} << QSize(670, 440);
        QTest::addRow("large pane") << QList<int>{1} << QSize(680, 445);
        QTest::addRow("both take the largest") << QList<int>{0, 1} << QSize(680, 445);
        QTest::addRow("offset child reaches from the origin") << QList<int>{0, 2} << QSize(670, 520);
    }

    void fitsTheVisibleChildren()
    {
        QFETCH(QList<int>, shown);
        QFETCH(QSize, fitted);
        FittingForm form(panes);
        form.show();
        for (int index : shown)
            form.child(index)->show();
        QCOMPARE(form.size(), fitted);
    }

    void refitsWhenChildrenAreShownAndHidden()
    {
        FittingForm form(panes);
        form.show();
        form.child(1)->show();
        QCOMPARE(form.size(), QSize(680, 445));
        form.child(0)->show();
        form.child(1)->hide();
        QCOMPARE(form.size(), QSize(670, 440));
        form.child(1)->show();
        QCOMPARE(form.size(), QSize(680, 445));
    }

    void fitsWhileTheWindowIsHidden()
    {
        FittingForm form(panes);
        form.child(0)->show();
        QCOMPARE(form.size(), QSize(670, 440));
    }

    void holdsItsSizeAgainstTheUser()
    {
        FittingForm form(panes);
        form.show();
        form.child(0)->show();
        form.resize(900, 700);
        QCOMPARE(form.size(), QSize(670, 440));
        form.showMaximized();
        QCOMPARE(form.size(), QSize(670, 440));
        QCOMPARE(form.minimumSize(), form.maximumSize());
    }

    void refitsWhenAChildGrows()
    {
        FittingForm form(panes);
        form.show();
        form.child(0)->show();
        form.child(0)->resize(300, 200);
        QCOMPARE(form.size(), QSize(300, 200));
    }
};

TOBRELIN_TEST_MAIN(ContentFitterTest)
#include "content_fitter_test.moc"

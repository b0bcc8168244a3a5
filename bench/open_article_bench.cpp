// Time from a topic label's click to the viewer's next paint, for the smallest and the largest
// article. Prints the median of ten openings of each.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "first_paint.h"
#include "tapplication.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

double openOnce(TForm2 &menu, TImage *page, TLabel *label, TMemo *pane)
{
    // Start from another article, so the click really switches panes.
    menu.activateWindow();
    QTest::mouseClick(menu.Image3, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(menu.fl3, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::qWait(100);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::qWait(50);

    QEventLoop loop;
    FirstPaint painted(pane->viewport(), [&loop] { loop.quit(); });
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    TForm2 menu;
    TForm3 viewer;
    TForm4 about;
    menu.setViewer(&viewer);
    menu.setAboutWindow(&about);
    menu.showForm();
    if (!QTest::qWaitForWindowExposed(&menu))
        return 1;

    struct Case
    {
        const char *name;
        TImage *page;
        TLabel *label;
        TMemo *pane;
    };
    const Case cases[] = {{"ms11 (smallest)", menu.Image5, menu.sl8, viewer.ms11},
                          {"mp5 (largest)", menu.Image6, menu.pl2, viewer.mp5}};
    for (const Case &c : cases) {
        QList<double> times;
        for (int run = 0; run < 10; ++run)
            times.append(openOnce(menu, c.page, c.label, c.pane));
        std::sort(times.begin(), times.end());
        std::printf("click to paint, %s: median %.2f ms (min %.2f, max %.2f)\n", c.name,
                    (times[4] + times[5]) / 2, times.first(), times.last());
    }
    return 0;
}

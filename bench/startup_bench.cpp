// The program's start-up up to the first paint of the menu window, as a whole process: time it
// from outside (hyperfine). With "menu-only" it leaves out the viewer and its 46 article panes.
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "first_paint.h"
#include "tapplication.h"

#include <memory>

int main(int argc, char *argv[])
{
    TApplication app(argc, argv);
    const bool withViewer = !(argc > 1 && qstrcmp(argv[1], "menu-only") == 0);

    TForm2 menu;
    std::unique_ptr<TForm3> viewer;
    if (withViewer)
        viewer = std::make_unique<TForm3>();
    TForm4 about;
    menu.setViewer(viewer.get());
    menu.setAboutWindow(&about);
    FirstPaint painted(&menu, [] { QCoreApplication::exit(0); });
    menu.showForm();
    return app.exec();
}

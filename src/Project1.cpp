#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "tapplication.h"

#include <QtGlobal>

int main(int argc, char *argv[])
{
    // Windows open exactly where their definitions place them, which a Wayland client cannot ask
    // for: on a Wayland session run through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    TApplication app(argc, argv);

    TForm2 menu; // the first window created is the main window
    TForm3 viewer;
    TForm4 about;
    menu.setViewer(&viewer);
    menu.setAboutWindow(&about);

    menu.showForm();
    return app.exec();
}

#include "Unit3.h"

TForm3::TForm3(QWidget *parent)
    : TForm(parent)
{
    setupUi(this);
    createWindow();
}

TMemo *TForm3::pane(QLatin1StringView key) const
{
    return findChild<TMemo *>(key, Qt::FindDirectChildrenOnly);
}

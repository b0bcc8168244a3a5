#include "Unit4.h"

#include "skinned_window_style.h"

TForm4::TForm4(QWidget *parent)
    : TForm(parent)
{
    setupUi(this);
    createWindow();
    connect(TransparentButton1, &TTransparentButton::clicked, this, &TForm4::TransparentButton1Click);
    connect(Image2, &TImage::clicked, this, &TForm4::Image2Click);
}

void TForm4::CreateParams(WindowParams &params)
{
    applySkinnedWindowStyle(params);
}

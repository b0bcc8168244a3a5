#pragma once

#include "tform.h"
#include "ui_TForm4.h"

// The about window: what the collection is and who made it, a link and a banner that open the
// portal it is based on, and "Close". It can be resized by its frame; its controls stay in place.
class TForm4 : public TForm, public Ui::TForm4
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget *parent = nullptr);

    void TransparentButton1Click() { close(); }
    void Image2Click() { Grlink2->click(); }

protected:
    void CreateParams(WindowParams &params) override;
};

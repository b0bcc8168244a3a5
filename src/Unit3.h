#pragma once

#include "tform.h"
#include "ui_TForm3.h"

// The article viewer: all 46 article panes lie at the client origin, each holding its whole article
// from the start; the menu's topic commands choose which one is visible. The window fits the visible
// pane, and closing it only hides it, so every pane keeps its scroll position, caret and selection.
class TForm3 : public TForm, public Ui::TForm3
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm3)

public:
    explicit TForm3(QWidget *parent = nullptr);

    TMemo *pane(QLatin1StringView key) const;
};

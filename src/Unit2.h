#pragma once

#include "tform.h"
#include "ui_TForm2.h"

class QPushButton;
class TForm3;
class TForm4;

// The menu window, the program's main window: image buttons choose a category page of topic labels,
// a topic label opens its article in the viewer, link labels and the banner open web pages, ABOUT
// shows the about window and "Exit" ends the program. No control takes the keyboard focus.
class TForm2 : public TForm, public Ui::TForm2
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm2)

public:
    explicit TForm2(QWidget *parent = nullptr);

    // The windows that the menu shows; created after the menu, so handed over afterwards.
    void setViewer(TForm3 *viewer) { m_viewer = viewer; }
    void setAboutWindow(TForm4 *about) { m_about = about; }

    // Each image button clicks its hidden category command.
    void Image3Click() { Button2->click(); }
    void Image2Click() { Button11->click(); }
    void Image5Click() { Button3->click(); }
    void Image6Click() { Button12->click(); }
    void Image4Click() { Button4->click(); }

    // The category commands; Button2 runs Button5Click.
    void Button5Click() { showPage(Button2); }
    void Button11Click() { showPage(Button11); }
    void Button3Click() { showPage(Button3); }
    void Button12Click() { showPage(Button12); }
    void Button4Click() { showPage(Button4); }

    void Image7Click();
    void Image8Click() { Grlink2->click(); }
    void TransparentButton1Click() { close(); }

    // What every topic command does: show the viewer, then make the pane the only visible one.
    void openArticle(QLatin1StringView paneKey);

protected:
    void CreateParams(WindowParams &params) override;

private:
    void bindTopics();
    void showPage(const QPushButton *command);

    TForm3 *m_viewer = nullptr;
    TForm4 *m_about = nullptr;
};

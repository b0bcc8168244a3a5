#pragma once

#include "window_style.h"

#include <QColor>
#include <QWidget>

class ContentFitter;

// Base of every window. A subclass builds its controls from its window definition and then calls
// createWindow(), which prepares the creation parameters of an ordinary top-level window, lets the
// subclass change them in CreateParams(), and realises the result on the host window.
//
// The definition carries the window's place and behaviour as properties: Left and Top (outer corner
// on the screen), the client size, Color, and AutoSize (the window fits its visible controls).
class TForm : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)

public:
    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    // The first form created is the main window: closing it ends the program.
    static TForm *mainForm();
    bool isMainForm() const { return mainForm() == this; }

    int Left() const { return m_params.position.x(); }
    void setLeft(int left) { m_params.position.setX(left); }
    int Top() const { return m_params.position.y(); }
    void setTop(int top) { m_params.position.setY(top); }
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }

    // The caption from the definition. It shows in the title bar, where there is one.
    QString caption() const { return m_caption; }

    quint32 style() const { return m_params.style; }
    WindowDecorations decorations() const { return WindowDecorations::fromStyle(m_params.style); }

    // Makes the window visible if it is hidden, and brings it to the front in any case.
    void showForm();

protected:
    // Creation hook: may change the prepared parameters before the window is realised.
    virtual void CreateParams(WindowParams &params);

    // Call once the controls exist: converts the definition's fonts, runs CreateParams and places
    // the window.
    void createWindow();

    void closeEvent(QCloseEvent *event) override;

private:
    void prepareNativeWindow();

    WindowParams m_params;
    QString m_caption;
    QColor m_color;
    bool m_autoSize = false;
    ContentFitter *m_fitter = nullptr;
};

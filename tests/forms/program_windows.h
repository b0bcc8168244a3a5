#pragma once

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "topic_catalogue.h"

#include <QTest>

// The three windows as the program creates them at start, with the menu shown.
struct ProgramWindows
{
    ProgramWindows()
    {
        menu.setViewer(&viewer);
        menu.setAboutWindow(&about);
        menu.showForm();
    }

    // Clicks a control of any window in its middle, or at the given point.
    template<typename Control>
    static void click(Control *control, QPoint at = {})
    {
        QTest::mouseClick(control, Qt::LeftButton, {}, at.isNull() ? control->rect().center() : at);
    }

    QStringList visibleTopicLabels() const
    {
        QStringList shown;
        for (QLatin1StringView key : TopicCatalogue::allLabels()) {
            if (!menu.findChild<TLabel *>(key)->isHidden())
                shown.append(key);
        }
        return shown;
    }

    QStringList visiblePanes() const
    {
        QStringList shown;
        for (const TMemo *pane : viewer.findChildren<TMemo *>()) {
            if (!pane->isHidden())
                shown.append(pane->objectName());
        }
        return shown;
    }

    TForm2 menu; // created first: the main window
    TForm3 viewer;
    TForm4 about;
};

#include "Unit2.h"

#include "Unit3.h"
#include "Unit4.h"
#include "skinned_window_style.h"
#include "topic_catalogue.h"

#include <algorithm>

TForm2::TForm2(QWidget *parent)
    : TForm(parent)
{
    setupUi(this);
    createWindow();

    connect(Image3, &TImage::clicked, this, &TForm2::Image3Click);
    connect(Image2, &TImage::clicked, this, &TForm2::Image2Click);
    connect(Image5, &TImage::clicked, this, &TForm2::Image5Click);
    connect(Image6, &TImage::clicked, this, &TForm2::Image6Click);
    connect(Image4, &TImage::clicked, this, &TForm2::Image4Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button5Click);
    connect(Button11, &QPushButton::clicked, this, &TForm2::Button11Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button12, &QPushButton::clicked, this, &TForm2::Button12Click);
    connect(Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(Image7, &TImage::clicked, this, &TForm2::Image7Click);
    connect(Image8, &TImage::clicked, this, &TForm2::Image8Click);
    connect(TransparentButton1, &TTransparentButton::clicked, this, &TForm2::TransparentButton1Click);
    bindTopics();
}

void TForm2::CreateParams(WindowParams &params)
{
    applySkinnedWindowStyle(params);
}

// A topic label (fl1Click and so on) clicks its hidden command; the command (f1Click and so on)
// opens the topic's article. All of them differ only in the pane, so they bind from the catalogue.
void TForm2::bindTopics()
{
    for (const Topic &topic : TopicCatalogue::topics()) {
        auto *command = findChild<QPushButton *>(topic.command);
        Q_ASSERT(command);
        const QLatin1StringView pane = topic.pane;
        connect(command, &QPushButton::clicked, this, [this, pane] { openArticle(pane); });
        if (topic.label.isEmpty())
            continue;
        auto *label = findChild<TLabel *>(topic.label);
        Q_ASSERT(label);
        connect(label, &TLabel::clicked, command, &QPushButton::click);
    }
}

void TForm2::showPage(const QPushButton *command)
{
    std::span<const QLatin1StringView> pageLabels;
    for (const CategoryPage &page : TopicCatalogue::pages()) {
        if (page.command == command->objectName())
            pageLabels = page.labels;
    }
    for (QLatin1StringView key : TopicCatalogue::allLabels()) {
        if (std::find(pageLabels.begin(), pageLabels.end(), key) == pageLabels.end())
            findChild<TLabel *>(key)->hide();
    }
    for (QLatin1StringView key : pageLabels)
        findChild<TLabel *>(key)->show();
}

void TForm2::Image7Click()
{
    if (m_about)
        m_about->showForm();
}

void TForm2::openArticle(QLatin1StringView paneKey)
{
    if (!m_viewer)
        return;
    m_viewer->showForm();
    for (QLatin1StringView key : TopicCatalogue::paneSwitchOrder())
        m_viewer->pane(key)->setVisible(key == paneKey);
}

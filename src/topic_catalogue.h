#pragma once

#include <QLatin1StringView>
#include <span>

// The topics of the menu window: each ties a topic label to its hidden topic command and the
// article pane of the viewer that the command opens. Six commands have no label.
struct Topic
{
    QLatin1StringView label; // empty for a command that no label reaches
    QLatin1StringView command;
    QLatin1StringView pane;
};

// A category page: the labels that the right-hand column shows for one category, top to bottom.
struct CategoryPage
{
    QLatin1StringView command; // the hidden button that shows the page
    std::span<const QLatin1StringView> labels;
};

namespace TopicCatalogue {

std::span<const Topic> topics();

// Every article pane in the order in which opening a topic sets their visibility.
std::span<const QLatin1StringView> paneSwitchOrder();

std::span<const CategoryPage> pages();

// All topic labels of all pages.
std::span<const QLatin1StringView> allLabels();

} // namespace TopicCatalogue

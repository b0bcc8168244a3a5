#pragma once

#include <QRect>
#include <QString>

#include <array>

// Where the menu window puts its controls, in client coordinates; the background is drawn
// around them. The six words are image buttons cut from the background at these places.
namespace MenuLayout {

constexpr QSize WindowSize(690, 450);

struct WordButton
{
    const char *word;
    const char *fileName;
    QRect place;
};

constexpr std::array<WordButton, 6> Words{{
    {"FAQ", "word_faq.jpg", QRect(300, 183, 83, 15)},
    {"CLIENT", "word_client.jpg", QRect(300, 198, 83, 13)},
    {"SERVER", "word_server.jpg", QRect(300, 211, 83, 15)},
    {"OTHER 1", "word_other1.jpg", QRect(300, 226, 83, 15)},
    {"OTHER 2", "word_other2.jpg", QRect(300, 241, 83, 15)},
    {"ABOUT", "word_about.jpg", QRect(300, 256, 83, 19)},
}};

constexpr QRect ExitLabel(320, 272, 49, 17);
constexpr QRect ForumLinks(96, 168, 158, 112); // seven rows of 16 pixels
constexpr QRect TopicColumn(448, 152, 135, 157);
constexpr QRect Banner(112, 320, 468, 60);
constexpr QRect Credits(264, 424, 170, 14);

} // namespace MenuLayout

#include "topic_catalogue.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Label, command, pane. On the page "Сервер" the labels run sl3, sl2, sl1, then sl4 to sl10; the
// pane numbers need not follow the topic numbers.
constexpr std::array topicTable{
    Topic{"fl1"_L1, "f1"_L1, "mf1"_L1},
    Topic{"fl2"_L1, "f2"_L1, "mf2"_L1},
    Topic{"fl3"_L1, "f3"_L1, "mf3"_L1},
    Topic{"fl4"_L1, "f4"_L1, "mf4"_L1},
    Topic{"fl5"_L1, "f5"_L1, "mf5"_L1},
    Topic{"fl6"_L1, "f6"_L1, "mf6"_L1},
    Topic{"fl7"_L1, "f7"_L1, "mf7"_L1},
    Topic{"kl1"_L1, "k1"_L1, "mk1"_L1},
    Topic{"kl2"_L1, "k2"_L1, "mk2"_L1},
    Topic{"kl3"_L1, "k3"_L1, "mk3"_L1},
    Topic{"sl3"_L1, "s3"_L1, "ms4"_L1},
    Topic{"sl2"_L1, "s2"_L1, "ms3"_L1},
    Topic{"sl1"_L1, "s1"_L1, "ms2"_L1},
    Topic{"sl4"_L1, "s4"_L1, "ms5"_L1},
    Topic{"sl5"_L1, "s5"_L1, "ms6"_L1},
    Topic{"sl6"_L1, "s6"_L1, "ms7"_L1},
    Topic{"sl7"_L1, "s7"_L1, "ms9"_L1},
    Topic{"sl8"_L1, "s8"_L1, "ms11"_L1},
    Topic{"sl9"_L1, "s9"_L1, "ms12"_L1},
    Topic{"sl10"_L1, "s10"_L1, "ms13"_L1},
    Topic{"pl1"_L1, "p1"_L1, "mp1"_L1},
    Topic{"pl2"_L1, "p2"_L1, "mp5"_L1},
    Topic{"pl3"_L1, "p3"_L1, "mp6"_L1},
    Topic{"pl4"_L1, "p4"_L1, "mp7"_L1},
    Topic{"pl5"_L1, "p5"_L1, "mp8"_L1},
    Topic{"pl6"_L1, "p6"_L1, "mp9"_L1},
    Topic{"pl7"_L1, "p7"_L1, "mp10"_L1},
    Topic{"pl8"_L1, "p8"_L1, "mp11"_L1},
    Topic{"pl9"_L1, "p9"_L1, "mp12"_L1},
    Topic{"pl10"_L1, "p10"_L1, "mp13"_L1},
    Topic{"pl11"_L1, "p11"_L1, "mp14"_L1},
    Topic{"pl12"_L1, "p12"_L1, "mp15"_L1},
    Topic{"pl13"_L1, "p13"_L1, "mp16"_L1},
    Topic{"pl14"_L1, "p14"_L1, "mp17"_L1},
    Topic{"pl15"_L1, "p15"_L1, "mp18"_L1},
    Topic{"pl16"_L1, "p16"_L1, "mp19"_L1},
    Topic{"pl17"_L1, "p17"_L1, "mp20"_L1},
    Topic{"pl18"_L1, "p18"_L1, "mp21"_L1},
    Topic{"pl19"_L1, "p19"_L1, "mp22"_L1},
    Topic{"pl20"_L1, "p20"_L1, "mp23"_L1},
    Topic{""_L1, "s21"_L1, "ms1"_L1},
    Topic{""_L1, "s22"_L1, "ms8"_L1},
    Topic{""_L1, "s23"_L1, "ms10"_L1},
    Topic{""_L1, "p99"_L1, "mp4"_L1},
    Topic{""_L1, "p999"_L1, "mp3"_L1},
    Topic{""_L1, "p9999"_L1, "mp2"_L1},
};

constexpr std::array paneOrder{
    "mf1"_L1, "mf2"_L1, "mf3"_L1, "mf4"_L1, "mf5"_L1, "mf6"_L1, "mf7"_L1, "ms1"_L1,
    "ms2"_L1, "ms3"_L1, "ms4"_L1, "ms5"_L1, "ms6"_L1, "ms7"_L1, "ms8"_L1, "ms9"_L1,
    "ms10"_L1, "ms11"_L1, "ms12"_L1, "ms13"_L1, "mp1"_L1, "mp2"_L1, "mp3"_L1, "mp4"_L1,
    "mp5"_L1, "mp6"_L1, "mp7"_L1, "mp8"_L1, "mp9"_L1, "mp10"_L1, "mp11"_L1, "mp12"_L1,
    "mp13"_L1, "mp14"_L1, "mp15"_L1, "mp16"_L1, "mp17"_L1, "mp18"_L1, "mp19"_L1, "mp20"_L1,
    "mp21"_L1, "mp22"_L1, "mp23"_L1, "mk1"_L1, "mk2"_L1, "mk3"_L1,
};

constexpr std::array faqLabels{"fl1"_L1, "fl2"_L1, "fl3"_L1, "fl4"_L1, "fl5"_L1, "fl6"_L1, "fl7"_L1};
constexpr std::array clientLabels{"kl1"_L1, "kl2"_L1, "kl3"_L1};
constexpr std::array serverLabels{"sl1"_L1, "sl2"_L1, "sl3"_L1, "sl4"_L1, "sl5"_L1, "sl6"_L1, "sl7"_L1, "sl8"_L1, "sl9"_L1, "sl10"_L1};
constexpr std::array misc1Labels{"pl1"_L1, "pl2"_L1, "pl3"_L1, "pl4"_L1, "pl5"_L1, "pl6"_L1, "pl7"_L1, "pl8"_L1, "pl9"_L1, "pl10"_L1};
constexpr std::array misc2Labels{"pl11"_L1, "pl12"_L1, "pl13"_L1, "pl14"_L1, "pl15"_L1, "pl16"_L1, "pl17"_L1, "pl18"_L1, "pl19"_L1, "pl20"_L1};
constexpr std::array labelTable{
    "fl1"_L1, "fl2"_L1, "fl3"_L1, "fl4"_L1, "fl5"_L1, "fl6"_L1, "fl7"_L1, "kl1"_L1, "kl2"_L1, "kl3"_L1,
    "sl1"_L1, "sl2"_L1, "sl3"_L1, "sl4"_L1, "sl5"_L1, "sl6"_L1, "sl7"_L1, "sl8"_L1, "sl9"_L1, "sl10"_L1,
    "pl1"_L1, "pl2"_L1, "pl3"_L1, "pl4"_L1, "pl5"_L1, "pl6"_L1, "pl7"_L1, "pl8"_L1, "pl9"_L1, "pl10"_L1,
    "pl11"_L1, "pl12"_L1, "pl13"_L1, "pl14"_L1, "pl15"_L1, "pl16"_L1, "pl17"_L1, "pl18"_L1, "pl19"_L1, "pl20"_L1,
};

const std::array pageTable{
    CategoryPage{"Button2"_L1, faqLabels}, // "FAQ"
    CategoryPage{"Button11"_L1, clientLabels}, // "Клиент"
    CategoryPage{"Button3"_L1, serverLabels}, // "Сервер"
    CategoryPage{"Button12"_L1, misc1Labels}, // "Прочее №1"
    CategoryPage{"Button4"_L1, misc2Labels}, // "Прочее №2"
};

} // namespace

namespace TopicCatalogue {

std::span<const Topic> topics()
{
    return topicTable;
}

std::span<const QLatin1StringView> paneSwitchOrder()
{
    return paneOrder;
}

std::span<const CategoryPage> pages()
{
    return pageTable;
}

std::span<const QLatin1StringView> allLabels()
{
    return labelTable;
}

} // namespace TopicCatalogue

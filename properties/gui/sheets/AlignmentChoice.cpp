#include "properties/gui/sheets/AlignmentChoice.h"

#include "resources/StringIds.h"

#include <array>

namespace pictavo {

namespace {

struct AlignmentItem {
    const char* word;
    int textId;
};

constexpr std::array<AlignmentItem, kAlignmentChoiceCount> kItems{{
    {"Default", sid::AlignDefault},
    {"Left", sid::AlignLeft},
    {"Center", sid::AlignCenter},
    {"Right", sid::AlignRight},
}};

}  // namespace

int alignmentTextId(int index) {
    return kItems.at(static_cast<size_t>(index)).textId;
}

int alignmentIndexFor(const QString& align) {
    for (int index = 0; index < kAlignmentChoiceCount; ++index)
        if (QLatin1String(kItems[static_cast<size_t>(index)].word)
                .startsWith(align, Qt::CaseInsensitive))
            return index;
    return -1;
}

QString alignmentValue(int index) {
    if (index <= 0 || index >= kAlignmentChoiceCount)
        return {};
    return QLatin1String(kItems[static_cast<size_t>(index)].word);
}

}  // namespace pictavo

#pragma once
// The alignment lists of the layout sheet: "Default", "Left", "Center",
// "Right". The record stores the English word, or empty text for "Default".

#include <QString>

namespace pictavo {

constexpr int kAlignmentChoiceCount = 4;

// String id of the shown text of item index.
int alignmentTextId(int index);

// The item for a stored alignment: the first whose English word begins with
// align, ignoring letter case (so empty text gives "Default"); -1 when none
// does.
int alignmentIndexFor(const QString& align);

// The text stored for item index: empty for "Default".
QString alignmentValue(int index);

}  // namespace pictavo

#pragma once
// The character sets the Language page offers for the generated pages: the
// name written into each page's Content-Type (lan.save) and the text shown
// for it, in the order they are listed.

#include <QString>

#include <vector>

namespace pictavo {

struct CharsetEntry {
    const char* charset;  // empty: no Content-Type element
    int displayNameId;    // string id of the shown name
};

const std::vector<CharsetEntry>& offeredCharsets();

// The row of the first offered charset whose name equals save exactly
// (letter case included); -1 when none does.
int charsetRowFor(const QString& save);

}  // namespace pictavo

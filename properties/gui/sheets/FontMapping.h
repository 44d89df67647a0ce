#pragma once
// Between an area's font fields and the font dialog. The record keeps the
// size in tenths of a point and bold as a flag; the dialog works with a
// weight on the 100..900 scale, where only 700 counts as bold (a semibold
// 600 face is stored as not bold).

#include "properties/LayoutProperty.h"

#include <QFont>
#include <QString>

namespace pictavo {

struct FontChoice {
    QString family;
    int tenthsOfPoint = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int colour = kNoColour;  // 0x00BBGGRR or -1
};

constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 400;

FontChoice fontChoiceFor(const FontProperty& font);

// Stores a choice made in the dialog; a choice without a face name changes
// nothing (false).
bool applyFontChoice(FontProperty& font, const FontChoice& choice);

// The face name, or "(Default)" for none, then " B", " I", " U", " S" for
// the flags that are set.
QString fontDescription(const FontProperty& font);

QFont qFontFor(const FontChoice& choice);
FontChoice fontChoiceFromQFont(const QFont& font, int colour);

}  // namespace pictavo

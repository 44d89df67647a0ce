#include "properties/gui/sheets/FontMapping.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QtMath>

#include <algorithm>

namespace pictavo {

FontChoice fontChoiceFor(const FontProperty& font) {
    FontChoice choice;
    choice.family = font.name;
    choice.tenthsOfPoint = font.size;
    choice.weight = font.b ? kBoldWeight : kNormalWeight;
    choice.italic = font.i != 0;
    choice.underline = font.u != 0;
    choice.strikeOut = font.s != 0;
    choice.colour = font.clr;
    return choice;
}

bool applyFontChoice(FontProperty& font, const FontChoice& choice) {
    if (choice.family.isEmpty())
        return false;
    font.name = choice.family;
    font.size = choice.tenthsOfPoint;
    font.b = choice.weight == kBoldWeight ? 1 : 0;
    font.i = choice.italic ? 1 : 0;
    font.u = choice.underline ? 1 : 0;
    font.s = choice.strikeOut ? 1 : 0;
    font.clr = choice.colour;
    return true;
}

QString fontDescription(const FontProperty& font) {
    QString text = font.name.isEmpty() ? uiText(sid::FontDefaultFace) : font.name.get();
    const std::pair<int, const char*> flags[] = {
        {font.b, " B"}, {font.i, " I"}, {font.u, " U"}, {font.s, " S"}};
    for (const auto& [set, mark] : flags)
        if (set)
            text += QLatin1String(mark);
    return text;
}

QFont qFontFor(const FontChoice& choice) {
    QFont font(choice.family);
    font.setPointSizeF(std::max(1, choice.tenthsOfPoint) / 10.0);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(choice.weight, 100, 900)));
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice fontChoiceFromQFont(const QFont& font, int colour) {
    FontChoice choice;
    choice.family = font.family();
    choice.tenthsOfPoint = std::max(1, qRound(font.pointSizeF() * 10));
    choice.weight = font.weight();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.colour = colour;
    return choice;
}

}  // namespace pictavo

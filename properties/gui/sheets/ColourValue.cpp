#include "properties/gui/sheets/ColourValue.h"

#include "properties/WebsiteProperty.h"

namespace pictavo {

QColor colourFromValue(int value) {
    if (value == kNoColour)
        return {};
    const auto bits = static_cast<unsigned>(value);
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

int valueFromColour(const QColor& colour) {
    if (!colour.isValid())
        return kNoColour;
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace pictavo

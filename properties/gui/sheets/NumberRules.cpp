#include "properties/gui/sheets/NumberRules.h"

#include <algorithm>

namespace pictavo {

int steppedValue(const NumberRange& range, int value, int steps) {
    const long long next = static_cast<long long>(value) + steps;
    return static_cast<int>(std::clamp<long long>(next, range.min, range.max));
}

int typedValue(const NumberRange& range, int typed) {
    if (range.typed == TypedRule::Clamp)
        return std::clamp(typed, range.min, range.max);
    return typed;
}

}  // namespace pictavo

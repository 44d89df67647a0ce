#pragma once
// The number fields of the property sheets: an edit with arrows. The arrows
// step inside a range; what the user types is either kept as typed (the loop
// count, the margins, the table sizes) or clamped into the range (the grid's
// rows and columns).

namespace pictavo {

enum class TypedRule { Keep, Clamp };

struct NumberRange {
    int min;
    int max;
    TypedRule typed;
};

constexpr NumberRange kLoopCountRange{0, 9999, TypedRule::Keep};
constexpr NumberRange kMarginRange{0, 1024, TypedRule::Keep};
constexpr NumberRange kGridCountRange{1, 100, TypedRule::Clamp};
constexpr NumberRange kTableSizeRange{0, 100, TypedRule::Keep};

// The value after steps arrow clicks (negative: down). An arrow never leaves
// the range; from a typed value outside it, it steps back to the nearer end.
int steppedValue(const NumberRange& range, int value, int steps);

// The value stored for a typed number.
int typedValue(const NumberRange& range, int typed);

}  // namespace pictavo

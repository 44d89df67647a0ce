#include "properties/gui/sheets/NumberField.h"

#include <QSignalBlocker>

#include <limits>

namespace pictavo {

namespace {

// The widest number a field takes while typing: nine digits.
constexpr int kTypedLimit = 999999999;

}  // namespace

NumberField::NumberField(const NumberRange& range, QWidget* parent)
    : QSpinBox(parent), range_(range) {
    // A kept value may lie above the range; a clamped one also below it.
    setRange(range.typed == TypedRule::Clamp ? -kTypedLimit : range.min, kTypedLimit);
    setKeyboardTracking(false);
    connect(this, &QSpinBox::valueChanged, this, &NumberField::takeValue);
}

void NumberField::showValue(int value) {
    const QSignalBlocker blocker(this);
    setValue(value);
}

void NumberField::stepBy(int steps) {
    setValue(steppedValue(range_, value(), steps * singleStep()));
    selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    if (!isEnabled() || isReadOnly())
        return StepNone;
    StepEnabled enabled = StepNone;
    if (value() != range_.min)
        enabled |= StepDownEnabled;
    if (value() != range_.max)
        enabled |= StepUpEnabled;
    return enabled;
}

void NumberField::takeValue(int value) {
    const int kept = typedValue(range_, value);
    if (kept != value) {
        setValue(kept);  // reports the clamped value
        return;
    }
    emit stored(value);
}

}  // namespace pictavo

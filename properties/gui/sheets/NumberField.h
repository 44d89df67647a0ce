#pragma once
// NumberField: the edit with arrows of the property sheets. The arrows step
// inside the field's range (see NumberRules.h); typing is free, and a typed
// number is kept or clamped by the range's rule when the edit is finished
// (Return, focus lost, or commit() from the sheet's OK). Text that is no
// number leaves the value as it was. stored() reports each new value.

#include "properties/gui/sheets/NumberRules.h"

#include <QSpinBox>

namespace pictavo {

class NumberField : public QSpinBox {
    Q_OBJECT
public:
    NumberField(const NumberRange& range, QWidget* parent = nullptr);

    // Shows value without reporting it.
    void showValue(int value);
    // Takes what is typed so far, as if the edit were finished.
    void commit() { interpretText(); }

    void stepBy(int steps) override;

signals:
    void stored(int value);

protected:
    StepEnabled stepEnabled() const override;

private:
    void takeValue(int value);

    NumberRange range_;
};

}  // namespace pictavo

#pragma once
// IntegerLineEdit: a line edit for a whole number that the user may pass
// through invalid text while typing ("-" on the way to "-1", empty while
// retyping). Every edit that leaves a whole number reports it; invalid text
// is reported once, when the user moves the focus elsewhere, so the form
// can say so and put the stored number back.
//
// Threading: GUI thread.

#include <QLineEdit>

namespace pictavo {

class IntegerLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit IntegerLineEdit(QWidget* parent = nullptr);

    void setValue(int value);
    bool holdsInteger() const;

signals:
    // The user's edit left a whole number in the field.
    void integerEdited(int value);
    // The user left the field while it held no whole number.
    void leftWithInvalidText();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace pictavo

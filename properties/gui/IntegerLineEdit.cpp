#include "properties/gui/IntegerLineEdit.h"

#include <QFocusEvent>

namespace pictavo {

IntegerLineEdit::IntegerLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        if (ok)
            emit integerEdited(value);
    });
}

void IntegerLineEdit::setValue(int value) {
    const QString text = QString::number(value);
    if (this->text() != text)
        setText(text);
}

bool IntegerLineEdit::holdsInteger() const {
    bool ok = false;
    text().trimmed().toInt(&ok);
    return ok;
}

void IntegerLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu is no decision to
    // leave the field.
    const bool leaving =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    if (leaving && isEnabled() && !isReadOnly() && !holdsInteger())
        emit leftWithInvalidText();
}

}  // namespace pictavo

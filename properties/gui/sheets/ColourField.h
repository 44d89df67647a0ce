#pragma once
// ColourField: a button that shows a colour field of a record, as a swatch
// or as "Transparent" for -1, with an optional reset button beside it that
// sets the field to -1. Clicking the colour button asks for a colour when
// the field is pickable (the font colour is only shown: the font dialog
// chooses it). Writes the bound field at once and then emits changed().
//
// Borrows the field and the dialogs; both must outlive the widget.

#include <QWidget>

class QPushButton;
class QToolButton;

namespace pictavo {

class SheetDialogs;

class ColourField : public QWidget {
    Q_OBJECT
public:
    // pickFrom null: the button only shows the colour.
    ColourField(int& value, SheetDialogs* pickFrom, bool resettable, QWidget* parent = nullptr);

    // Redraws the button after the field was changed elsewhere.
    void refresh();
    QPushButton* button() const { return button_; }
    QToolButton* resetButton() const { return reset_; }

signals:
    void changed();

private:
    void pick();
    void store(int value);

    int& value_;
    SheetDialogs* dialogs_;
    QPushButton* button_;
    QToolButton* reset_ = nullptr;
};

}  // namespace pictavo

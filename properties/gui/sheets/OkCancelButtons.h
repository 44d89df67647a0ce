#pragma once
// The "OK" and "Cancel" row at the foot of the sheets and their dialogs.

class QBoxLayout;
class QDialog;
class QPushButton;

namespace pictavo {

// Adds the row to layout, wired to the dialog's accept and reject; returns
// the OK button, which is the default button.
QPushButton* addOkCancelButtons(QDialog& dialog, QBoxLayout& layout);

}  // namespace pictavo

#pragma once
// The dialog that names a meta variable: "Name:" and "Value:". OK with an
// empty name tells the user and keeps the dialog open.

#include "properties/gui/sheets/SheetDialogs.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pictavo {

class MetaVariableDialog : public QDialog {
    Q_OBJECT
public:
    MetaVariableDialog(const QString& title, const MetaText& current, UserPrompts& prompts,
                       QWidget* parent = nullptr);

    MetaText text() const;
    QLineEdit* nameEdit() const { return name_; }
    QLineEdit* valueEdit() const { return value_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;

private:
    UserPrompts& prompts_;
    QLineEdit* name_;
    QLineEdit* value_;
    QPushButton* ok_;
};

}  // namespace pictavo

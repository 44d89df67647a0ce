#include "properties/gui/sheets/MetaVariableDialog.h"

#include "properties/gui/sheets/OkCancelButtons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/UserPrompts.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace pictavo {

MetaVariableDialog::MetaVariableDialog(const QString& title, const MetaText& current,
                                       UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      name_(new QLineEdit(current.name, this)),
      value_(new QLineEdit(current.value, this)) {
    setWindowTitle(title);
    auto* fields = new QFormLayout;
    fields->addRow(uiText(sid::SheetVariableName), name_);
    fields->addRow(uiText(sid::SheetVariableValue), value_);
    name_->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    ok_ = addOkCancelButtons(*this, *layout);
}

MetaText MetaVariableDialog::text() const {
    return {name_->text(), value_->text()};
}

void MetaVariableDialog::accept() {
    if (name_->text().isEmpty()) {
        prompts_.showError(uiText(sid::VariableNameMissing));
        name_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace pictavo

#include "properties/gui/sheets/OkCancelButtons.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace pictavo {

QPushButton* addOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
    auto* buttons = new QDialogButtonBox(&dialog);
    auto* ok = buttons->addButton(uiText(sid::Ok), QDialogButtonBox::AcceptRole);
    auto* cancel = buttons->addButton(uiText(sid::Cancel), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("ok"));
    cancel->setObjectName(QStringLiteral("cancel"));
    ok->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout.addWidget(buttons);
    return ok;
}

}  // namespace pictavo

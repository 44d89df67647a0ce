#include "properties/gui/sheets/MarginsPage.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/NumberField.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

MarginsPage::MarginsPage(MarginProperty& margin, QWidget* parent) : SheetPage(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    layout->addStretch();
    addMarginRow(grid, 0, sid::SheetSpecifyTopMargin, "topmargin", margin.usetopmargin,
                 margin.topmargin);
    addMarginRow(grid, 1, sid::SheetSpecifyLeftMargin, "leftmargin", margin.useleftmargin,
                 margin.leftmargin);
}

// [x] Specify ... Margin  [field]  Pixels; the field follows the box.
void MarginsPage::addMarginRow(QGridLayout* grid, int row, int textId, const char* name, int& use,
                               int& margin) {
    auto* box = new QCheckBox(uiText(textId), this);
    box->setObjectName(QLatin1String("use") + QLatin1String(name));
    auto* field = named(new NumberField(kMarginRange, this), name);
    box->setChecked(use != 0);
    field->showValue(margin);
    field->setEnabled(use != 0);
    connect(box, &QCheckBox::clicked, this, [&use, field](bool checked) {
        use = checked ? 1 : 0;
        field->setEnabled(checked);
    });
    bindNumber(field, [&margin](int value) { margin = value; });
    grid->addWidget(box, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(uiText(sid::EnvPixels), this), row, 2);
}

}  // namespace pictavo

#include "properties/gui/sheets/TablePage.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/ColourField.h"
#include "properties/gui/sheets/NumberField.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

TablePage::TablePage(TableProperty& table, SheetDialogs& dialogs, QWidget* parent)
    : SheetPage(parent), dialogs_(dialogs) {
    auto* layout = new QVBoxLayout(this);
    QGroupBox* border = nullptr;
    QGridLayout* borderGrid = groupGrid(border, sid::SheetBorder, this);
    addColourRow(borderGrid, 0, table.borderclr, "borderclr");
    addSizeRow(borderGrid, 1, sid::SheetWidth, table.borderwidth, "borderwidth");
    QGroupBox* cellLine = nullptr;
    addColourRow(groupGrid(cellLine, sid::SheetCellLine, this), 0, table.lineclr, "lineclr");
    QGroupBox* cells = nullptr;
    QGridLayout* cellGrid = groupGrid(cells, sid::SheetLayoutGroup, this);
    addSizeRow(cellGrid, 0, sid::SheetCellPadding, table.cellpadding, "cellpadding");
    addSizeRow(cellGrid, 1, sid::SheetCellSpacing, table.cellspacing, "cellspacing");
    for (QWidget* group : {border, cellLine, cells})
        layout->addWidget(group);
    layout->addStretch();
}

void TablePage::addColourRow(QGridLayout* grid, int row, int& value, const char* name) {
    QWidget* group = grid->parentWidget();
    grid->addWidget(new QLabel(uiText(sid::SheetColor), group), row, 0);
    grid->addWidget(named(new ColourField(value, &dialogs_, true, group), name), row, 1);
}

void TablePage::addSizeRow(QGridLayout* grid, int row, int textId, int& value, const char* name) {
    QWidget* group = grid->parentWidget();
    auto* field = named(new NumberField(kTableSizeRange, group), name);
    field->showValue(value);
    bindNumber(field, [&value](int stored) { value = stored; });
    grid->addWidget(new QLabel(uiText(textId), group), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(uiText(sid::EnvPixels), group), row, 2);
}

}  // namespace pictavo

#pragma once
// The "Table Properties" page of the layout sheet: the outer table's border
// colour and width, the cell-line colour, the cell padding and spacing.
// Typed sizes are kept as typed, above the arrows' range too.

#include "properties/gui/sheets/SheetPage.h"

class QGridLayout;

namespace pictavo {

class SheetDialogs;
class TableProperty;

class TablePage : public SheetPage {
    Q_OBJECT
public:
    TablePage(TableProperty& table, SheetDialogs& dialogs, QWidget* parent = nullptr);

private:
    void addColourRow(QGridLayout* grid, int row, int& value, const char* name);
    void addSizeRow(QGridLayout* grid, int row, int textId, int& value, const char* name);

    SheetDialogs& dialogs_;
};

}  // namespace pictavo

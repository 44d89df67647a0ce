#include "properties/gui/sheets/MainCanvasPage.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/NumberField.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace pictavo {

MainCanvasPage::MainCanvasPage(MainAreaProperty& main, SheetDialogs& dialogs, UserPrompts& prompts,
                               QWidget* parent)
    : AreaStylePage(main, dialogs, prompts, parent) {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetLayoutGroup, this);
    const struct {
        int textId;
        const char* name;
        int& value;
    } counts[] = {{sid::SheetRows, "rows", main.rows}, {sid::SheetColumns, "cols", main.cols}};
    int row = 0;
    for (const auto& count : counts) {
        auto* field = named(new NumberField(kGridCountRange, group), count.name);
        field->showValue(count.value);
        bindNumber(field, [&value = count.value](int stored) { value = stored; });
        grid->addWidget(new QLabel(uiText(count.textId), group), row, 0);
        grid->addWidget(field, row++, 1);
    }
    grid->addWidget(new QLabel(uiText(sid::SheetAlignment), group), row, 0);
    grid->addWidget(alignmentList(main.mainAlign, group), row, 1);
    addLayoutGroup(group);
}

}  // namespace pictavo

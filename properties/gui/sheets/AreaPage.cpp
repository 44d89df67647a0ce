#include "properties/gui/sheets/AreaPage.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace pictavo {

AreaPage::AreaPage(AreaProperty& area, SheetDialogs& dialogs, UserPrompts& prompts, QWidget* parent)
    : AreaStylePage(area, dialogs, prompts, parent) {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetLayoutGroup, this);
    grid->addWidget(new QLabel(uiText(sid::SheetAlignment), group), 0, 0);
    grid->addWidget(alignmentList(area.align, group), 0, 1);
    addLayoutGroup(group);
}

}  // namespace pictavo

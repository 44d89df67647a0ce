#include "properties/gui/sheets/LayoutSheet.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/AreaBinding.h"
#include "properties/gui/sheets/AreaPage.h"
#include "properties/gui/sheets/MainCanvasPage.h"
#include "properties/gui/sheets/TablePage.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace pictavo {

namespace {

struct AreaTab {
    int captionId;
    const char* keyPrefix;
};

constexpr AreaTab kTabsBeforeCanvas[] = {
    {sid::HeaderBarPage, "head."},
    {sid::TopNavigatorBarPage, "top."},
    {sid::HistoryBarPage, "history."},
    {sid::NextNavigatorBarPage, "next."},
};
constexpr AreaTab kTabsAfterCanvas[] = {
    {sid::IndexBarPage, "idx."},
    {sid::FooterBarPage, "footer."},
    {sid::ImagePage, "img."},
    {sid::ImageNavigatorBarPage, "imgnavi."},
};

template <size_t N>
void addAreaPages(PropertySheet& sheet, const AreaTab (&tabs)[N], LayoutProperty& layout,
                  SheetDialogs& dialogs, UserPrompts& prompts) {
    for (const AreaTab& tab : tabs) {
        AreaProperty* area = areaWithKeyPrefix(layout, QLatin1String(tab.keyPrefix));
        sheet.addPage(new AreaPage(*area, dialogs, prompts), uiText(tab.captionId));
    }
}

}  // namespace

PropertySheet* makeLayoutSheet(LayoutProperty& layout, SheetDialogs& dialogs, UserPrompts& prompts,
                               QWidget* parent) {
    auto* sheet = new PropertySheet(sid::LayoutPropertiesTitle, parent);
    sheet->addPage(new TablePage(layout.table, dialogs), uiText(sid::TablePropertiesPage));
    addAreaPages(*sheet, kTabsBeforeCanvas, layout, dialogs, prompts);
    sheet->addPage(new MainCanvasPage(layout.main, dialogs, prompts), uiText(sid::MainCanvasPage));
    addAreaPages(*sheet, kTabsAfterCanvas, layout, dialogs, prompts);
    return sheet;
}

}  // namespace pictavo

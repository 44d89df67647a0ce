#include "properties/gui/sheets/WebsiteSheet.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/BackgroundPage.h"
#include "properties/gui/sheets/CustomPage.h"
#include "properties/gui/sheets/GeneralPage.h"
#include "properties/gui/sheets/LanguagePage.h"
#include "properties/gui/sheets/MarginsPage.h"
#include "properties/gui/sheets/TextPage.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace pictavo {

PropertySheet* makeWebsiteSheet(WebsiteProperty& website, SheetDialogs& dialogs,
                                UserPrompts& prompts, QWidget* parent) {
    auto* sheet = new PropertySheet(sid::WebsitePropertiesTitle, parent);
    sheet->addPage(new GeneralPage(website.general, prompts), uiText(sid::SheetGeneral));
    sheet->addPage(new BackgroundPage(website.background, dialogs, prompts),
                   uiText(sid::SheetBackground));
    sheet->addPage(new MarginsPage(website.margin), uiText(sid::SheetMargins));
    sheet->addPage(new CustomPage(website, dialogs), uiText(sid::SheetCustom));
    sheet->addPage(new LanguagePage(website.language), uiText(sid::SheetLanguage));
    sheet->addPage(new TextPage(website.headerStr), uiText(sid::SheetHeader));
    sheet->addPage(new TextPage(website.footerStr), uiText(sid::SheetFooter));
    return sheet;
}

}  // namespace pictavo

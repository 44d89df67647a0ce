#pragma once
// The "Website Properties" sheet over a website record: "General",
// "Background", "Margins ", "Custom", "Language", "Header", "Footer".

#include "properties/gui/sheets/PropertySheet.h"

namespace pictavo {

class SheetDialogs;
class UserPrompts;
class WebsiteProperty;

// The record, the dialogs and the prompts must outlive the sheet.
PropertySheet* makeWebsiteSheet(WebsiteProperty& website, SheetDialogs& dialogs,
                                UserPrompts& prompts, QWidget* parent);

}  // namespace pictavo

#pragma once
// The "Layout Properties" sheet over a layout record: "Table Properties",
// the header, top navigator, history and next navigator bars, "Main
// Canvas", the index and footer bars, "Image" and "Image Navigator Bar".

#include "properties/gui/sheets/PropertySheet.h"

namespace pictavo {

class LayoutProperty;
class SheetDialogs;
class UserPrompts;

// The record, the dialogs and the prompts must outlive the sheet.
PropertySheet* makeLayoutSheet(LayoutProperty& layout, SheetDialogs& dialogs, UserPrompts& prompts,
                               QWidget* parent);

}  // namespace pictavo

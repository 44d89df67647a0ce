#pragma once
// A page of the layout sheet for one bar of the generated pages (header,
// navigators, history, index, footer, image): background, font, and the
// bar's alignment.

#include "properties/gui/sheets/AreaStylePage.h"

namespace pictavo {

class AreaPage : public AreaStylePage {
    Q_OBJECT
public:
    AreaPage(AreaProperty& area, SheetDialogs& dialogs, UserPrompts& prompts,
             QWidget* parent = nullptr);
};

}  // namespace pictavo

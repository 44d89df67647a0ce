#pragma once
// The "Main Canvas" page of the layout sheet: the canvas's background and
// font, the rows and columns of the thumbnail grid (1..100, typed values
// clamped) and the canvas's alignment.

#include "properties/gui/sheets/AreaStylePage.h"

namespace pictavo {

class MainAreaProperty;

class MainCanvasPage : public AreaStylePage {
    Q_OBJECT
public:
    MainCanvasPage(MainAreaProperty& main, SheetDialogs& dialogs, UserPrompts& prompts,
                   QWidget* parent = nullptr);
};

}  // namespace pictavo

#pragma once
// The "Header" and "Footer" pages of the website sheet: one free text with
// line breaks, written when the edit loses the focus.

#include "properties/gui/sheets/SheetPage.h"

namespace pictavo {

class TextField;

class TextPage : public SheetPage {
    Q_OBJECT
public:
    explicit TextPage(TextField& text, QWidget* parent = nullptr);
};

}  // namespace pictavo

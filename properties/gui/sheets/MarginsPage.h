#pragma once
// The "Margins " page of the website sheet: the top and left margins of the
// page body, each written only while its box is ticked. A typed margin is
// kept as typed, above the arrows' range too.

#include "properties/gui/sheets/SheetPage.h"

class QGridLayout;

namespace pictavo {

class MarginProperty;

class MarginsPage : public SheetPage {
    Q_OBJECT
public:
    explicit MarginsPage(MarginProperty& margin, QWidget* parent = nullptr);

private:
    void addMarginRow(QGridLayout* grid, int row, int textId, const char* name, int& use,
                      int& margin);
};

}  // namespace pictavo

#pragma once
// The "Language" page of the website sheet: the character set the pages are
// written in. A stored charset that is not offered leaves the list without a
// selection and the record unchanged until the user picks one.

#include "properties/gui/sheets/SheetPage.h"

namespace pictavo {

class LanguageProperty;

class LanguagePage : public SheetPage {
    Q_OBJECT
public:
    explicit LanguagePage(LanguageProperty& language, QWidget* parent = nullptr);
};

}  // namespace pictavo

#pragma once
// The "General" page of the website sheet: location and title of the site,
// the background sound with its loop count or "Forever", how linked files
// are copied and whether images are converted.

#include "properties/gui/sheets/SheetPage.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace pictavo {

class GeneralProperty;
class NumberField;
class UserPrompts;

class GeneralPage : public SheetPage {
    Q_OBJECT
public:
    GeneralPage(GeneralProperty& general, UserPrompts& prompts, QWidget* parent = nullptr);

private:
    QWidget* siteGroup();
    QWidget* soundGroup();
    QWidget* copyGroup();
    QWidget* convertGroup();
    void setForever(bool endless);
    void setAutomaticCopy(bool automatic);
    void browseLocation();
    void browseSound();

    GeneralProperty& general_;
    UserPrompts& prompts_;
    QLineEdit* location_;
    QLineEdit* title_;
    QLineEdit* soundPath_;
    NumberField* loop_;
    QCheckBox* forever_;
    QRadioButton* automatic_;
    QRadioButton* manual_;
    QCheckBox* convert_;
};

}  // namespace pictavo

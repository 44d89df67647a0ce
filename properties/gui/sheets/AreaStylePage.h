#pragma once
// The part every area page of the layout sheet shares: the "Background
// Properties" group (image and colour) and the "Font Properties" group (the
// font described in a label, chosen in the font dialog, and its colour),
// bound to one AreaProperty. Subclasses add their "Layout" group.

#include "properties/gui/sheets/SheetPage.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace pictavo {

class AreaProperty;
class ColourField;
class SheetDialogs;
class TextField;
class UserPrompts;

class AreaStylePage : public SheetPage {
    Q_OBJECT
public:
    AreaStylePage(AreaProperty& area, SheetDialogs& dialogs, UserPrompts& prompts,
                  QWidget* parent = nullptr);

protected:
    // Adds the subclass's "Layout" group below the shared groups.
    void addLayoutGroup(QWidget* group);
    // "Default", "Left", "Center", "Right", bound to align.
    QComboBox* alignmentList(TextField& align, QWidget* parent);

private:
    QWidget* backgroundGroup();
    QWidget* fontGroup();
    void browseImage();
    void chooseFont();

    AreaProperty& area_;
    SheetDialogs& dialogs_;
    UserPrompts& prompts_;
    QLineEdit* imagePath_;
    QLabel* fontLabel_;
    ColourField* fontColour_;
};

}  // namespace pictavo

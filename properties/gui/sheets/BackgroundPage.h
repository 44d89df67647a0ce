#pragma once
// The "Background" page of the website sheet: whether the pages get a
// background and colours of their own, the background image with
// "Watermark", and the five body colours unless "Use Default Colors".

#include "properties/gui/sheets/SheetPage.h"

#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pictavo {

class BackgroundProperty;
class ColourField;
class SheetDialogs;
class UserPrompts;

class BackgroundPage : public SheetPage {
    Q_OBJECT
public:
    BackgroundPage(BackgroundProperty& background, SheetDialogs& dialogs, UserPrompts& prompts,
                   QWidget* parent = nullptr);

private:
    QWidget* imageGroup();
    QWidget* colourGroup(SheetDialogs& dialogs);
    QCheckBox* flagBox(int textId, const char* objectName, int& flag);
    void applyEnabling();
    void browseImage();

    BackgroundProperty& background_;
    UserPrompts& prompts_;
    QCheckBox* custom_;
    QCheckBox* useImage_;
    QLineEdit* imagePath_;
    QPushButton* browse_;
    QCheckBox* watermark_;
    QCheckBox* defaultColours_;
    std::vector<ColourField*> colours_;
};

}  // namespace pictavo

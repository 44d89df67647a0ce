#include "properties/gui/sheets/BackgroundPage.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/ColourField.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/FileDialogFilter.h"
#include "shell/gui/UserPrompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictavo {

BackgroundPage::BackgroundPage(BackgroundProperty& background, SheetDialogs& dialogs,
                               UserPrompts& prompts, QWidget* parent)
    : SheetPage(parent),
      background_(background),
      prompts_(prompts),
      custom_(flagBox(sid::SheetSpecifyBackground, "custom", background.custom)),
      useImage_(flagBox(sid::SheetBackgroundImage, "bgimg", background.bgimg)),
      imagePath_(named(new QLineEdit(background.bgimgpath, this), "bgimgpath")),
      browse_(browseButton(QStringLiteral("browseImage"), this)),
      watermark_(flagBox(sid::SheetWatermark, "watermark", background.watermark)),
      defaultColours_(flagBox(sid::SheetUseDefaultColors, "defcolor", background.defcolor)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(custom_);
    layout->addWidget(imageGroup());
    layout->addWidget(colourGroup(dialogs));
    layout->addStretch();
    bindLineEdit(imagePath_, [this](const QString& text) { background_.bgimgpath = text; });
    connect(browse_, &QPushButton::clicked, this, &BackgroundPage::browseImage);
    applyEnabling();
}

QCheckBox* BackgroundPage::flagBox(int textId, const char* objectName, int& flag) {
    auto* box = named(new QCheckBox(uiText(textId), this), objectName);
    box->setChecked(flag != 0);
    connect(box, &QCheckBox::clicked, this, [this, &flag](bool checked) {
        flag = checked ? 1 : 0;
        applyEnabling();
    });
    return box;
}

QWidget* BackgroundPage::imageGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetBackground, this);
    grid->addWidget(useImage_, 0, 0, 1, 2);
    grid->addWidget(imagePath_, 1, 0);
    grid->addWidget(browse_, 1, 1);
    grid->addWidget(watermark_, 2, 0, 1, 2);
    return group;
}

QWidget* BackgroundPage::colourGroup(SheetDialogs& dialogs) {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetColors, this);
    grid->addWidget(defaultColours_, 0, 0, 1, 2);
    BackgroundProperty& bg = background_;
    const struct {
        int textId;
        const char* name;
        int& value;
    } buttons[] = {
        {sid::SheetBackground, "bgcolor", bg.bgcolor},
        {sid::SheetTextColour, "txtcolor", bg.txtcolor},
        {sid::SheetHyperlinkColour, "hlnkcolor", bg.hlnkcolor},
        {sid::SheetVisitedColour, "vlnkcolor", bg.vlnkcolor},
        {sid::SheetActiveColour, "alnkcolor", bg.alnkcolor},
    };
    int row = 1;
    for (const auto& button : buttons) {
        auto* field = named(new ColourField(button.value, &dialogs, false, group), button.name);
        grid->addWidget(new QLabel(uiText(button.textId), group), row, 0);
        grid->addWidget(field, row++, 1);
        colours_.push_back(field);
    }
    return group;
}

void BackgroundPage::applyEnabling() {
    const bool custom = background_.custom != 0;
    const bool image = custom && background_.bgimg != 0;
    const bool colours = custom && background_.defcolor == 0;
    useImage_->setEnabled(custom);
    defaultColours_->setEnabled(custom);
    for (QWidget* control : {static_cast<QWidget*>(imagePath_), static_cast<QWidget*>(browse_),
                             static_cast<QWidget*>(watermark_)})
        control->setEnabled(image);
    for (ColourField* field : colours_)
        field->setEnabled(colours);
}

void BackgroundPage::browseImage() {
    const QString file = prompts_.askOpenFileName(qtFileDialogFilter(uiText(sid::ImageFileFilter)));
    if (file.isEmpty())
        return;
    background_.bgimgpath = file;
    imagePath_->setText(background_.bgimgpath);
}

}  // namespace pictavo

#include "properties/gui/sheets/AreaStylePage.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/AlignmentChoice.h"
#include "properties/gui/sheets/ColourField.h"
#include "properties/gui/sheets/FontMapping.h"
#include "properties/gui/sheets/SheetDialogs.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/FileDialogFilter.h"
#include "shell/gui/UserPrompts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictavo {

AreaStylePage::AreaStylePage(AreaProperty& area, SheetDialogs& dialogs, UserPrompts& prompts,
                             QWidget* parent)
    : SheetPage(parent),
      area_(area),
      dialogs_(dialogs),
      prompts_(prompts),
      imagePath_(named(new QLineEdit(area.bgimg, this), "bgimg")),
      fontLabel_(named(new QLabel(fontDescription(area.font), this), "fontDescription")),
      fontColour_(named(new ColourField(area.font.clr, nullptr, true, this), "fontclr")) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(backgroundGroup());
    layout->addWidget(fontGroup());
    bindLineEdit(imagePath_, [this](const QString& text) { area_.bgimg = text; });
}

void AreaStylePage::addLayoutGroup(QWidget* group) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(group);
    layout->addStretch();
}

QComboBox* AreaStylePage::alignmentList(TextField& align, QWidget* parent) {
    auto* list = named(new QComboBox(parent), "align");
    for (int index = 0; index < kAlignmentChoiceCount; ++index)
        list->addItem(uiText(alignmentTextId(index)));
    list->setCurrentIndex(alignmentIndexFor(align));
    connect(list, &QComboBox::currentIndexChanged, this, [&align](int index) {
        if (index >= 0)
            align = alignmentValue(index);
    });
    return list;
}

QWidget* AreaStylePage::backgroundGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetBackgroundProperties, this);
    QPushButton* browse = browseButton(QStringLiteral("browseImage"), group);
    connect(browse, &QPushButton::clicked, this, &AreaStylePage::browseImage);
    grid->addWidget(new QLabel(uiText(sid::SheetImage), group), 0, 0);
    grid->addWidget(imagePath_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(new QLabel(uiText(sid::SheetColor), group), 1, 0);
    grid->addWidget(named(new ColourField(area_.bgclr, &dialogs_, true, group), "bgclr"), 1, 1);
    return group;
}

QWidget* AreaStylePage::fontGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetFontProperties, this);
    QPushButton* browse = browseButton(QStringLiteral("chooseFont"), group);
    connect(browse, &QPushButton::clicked, this, &AreaStylePage::chooseFont);
    grid->addWidget(new QLabel(uiText(sid::SheetFont), group), 0, 0);
    grid->addWidget(fontLabel_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(new QLabel(uiText(sid::SheetColor), group), 1, 0);
    grid->addWidget(fontColour_, 1, 1);
    return group;
}

void AreaStylePage::browseImage() {
    const QString file = prompts_.askOpenFileName(qtFileDialogFilter(uiText(sid::ImageFileFilter)));
    if (file.isEmpty())
        return;
    area_.bgimg = file;
    imagePath_->setText(area_.bgimg);
}

void AreaStylePage::chooseFont() {
    const std::optional<FontChoice> choice = dialogs_.chooseFont(fontChoiceFor(area_.font), this);
    if (!choice || !applyFontChoice(area_.font, *choice))
        return;
    fontLabel_->setText(fontDescription(area_.font));
    fontColour_->refresh();
}

}  // namespace pictavo

#include "properties/gui/sheets/GeneralPage.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/NumberField.h"
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
#include <QRadioButton>
#include <QVBoxLayout>

namespace pictavo {

GeneralPage::GeneralPage(GeneralProperty& general, UserPrompts& prompts, QWidget* parent)
    : SheetPage(parent),
      general_(general),
      prompts_(prompts),
      location_(named(new QLineEdit(general.location, this), "location")),
      title_(named(new QLineEdit(general.title, this), "title")),
      soundPath_(named(new QLineEdit(general.bgsndpath, this), "soundPath")),
      loop_(named(new NumberField(kLoopCountRange, this), "loop")),
      forever_(named(new QCheckBox(uiText(sid::SheetForever), this), "forever")),
      automatic_(named(new QRadioButton(uiText(sid::SheetAutomatic), this), "automatic")),
      manual_(named(new QRadioButton(uiText(sid::SheetManual), this), "manual")),
      convert_(named(new QCheckBox(uiText(sid::SheetConvertImages), this), "convert")) {
    auto* layout = new QVBoxLayout(this);
    for (QWidget* group : {siteGroup(), soundGroup(), copyGroup(), convertGroup()})
        layout->addWidget(group);
    layout->addStretch();

    const bool endless = general.bgsndloop < 0;
    forever_->setChecked(endless);
    loop_->showValue(endless ? 0 : general.bgsndloop);
    loop_->setEnabled(!endless);
    (general.cpyfileauto ? automatic_ : manual_)->setChecked(true);
    convert_->setChecked(general.cntimg != 0);
    convert_->setEnabled(general.cpyfileauto != 0);

    bindLineEdit(location_, [this](const QString& text) { general_.location = text; });
    bindLineEdit(title_, [this](const QString& text) { general_.title = text; });
    bindLineEdit(soundPath_, [this](const QString& text) { general_.bgsndpath = text; });
    bindNumber(loop_, [this](int value) { general_.bgsndloop = value; });
    connect(forever_, &QCheckBox::clicked, this, &GeneralPage::setForever);
    connect(automatic_, &QRadioButton::clicked, this, [this] { setAutomaticCopy(true); });
    connect(manual_, &QRadioButton::clicked, this, [this] { setAutomaticCopy(false); });
    connect(convert_, &QCheckBox::clicked, this,
            [this](bool checked) { general_.cntimg = checked ? 1 : 0; });
}

QWidget* GeneralPage::siteGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetGeneral, this);
    QPushButton* browse = browseButton(QStringLiteral("browseLocation"), group);
    connect(browse, &QPushButton::clicked, this, &GeneralPage::browseLocation);
    grid->addWidget(new QLabel(uiText(sid::SheetLocation), group), 0, 0);
    grid->addWidget(location_, 0, 1);
    grid->addWidget(browse, 0, 2);
    grid->addWidget(new QLabel(uiText(sid::SheetTitle), group), 1, 0);
    grid->addWidget(title_, 1, 1, 1, 2);
    return group;
}

QWidget* GeneralPage::soundGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetBackgroundSound, this);
    QPushButton* browse = browseButton(QStringLiteral("browseSound"), group);
    connect(browse, &QPushButton::clicked, this, &GeneralPage::browseSound);
    grid->addWidget(new QLabel(uiText(sid::SheetLocation), group), 0, 0);
    grid->addWidget(soundPath_, 0, 1, 1, 2);
    grid->addWidget(browse, 0, 3);
    grid->addWidget(new QLabel(uiText(sid::SheetLoop), group), 1, 0);
    grid->addWidget(loop_, 1, 1);
    grid->addWidget(forever_, 1, 2);
    return group;
}

QWidget* GeneralPage::copyGroup() {
    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetCopyLinkedFiles, this);
    grid->addWidget(automatic_, 0, 0);
    grid->addWidget(manual_, 0, 1);
    return group;
}

QWidget* GeneralPage::convertGroup() {
    QGroupBox* group = nullptr;
    groupGrid(group, sid::SheetConvertGroup, this)->addWidget(convert_, 0, 0);
    return group;
}

// Leaving "Forever" starts the count at 0, not at a count held before.
void GeneralPage::setForever(bool endless) {
    loop_->setEnabled(!endless);
    loop_->showValue(0);
    general_.bgsndloop = endless ? -1 : 0;
}

// "Manual" keeps the convert flag as it is; it only does not apply then.
void GeneralPage::setAutomaticCopy(bool automatic) {
    general_.cpyfileauto = automatic ? 1 : 0;
    convert_->setEnabled(automatic);
}

void GeneralPage::browseLocation() {
    const QString folder = prompts_.askFolder(uiText(sid::LocationFolderPrompt), location_->text());
    if (folder.isEmpty())
        return;
    general_.location = folder;
    location_->setText(general_.location);
}

void GeneralPage::browseSound() {
    const QString file = prompts_.askOpenFileName(qtFileDialogFilter(uiText(sid::SoundFileFilter)));
    if (file.isEmpty())
        return;
    general_.bgsndpath = file;
    soundPath_->setText(general_.bgsndpath);
}

}  // namespace pictavo

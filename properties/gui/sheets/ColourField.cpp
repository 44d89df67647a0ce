#include "properties/gui/sheets/ColourField.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/ColourValue.h"
#include "properties/gui/sheets/SheetDialogs.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QHBoxLayout>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace pictavo {

namespace {

constexpr QSize kSwatchSize(48, 14);

}  // namespace

ColourField::ColourField(int& value, SheetDialogs* pickFrom, bool resettable, QWidget* parent)
    : QWidget(parent), value_(value), dialogs_(pickFrom), button_(new QPushButton(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    button_->setMinimumWidth(96);
    button_->setIconSize(kSwatchSize);
    layout->addWidget(button_);
    connect(button_, &QPushButton::clicked, this, &ColourField::pick);
    if (resettable) {
        reset_ = new QToolButton(this);
        reset_->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
        reset_->setToolTip(uiText(sid::ColourResetTip));
        layout->addWidget(reset_);
        connect(reset_, &QToolButton::clicked, this, [this] { store(kNoColour); });
    }
    layout->addStretch();
    refresh();
}

void ColourField::refresh() {
    if (value_ == kNoColour) {
        button_->setIcon(QIcon());
        button_->setText(uiText(sid::Transparent));
        return;
    }
    QPixmap swatch(kSwatchSize);
    swatch.fill(colourFromValue(value_));
    button_->setIcon(QIcon(swatch));
    button_->setText(QString());
}

void ColourField::pick() {
    if (!dialogs_)
        return;
    if (const std::optional<int> chosen = dialogs_->chooseColour(value_, this))
        store(*chosen);
}

void ColourField::store(int value) {
    value_ = value;
    refresh();
    emit changed();
}

}  // namespace pictavo

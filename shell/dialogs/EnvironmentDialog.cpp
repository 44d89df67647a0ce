#include "shell/dialogs/EnvironmentDialog.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/settings/EnvironmentDialogRules.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace pictavo {

namespace {

// The largest number an export field takes while typing; OK clamps it.
constexpr int kTypedSizeMax = 999999;

// A size field whose arrows (and wheel) stay inside the dialog's range while
// typing is free from 0 up: a value typed outside the range, 5 or 20000,
// stays in the field and reaches OK, which clamps it, instead of being
// refused key by key as a spin box refuses values beyond its range.
class TypedSizeField : public QSpinBox {
public:
    TypedSizeField(int stepMin, int stepMax, QWidget* parent)
        : QSpinBox(parent), stepMin_(stepMin), stepMax_(stepMax) {
        setRange(0, kTypedSizeMax);
    }

    void stepBy(int steps) override {
        setValue(std::clamp(value() + steps * singleStep(), stepMin_, stepMax_));
        selectAll();
    }

protected:
    StepEnabled stepEnabled() const override {
        if (!isEnabled() || isReadOnly())
            return StepNone;
        // A typed value outside the range steps back into it either way.
        StepEnabled enabled = StepNone;
        if (value() != stepMin_)
            enabled |= StepDownEnabled;
        if (value() != stepMax_)
            enabled |= StepUpEnabled;
        return enabled;
    }

private:
    int stepMin_;
    int stepMax_;
};

QSpinBox* thumbnailField(QWidget* parent) {
    auto* field = new QSpinBox(parent);
    field->setRange(kThumbnailSizeMin, kThumbnailSizeMax);
    return field;
}

// "Width:" [field] Pixels, "Height:" [field] Pixels, under an optional row.
QGroupBox* sizeGroup(int titleId, QSpinBox* width, QSpinBox* height, QWidget* first = nullptr) {
    auto* group = new QGroupBox(uiText(titleId));
    auto* grid = new QGridLayout(group);
    int row = 0;
    if (first)
        grid->addWidget(first, row++, 0, 1, 3);
    for (auto [labelId, field] :
         {std::pair{sid::EnvWidth, width}, std::pair{sid::EnvHeight, height}}) {
        auto* label = new QLabel(uiText(labelId), group);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(new QLabel(uiText(sid::EnvPixels), group), row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return group;
}

}  // namespace

EnvironmentDialog::EnvironmentDialog(const EnvironmentSettings& settings, QWidget* parent)
    : QDialog(parent),
      limitExport_(new QCheckBox(uiText(sid::EnvLimitExport), this)),
      exportWidth_(new TypedSizeField(kExportSizeMin, kExportSizeMax, this)),
      exportHeight_(new TypedSizeField(kExportSizeMin, kExportSizeMax, this)),
      thumbnailWidth_(thumbnailField(this)),
      thumbnailHeight_(thumbnailField(this)),
      fileNameCaption_(new QCheckBox(uiText(sid::EnvUseFileName), this)),
      ok_(new QPushButton(uiText(sid::Ok), this)),
      cancel_(new QPushButton(uiText(sid::Cancel), this)) {
    setWindowTitle(uiText(sid::EnvTitle));
    const EnvironmentDialogState state = environmentDialogState(settings);
    limitExport_->setChecked(state.limitExportSize);
    exportWidth_->setValue(state.exportWidth);
    exportHeight_->setValue(state.exportHeight);
    thumbnailWidth_->setValue(state.thumbnailWidth);
    thumbnailHeight_->setValue(state.thumbnailHeight);
    fileNameCaption_->setChecked(state.useFileNameAsCaption);

    auto* captionGroup = new QGroupBox(uiText(sid::EnvCaptionGroup));
    (new QVBoxLayout(captionGroup))->addWidget(fileNameCaption_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizeGroup(sid::EnvExportGroup, exportWidth_, exportHeight_, limitExport_));
    layout->addWidget(sizeGroup(sid::EnvThumbnailGroup, thumbnailWidth_, thumbnailHeight_));
    layout->addWidget(captionGroup);
    layout->addWidget(buttons);
    connect(limitExport_, &QCheckBox::toggled, this, &EnvironmentDialog::updateExportFields);
    updateExportFields();
}

void EnvironmentDialog::updateExportFields() {
    exportWidth_->setEnabled(limitExport_->isChecked());
    exportHeight_->setEnabled(limitExport_->isChecked());
}

EnvironmentSettings EnvironmentDialog::acceptedSettings() const {
    // A value still being edited counts as typed.
    for (QSpinBox* field : {exportWidth_, exportHeight_, thumbnailWidth_, thumbnailHeight_})
        field->interpretText();
    return acceptEnvironmentDialog({
        .limitExportSize = limitExport_->isChecked(),
        .exportWidth = exportWidth_->value(),
        .exportHeight = exportHeight_->value(),
        .thumbnailWidth = thumbnailWidth_->value(),
        .thumbnailHeight = thumbnailHeight_->value(),
        .useFileNameAsCaption = fileNameCaption_->isChecked(),
    });
}

std::optional<EnvironmentSettings> runEnvironmentDialog(const EnvironmentSettings& current,
                                                        QWidget* parent) {
    EnvironmentDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.acceptedSettings();
}

}  // namespace pictavo

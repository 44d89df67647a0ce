#include "imaging/gui/ConvertDialog.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/FolderPicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pictavo {

namespace {

constexpr int kTargetRole = Qt::UserRole;

}  // namespace

ConvertDialog::ConvertDialog(const QString& initialFolder, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent),
      picker_(new FolderPicker(initialFolder, prompts)),
      formats_(new QListWidget),
      ok_(new QPushButton(uiText(sid::Ok))),
      cancel_(new QPushButton(uiText(sid::Cancel))) {
    setWindowTitle(uiText(sid::ConvertTitle));
    fillFormats();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(uiText(sid::ConvertFolderLabel)), 0, 0, 1, 2);
    layout->addWidget(picker_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(uiText(sid::ConvertFormatLabel)), 2, 0, 1, 2);
    layout->addWidget(formats_, 3, 0, 1, 2);
    layout->addLayout(buttons, 4, 0, 1, 2);

    ok_->setDefault(true);
    ok_->setEnabled(!folder().isEmpty());
    connect(picker_, &FolderPicker::folderChanged, this,
            [this] { ok_->setEnabled(!folder().isEmpty()); });
    connect(ok_, &QPushButton::clicked, this, &ConvertDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &ConvertDialog::reject);
    connect(formats_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            targetRow_ = item->data(kTargetRole).toInt();
    });
    connect(formats_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        targetRow_ = item->data(kTargetRole).toInt();
        accept();
    });
}

void ConvertDialog::fillFormats() {
    const auto targets = conversionTargets();
    for (int row = 0; row < static_cast<int>(targets.size()); ++row) {
        auto* item = new QListWidgetItem(QString::fromLatin1(targets[std::size_t(row)].listText));
        item->setData(kTargetRole, row);
        formats_->addItem(item);
    }
    formats_->sortItems();
    formats_->setCurrentRow(0);
    targetRow_ = formats_->item(0)->data(kTargetRole).toInt();
}

QString ConvertDialog::folder() const {
    return picker_->folder();
}

QLineEdit* ConvertDialog::folderField() const {
    return picker_->field();
}

QPushButton* ConvertDialog::browseButton() const {
    return picker_->browseButton();
}

const ConversionTarget& ConvertDialog::target() const {
    return conversionTargets()[std::size_t(targetRow_)];
}

void ConvertDialog::accept() {
    if (!folder().isEmpty() && picker_->checkFolder(true))
        QDialog::accept();
}

std::optional<ConversionChoice> askConversion(const QString& initialFolder, UserPrompts& prompts,
                                              QWidget* parent) {
    ConvertDialog dialog(initialFolder, prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ConversionChoice{dialog.folder(), &dialog.target()};
}

}  // namespace pictavo

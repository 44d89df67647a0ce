#include "generator/gui/ExportFolderDialog.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/FolderPicker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictavo {

ExportFolderDialog::ExportFolderDialog(const QString& proposed, UserPrompts& prompts,
                                       QWidget* parent)
    : QDialog(parent),
      picker_(new FolderPicker(proposed, prompts)),
      ok_(new QPushButton(uiText(sid::Ok))),
      cancel_(new QPushButton(uiText(sid::Cancel))) {
    setWindowTitle(uiText(sid::ExportFolderTitle));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(uiText(sid::ExportFolderText)));
    layout->addWidget(picker_);
    layout->addLayout(buttons);

    ok_->setDefault(true);
    ok_->setEnabled(!folder().isEmpty());
    connect(picker_, &FolderPicker::folderChanged, this,
            [this] { ok_->setEnabled(!folder().isEmpty()); });
    connect(ok_, &QPushButton::clicked, this, &ExportFolderDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &ExportFolderDialog::reject);
}

QString ExportFolderDialog::folder() const {
    return picker_->folder();
}

QLineEdit* ExportFolderDialog::folderField() const {
    return picker_->field();
}

QPushButton* ExportFolderDialog::browseButton() const {
    return picker_->browseButton();
}

void ExportFolderDialog::accept() {
    if (!folder().isEmpty() && picker_->checkFolder(false))
        QDialog::accept();
}

std::optional<QString> askExportFolder(const QString& proposed, UserPrompts& prompts,
                                       QWidget* parent) {
    ExportFolderDialog dialog(proposed, prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.folder();
}

}  // namespace pictavo

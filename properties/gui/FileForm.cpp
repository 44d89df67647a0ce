#include "properties/gui/FileForm.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>

namespace pictavo {

namespace {

QLineEdit* readOnlyEdit(const QString& objectName) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

FileForm::FileForm(QWidget* parent) : QWidget(parent) {
    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(4, 4, 7, 4);
    name_ = readOnlyEdit(QStringLiteral("fileNameEdit"));
    path_ = readOnlyEdit(QStringLiteral("filePathEdit"));
    layout->addRow(uiText(sid::LabelName), name_);
    layout->addRow(uiText(sid::LabelPath), path_);
}

void FileForm::showFile(const QString& path) {
    name_->setText(QFileInfo(path).fileName());
    path_->setText(QDir::toNativeSeparators(path));
}

}  // namespace pictavo

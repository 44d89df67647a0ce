#include "shell/gui/FolderPicker.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace pictavo {

FolderPicker::FolderPicker(const QString& folder, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent),
      prompts_(prompts),
      field_(new QLineEdit(folder)),
      browse_(new QPushButton(uiText(sid::BrowseButton))) {
    field_->setMinimumWidth(320);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field_, 1);
    layout->addWidget(browse_);
    connect(field_, &QLineEdit::textChanged, this, &FolderPicker::folderChanged);
    connect(browse_, &QPushButton::clicked, this, &FolderPicker::browse);
}

QString FolderPicker::folder() const {
    return field_->text().trimmed();
}

bool FolderPicker::checkFolder(bool mustExist) {
    const QString chosen = folder();
    int problem = 0;
    if (!QDir::isAbsolutePath(chosen))
        problem = sid::FolderNotAbsolute;
    else if (mustExist && !QFileInfo(chosen).isDir())
        problem = sid::FolderMissing;
    if (problem == 0)
        return true;
    prompts_.showError(uiText(problem).arg(chosen));
    field_->setFocus();
    return false;
}

void FolderPicker::browse() {
    const QString chosen = prompts_.askFolder(uiText(sid::SelectFolderPrompt), folder());
    if (!chosen.isEmpty())
        field_->setText(QDir::toNativeSeparators(chosen));
}

}  // namespace pictavo

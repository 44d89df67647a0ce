#include "properties/gui/FolderForm.h"

#include "properties/gui/IntegerLineEdit.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace pictavo {

namespace {

constexpr int kNoGridCount = -1;
constexpr int kMinGridCount = 1;
constexpr int kMaxGridCount = 100;

}  // namespace

int clampGridCount(int count) {
    if (count == kNoGridCount)
        return count;
    return std::clamp(count, kMinGridCount, kMaxGridCount);
}

FolderForm::FolderForm(AppContext& context, QWidget* parent)
    : LinkForm(context, sid::FolderLinkToFilter, parent) {
    const int row = nextRow();
    rows_ = addCountRow(sid::LabelRows, QStringLiteral("rowsEdit"), row);
    cols_ = addCountRow(sid::LabelColumns, QStringLiteral("colsEdit"), row + 1);
    global_ = new QCheckBox(uiText(sid::LabelGlobal));
    global_->setObjectName(QStringLiteral("globalCheck"));
    grid()->addWidget(global_, row + 2, 1, Qt::AlignLeft);
    grid()->setRowStretch(row + 3, 1);
    connect(global_, &QCheckBox::clicked, this, &FolderForm::globalClicked);
}

IntegerLineEdit* FolderForm::addCountRow(int labelId, const QString& objectName, int row) {
    auto* edit = new IntegerLineEdit;
    edit->setObjectName(objectName);
    grid()->addWidget(new QLabel(uiText(labelId)), row, 0);
    grid()->addWidget(edit, row, 1);
    connect(edit, &IntegerLineEdit::integerEdited, this,
            [this, edit](int value) { countEdited(edit, value); });
    connect(edit, &IntegerLineEdit::leftWithInvalidText, this,
            [this, edit] { invalidCountLeft(edit); });
    return edit;
}

void FolderForm::fill(const ItemValues& values) {
    LinkForm::fill(values);
    setLinkImage(true, values.lnkimg);
    rows_->setValue(values.rows);
    cols_->setValue(values.cols);
    setGlobal(values.rows == kNoGridCount || values.cols == kNoGridCount);
}

void FolderForm::setGlobal(bool global) {
    global_->setChecked(global);
    rows_->setEnabled(!global);
    cols_->setEnabled(!global);
}

void FolderForm::countEdited(IntegerLineEdit* edit, int value) {
    const int count = clampGridCount(value);
    if (count != value)
        edit->setValue(count);
    const bool isRows = edit == rows_;
    write(isRows ? sid::LabelRows : sid::LabelColumns,
          [&](ItemValues& v) { (isRows ? v.rows : v.cols) = count; });
}

void FolderForm::invalidCountLeft(IntegerLineEdit* edit) {
    context().prompts().showError(uiText(sid::EnterInteger));
    const ItemValues stored = values();
    edit->setValue(edit == rows_ ? stored.rows : stored.cols);
}

void FolderForm::globalClicked(bool checked) {
    const MainAreaProperty& grid = context().album().layout.main;
    const int rows = checked ? kNoGridCount : grid.rows;
    const int cols = checked ? kNoGridCount : grid.cols;
    rows_->setValue(rows);
    cols_->setValue(cols);
    setGlobal(checked);
    write(sid::LabelGlobal, [&](ItemValues& v) {
        v.rows = rows;
        v.cols = cols;
    });
}

}  // namespace pictavo

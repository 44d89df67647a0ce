#pragma once
// FolderForm: the property area's form for an album folder — the shared
// link controls plus "Rows" and "Columns" of the folder's thumbnail grid
// and "Global", which stands for both being -1 (the grid of the layout
// properties applies). A typed count is kept between 1 and 100 (-1 stays
// -1) and shown back when it had to be changed; text that is no whole
// number is not stored, and the user is told once the field is left.
//
// Threading: GUI thread.

#include "properties/gui/LinkForm.h"

class QCheckBox;

namespace pictavo {

class IntegerLineEdit;

// -1 stays -1; other counts are kept between 1 and 100.
int clampGridCount(int count);

class FolderForm : public LinkForm {
    Q_OBJECT
public:
    explicit FolderForm(AppContext& context, QWidget* parent = nullptr);

protected:
    void fill(const ItemValues& values) override;

private:
    IntegerLineEdit* addCountRow(int labelId, const QString& objectName, int row);
    void countEdited(IntegerLineEdit* edit, int value);
    void invalidCountLeft(IntegerLineEdit* edit);
    void globalClicked(bool checked);
    void setGlobal(bool global);

    IntegerLineEdit* rows_ = nullptr;
    IntegerLineEdit* cols_ = nullptr;
    QCheckBox* global_ = nullptr;
};

}  // namespace pictavo

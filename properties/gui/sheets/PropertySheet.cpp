#include "properties/gui/sheets/PropertySheet.h"

#include "properties/gui/sheets/OkCancelButtons.h"
#include "properties/gui/sheets/SheetPage.h"
#include "resources/StringTable.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace pictavo {

namespace {

// Wide enough for several tabs side by side; the rest scroll.
constexpr int kMinimumWidth = 560;

}  // namespace

PropertySheet::PropertySheet(int titleId, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(uiText(titleId));
    setMinimumWidth(kMinimumWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    ok_ = addOkCancelButtons(*this, *layout);
}

void PropertySheet::addPage(SheetPage* page, const QString& caption) {
    tabs_->addTab(page, caption);
    pages_.push_back(page);
}

SheetPage* PropertySheet::page(const QString& caption) const {
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->tabText(i) == caption)
            return static_cast<SheetPage*>(tabs_->widget(i));
    return nullptr;
}

void PropertySheet::done(int result) {
    for (SheetPage* page : pages_) {
        if (result == Accepted)
            page->commitEdits();
        page->stopWriting();
    }
    QDialog::done(result);
}

}  // namespace pictavo

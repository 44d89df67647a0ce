#include "properties/gui/sheets/FontChoiceDialog.h"

#include "properties/gui/sheets/ColourField.h"
#include "properties/gui/sheets/OkCancelButtons.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

FontChoiceDialog::FontChoiceDialog(const FontChoice& current, SheetDialogs& colours,
                                   QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(qFontFor(current), this)), colour_(current.colour) {
    setWindowTitle(uiText(sid::FontDialogTitle));
    // The chooser lives inside this dialog, without buttons of its own.
    fonts_->setWindowFlags(Qt::Widget);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(uiText(sid::SheetColor), this));
    colourRow->addWidget(new ColourField(colour_, &colours, true, this));
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    addOkCancelButtons(*this, *layout);
}

FontChoice FontChoiceDialog::choice() const {
    return fontChoiceFromQFont(fonts_->currentFont(), colour_);
}

}  // namespace pictavo

#include "properties/gui/sheets/SheetDialogs.h"

#include "properties/gui/sheets/ColourValue.h"
#include "properties/gui/sheets/FontChoiceDialog.h"
#include "properties/gui/sheets/MetaVariableDialog.h"

#include <QColorDialog>

namespace pictavo {

std::optional<int> SystemSheetDialogs::chooseColour(int current, QWidget* parent) {
    const QColor start = current == kNoColour ? QColor(Qt::white) : colourFromValue(current);
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return valueFromColour(chosen);
}

std::optional<FontChoice> SystemSheetDialogs::chooseFont(const FontChoice& current,
                                                         QWidget* parent) {
    FontChoiceDialog dialog(current, *this, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<MetaText> SystemSheetDialogs::editVariable(const QString& title,
                                                         const MetaText& current, QWidget* parent) {
    MetaVariableDialog dialog(title, current, prompts_, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

}  // namespace pictavo

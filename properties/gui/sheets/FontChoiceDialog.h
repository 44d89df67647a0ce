#pragma once
// The font dialog of the layout sheet: Qt's font chooser (face, style,
// size, underline and strike-through) with the text colour below it, which
// Qt's own dialog does not offer.

#include "properties/gui/sheets/FontMapping.h"

#include <QDialog>

class QFontDialog;

namespace pictavo {

class ColourField;
class SheetDialogs;

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    // colours picks the text colour; it must outlive the dialog.
    FontChoiceDialog(const FontChoice& current, SheetDialogs& colours, QWidget* parent = nullptr);

    FontChoice choice() const;

private:
    QFontDialog* fonts_;
    int colour_;
};

}  // namespace pictavo

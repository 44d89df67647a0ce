#include "properties/gui/sheets/LanguagePage.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/CharsetTable.h"
#include "properties/gui/sheets/SheetLayout.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace pictavo {

LanguagePage::LanguagePage(LanguageProperty& language, QWidget* parent) : SheetPage(parent) {
    auto* charsets = named(new QComboBox(this), "charset");
    for (const CharsetEntry& entry : offeredCharsets())
        charsets->addItem(uiText(entry.displayNameId), QLatin1String(entry.charset));
    charsets->setCurrentIndex(charsetRowFor(language.save));
    connect(charsets, &QComboBox::currentIndexChanged, this, [&language, charsets](int row) {
        if (row >= 0)
            language.save = charsets->itemData(row).toString();
    });

    QGroupBox* group = nullptr;
    QGridLayout* grid = groupGrid(group, sid::SheetSaveGroup, this);
    grid->addWidget(new QLabel(uiText(sid::SheetEncodingLabel), group), 0, 0);
    grid->addWidget(charsets, 1, 0);
    auto* note = new QLabel(uiText(sid::SheetEncodingNote), group);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch();
}

}  // namespace pictavo

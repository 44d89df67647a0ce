#include "properties/gui/sheets/SheetLayout.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

namespace pictavo {

QGridLayout* groupGrid(QGroupBox*& group, int titleId, QWidget* parent) {
    group = new QGroupBox(uiText(titleId), parent);
    return new QGridLayout(group);
}

QPushButton* browseButton(const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(uiText(sid::SheetBrowse), parent);
    button->setObjectName(objectName);
    button->setMaximumWidth(40);
    return button;
}

}  // namespace pictavo

#include "properties/gui/sheets/TextPage.h"

#include "core/TextField.h"
#include "properties/gui/sheets/SheetLayout.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pictavo {

TextPage::TextPage(TextField& text, QWidget* parent) : SheetPage(parent) {
    auto* edit = named(new QPlainTextEdit(text.get(), this), "text");
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bindTextEdit(edit, [&text](const QString& value) { text = value; });
    (new QVBoxLayout(this))->addWidget(edit);
}

}  // namespace pictavo

#include "properties/gui/sheets/SheetPage.h"

#include "properties/gui/sheets/NumberField.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace pictavo {

void SheetPage::commitEdits() {
    for (const std::function<void()>& commit : pendingEdits_)
        commit();
}

std::function<void()> SheetPage::whileWriting(std::function<void()> commit) {
    return [this, commit = std::move(commit)] {
        if (writing_)
            commit();
    };
}

void SheetPage::bindLineEdit(QLineEdit* edit, std::function<void(const QString&)> store) {
    auto commit = whileWriting(
        [edit, store = std::move(store)] { store(edit->text().left(kLineEditLimit)); });
    connect(edit, &QLineEdit::editingFinished, this, commit);
    pendingEdits_.push_back(commit);
}

void SheetPage::bindTextEdit(QPlainTextEdit* edit, std::function<void(const QString&)> store) {
    auto commit = whileWriting([edit, store = std::move(store)] { store(edit->toPlainText()); });
    edit->installEventFilter(this);
    textEdits_.emplace_back(edit, commit);
    pendingEdits_.push_back(commit);
}

void SheetPage::bindNumber(NumberField* field, std::function<void(int)> store) {
    connect(field, &NumberField::stored, this, [this, store = std::move(store)](int value) {
        if (writing_)
            store(value);
    });
    pendingEdits_.push_back([field] { field->commit(); });
}

bool SheetPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        for (const auto& [edit, commit] : textEdits_)
            if (edit == watched)
                commit();
    return QWidget::eventFilter(watched, event);
}

}  // namespace pictavo

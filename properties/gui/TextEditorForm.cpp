#include "properties/gui/TextEditorForm.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace pictavo {

TextEditorForm::TextEditorForm(QWidget* parent) : QWidget(parent) {
    box_ = new QPlainTextEdit;
    box_->setObjectName(QStringLiteral("textEditorBox"));
    auto* close = new QToolButton;
    close->setObjectName(QStringLiteral("textEditorClose"));
    close->setToolTip(uiText(sid::TipCloseTextEditor));
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 7, 4);
    layout->addWidget(box_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(close);
    side->addStretch(1);
    layout->addLayout(side);
    connect(close, &QToolButton::clicked, this, &TextEditorForm::closeClicked);
}

void TextEditorForm::edit(const QString& text) {
    box_->setPlainText(text);
    box_->moveCursor(QTextCursor::End);
    box_->setFocus(Qt::OtherFocusReason);
}

QString TextEditorForm::text() const {
    return box_->toPlainText();
}

}  // namespace pictavo

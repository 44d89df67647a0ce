#include "properties/gui/LinkForm.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"
#include "shell/gui/FileDialogFilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace pictavo {

namespace {

// Keeps a margin to the right edge of the pane.
constexpr int kRightMargin = 7;

QLabel* label(int textId) {
    return new QLabel(uiText(textId));
}

QComboBox* styleList(const QString& objectName, std::initializer_list<int> itemIds) {
    auto* list = new QComboBox;
    list->setObjectName(objectName);
    for (int id : itemIds)
        list->addItem(uiText(id));
    return list;
}

// A label above a list, for the two lists that share one row.
QWidget* labelled(int textId, QWidget* list) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label(textId));
    layout->addWidget(list);
    return box;
}

}  // namespace

LinkForm::LinkForm(AppContext& context, int linkToFilterId, QWidget* parent)
    : QWidget(parent), context_(context), linkToFilterId_(linkToFilterId) {
    buildControls();
}

QToolButton* LinkForm::makeButton(const QString& objectName, int tipId, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(objectName);
    button->setToolTip(uiText(tipId));
    button->setIcon(icon);
    return button;
}

void LinkForm::buildControls() {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(4, 4, kRightMargin, 4);
    const QIcon browseIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon editorIcon = style()->standardIcon(QStyle::SP_FileDialogContentsView);

    caption_ = new QLineEdit;
    caption_->setObjectName(QStringLiteral("captionEdit"));
    QToolButton* captionEditor =
        makeButton(QStringLiteral("captionEditorButton"), sid::TipOpenTextEditor, editorIcon);
    grid_->addWidget(label(sid::LabelLinkText), 0, 0);
    grid_->addWidget(caption_, 0, 1);
    grid_->addWidget(captionEditor, 0, 2);

    linkImage_ = new QLineEdit;
    linkImage_->setObjectName(QStringLiteral("linkImageEdit"));
    linkImageBrowse_ = makeButton(QStringLiteral("linkImageBrowse"), sid::TipBrowse, browseIcon);
    grid_->addWidget(label(sid::LabelLinkImage), 1, 0);
    grid_->addWidget(linkImage_, 1, 1);
    grid_->addWidget(linkImageBrowse_, 1, 2);

    posStyle_ = styleList(QStringLiteral("posStyleList"),
                          {sid::PosLeftImageRightText, sid::PosRightImageLeftText,
                           sid::PosTopImageBottomText, sid::PosBottomImageTopText});
    lnkStyle_ = styleList(QStringLiteral("lnkStyleList"),
                          {sid::LinkStyleText, sid::LinkStyleImage, sid::LinkStyleBoth});
    auto* lists = new QHBoxLayout;
    lists->addWidget(labelled(sid::LabelPositionStyle, posStyle_), 1);
    lists->addWidget(labelled(sid::LabelLinkStyle, lnkStyle_), 1);
    grid_->addLayout(lists, 2, 0, 1, 3);

    linkTo_ = new QLineEdit;
    linkTo_->setObjectName(QStringLiteral("linkToEdit"));
    QToolButton* linkToBrowse =
        makeButton(QStringLiteral("linkToBrowse"), sid::TipBrowse, browseIcon);
    grid_->addWidget(label(sid::LabelLinkTo), 3, 0);
    grid_->addWidget(linkTo_, 3, 1);
    grid_->addWidget(linkToBrowse, 3, 2);

    desc_ = new QPlainTextEdit;
    desc_->setObjectName(QStringLiteral("descEdit"));
    desc_->setTabChangesFocus(true);
    QToolButton* descEditor =
        makeButton(QStringLiteral("descEditorButton"), sid::TipOpenTextEditor, editorIcon);
    grid_->addWidget(label(sid::LabelDescription), 4, 0, Qt::AlignTop);
    grid_->addWidget(desc_, 4, 1);
    grid_->addWidget(descEditor, 4, 2, Qt::AlignTop);
    grid_->setColumnStretch(1, 1);

    connect(caption_, &QLineEdit::textEdited, this, [this](const QString& text) {
        write(sid::LabelLinkText, [&](ItemValues& v) { v.caption = text; });
    });
    connect(linkImage_, &QLineEdit::textEdited, this, [this](const QString& text) {
        write(sid::LabelLinkImage, [&](ItemValues& v) { v.lnkimg = text; });
    });
    connect(linkTo_, &QLineEdit::textEdited, this, &LinkForm::linkToTyped);
    connect(posStyle_, &QComboBox::activated, this, [this](int index) {
        write(sid::LabelPositionStyle, [&](ItemValues& v) { v.posstyle = index; });
    });
    connect(lnkStyle_, &QComboBox::activated, this, [this](int index) {
        write(sid::LabelLinkStyle, [&](ItemValues& v) { v.lnkstyle = index; });
    });
    // The description box reports every change; fill() holds its signals
    // back, so what arrives here is the user's.
    connect(desc_, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = desc_->toPlainText();
        write(sid::LabelDescription, [&](ItemValues& v) { v.desc = text; });
    });
    connect(linkImageBrowse_, &QToolButton::clicked, this, &LinkForm::browseLinkImage);
    connect(linkToBrowse, &QToolButton::clicked, this, &LinkForm::browseLinkTo);
    connect(captionEditor, &QToolButton::clicked, this,
            [this] { emit textEditorRequested(EditorField::Caption); });
    connect(descEditor, &QToolButton::clicked, this,
            [this] { emit textEditorRequested(EditorField::Description); });
}

int LinkForm::nextRow() const {
    return grid_->rowCount();
}

void LinkForm::showNode(const SiteNodeRef& node) {
    node_ = node;
    fill(values());
}

void LinkForm::nodeChanged() {
    if (!writing_)
        fill(values());
}

void LinkForm::setTextIfDifferent(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void LinkForm::fill(const ItemValues& values) {
    setTextIfDifferent(caption_, values.caption);
    setTextIfDifferent(linkImage_, values.lnkimg);
    setTextIfDifferent(linkTo_, values.url);
    if (desc_->toPlainText() != values.desc) {
        const QSignalBlocker quiet(desc_);
        desc_->setPlainText(values.desc);
    }
    posStyle_->setCurrentIndex(values.posstyle);
    lnkStyle_->setCurrentIndex(values.lnkstyle);
}

void LinkForm::setLinkImage(bool enabled, const QString& text) {
    linkImage_->setEnabled(enabled);
    linkImageBrowse_->setEnabled(enabled);
    setTextIfDifferent(linkImage_, text);
}

bool LinkForm::write(int nameId, const std::function<void(ItemValues&)>& change) {
    writing_ = true;
    const bool changed = changeItem(context_, node_, nameId, change);
    writing_ = false;
    return changed;
}

void LinkForm::linkToTyped(const QString& text) {
    write(sid::LabelLinkTo, [&](ItemValues& v) { v.url = text; });
}

void LinkForm::linkToBrowsed(const QString& path) {
    linkToTyped(path);
}

void LinkForm::browseLinkImage() {
    const QString path =
        context_.prompts().askOpenFileName(qtFileDialogFilter(uiText(sid::LinkImageFilter)));
    if (path.isEmpty())
        return;
    setTextIfDifferent(linkImage_, path);
    write(sid::LabelLinkImage, [&](ItemValues& v) { v.lnkimg = path; });
}

void LinkForm::browseLinkTo() {
    const QString path =
        context_.prompts().askOpenFileName(qtFileDialogFilter(uiText(linkToFilterId_)));
    if (path.isEmpty())
        return;
    setTextIfDifferent(linkTo_, path);
    linkToBrowsed(path);
}

}  // namespace pictavo

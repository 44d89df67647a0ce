#include "properties/gui/ItemPropertyPanel.h"

#include "properties/gui/FileForm.h"
#include "properties/gui/FolderForm.h"
#include "properties/gui/PageForm.h"
#include "properties/gui/PicturePreview.h"
#include "properties/gui/TextEditorForm.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QStackedWidget>

namespace pictavo {

ItemPropertyPanel::ItemPropertyPanel(AppContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    preview_ = new PicturePreview;
    preview_->setObjectName(QStringLiteral("picturePreview"));
    preview_->setFixedWidth(preview_->sizeHint().width());
    nothing_ = new QWidget;
    folderForm_ = new FolderForm(context);
    pageForm_ = new PageForm(context);
    fileForm_ = new FileForm;
    textEditor_ = new TextEditorForm;
    forms_ = new QStackedWidget;
    for (QWidget* form :
         {nothing_, static_cast<QWidget*>(folderForm_), static_cast<QWidget*>(pageForm_),
          static_cast<QWidget*>(fileForm_), static_cast<QWidget*>(textEditor_)})
        forms_->addWidget(form);
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(forms_);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(preview_, 0, Qt::AlignTop);
    layout->addWidget(scroll_, 1);
    preview_->setMinimumHeight(preview_->sizeHint().height());

    for (LinkForm* form : {static_cast<LinkForm*>(folderForm_), static_cast<LinkForm*>(pageForm_)})
        connect(form, &LinkForm::textEditorRequested, this, &ItemPropertyPanel::openTextEditor);
    connect(textEditor_, &TextEditorForm::closeClicked, this, &ItemPropertyPanel::closeTextEditor);
    connect(preview_, &PicturePreview::doubleClickedOnPicture, this,
            &ItemPropertyPanel::togglePreviewOnly);
    connect(&context_.shownItem(), &ShownItem::changed, this, &ItemPropertyPanel::showShownItem);
    context_.album().tree.addObserver(this);
    showShownItem();
}

ItemPropertyPanel::~ItemPropertyPanel() {
    context_.album().tree.removeObserver(this);
}

bool ItemPropertyPanel::isPreviewOnly() const {
    return preview_->isPreviewOnly();
}

void ItemPropertyPanel::showShownItem() {
    editorOpen_ = false;  // an open editor's text is dropped
    const ShownItem& shown = context_.shownItem();
    const SiteNodeRef& node = shown.node();
    linkForm_ = nullptr;
    if (node.kind == SiteNodeKind::Folder)
        linkForm_ = folderForm_;
    else if (node.kind == SiteNodeKind::Page)
        linkForm_ = pageForm_;
    // The form not shown lets go of its node.
    folderForm_->showNode(linkForm_ == folderForm_ ? node : SiteNodeRef());
    pageForm_->showNode(linkForm_ == pageForm_ ? node : SiteNodeRef());
    if (linkForm_) {
        showForm(linkForm_);
    } else if (!shown.filePath().isEmpty()) {
        fileForm_->showFile(shown.filePath());
        showForm(fileForm_);
    } else {
        showForm(nothing_);
    }
    updatePreview();
}

void ItemPropertyPanel::showForm(QWidget* form) {
    forms_->setCurrentWidget(form);
    scroll_->setVisible(!isPreviewOnly());
    preview_->setVisible(form != textEditor_);
}

void ItemPropertyPanel::updatePreview() {
    const SiteNodeRef& node = context_.shownItem().node();
    const bool shown =
        node.kind != SiteNodeKind::None || !context_.shownItem().filePath().isEmpty();
    const bool isFolder = node.kind == SiteNodeKind::Folder;
    const QString path = node.kind == SiteNodeKind::Page ? node.page->url
                         : isFolder                      ? QString()
                                                         : context_.shownItem().filePath();
    if (shown == previewShown_ && path == previewPath_ && isFolder == previewIsFolder_)
        return;
    previewShown_ = shown;
    previewPath_ = path;
    previewIsFolder_ = isFolder;
    if (shown)
        preview_->showPath(path, isFolder);
    else
        preview_->clear();
}

void ItemPropertyPanel::openTextEditor(EditorField field) {
    if (!linkForm_)
        return;
    const ItemValues values = itemValues(linkForm_->node());
    editorField_ = field;
    editorOpen_ = true;
    showForm(textEditor_);
    textEditor_->edit(field == EditorField::Caption ? values.caption : values.desc);
}

void ItemPropertyPanel::closeTextEditor() {
    if (!editorOpen_ || !linkForm_)
        return;
    editorOpen_ = false;
    const QString text = textEditor_->text();
    const bool caption = editorField_ == EditorField::Caption;
    changeItem(context_, linkForm_->node(), caption ? sid::LabelLinkText : sid::LabelDescription,
               [&](ItemValues& v) { (caption ? v.caption : v.desc) = text; });
    showShownItem();
}

void ItemPropertyPanel::togglePreviewOnly() {
    const bool previewOnly = !isPreviewOnly();
    preview_->setPreviewOnly(previewOnly);
    if (previewOnly) {
        preview_->setMinimumWidth(0);
        preview_->setMaximumWidth(QWIDGETSIZE_MAX);
    } else {
        preview_->setFixedWidth(preview_->sizeHint().width());
    }
    layout()->setAlignment(preview_, previewOnly ? Qt::Alignment() : Qt::AlignTop);
    scroll_->setVisible(!previewOnly);
    layout()->activate();
    showShownItem();
    // The same picture, placed for the other mode.
    if (previewShown_)
        preview_->showPath(previewPath_, previewIsFolder_);
}

void ItemPropertyPanel::folderChanged(CSiteFolder* folder) {
    const SiteNodeRef& node = context_.shownItem().node();
    if (linkForm_ && node.kind == SiteNodeKind::Folder && node.folder == folder)
        linkForm_->nodeChanged();
}

void ItemPropertyPanel::pageChanged(CSiteFolder* folder, int index) {
    const SiteNodeRef& node = context_.shownItem().node();
    if (!linkForm_ || node.kind != SiteNodeKind::Page || node.folder != folder ||
        folder->page(index) != node.page)
        return;
    linkForm_->nodeChanged();
    updatePreview();
}

void ItemPropertyPanel::aboutToReset() {
    // The tree is rebuilt: the forms let go of its nodes now; the shown
    // item follows when the new tree is in place.
    linkForm_ = nullptr;
    folderForm_->showNode(SiteNodeRef());
    pageForm_->showNode(SiteNodeRef());
}

}  // namespace pictavo

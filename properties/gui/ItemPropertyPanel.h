#pragma once
// ItemPropertyPanel: the property area pane. It shows the item of
// AppContext::shownItem() — the folder form, the page form, the file form
// or nothing — beside a preview of the item's picture, and follows the
// album: a field changed elsewhere (a rename in the tree, an undo) fills
// the form again, and a removed item is never shown (ShownItem drops it
// before it is destroyed, and the forms drop it when the tree is rebuilt).
//
// The larger text editor replaces the form while it edits the link text or
// description; its close button writes the text, showing any item drops
// it. A double-click on the picture switches to preview-only mode, where
// the picture uses the whole pane, and back; the mode stays across items.
//
// Ownership: owned by its parent widget (the main window's splitter);
// borrows the context, which must outlive it. Threading: GUI thread.

#include "album/AlbumObserver.h"
#include "properties/gui/LinkForm.h"
#include "shell/gui/Pane.h"

#include <QWidget>

class QScrollArea;
class QStackedWidget;

namespace pictavo {

class AppContext;
class FileForm;
class FolderForm;
class PageForm;
class PicturePreview;
class TextEditorForm;

class ItemPropertyPanel : public QWidget, public Pane, private AlbumObserver {
    Q_OBJECT
public:
    explicit ItemPropertyPanel(AppContext& context, QWidget* parent = nullptr);
    ~ItemPropertyPanel() override;

    PaneId paneId() const override { return PaneId::PropertyArea; }
    QWidget* widget() override { return this; }

    PicturePreview& preview() { return *preview_; }
    bool isPreviewOnly() const;
    bool isTextEditorOpen() const { return editorOpen_; }

private:
    void showShownItem();
    void showForm(QWidget* form);
    void updatePreview();
    void openTextEditor(EditorField field);
    void closeTextEditor();
    void togglePreviewOnly();

    void folderChanged(CSiteFolder* folder) override;
    void pageChanged(CSiteFolder* folder, int index) override;
    void aboutToReset() override;

    AppContext& context_;
    PicturePreview* preview_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QStackedWidget* forms_ = nullptr;
    QWidget* nothing_ = nullptr;
    FolderForm* folderForm_ = nullptr;
    PageForm* pageForm_ = nullptr;
    FileForm* fileForm_ = nullptr;
    TextEditorForm* textEditor_ = nullptr;

    LinkForm* linkForm_ = nullptr;  // the form of the shown folder or page
    bool editorOpen_ = false;
    EditorField editorField_ = EditorField::Caption;
    QString previewPath_;
    bool previewIsFolder_ = false;
    bool previewShown_ = false;
};

}  // namespace pictavo

#pragma once
// LinkForm: the controls folders and pages share in the property area —
// "Link text" and "Description" (each with a button that opens the larger
// text editor), "Link image" and "Link to" (each with a browse button),
// and the position and link style lists — and the writes they make.
//
// A form is bound to one node (showNode). Only the user's own changes write:
// typing, choosing in a list, a browse result. Each write is one undoable
// step; filling the controls from the node never writes. While the form
// writes, notifications of its own edit do not fill the controls again, so
// what the user is typing stays as typed.
//
// Ownership: a child widget of the property area; it keeps the node only
// as long as the property area lets it (see ItemPropertyPanel).
// Threading: GUI thread.

#include "album/SiteNodes.h"
#include "properties/gui/ItemValues.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QGridLayout;
class QIcon;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace pictavo {

class AppContext;

// The two texts the larger text editor edits.
enum class EditorField : int { Caption, Description };

class LinkForm : public QWidget {
    Q_OBJECT
public:
    LinkForm(AppContext& context, int linkToFilterId, QWidget* parent = nullptr);

    void showNode(const SiteNodeRef& node);
    const SiteNodeRef& node() const { return node_; }
    // Fills the controls from the node again, unless the change came from
    // this form's own write.
    void nodeChanged();

signals:
    void textEditorRequested(EditorField field);

protected:
    // Sets every control from values.
    virtual void fill(const ItemValues& values);
    // The user typed a new "Link to" / chose one by browsing.
    virtual void linkToTyped(const QString& text);
    virtual void linkToBrowsed(const QString& path);

    // One undoable step named by nameId (see changeItem).
    bool write(int nameId, const std::function<void(ItemValues&)>& change);
    AppContext& context() { return context_; }
    ItemValues values() const { return itemValues(node_); }

    // Rows below the shared controls.
    QGridLayout* grid() { return grid_; }
    int nextRow() const;
    void setLinkImage(bool enabled, const QString& text);

    static void setTextIfDifferent(QLineEdit* edit, const QString& text);
    QToolButton* makeButton(const QString& objectName, int tipId, const QIcon& icon);

private:
    void buildControls();
    void browseLinkImage();
    void browseLinkTo();

    AppContext& context_;
    const int linkToFilterId_;
    SiteNodeRef node_;
    bool writing_ = false;

    QGridLayout* grid_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QLineEdit* linkImage_ = nullptr;
    QToolButton* linkImageBrowse_ = nullptr;
    QComboBox* posStyle_ = nullptr;
    QComboBox* lnkStyle_ = nullptr;
    QLineEdit* linkTo_ = nullptr;
    QPlainTextEdit* desc_ = nullptr;
};

}  // namespace pictavo

#pragma once
// PageForm: the property area's form for a page of a folder — the shared
// link controls, where "Link image" applies only to a web link ("Link to"
// beginning with a web address): for any other page the thumbnail is the
// link image and the field is disabled, showing "Use thumbnail image".
// Choosing a file for "Link to" with the browse button also makes the page
// show its picture above its text, linked by the picture; typing the same
// path leaves the styles alone. Four buttons show the first, previous,
// next and last page of the same folder.
//
// Threading: GUI thread.

#include "properties/gui/LinkForm.h"

namespace pictavo {

class PageForm : public LinkForm {
    Q_OBJECT
public:
    explicit PageForm(AppContext& context, QWidget* parent = nullptr);

protected:
    void fill(const ItemValues& values) override;
    void linkToTyped(const QString& text) override;
    void linkToBrowsed(const QString& path) override;

private:
    enum class Step { First, Previous, Next, Last };
    void addNavigationRow();
    void applyLinkImageRule(const ItemValues& values);
    void showPageAt(Step step);
};

}  // namespace pictavo

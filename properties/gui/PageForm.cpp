#include "properties/gui/PageForm.h"

#include "core/FileKind.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace pictavo {

namespace {

bool isWebLink(const QString& url) {
    return ClassifyFileKind(url) == FileKind::WebLink;
}

}  // namespace

PageForm::PageForm(AppContext& context, QWidget* parent)
    : LinkForm(context, sid::PageLinkToFilter, parent) {
    addNavigationRow();
}

void PageForm::addNavigationRow() {
    struct Button {
        Step step;
        const char* name;
        int tipId;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[] = {
        {Step::First, "firstPageButton", sid::NavFirst, QStyle::SP_MediaSkipBackward},
        {Step::Previous, "previousPageButton", sid::NavPrevious, QStyle::SP_MediaSeekBackward},
        {Step::Next, "nextPageButton", sid::NavNext, QStyle::SP_MediaSeekForward},
        {Step::Last, "lastPageButton", sid::NavLast, QStyle::SP_MediaSkipForward},
    };
    auto* row = new QHBoxLayout;
    for (const Button& b : buttons) {
        QToolButton* button =
            makeButton(QLatin1String(b.name), b.tipId, style()->standardIcon(b.icon));
        connect(button, &QToolButton::clicked, this, [this, step = b.step] { showPageAt(step); });
        row->addWidget(button);
    }
    row->addStretch(1);
    const int at = nextRow();
    grid()->addLayout(row, at, 1);
    grid()->setRowStretch(at + 1, 1);
}

void PageForm::fill(const ItemValues& values) {
    LinkForm::fill(values);
    applyLinkImageRule(values);
}

void PageForm::applyLinkImageRule(const ItemValues& values) {
    if (isWebLink(values.url))
        setLinkImage(true, values.lnkimg);
    else
        setLinkImage(false, uiText(sid::UseThumbnailImage));
}

void PageForm::linkToTyped(const QString& text) {
    write(sid::LabelLinkTo, [&](ItemValues& v) { v.url = text; });
    applyLinkImageRule(values());
}

void PageForm::linkToBrowsed(const QString& path) {
    write(sid::LabelLinkTo, [&](ItemValues& v) {
        v.url = path;
        if (!isWebLink(path)) {
            v.posstyle = kTopImageBottomText;
            v.lnkstyle = kImageLink;
        }
    });
    fill(values());
}

void PageForm::showPageAt(Step step) {
    CSiteFolder* folder = node().folder;
    const int current = folder ? folder->indexOfPage(node().page) : -1;
    if (current < 0)
        return;
    const int last = folder->pageListSize() - 1;
    int target = current;
    switch (step) {
        case Step::First:
            target = 0;
            break;
        case Step::Previous:
            target = current - 1;
            break;
        case Step::Next:
            target = current + 1;
            break;
        case Step::Last:
            target = last;
            break;
    }
    if (target < 0 || target > last || target == current)
        return;
    context().shownItem().showNode(SiteNodeRef::forPage(folder, folder->page(target)));
}

}  // namespace pictavo

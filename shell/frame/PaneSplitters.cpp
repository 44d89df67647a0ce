#include "shell/frame/PaneSplitters.h"

namespace pictavo {

PaneSplitters::PaneSplitters(const std::array<QWidget*, 5>& panes, QWidget* parent)
    : QSplitter(Qt::Vertical, parent),
      explorers_(new QSplitter(Qt::Vertical)),
      albumRow_(new QSplitter(Qt::Horizontal)),
      fileRow_(new QSplitter(Qt::Horizontal)),
      propertyArea_(panes[4]) {
    setObjectName(QStringLiteral("outerSplitter"));
    explorers_->setObjectName(QStringLiteral("explorerSplitter"));
    albumRow_->setObjectName(QStringLiteral("albumRow"));
    fileRow_->setObjectName(QStringLiteral("fileRow"));
    albumRow_->addWidget(panes[0]);
    albumRow_->addWidget(panes[1]);
    fileRow_->addWidget(panes[2]);
    fileRow_->addWidget(panes[3]);
    explorers_->addWidget(albumRow_);
    explorers_->addWidget(fileRow_);
    addWidget(explorers_);
    addWidget(propertyArea_);
    for (QSplitter* splitter : {static_cast<QSplitter*>(this), explorers_, albumRow_, fileRow_})
        splitter->setChildrenCollapsible(false);
    // One column width for both rows.
    connect(albumRow_, &QSplitter::splitterMoved, this,
            [this] { fileRow_->setSizes(albumRow_->sizes()); });
    connect(fileRow_, &QSplitter::splitterMoved, this,
            [this] { albumRow_->setSizes(fileRow_->sizes()); });
}

void PaneSplitters::applyInitialLayout(QSize screen, PaneVisibility panes) {
    panes = normalized(panes);
    const PaneSizes sizes = initialPaneSizes(screen, panes);
    setLeftColumn(sizes.leftColumn);
    setRows(panes, sizes);
}

void PaneSplitters::applyVisibility(PaneVisibility panes, int windowHeight) {
    panes = normalized(panes);
    setRows(panes, paneSizesForHeight(windowHeight, panes));
}

void PaneSplitters::setRows(PaneVisibility panes, const PaneSizes& sizes) {
    albumRow_->setVisible(panes.albumExplorer);
    fileRow_->setVisible(panes.fileExplorer);
    propertyArea_->setVisible(panes.propertyWnd);
    const int total = std::max(sizes.topArea, height());
    setSizes({sizes.topArea, panes.propertyWnd ? std::max(total - sizes.topArea, 1) : 0});
    explorers_->setSizes(
        {sizes.albumRow, panes.fileExplorer ? std::max(sizes.topArea - sizes.albumRow, 1) : 0});
}

void PaneSplitters::setLeftColumn(int width) {
    const int rest = std::max(width * 2, 1);
    albumRow_->setSizes({width, rest});
    fileRow_->setSizes({width, rest});
}

PaneVisibility PaneSplitters::visibility() const {
    return {!albumRow_->isHidden(), !fileRow_->isHidden(), !propertyArea_->isHidden()};
}

}  // namespace pictavo

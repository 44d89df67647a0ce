#pragma once
// PaneSplitters: the five panes in their splitters. The outer splitter has
// the top area above the property area; the top area has the album explorer
// row (album explorer | album folder list) above the file explorer row
// (file explorer tree | file list), and the two rows keep one column width.
// A hidden pane is a hidden row; the visibility flags are read back from
// the rows.

#include "shell/frame/PaneLayout.h"

#include <QSplitter>

#include <array>

namespace pictavo {

class PaneSplitters : public QSplitter {
    Q_OBJECT
public:
    // panes in creation order: album explorer, album folder list, file
    // explorer tree, file list, property area. Takes ownership.
    explicit PaneSplitters(const std::array<QWidget*, 5>& panes, QWidget* parent = nullptr);

    void applyInitialLayout(QSize screen, PaneVisibility panes);
    void applyVisibility(PaneVisibility panes, int windowHeight);
    PaneVisibility visibility() const;

private:
    void setRows(PaneVisibility panes, const PaneSizes& sizes);
    void setLeftColumn(int width);

    QSplitter* explorers_;
    QSplitter* albumRow_;
    QSplitter* fileRow_;
    QWidget* propertyArea_;
};

}  // namespace pictavo

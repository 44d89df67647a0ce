#include "shell/frame/PlaceholderPane.h"

namespace pictavo {

PlaceholderPane::PlaceholderPane(PaneId id, const QString& caption, QWidget* parent)
    : QLabel(caption, parent), id_(id) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::StyledPanel);
    setMinimumSize(40, 20);
}

}  // namespace pictavo

#include "shell/gui/ContextMenuBuilder.h"

#include <QAction>
#include <QMenu>

namespace pictavo {

ContextMenuBuilder& ContextMenuBuilder::addGroup(QList<QAction*> actions) {
    actions.removeIf([](const QAction* action) { return !action || !action->isVisible(); });
    if (!actions.isEmpty())
        groups_.append(std::move(actions));
    return *this;
}

void ContextMenuBuilder::fill(QMenu& menu) const {
    for (qsizetype i = 0; i < groups_.size(); ++i) {
        if (i > 0)
            menu.addSeparator();
        menu.addActions(groups_[i]);
    }
}

bool ContextMenuBuilder::isEmpty() const {
    return groups_.isEmpty();
}

}  // namespace pictavo

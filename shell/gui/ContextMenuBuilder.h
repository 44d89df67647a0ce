#pragma once
// ContextMenuBuilder: fills a menu from groups of actions, with a separator
// between two groups that show something and none before the first or
// after the last. Null and invisible actions count as absent, so a group of
// commands that do not apply leaves no empty gap.

#include <QList>

#include <initializer_list>

class QAction;
class QMenu;

namespace pictavo {

class ContextMenuBuilder {
public:
    ContextMenuBuilder& addGroup(QList<QAction*> actions);
    ContextMenuBuilder& addGroup(std::initializer_list<QAction*> actions) {
        return addGroup(QList<QAction*>(actions));
    }

    // Appends the groups to menu (which is expected to be empty).
    void fill(QMenu& menu) const;
    bool isEmpty() const;

private:
    QList<QList<QAction*>> groups_;
};

}  // namespace pictavo

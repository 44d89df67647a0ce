#pragma once
// FileTreePane: the folder tree of the file explorer, under a caption strip.
// The tree shows folders only, starting at its roots (the home folder and
// the file-system root); an item's subfolders are read when it is expanded
// for the first time. Selecting an item makes its folder the shared
// location; a location set elsewhere (a folder opened in the file list)
// selects its item, reading the folders on the way. Refresh (F5) reads the
// tree again and keeps the selected folder, or the nearest one still there.
//
// Ownership: a widget owned by its parent; borrows the location. GUI thread
// only.

#include "shell/gui/Pane.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace pictavo {

class ExplorerLocation;

class FileTreePane : public QWidget, public Pane {
    Q_OBJECT
public:
    // roots: the top-level folders (absolute paths).
    FileTreePane(ExplorerLocation& location, QStringList roots, QWidget* parent = nullptr);

    PaneId paneId() const override { return PaneId::FileTree; }
    QWidget* widget() override { return this; }
    bool isCommandEnabled(CommandId id) const override { return id == CommandId::Refresh; }
    void runCommand(CommandId id) override;

    QTreeWidget* tree() const { return tree_; }
    // The path of the selected item; empty when none.
    QString selectedFolder() const;
    // Selects the item of path, reading and expanding the folders above it;
    // false when path lies under no root or is no folder.
    bool navigateTo(const QString& path);
    // Reads the whole tree again.
    void rebuild();

private:
    void addRoots();
    void fillChildren(QTreeWidgetItem* item);
    QTreeWidgetItem* childNamed(QTreeWidgetItem* item, const QString& name);
    QTreeWidgetItem* rootFor(const QString& path) const;
    void selectionChanged();

    ExplorerLocation& location_;
    QStringList roots_;
    QLabel* caption_ = nullptr;
    QTreeWidget* tree_ = nullptr;
};

// The tree's default roots: the home folder and the file-system root.
QStringList defaultExplorerRoots();

}  // namespace pictavo

#include "shell/explorer/FileTreePane.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/explorer/ExplorerLocation.h"
#include "shell/gui/FileIcons.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pictavo {

namespace {

constexpr int kCaptionStripHeight = 18;
constexpr int kIconSide = 16;
constexpr int PathRole = Qt::UserRole;
constexpr int FilledRole = Qt::UserRole + 1;

QString cleanPath(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

// Whether path is base or lies below it.
bool isAtOrBelow(const QString& path, const QString& base) {
    if (path == base)
        return true;
    const QString prefix = base.endsWith(QLatin1Char('/')) ? base : base + QLatin1Char('/');
    return path.startsWith(prefix);
}

QTreeWidgetItem* makeFolderItem(const QString& name, const QString& path) {
    auto* item = new QTreeWidgetItem(QStringList{name});
    item->setData(0, PathRole, path);
    item->setIcon(0, FileIconCache::instance().icon(FileIconKind::Folder, kIconSide));
    // Unread folders may have subfolders: they show the expander.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

QString pathOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, PathRole).toString() : QString();
}

}  // namespace

QStringList defaultExplorerRoots() {
    return {QDir::homePath(), QDir::rootPath()};
}

FileTreePane::FileTreePane(ExplorerLocation& location, QStringList roots, QWidget* parent)
    : QWidget(parent), location_(location), roots_(std::move(roots)) {
    for (QString& root : roots_)
        root = cleanPath(root);
    caption_ = new QLabel(uiText(sid::PaneFileTree), this);
    caption_->setFixedHeight(kCaptionStripHeight);
    caption_->setIndent(4);
    caption_->setAutoFillBackground(true);
    caption_->setBackgroundRole(QPalette::Mid);
    caption_->setForegroundRole(QPalette::BrightText);

    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIconSize(QSize(kIconSide, kIconSide));
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(caption_);
    layout->addWidget(tree_);
    setFocusProxy(tree_);

    connect(tree_, &QTreeWidget::itemExpanded, this, &FileTreePane::fillChildren);
    connect(tree_, &QTreeWidget::currentItemChanged, this, &FileTreePane::selectionChanged);
    connect(&location_, &ExplorerLocation::folderChanged, this, &FileTreePane::navigateTo);
    connect(&location_, &ExplorerLocation::refreshRequested, this, &FileTreePane::rebuild);

    addRoots();
    if (!navigateTo(location_.folder()) && tree_->topLevelItemCount() > 0)
        tree_->setCurrentItem(tree_->topLevelItem(0));
}

void FileTreePane::addRoots() {
    for (const QString& root : roots_) {
        const QString name = QDir(root).isRoot() ? root : QDir(root).dirName();
        tree_->addTopLevelItem(makeFolderItem(name, root));
    }
}

void FileTreePane::runCommand(CommandId id) {
    if (id == CommandId::Refresh)
        location_.refresh();
}

QString FileTreePane::selectedFolder() const {
    return pathOf(tree_->currentItem());
}

void FileTreePane::selectionChanged() {
    const QString path = selectedFolder();
    if (!path.isEmpty())
        location_.setFolder(path);
}

void FileTreePane::fillChildren(QTreeWidgetItem* item) {
    if (!item || item->data(0, FilledRole).toBool())
        return;
    item->setData(0, FilledRole, true);
    const QDir folder(pathOf(item));
    const QFileInfoList subfolders =
        folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QList<QTreeWidgetItem*> children;
    for (const QFileInfo& info : subfolders)
        children << makeFolderItem(info.fileName(), info.absoluteFilePath());
    item->addChildren(children);
    item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

// The child of item for the subfolder name; a folder left out of the
// listing (hidden, or made since it was read) gets an item when it exists.
QTreeWidgetItem* FileTreePane::childNamed(QTreeWidgetItem* item, const QString& name) {
    fillChildren(item);
    for (int i = 0; i < item->childCount(); ++i)
        if (item->child(i)->text(0) == name)
            return item->child(i);
    const QString path = QDir(pathOf(item)).filePath(name);
    if (!QFileInfo(path).isDir())
        return nullptr;
    QTreeWidgetItem* child = makeFolderItem(name, path);
    item->addChild(child);
    return child;
}

// The root holding path; the deepest when roots nest (home inside "/").
QTreeWidgetItem* FileTreePane::rootFor(const QString& path) const {
    QTreeWidgetItem* best = nullptr;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = tree_->topLevelItem(i);
        if (isAtOrBelow(path, pathOf(root)) && pathOf(root).size() > pathOf(best).size())
            best = root;
    }
    return best;
}

bool FileTreePane::navigateTo(const QString& path) {
    if (path.isEmpty())
        return false;
    const QString target = cleanPath(path);
    if (target == selectedFolder())
        return true;
    QTreeWidgetItem* item = rootFor(target);
    if (!item)
        return false;
    const QString below = target.mid(pathOf(item).size());
    for (const QString& name : below.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        item->setExpanded(true);
        item = childNamed(item, name);
        if (!item)
            return false;
    }
    fillChildren(item);  // also while the tree's signals are blocked
    item->setExpanded(true);
    tree_->setCurrentItem(item);
    tree_->scrollToItem(item);
    return true;
}

void FileTreePane::rebuild() {
    QString folder = selectedFolder();
    tree_->setUpdatesEnabled(false);
    {
        const QSignalBlocker quiet(tree_);
        tree_->clear();
        addRoots();
        while (!folder.isEmpty() && !navigateTo(folder)) {
            const QString parent = cleanPath(folder + QStringLiteral("/.."));
            folder = parent == folder ? QString() : parent;
        }
    }
    tree_->setUpdatesEnabled(true);
    selectionChanged();
}

}  // namespace pictavo

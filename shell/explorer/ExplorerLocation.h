#pragma once
// ExplorerLocation: the disk folder the file explorer shows, shared by its
// two panes. The folder tree sets it when its selection changes and follows
// it when the file list opens a folder entry; the file list shows whatever
// it names. Refresh asks both panes to read the disk again. The panes know
// only this object, never each other.
//
// Ownership: created with the panes, parented to the context. GUI thread
// only.

#include <QObject>
#include <QString>

namespace pictavo {

class ExplorerLocation : public QObject {
    Q_OBJECT
public:
    explicit ExplorerLocation(QString folder, QObject* parent = nullptr);

    // An absolute, cleaned path.
    const QString& folder() const { return folder_; }
    void setFolder(const QString& path);
    void refresh() { emit refreshRequested(); }

signals:
    void folderChanged(const QString& folder);
    void refreshRequested();

private:
    QString folder_;
};

// The same folder on disk: equal canonical paths, or equal cleaned paths
// when either does not exist.
bool isSameFolder(const QString& a, const QString& b);

}  // namespace pictavo

#pragma once
// RecentFileList: the four most recently opened albums, entry 1 the most
// recent. An empty entry is not shown. Plain value owned by the main window;
// the settings store loads and saves it. Not thread-safe.

#include <QString>
#include <QStringList>

#include <array>

namespace pictavo {

class RecentFileList {
public:
    static constexpr int kSize = 4;

    // Entries are numbered 1 to kSize; other numbers read as empty and are
    // ignored on write.
    QString entry(int n) const;
    void setEntry(int n, const QString& path);

    // After an album opened: path becomes entry 1 and the entries before its
    // old place move down one (a new path drops entry 4). Exact comparison.
    void add(const QString& path);

    // After entry n failed to open: entry n is emptied and the later entries
    // close the gap.
    void remove(int n);

    // The non-empty entries in list order, as the File menu shows them.
    QStringList shown() const;

    bool operator==(const RecentFileList&) const = default;

private:
    std::array<QString, kSize> entries_;
};

}  // namespace pictavo

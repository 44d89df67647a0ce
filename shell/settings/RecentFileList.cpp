#include "shell/settings/RecentFileList.h"

namespace pictavo {

namespace {

bool validNumber(int n) {
    return n >= 1 && n <= RecentFileList::kSize;
}

}  // namespace

QString RecentFileList::entry(int n) const {
    return validNumber(n) ? entries_[n - 1] : QString();
}

void RecentFileList::setEntry(int n, const QString& path) {
    if (validNumber(n))
        entries_[n - 1] = path;
}

void RecentFileList::add(const QString& path) {
    // Find how far down the path already sits; a path in entry 4 or not in the
    // list at all pushes every entry down and drops the last.
    int found = kSize;
    for (int i = 0; i < kSize - 1; ++i) {
        if (entries_[i] == path) {
            found = i;
            break;
        }
    }
    const int lastToMove = found == kSize ? kSize - 1 : found;
    for (int i = lastToMove; i > 0; --i)
        entries_[i] = entries_[i - 1];
    entries_[0] = path;
}

void RecentFileList::remove(int n) {
    if (!validNumber(n))
        return;
    entries_[n - 1].clear();
    // Each of entries 1 to 3, when empty, pulls the later entries up one
    // place; checked once each, in this order.
    for (int gap = 0; gap < kSize - 1; ++gap) {
        if (!entries_[gap].isEmpty())
            continue;
        for (int i = gap; i < kSize - 1; ++i)
            entries_[i] = entries_[i + 1];
        entries_[kSize - 1].clear();
    }
}

QStringList RecentFileList::shown() const {
    QStringList result;
    for (const QString& e : entries_) {
        if (!e.isEmpty())
            result << e;
    }
    return result;
}

}  // namespace pictavo

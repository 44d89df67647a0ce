#include "shell/settings/RecentFileList.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

RecentFileList listOf(const QStringList& entries) {
    RecentFileList list;
    for (int n = 1; n <= entries.size(); ++n)
        list.setEntry(n, entries.at(n - 1));
    return list;
}

QStringList entriesOf(const RecentFileList& list) {
    QStringList result;
    for (int n = 1; n <= RecentFileList::kSize; ++n)
        result << list.entry(n);
    return result;
}

TEST(RecentFileList, AddMovesThePathToTheTop) {
    const struct {
        QString path;
        QStringList expected;
    } cases[] = {
        {"/a.www", {"/a.www", "/b.www", "/c.www", "/d.www"}},
        // Entry 3 goes to the top, 1 and 2 move down, entry 4 stays.
        {"/c.www", {"/c.www", "/a.www", "/b.www", "/d.www"}},
        // The search stops before the last entry: it moves up like a new path.
        {"/d.www", {"/d.www", "/a.www", "/b.www", "/c.www"}},
        {"/e.www", {"/e.www", "/a.www", "/b.www", "/c.www"}},
        // The comparison is exact: another case is another album.
        {"/B.www", {"/B.www", "/a.www", "/b.www", "/c.www"}},
    };
    for (const auto& c : cases) {
        RecentFileList list = listOf({"/a.www", "/b.www", "/c.www", "/d.www"});
        list.add(c.path);
        EXPECT_EQ(entriesOf(list), c.expected) << c.path.toStdString();
    }
}

TEST(RecentFileList, AddToEmptyListFillsFromTheTop) {
    RecentFileList list;
    list.add("/x.www");
    list.add("/y.www");
    EXPECT_EQ(entriesOf(list), (QStringList{"/y.www", "/x.www", "", ""}));
    EXPECT_EQ(list.shown(), (QStringList{"/y.www", "/x.www"}));
}

TEST(RecentFileList, RemoveClosesTheGap) {
    const struct {
        QStringList before;
        int n;
        QStringList expected;
    } cases[] = {
        {{"a", "b", "c", "d"}, 1, {"b", "c", "d", ""}},
        {{"a", "b", "c", "d"}, 4, {"a", "b", "c", ""}},
        {{"a", "", "", ""}, 1, {"", "", "", ""}},
        {{"a", "b", "c", "d"}, 5, {"a", "b", "c", "d"}},  // out of range
    };
    for (const auto& c : cases) {
        RecentFileList list = listOf(c.before);
        list.remove(c.n);
        EXPECT_EQ(entriesOf(list), c.expected) << "remove " << c.n;
    }
}

}  // namespace
}  // namespace pictavo

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

struct AddCase {
    const char* name;
    QString path;
    QStringList expected;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class RecentFileAdd : public testing::TestWithParam<AddCase> {};

TEST_P(RecentFileAdd, MovesPathToTheTop) {
    RecentFileList list = listOf({"/a.www", "/b.www", "/c.www", "/d.www"});
    list.add(GetParam().path);
    EXPECT_EQ(entriesOf(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentFileAdd,
    testing::Values(AddCase{"entry1", "/a.www", {"/a.www", "/b.www", "/c.www", "/d.www"}},
                    // Entry 3 goes to the top, 1 and 2 move down, entry 4 stays.
                    AddCase{"entry3", "/c.www", {"/c.www", "/a.www", "/b.www", "/d.www"}},
                    // The search stops before the last entry: it moves up like a new path.
                    AddCase{"entry4", "/d.www", {"/d.www", "/a.www", "/b.www", "/c.www"}},
                    AddCase{"newPathDropsLast", "/e.www", {"/e.www", "/a.www", "/b.www", "/c.www"}},
                    // The comparison is exact: another case is another album.
                    AddCase{"caseSensitive", "/B.www", {"/B.www", "/a.www", "/b.www", "/c.www"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(RecentFileList, AddToEmptyListFillsFromTheTop) {
    RecentFileList list;
    list.add("/x.www");
    list.add("/y.www");
    EXPECT_EQ(entriesOf(list), (QStringList{"/y.www", "/x.www", "", ""}));
    EXPECT_EQ(list.shown(), (QStringList{"/y.www", "/x.www"}));
}

struct RemoveCase {
    const char* name;
    QStringList before;
    int n;
    QStringList expected;
};

void PrintTo(const RemoveCase& c, std::ostream* os) {
    *os << c.name;
}

class RecentFileRemove : public testing::TestWithParam<RemoveCase> {};

TEST_P(RecentFileRemove, ClosesTheGap) {
    RecentFileList list = listOf(GetParam().before);
    list.remove(GetParam().n);
    EXPECT_EQ(entriesOf(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecentFileRemove,
    testing::Values(RemoveCase{"first", {"a", "b", "c", "d"}, 1, {"b", "c", "d", ""}},
                    RemoveCase{"fourth", {"a", "b", "c", "d"}, 4, {"a", "b", "c", ""}},
                    RemoveCase{"onlyEntry", {"a", "", "", ""}, 1, {"", "", "", ""}},
                    RemoveCase{"outOfRange", {"a", "b", "c", "d"}, 5, {"a", "b", "c", "d"}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace pictavo

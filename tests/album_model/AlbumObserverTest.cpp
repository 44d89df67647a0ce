// Notifications of the album tree: every structural change as an
// about-to/done pair with the right folder and positions, field edits and
// resets as single notifications, the modified flag once per change of state.

#include "album/AlbumTree.h"
#include "tests/album_model/RecordingObserver.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <functional>

namespace pictavo {
namespace {

using test::makePage;
using test::RecordingObserver;

// Index(0) with A(1) [A1(2), pages p0 p1 p2] and B(3); not modified.
class ObservedTree {
public:
    ObservedTree() {
        a = tree.insertFolder(tree.root(), QStringLiteral("A"));
        a1 = tree.insertFolder(a, QStringLiteral("A1"));
        b = tree.insertFolder(tree.root(), QStringLiteral("B"));
        for (const char* caption : {"p0", "p1", "p2"})
            tree.appendPage(a, makePage(QString::fromLatin1(caption)));
        tree.setModified(false);
        tree.addObserver(&observer);
    }
    ~ObservedTree() { tree.removeObserver(&observer); }
    AlbumTree tree;
    CSiteFolder* a = nullptr;
    CSiteFolder* a1 = nullptr;
    CSiteFolder* b = nullptr;
    RecordingObserver observer;
};

struct NotificationCase {
    const char* name;
    std::function<void(ObservedTree&)> operation;
    QStringList expected;
};

class AlbumTreeNotifications : public ::testing::TestWithParam<NotificationCase> {};

TEST_P(AlbumTreeNotifications, ReportsTheChange) {
    ObservedTree fixture;
    GetParam().operation(fixture);
    EXPECT_EQ(fixture.observer.events, GetParam().expected);
}

const NotificationCase kNotificationCases[] = {
    {"InsertLast",
     [](ObservedTree& t) { t.tree.insertFolder(t.a, QStringLiteral("x")); },
     {"aboutToInsert 1 1", "inserted 1 1", "modified 1"}},
    {"Adopt",
     [](ObservedTree& t) {
         auto folder = std::make_unique<CSiteFolder>();
         folder->id = 42;
         t.tree.adoptFolder(t.b, std::move(folder));
     },
     {"aboutToInsert 3 0", "inserted 3 0", "modified 1"}},
    {"Remove",
     [](ObservedTree& t) { t.tree.removeFolder(t.a1); },
     {"aboutToRemove 1 0", "removed 1 0", "modified 1"}},
    {"Move",
     [](ObservedTree& t) { t.tree.moveFolder(t.b, 0); },
     {"aboutToMove 0 1 0", "moved 0 1 0", "modified 1"}},
    {"RefusedMove", [](ObservedTree& t) { t.tree.moveFolder(t.b, 5); }, {}},
    {"EditFolder",
     [](ObservedTree& t) { t.tree.editFolder(t.b, [](CSiteFolder& f) { f.caption = "C"; }); },
     {"folderChanged 3", "modified 1"}},
    {"AppendPage",
     [](ObservedTree& t) { t.tree.appendPage(t.b, makePage("n")); },
     {"aboutToInsertPages 3 0 0", "pagesInserted 3 0 0", "modified 1"}},
    {"RemovePage",
     [](ObservedTree& t) { t.tree.removePage(t.a, 1); },
     {"aboutToRemovePages 1 1 1", "pagesRemoved 1 1 1", "modified 1"}},
    // After p0 moves behind p2 all three ids change.
    {"MovePage",
     [](ObservedTree& t) { t.tree.movePage(t.a, 0, 2); },
     {"aboutToMovePage 1 0 2", "pageMoved 1 0 2", "pageChanged 1 0", "pageChanged 1 1",
      "pageChanged 1 2", "modified 1"}},
    {"EditPage",
     [](ObservedTree& t) { t.tree.editPage(t.a, 2, [](CSitePage& p) { p.desc = "d"; }); },
     {"pageChanged 1 2", "modified 1"}},
    {"EditPageOutOfRange", [](ObservedTree& t) { t.tree.editPage(t.a, 3, [](CSitePage&) {}); }, {}},
    {"Reset", [](ObservedTree& t) { t.tree.reset(); }, {"aboutToReset", "resetDone"}},
    {"ResetOfModifiedAlbum",
     [](ObservedTree& t) {
         t.tree.setModified(true);
         t.tree.reset();
     },
     {"modified 1", "aboutToReset", "resetDone", "modified 0"}},
    {"ModifiedReportedOnce",
     [](ObservedTree& t) {
         t.tree.insertFolder(t.b, QStringLiteral("x"));
         t.tree.insertFolder(t.b, QStringLiteral("y"));
     },
     {"aboutToInsert 3 0", "inserted 3 0", "modified 1", "aboutToInsert 3 1", "inserted 3 1"}},
};

INSTANTIATE_TEST_SUITE_P(Cases, AlbumTreeNotifications, ::testing::ValuesIn(kNotificationCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Checks that a removed folder is still whole when "about to" arrives and
// gone from its parent when "removed" arrives.
class RemovalWitness : public AlbumObserver {
public:
    QStringList seen;
    void folderAboutToBeRemoved(CSiteFolder* parent, int index) override {
        const CSiteFolder* going = parent->child(index);
        seen << going->caption + QLatin1Char('/') + going->child(0)->caption;
        childrenBefore = parent->childCount();
    }
    void folderRemoved(CSiteFolder* parent, int) override { childrenAfter = parent->childCount(); }
    int childrenBefore = -1;
    int childrenAfter = -1;
};

TEST(AlbumTreeNotifications, RemovedFolderIsReadableUntilRemoved) {
    ObservedTree fixture;
    RemovalWitness witness;
    fixture.tree.addObserver(&witness);
    fixture.tree.removeFolder(fixture.a);
    fixture.tree.removeObserver(&witness);
    EXPECT_EQ(witness.seen, QStringList({"A/A1"}));
    EXPECT_EQ(witness.childrenBefore, 2);
    EXPECT_EQ(witness.childrenAfter, 1);
}

class SelfRemovingObserver : public AlbumObserver {
public:
    explicit SelfRemovingObserver(AlbumTree& tree) : tree_(tree) {}
    void folderInserted(CSiteFolder*, int) override {
        ++calls;
        tree_.removeObserver(this);
    }
    int calls = 0;

private:
    AlbumTree& tree_;
};

TEST(AlbumTreeNotifications, ObserverMayRemoveItselfWhileCalled) {
    ObservedTree fixture;
    SelfRemovingObserver leaving(fixture.tree);
    // The leaving observer is called first; the recorder after it must still
    // hear of both insertions.
    fixture.tree.removeObserver(&fixture.observer);
    fixture.tree.addObserver(&leaving);
    fixture.tree.addObserver(&fixture.observer);
    fixture.tree.addObserver(&fixture.observer);  // a second add is ignored
    fixture.tree.insertFolder(fixture.b, QStringLiteral("x"));
    fixture.tree.insertFolder(fixture.b, QStringLiteral("y"));
    EXPECT_EQ(leaving.calls, 1);
    EXPECT_EQ(fixture.observer.events.count(QStringLiteral("inserted 3 0")), 1);
    EXPECT_EQ(fixture.observer.events.count(QStringLiteral("inserted 3 1")), 1);
}

}  // namespace
}  // namespace pictavo

// Undo and redo give back the album byte for byte with its counters; the
// modified flag follows the saved position; the step limit; the clipboard
// across an undo and across New and Open.

#include "album/editing/AlbumEditor.h"
#include "album/file/AlbumFile.h"
#include "album/undo/AlbumUndoStack.h"
#include "tests/album_model/RecordingObserver.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <functional>

namespace pictavo {
namespace {

using test::childCaptions;
using test::makePage;

// Index
//   Trip [Birds [Eagle], Alps, Coast], pages t0 t1 t2
//   Home, pages h0 h1
// A folder made and deleted leaves nextFolderId above the highest id, and
// the new-folder and new-link numbers are in use, so the counters differ
// from anything the file implies.
class UndoTest : public ::testing::Test {
protected:
    void SetUp() override {
        CSiteFolder* trip = add(root(), "Trip");
        CSiteFolder* birds = add(trip, "Birds");
        add(birds, "Eagle");
        add(trip, "Alps");
        add(trip, "Coast");
        CSiteFolder* home = add(root(), " Home ");
        for (const char* c : {"t0", "t1", "t2"})
            album.tree.appendPage(trip, makePage(QString::fromLatin1(c)));
        for (const char* c : {"h0", "h1"})
            album.tree.appendPage(home, makePage(QString::fromLatin1(c)));
        album.tree.editPage(home, 1, [](CSitePage& p) {
            p.desc = QStringLiteral("two\r\nlines, Zürich 東京");
            p.url = QStringLiteral("/photos/a b#1%.jpg");
        });
        album.tree.removeFolder(editor.newFolder(root()));
        editor.newLink(home);
        album.tree.removePage(home, 2);
        album.website.general.title = QStringLiteral("Holidays");
        album.layout.main.cols = 4;
        album.tree.setModified(false);
    }

    CSiteFolder* root() { return album.tree.root(); }
    CSiteFolder* add(CSiteFolder* parent, const char* caption) {
        return album.tree.insertFolder(parent, QString::fromUtf8(caption));
    }
    // By caption: pointers do not survive a restore.
    CSiteFolder* folder(const char* caption) {
        CSiteFolder* found = nullptr;
        album.tree.walk([&](CSiteFolder* f, int) {
            if (!found && f->caption == QString::fromUtf8(caption))
                found = f;
        });
        return found;
    }
    QByteArray bytes() { return serializeAlbum(album); }
    using State = std::pair<QByteArray, AlbumTree::Counters>;
    State state() { return {bytes(), album.tree.counters()}; }
    bool rename(const char* from, const char* to) {
        return stack.perform(QStringLiteral("Rename"), [=, this] {
            return editor.renameFolder(folder(from), QString::fromUtf8(to));
        });
    }

    Album album;
    AlbumEditor editor{album};
    AlbumUndoStack stack{album};
};

// Three steps: one that uses up a folder and a link number, one that moves a
// subtree (the cut alone changes only the clipboard), one on property
// records, which does not go through the tree. Each step's states are
// restored exactly, twice over.
TEST_F(UndoTest, UndoAndRedoGiveBackTheExactAlbumAndCounters) {
    const std::function<bool()> edits[] = {
        [&] { return editor.newFolder(folder("Birds")) && editor.newLink(folder("Trip")); },
        [&] { return editor.cutFolder(folder("Birds")) && editor.paste(folder(" Home ")); },
        [&] {
            album.website.general.title = QStringLiteral("Ferien");
            album.website.footerStr = QStringLiteral("© 2024\r\nall rights");
            album.website.metas.emplace_back();
            album.website.metas.back().name = QStringLiteral("author");
            return true;
        }};
    std::vector<State> states = {state()};
    for (const auto& edit : edits) {
        ASSERT_TRUE(stack.perform(QStringLiteral("Edit"), edit));
        ASSERT_NE(state(), states.back());
        states.push_back(state());
        EXPECT_TRUE(album.tree.isModified());
    }
    for (int round = 0; round < 2; ++round) {
        for (size_t i = states.size() - 1; i-- > 0;) {
            ASSERT_TRUE(stack.undo());
            EXPECT_EQ(state(), states[i]);
            EXPECT_EQ(album.tree.isModified(), i != 0);
        }
        for (size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(stack.redo());
            EXPECT_EQ(state(), states[i]);
            EXPECT_TRUE(album.tree.isModified());
        }
    }
}

// Saved after the first of two steps; then an edit after two undos drops
// the redo steps and the saved position with them.
TEST_F(UndoTest, ModifiedFlagFollowsTheSavedPosition) {
    ASSERT_TRUE(rename("Alps", "A1"));
    stack.markSaved();
    album.tree.setModified(false);  // as the save does
    ASSERT_TRUE(rename("A1", "A2"));
    const auto modifiedAfter = [&](bool (AlbumUndoStack::*move)()) {
        EXPECT_TRUE((stack.*move)());
        return album.tree.isModified();
    };
    EXPECT_FALSE(modifiedAfter(&AlbumUndoStack::undo));  // back at the save
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::undo));
    EXPECT_FALSE(stack.undo());
    EXPECT_FALSE(modifiedAfter(&AlbumUndoStack::redo));
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::redo));
    EXPECT_FALSE(stack.redo());
    EXPECT_EQ(childCaptions(folder("Trip")), QStringList({"Birds", "A2", "Coast"}));

    stack.undo();
    stack.undo();
    ASSERT_TRUE(rename("Alps", "B1"));
    EXPECT_FALSE(stack.canRedo());
    EXPECT_TRUE(album.tree.isModified());
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::undo));
    EXPECT_FALSE(stack.canUndo());
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::redo));
    // Two steps deep again, where the old branch was saved.
    ASSERT_TRUE(rename("B1", "B2"));
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::undo));
    EXPECT_TRUE(modifiedAfter(&AlbumUndoStack::redo));
    EXPECT_EQ(childCaptions(folder("Trip")), QStringList({"Birds", "B2", "Coast"}));
}

TEST_F(UndoTest, StepsThatChangeNothingAreNotRecorded) {
    int calls = 0;
    stack.setListener([&] { ++calls; });
    EXPECT_FALSE(stack.perform(QStringLiteral("Refused"), [] { return false; }));
    // Reported as a change, but the album is as it was.
    EXPECT_TRUE(rename("Alps", "Alps"));
    EXPECT_FALSE(stack.canUndo());
    EXPECT_EQ(calls, 0);

    ASSERT_TRUE(rename("Alps", "A1"));
    ASSERT_TRUE(rename("Coast", "C1"));
    EXPECT_EQ(calls, 2);
    stack.undo();
    EXPECT_EQ(calls, 3);
    stack.clear();
    EXPECT_FALSE(stack.canUndo());
    EXPECT_FALSE(stack.canRedo());
}

TEST_F(UndoTest, TheLimitDropsTheOldestStepsAndASavedStateAmongThem) {
    AlbumUndoStack limited(album, 2);
    QByteArray states[4] = {bytes()};
    for (int i = 1; i <= 3; ++i) {
        ASSERT_TRUE(limited.perform(QStringLiteral("New folder"),
                                    [&] { return editor.newFolder(root()) != nullptr; }));
        states[i] = bytes();
        if (i == 2)
            limited.markSaved();
    }
    ASSERT_TRUE(limited.undo());
    EXPECT_EQ(bytes(), states[2]);
    EXPECT_FALSE(album.tree.isModified());  // the saved step moved down with the drop
    ASSERT_TRUE(limited.undo());
    EXPECT_EQ(bytes(), states[1]);
    EXPECT_FALSE(limited.undo());

    // Saved at the very first state: dropped by the limit, never reached.
    album.makeNew();
    limited.clear();
    for (int i = 0; i < 3; ++i)
        limited.perform(QStringLiteral("New link"),
                        [&] { return editor.newLink(root()) != nullptr; });
    while (limited.undo())
        EXPECT_TRUE(album.tree.isModified());
}

TEST_F(UndoTest, RestoreResetsViewsAndMarksTheAlbumForGenerating) {
    test::RecordingObserver observer;
    ASSERT_TRUE(rename("Alps", "A1"));
    album.tree.setAlbumChanged(false);
    album.tree.setCdAlbumChanged(false);
    album.tree.addObserver(&observer);
    ASSERT_TRUE(stack.undo());
    album.tree.removeObserver(&observer);
    EXPECT_TRUE(observer.events.contains(QStringLiteral("aboutToReset")));
    EXPECT_TRUE(observer.events.contains(QStringLiteral("resetDone")));
    EXPECT_TRUE(album.tree.albumChanged());
    EXPECT_TRUE(album.tree.cdAlbumChanged());
    EXPECT_FALSE(album.tree.isRestoring());
}

TEST_F(UndoTest, TheClipboardOutlivesAnUndoButNotNewOrOpen) {
    ASSERT_TRUE(editor.copyFolder(folder("Birds")));
    ASSERT_TRUE(stack.perform(QStringLiteral("Paste"), [&] { return editor.paste(root()); }));
    ASSERT_TRUE(stack.undo());
    ASSERT_TRUE(editor.canPaste(root()));
    ASSERT_TRUE(editor.paste(folder("Alps")));
    EXPECT_EQ(childCaptions(folder("Alps")), QStringList({"Birds"}));

    ASSERT_FALSE(editor.clipboard().isEmpty());
    const QByteArray file = bytes();
    ASSERT_TRUE(parseAlbum(album, file));
    EXPECT_TRUE(editor.clipboard().isEmpty());

    editor.setListClipboard(root(), {}, {0}, ClipboardMode::Cut);
    ASSERT_FALSE(editor.clipboard().isEmpty());
    album.makeNew();
    EXPECT_TRUE(editor.clipboard().isEmpty());
}

}  // namespace
}  // namespace pictavo

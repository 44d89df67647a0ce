// New, Open, Save, the recent albums and closing, with the questions
// answered by the test.
#include "FrameFixture.h"

#include <QFile>
#include <QMenu>

namespace pictavo::test {
namespace {

using C = CommandId;

class DocumentFlowTest : public FrameFixture {
protected:
    int folderCount() { return context->album().tree.root()->childCount(); }
    QStringList shownRecentEntries() {
        QStringList shown;
        for (CommandId id : {C::Recent1, C::Recent2, C::Recent3, C::Recent4})
            if (action(id)->isVisible() && action(id)->isEnabled())
                shown << action(id)->text();
        return shown;
    }
};

TEST_F(DocumentFlowTest, NewAsksToSaveAndCancelOrAFailedSaveKeepsTheAlbum) {
    modifyAlbum();
    runAnswering(C::New, Answer::Cancel);
    EXPECT_EQ(prompts.asked, QStringList{"Save changes to Untitled?"});
    EXPECT_EQ(folderCount(), 1);

    // Yes on an album never saved asks for a name; cancelling it ends New.
    runAnswering(C::New, Answer::Yes);
    EXPECT_EQ(folderCount(), 1);
    EXPECT_TRUE(context->album().tree.isModified());

    // A save that fails (the folder does not exist) ends New as well.
    runAnswering(C::New, Answer::Yes, dir.filePath("missing/folder/a.www"));
    EXPECT_EQ(folderCount(), 1);
    EXPECT_TRUE(context->album().tree.isModified());
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Cannot save"));

    runAnswering(C::New, Answer::Yes, dir.filePath("kept"));
    EXPECT_TRUE(QFile::exists(dir.filePath("kept.www")));
    EXPECT_EQ(folderCount(), 0);
    EXPECT_EQ(context->albumPath(), QString());
    EXPECT_FALSE(context->album().tree.isModified());

    modifyAlbum();
    runAnswering(C::Close, Answer::No);
    EXPECT_EQ(folderCount(), 0);
}

TEST_F(DocumentFlowTest, OpenReadsTheAlbumAndABrokenOneLeavesANewAlbum) {
    const QString good = writeAlbum("good.www", "Holiday");
    runWithFile(C::Open, good);
    EXPECT_EQ(rootCaption(), "Holiday");
    EXPECT_EQ(context->albumPath(), good);
    EXPECT_FALSE(context->album().tree.isModified());
    EXPECT_EQ(context->recentFiles().entry(1), good);

    // A file that cannot be read leaves the open album as it was.
    runWithFile(C::Open, dir.filePath("nowhere.www"));
    EXPECT_EQ(rootCaption(), "Holiday");
    EXPECT_EQ(context->albumPath(), good);
    ASSERT_EQ(prompts.errors.size(), 1);

    // A file that is not an album leaves a new album without a name.
    QFile broken(dir.filePath("broken.www"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not an album\r\n");
    broken.close();
    runWithFile(C::Open, broken.fileName());
    EXPECT_EQ(context->albumPath(), QString());
    EXPECT_NE(rootCaption(), "Holiday");
    ASSERT_EQ(prompts.errors.size(), 2);
    EXPECT_TRUE(prompts.errors[1].contains("broken.www"));
    EXPECT_EQ(context->recentFiles().entry(1), good);
}

TEST_F(DocumentFlowTest, RecentAlbumsMoveToTheTopAndAVanishedOneIsRemoved) {
    const QString a = writeAlbum("a.www", "A"), b = writeAlbum("b.www", "B"),
                  c = writeAlbum("c.www", "C"), d = writeAlbum("d.www", "D");
    for (const QString& path : {d, c, b, a}) {
        runWithFile(C::Open, path);
    }
    EXPECT_EQ(shownRecentEntries().size(), 4);
    ASSERT_EQ(context->recentFiles().entry(3), c);
    run(C::Recent3);
    EXPECT_EQ(rootCaption(), "C");
    EXPECT_EQ(context->recentFiles().shown(), (QStringList{c, a, b, d}));
    EXPECT_TRUE(action(C::Recent1)->text().endsWith("c.www"));
    ASSERT_TRUE(QFile::remove(b));
    run(C::Recent3);
    EXPECT_EQ(context->recentFiles().shown(), (QStringList{c, a, d}));
    EXPECT_EQ(shownRecentEntries().size(), 3);
    EXPECT_FALSE(action(C::Recent4)->isVisible());
    EXPECT_EQ(context->albumPath(), c);  // the open album stays
}

TEST_F(DocumentFlowTest, RecentQuestionYesOnAnUnsavedAlbumAsksForAName) {
    const QString other = writeAlbum("other.www", "Other");
    context->recentFiles().add(other);
    context->announceRecentFilesChanged();
    modifyAlbum();
    runAnswering(C::Recent1, Answer::Yes);
    EXPECT_EQ(prompts.asked.value(0), "Do you want to save changes to this document?");
    EXPECT_EQ(prompts.asked.value(1), "<file dialog>");
    EXPECT_EQ(folderCount(), 1);  // name dialog cancelled: nothing replaced or lost
    runAnswering(C::Recent1, Answer::Yes, dir.filePath("first.www"));
    EXPECT_TRUE(QFile::exists(dir.filePath("first.www")));
    EXPECT_EQ(rootCaption(), "Other");
}

TEST_F(DocumentFlowTest, ClosingTheWindowAsksAndWritesTheRecentList) {
    const QString album = writeAlbum("a.www", "A");
    runWithFile(C::Open, album);
    modifyAlbum();
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    prompts.answers = {Answer::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(SettingsStore(dir.filePath("Pictavo.ini")).loadRecentFiles().entry(1), album);
}

}  // namespace
}  // namespace pictavo::test

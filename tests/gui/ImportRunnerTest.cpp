// Imports from the GUI: the walk on a worker under the real progress dialog
// (Cancel clicked while it works), the plan applied as one undo step.
#include "shell/gui/ImportRunner.h"

#include "CancelOnProgress.h"
#include "ScriptedPrompts.h"
#include "album/file/AlbumFile.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/gui/AppContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace pictavo::test {
namespace {

// Forwards the walk to the progress dialog, held at its first entry until
// released.
class HeldWalk : public ImportWalkListener {
public:
    HeldWalk(ImportWalkListener& dialog, std::shared_future<void> released)
        : dialog_(dialog), released_(std::move(released)) {}

    void entriesFound(int count) override { dialog_.entriesFound(count); }
    void entryReached(const QString& path) override {
        dialog_.entryReached(path);
        released_.wait_for(std::chrono::seconds(30));  // a safety net, not a timing
    }
    bool stopRequested() const override { return dialog_.stopRequested(); }

private:
    ImportWalkListener& dialog_;
    std::shared_future<void> released_;
};

class ImportRunnerTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"src/a.jpg", "src/b.txt", "src/inner/c.png"}) {
            const QString path = dir.filePath(name);
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        src = dir.filePath("src");
        context.album().tree.setModified(false);
    }
    CSiteFolder* root() { return context.album().tree.root(); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppContext context{SettingsStore(dir.filePath("Pictavo.ini")), prompts};
    EnvironmentSettings settings;
    QString src;
};

TEST_F(ImportRunnerTest, CancelDuringTheWalkAppliesNothing) {
    const QByteArray before = serializeAlbum(context.album());
    CancelOnProgress user;
    const ImportResult result = runImport(context, root(), [&](ImportWalkListener& dialog) {
        HeldWalk walk(dialog, user.released());
        return planPath(src, settings, &walk);
    });
    ASSERT_TRUE(user.clicked);
    EXPECT_EQ(user.label,
              uiText(sid::WorkInProgress).arg(1).arg(1).arg(QDir::toNativeSeparators(src)));
    EXPECT_FALSE(result.addedAnything());
    EXPECT_EQ(serializeAlbum(context.album()), before);
    EXPECT_FALSE(context.album().tree.isModified());
    EXPECT_FALSE(context.undoStack().canUndo());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(ImportRunnerTest, AFinishedWalkIsOneUndoStepWithItsProblemsInOneMessage) {
    ASSERT_TRUE(QFile::link(src, src + "/inner/up"));
    std::thread::id walker;
    const ImportResult result = runImport(context, root(), [&](ImportWalkListener& dialog) {
        walker = std::this_thread::get_id();
        return planPath(src, settings, &dialog);
    });

    EXPECT_NE(walker, std::this_thread::get_id());
    EXPECT_EQ(result.pagesAdded, 3);
    ASSERT_EQ(root()->childCount(), 1);
    EXPECT_EQ(root()->child(0)->caption, "inner");
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_TRUE(prompts.asked[0].startsWith(uiText(sid::ImportProblems).section('%', 0, 0)));
    EXPECT_TRUE(prompts.asked[0].contains("up"));
    EXPECT_EQ(context.undoStack().undoName(), uiText(sid::EditImport));
    EXPECT_TRUE(context.album().tree.isModified());

    ASSERT_TRUE(context.undoStack().undo());
    EXPECT_EQ(root()->childCount(), 0);
    EXPECT_EQ(root()->pageListSize(), 0);
    EXPECT_FALSE(context.album().tree.isModified());
    EXPECT_FALSE(context.undoStack().canUndo());
}

}  // namespace
}  // namespace pictavo::test

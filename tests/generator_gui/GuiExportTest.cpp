// Export and preview from the GUI: the folder dialog answered through its
// widgets, the run under the real progress dialog (Cancel clicked while it
// works), the questions and messages answered and recorded by the test.
#include "generator/gui/ExportController.h"
#include "generator/gui/ExportFolderDialog.h"

#include "CancelOnProgress.h"
#include "ModalAnswer.h"
#include "ScriptedPrompts.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/app/ExportCommands.h"
#include "shell/gui/AppContext.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <future>

namespace pictavo::test {
namespace {

class GuiExportTest : public testing::Test {
protected:
    Album& album() { return context.album(); }
    CSiteFolder* root() { return album().tree.root(); }
    QString site() const { return dir.filePath("site"); }
    QString photo(const QString& name) {
        const QString path = dir.filePath("photos/" + name);
        QDir().mkpath(QFileInfo(path).path());
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }
    void addPage(CSiteFolder* folder, const QString& url) {
        auto page = std::make_unique<CSitePage>();
        page->url = url;
        page->caption = QFileInfo(url).baseName();
        album().tree.appendPage(folder, std::move(page));
    }
    void addPhotos(int count) {
        for (int i = 0; i < count; ++i)
            addPage(root(), photo(QStringLiteral("p%1.png").arg(i)));
    }
    static bool exists(const QString& path) { return QFileInfo::exists(path); }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    QWidget window;
    AppContext context{SettingsStore(dir.filePath("Pictavo.ini")), prompts};
    ExportController controller{context, &window};
    // Each "Export folder" dialog gets the next folder typed in and OK, or
    // Cancel when none is left.
    std::deque<QString> folders;
    ModalAnswer<ExportFolderDialog> folderDialog{[this](ExportFolderDialog* dialog) {
        if (folders.empty()) {
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
            return;
        }
        dialog->folderField()->selectAll();
        QTest::keyClicks(dialog->folderField(), folders.front());
        folders.pop_front();
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
    }};
};

// Every file in folder is complete: a known final name, and images decode.
void expectOnlyWholeFiles(const QString& folder) {
    const QStringList finalSuffixes = {"png", "jpg", "gif", "htm", "exe", "ico", "inf"};
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        EXPECT_TRUE(finalSuffixes.contains(file.suffix().toLower()) ||
                    file.fileName() == ".pictavo-export")
            << file.filePath().toStdString();
        if (file.suffix() == "png" || file.suffix() == "jpg") {
            EXPECT_FALSE(QImageReader(file.filePath()).read().isNull())
                << file.filePath().toStdString();
        }
    }
}

TEST_F(GuiExportTest, CancelDuringTheRunKeepsTheFlagsAndLeavesNoPartFiles) {
    addPhotos(8);
    folders = {site()};
    {
        CancelOnProgress user;
        // The worker stops at its first file until Cancel was clicked.
        controller.setFileStartedHook([released = user.released()](const QString&) {
            const std::shared_future<void> mine = released;  // one copy per thread
            mine.wait_for(std::chrono::seconds(30));         // a safety net, not a timing
        });
        EXPECT_FALSE(controller.exportSite(nullptr, true));
        EXPECT_TRUE(user.clicked);
        // Every worker holds at its first photo: none is finished yet.
        EXPECT_TRUE(user.label.startsWith(uiText(sid::WorkInProgress).arg(1).arg(8).arg("p")))
            << user.label.toStdString();
    }
    EXPECT_TRUE(album().tree.albumChanged());
    EXPECT_TRUE(album().tree.cdAlbumChanged());
    EXPECT_FALSE(exists(site() + "/index.htm"));
    EXPECT_TRUE(QDir(site()).entryList({"*.htm"}, QDir::Files).isEmpty());
    expectOnlyWholeFiles(site());
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join('\n').toStdString();

    // The next run writes the site into the folder the cancelled one began.
    controller.setFileStartedHook({});
    folders = {site()};
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(controller.exportSite(nullptr, true));
    EXPECT_EQ(prompts.asked, QStringList{uiText(sid::ExportFolderNotEmpty)});
    EXPECT_TRUE(exists(site() + "/index.htm"));
    EXPECT_FALSE(album().tree.albumChanged());
    EXPECT_TRUE(album().tree.cdAlbumChanged());
    expectOnlyWholeFiles(site());

    // Once more, unchanged: the work of the last run is taken over.
    std::atomic<int> worked{0};
    controller.setFileStartedHook([&](const QString&) { ++worked; });
    folders = {site()};
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(controller.exportSite(nullptr, true));
    EXPECT_EQ(worked, 0);
}

TEST_F(GuiExportTest, TheRunsProblemsAreShownInOneListAndTheFileListIsTold) {
    addPage(root(), photo("kept.png"));
    addPage(root(), dir.filePath("photos/gone.jpg"));
    addPage(root(), dir.filePath("photos/lost.png"));
    QSignalSpy changed(&context, &AppContext::folderContentsChanged);
    folders = {site()};

    EXPECT_TRUE(controller.exportSite(root(), false));
    ASSERT_EQ(prompts.asked.size(), 1);
    // Which files fail is the export's own tests' matter: here both reach the one list.
    const QString message = prompts.asked.front();
    EXPECT_TRUE(message.startsWith(uiText(sid::ExportProblems).arg(QString())));
    EXPECT_TRUE(message.contains("gone.jpg") && message.contains("lost.png"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.front().front().toString(), site());
    // Only a whole-album run counts as generated for the previews.
    EXPECT_TRUE(album().tree.albumChanged());
}

TEST_F(GuiExportTest, TheFolderQuestionsCanEndTheExportBeforeAnythingIsWritten) {
    addPhotos(1);
    // A folder whose parent is missing cannot be created (one level only).
    const QString deep = dir.filePath("no/such/site");
    folders = {deep};
    EXPECT_FALSE(controller.exportSite(nullptr, true));
    EXPECT_EQ(prompts.errors, QStringList{uiText(sid::CannotCreateDirectory).arg(deep)});
    EXPECT_FALSE(exists(deep));

    // A non-empty folder, and No to the question.
    QDir().mkpath(site() + "/old");
    folders = {site()};
    prompts.answers = {Answer::No};
    EXPECT_FALSE(controller.exportSite(nullptr, true));
    EXPECT_EQ(prompts.asked.last(), uiText(sid::ExportFolderNotEmpty));
    EXPECT_EQ(QDir(site()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"old"});
    EXPECT_TRUE(album().tree.albumChanged());
}

TEST_F(GuiExportTest, PreviewGeneratesOnlyWhenTheAlbumChangedOrThePageIsMissing) {
    addPhotos(2);
    const QString entry = site() + "/index.htm";
    folders = {site()};
    controller.previewSite();
    EXPECT_EQ(folderDialog.shown, 1);
    EXPECT_EQ(prompts.opened, QStringList{entry});

    controller.previewSite();  // unchanged: opened again without asking
    EXPECT_EQ(folderDialog.shown, 1);
    EXPECT_EQ(prompts.opened, QStringList({entry, entry}));

    QFile::remove(entry);
    folders = {site()};
    prompts.answers = {Answer::Yes};
    controller.previewSite();
    EXPECT_EQ(folderDialog.shown, 2);
    EXPECT_EQ(prompts.opened.size(), 3);
    EXPECT_TRUE(exists(entry));
}

TEST_F(GuiExportTest, TheCdAlbumIsWrittenOnTheWorkerAndItsPreviewStartsTheViewer) {
    addPhotos(2);
    const QString cd = dir.filePath("cd");
    folders = {cd};
    ASSERT_TRUE(controller.exportCdAlbum().ok());
    EXPECT_FALSE(QImageReader(cd + "/image/00000000.jpg").read().isNull());  // the title card
    EXPECT_TRUE(exists(cd + "/image/00000002.png"));
    EXPECT_FALSE(album().tree.cdAlbumChanged());
    EXPECT_TRUE(prompts.asked.isEmpty()) << prompts.asked.join('\n').toStdString();

    QStringList started;
    controller.setProgramStarter([&](const QString&, const QStringList& arguments) {
        started << arguments.last();
        return true;
    });
    controller.previewCdAlbum();  // unchanged: no new export
    EXPECT_EQ(folderDialog.shown, 1);
    EXPECT_EQ(started, QStringList{cd + "/image"});
}

TEST_F(GuiExportTest, TheMenuCommandsAndTheSelectedFoldersPreviewReachTheExport) {
    registerExportCommands(context, &window);
    addPhotos(1);
    CSiteFolder* trip = album().tree.insertFolder(root(), "Trip");
    addPage(trip, photo("beach.png"));
    QAction* preview = context.commands().action(CommandId::PreviewWeb);
    ASSERT_TRUE(preview->isEnabled());
    folders = {site()};
    preview->trigger();
    EXPECT_EQ(prompts.opened, QStringList{site() + "/index.htm"});

    context.setSelectedFolder(trip);
    context.commands().refresh();
    QAction* previewFolder = context.commands().action(CommandId::PreviewFolder);
    ASSERT_TRUE(previewFolder->isEnabled());
    previewFolder->trigger();  // unchanged: no new export
    EXPECT_EQ(folderDialog.shown, 1);
    EXPECT_EQ(prompts.opened.last(), site() + QStringLiteral("/d%1p0.htm").arg(trip->id));
}

}  // namespace
}  // namespace pictavo::test

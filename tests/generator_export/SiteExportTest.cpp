// End-to-end exports of a small album into temporary folders: the layout of
// the site, its links, its independence from the thread count, the charset,
// a selected folder and the folder questions.
#include "ExportTestSupport.h"
#include "SiteExportFixture.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using namespace testing_support;

TEST_F(SiteExportTest, WritesTheSiteLayout) {
    // Every link of the pages resolves (checked by exportWhole); the files
    // no page links are checked here.
    album_.website.general.location = QString();
    EXPECT_TRUE(proposedOutputFolder(album_).endsWith(QStringLiteral("/Export")));
    ASSERT_TRUE(exportWhole(site()));
    const QDir out(site());
    for (const char* file : {"index.htm", "files/image/beach_png.jpg", "autorun.exe", "ie.ico"})
        EXPECT_TRUE(out.exists(QString::fromUtf8(file))) << file;
    EXPECT_TRUE(out.exists(QStringLiteral("d%1p0.htm").arg(sub_->id)));
    EXPECT_EQ(fileBytes(out.filePath(QStringLiteral("autorun.inf"))),
              QByteArray("[autorun]\r\nOPEN=autorun.exe\r\nICON=ie.ico\r\n"));

    const QByteArray index = fileBytes(out.filePath(QStringLiteral("index.htm")));
    EXPECT_TRUE(index.contains("\r\n"));
    EXPECT_EQ(index.count("\n"), index.count("\r\n"));
    // The image page shows the photo at its display size.
    const QByteArray photoPage = fileBytes(out.filePath(QStringLiteral("d0i1.htm")));
    EXPECT_TRUE(photoPage.contains("./files/image/photo.jpg\" width=640 height=480"))
        << photoPage.constData();

    EXPECT_EQ(proposedOutputFolder(album_), site());
    EXPECT_FALSE(album_.tree.albumChanged());
    // The missing file is the one failure reported.
    ASSERT_FALSE(failures_.empty());
    for (const RunFailure& f : failures_)
        EXPECT_EQ(f.path, src(QStringLiteral("gone.jpg")));
}

TEST_F(SiteExportTest, PagesAndFilesDoNotDependOnTheThreadCount) {
    ASSERT_TRUE(exportWhole(site(QStringLiteral("one")), 1));
    ASSERT_TRUE(exportWhole(site(QStringLiteral("many")), 6));
    const auto one = treeContents(site(QStringLiteral("one")));
    const auto many = treeContents(site(QStringLiteral("many")));
    ASSERT_GT(one.size(), 20u);
    EXPECT_EQ(one, many);
}

TEST_F(SiteExportTest, CaptionsSurviveTheCharset) {
    album_.website.language.save = QStringLiteral("iso-8859-1");
    ASSERT_TRUE(exportWhole(site()));
    const QByteArray index = fileBytes(QDir(site()).filePath(QStringLiteral("index.htm")));
    EXPECT_TRUE(index.contains("charset=iso-8859-1"));
    EXPECT_TRUE(index.contains("Z\xFCrich"));
    EXPECT_TRUE(index.contains("&#1044;&#1086;&#1084;"));
    EXPECT_TRUE(index.contains("&#26481;&#20140;"));
}

TEST_F(SiteExportTest, SelectedFolderExportsItsSubtreeWithTheFullTrail) {
    SiteExporter exporter(album_, settings_);
    ASSERT_TRUE(exporter.exportSite(sub_, false, callbacks(site())));
    const QDir out(site());
    EXPECT_FALSE(out.exists(QStringLiteral("index.htm")));
    const QByteArray page = fileBytes(out.filePath(QStringLiteral("d%1p0.htm").arg(sub_->id)));
    EXPECT_TRUE(page.contains("Trips"));
    EXPECT_TRUE(page.contains("index.htm"));
    EXPECT_TRUE(album_.tree.albumChanged());
}

TEST_F(SiteExportTest, FolderQuestionsEndTheRunBeforeAnythingIsWritten) {
    const QString deep = site(QStringLiteral("missing/parent"));  // one level is created only
    EXPECT_FALSE(exportWhole(deep));
    EXPECT_EQ(errors_, QStringList{QStringLiteral("Cannot create directory: ") + deep});
    EXPECT_TRUE(questions_.isEmpty());
    QDir().mkpath(site() + QStringLiteral("/only-a-subfolder"));
    EXPECT_FALSE(exportWhole(site()));
    EXPECT_EQ(questions_.size(), 1);
    EXPECT_FALSE(QDir(site()).exists(QStringLiteral("files")));
    answer_ = true;
    EXPECT_TRUE(exportWhole(site()));
    EXPECT_TRUE(QDir(site()).exists(QStringLiteral("index.htm")));
}

}  // namespace
}  // namespace pictavo

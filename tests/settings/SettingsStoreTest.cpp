#include "shell/settings/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace pictavo {
namespace {

class SettingsStoreTest : public testing::Test {
protected:
    QString storePath() const { return dir.filePath("config/Pictavo/Pictavo.ini"); }
    SettingsStore store() const { return SettingsStore(storePath()); }
    void writeStore(const QByteArray& text) {
        SettingsStore s = store();
        ASSERT_TRUE(s.saveShowTipsAtStartup(true).ok());  // creates the folders
        QFile file(storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QByteArray storeText() const {
        QFile file(storePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

// Loading the environment, the panes or the tips switch leaves a missing
// store absent and the values as they were; loading the recent files
// creates it (the first run), and the first run shows the tip.
TEST_F(SettingsStoreTest, OnlyLoadingRecentFilesCreatesAMissingStore) {
    SettingsStore s = store();
    EnvironmentSettings env;
    env.ThumbnailMaxSizeX = 77;
    s.loadEnvironment(env);
    EXPECT_EQ(env.ThumbnailMaxSizeX, 77);
    EXPECT_EQ(s.loadPaneVisibility(), PaneVisibility{});
    EXPECT_FALSE(s.showTipsAtStartup());
    EXPECT_FALSE(s.exists());
    EXPECT_EQ(s.loadRecentFiles().shown(), QStringList());
    EXPECT_TRUE(s.exists());
    EXPECT_TRUE(s.showTipsAtStartup());
}

TEST_F(SettingsStoreTest, UnreadableValuesAndKeysOfOtherGroupsKeepTheirDefaults) {
    writeStore(
        "[Other]\nUseFilenameAsDefCaption=0\n"
        "[EnvSetting]\nThumbnailMaxSizeX=200\nThumbnailMaxSizeY=wide\n"
        "ExportImgMaxSizeX=4294967295\nExportImgMaxSizeY=99999999999\n");
    EnvironmentSettings env;
    store().loadEnvironment(env);
    EXPECT_EQ(env.ThumbnailMaxSizeX, 200);
    EXPECT_EQ(env.ThumbnailMaxSizeY, 150);      // not a number
    EXPECT_EQ(env.ExportImgMaxSizeX, -1);       // a DWORD read into a signed value
    EXPECT_EQ(env.ExportImgMaxSizeY, 0);        // more than 32 bits
    EXPECT_EQ(env.UseFilenameAsDefCaption, 1);  // only in another group
}

TEST_F(SettingsStoreTest, EverySettingRoundTripsUnderItsKeyName) {
    SettingsStore s = store();
    const EnvironmentSettings env{.UseFilenameAsDefCaption = 0,
                                  .ExportImgMaxSizeX = 1024,
                                  .ExportImgMaxSizeY = 768,
                                  .ThumbnailMaxSizeX = 120,
                                  .ThumbnailMaxSizeY = 90};
    ASSERT_TRUE(s.saveEnvironment(env).ok());
    ASSERT_TRUE(s.savePaneVisibility({true, false, true}).ok());
    RecentFileList recent;
    recent.add("/home/u/b.www");
    recent.add("/home/u/a b=c;d.www");
    ASSERT_TRUE(s.saveRecentFiles(recent).ok());
    ASSERT_TRUE(s.saveShowTipsAtStartup(false).ok());
    EXPECT_EQ(storeText(),
              "ShowTipsAtStartup=0\n"
              "\n[EnvSetting]\n"
              "UseFilenameAsDefCaption=0\nThumbnailMaxSizeX=120\nThumbnailMaxSizeY=90\n"
              "ExportImgMaxSizeX=1024\nExportImgMaxSizeY=768\n"
              "\n[ViewWnd]\nAlbumExplorer=1\nFileExplorer=0\nPropertyWnd=1\n"
              "\n[RecentFileList]\nRecentFile1=/home/u/a b=c;d.www\nRecentFile2=/home/u/b.www\n"
              "RecentFile3=\nRecentFile4=\n");
    const SettingsStore other(storePath());
    EnvironmentSettings loaded;
    other.loadEnvironment(loaded);
    const auto fields = [](const EnvironmentSettings& e) {
        return std::tuple(e.UseFilenameAsDefCaption, e.ThumbnailMaxSizeX, e.ThumbnailMaxSizeY,
                          e.ExportImgMaxSizeX, e.ExportImgMaxSizeY);
    };
    EXPECT_EQ(fields(loaded), fields(env));
    EXPECT_EQ(other.loadPaneVisibility(), (PaneVisibility{true, false, true}));
    EXPECT_EQ(SettingsStore(storePath()).loadRecentFiles(), recent);
    EXPECT_FALSE(other.showTipsAtStartup());
}

TEST_F(SettingsStoreTest, SavingOneGroupKeepsTheOthers) {
    writeStore("; edited by hand\n[Mine]\nKeep=yes\n[EnvSetting]\nThumbnailMaxSizeX=99\n");
    SettingsStore s = store();
    ASSERT_TRUE(s.savePaneVisibility({false, true, false}).ok());
    const QByteArray text = storeText();
    EXPECT_TRUE(text.contains("[Mine]\nKeep=yes\n"));
    EXPECT_TRUE(text.contains("[EnvSetting]\nThumbnailMaxSizeX=99\n"));
    EXPECT_TRUE(text.contains("[ViewWnd]\nAlbumExplorer=0\nFileExplorer=1\nPropertyWnd=0\n"));
}

TEST_F(SettingsStoreTest, TipsAtStartupFollowTheStoreAndTheSwitch) {
    writeStore("[ViewWnd]\nAlbumExplorer=1\n");
    EXPECT_TRUE(store().showTipsAtStartup());  // value missing
    for (const auto& [value, shown] :
         {std::pair{"1", true}, {"0", false}, {"7 days", true}, {"no", false}, {" -2", true}}) {
        writeStore(QByteArray("ShowTipsAtStartup=") + value + "\n");
        EXPECT_EQ(store().showTipsAtStartup(), shown) << value;
    }
}

TEST_F(SettingsStoreTest, RecentFilesAreCutTo254Bytes) {
    const QString longPath = "/" + QString(300, QChar(0x00E9));  // 2 bytes each
    writeStore(("[RecentFileList]\nRecentFile2=" + longPath + "\n").toUtf8());
    const RecentFileList list = store().loadRecentFiles();
    EXPECT_EQ(list.entry(1), "");
    EXPECT_EQ(list.entry(2).toUtf8().size(), 253);  // "/" + 126 two-byte letters
    EXPECT_TRUE(longPath.startsWith(list.entry(2)));
}

TEST_F(SettingsStoreTest, PathsWithBlanksAndQuotesComeBackExactly) {
    RecentFileList recent;
    recent.setEntry(1, "/albums/trailing blank ");
    recent.setEntry(2, " /leading blank.www");
    recent.setEntry(3, "\"quoted\".www");
    recent.setEntry(4, "/a \"b\"");
    ASSERT_TRUE(store().saveRecentFiles(recent).ok());
    EXPECT_TRUE(storeText().contains("RecentFile1=\"/albums/trailing blank \"\n"));
    EXPECT_TRUE(storeText().contains("RecentFile4=/a \"b\"\n"));
    EXPECT_EQ(store().loadRecentFiles(), recent);
}

TEST_F(SettingsStoreTest, HandEditedFileIsRead) {
    writeStore(
        "\xEF\xBB\xBF; my settings\r\n  [ EnvSetting ]  \r\n ThumbnailMaxSizeX = 64 \r\n"
        "# ThumbnailMaxSizeY=1\r\nThumbnailMaxSizeX=80\r\n[RecentFileList]\r\n"
        "RecentFile1=\"/x/y.www\"\r\n");
    EnvironmentSettings env;
    store().loadEnvironment(env);
    EXPECT_EQ(env.ThumbnailMaxSizeX, 80);  // the last of a repeated key
    EXPECT_EQ(env.ThumbnailMaxSizeY, 150);
    EXPECT_EQ(store().loadRecentFiles().entry(1), "/x/y.www");
}

TEST_F(SettingsStoreTest, PathWithLineBreakIsNotStored) {
    RecentFileList recent;
    recent.add("/a.www");
    recent.add("/evil\n[EnvSetting]\nThumbnailMaxSizeX=1.www");
    SettingsStore s = store();
    EXPECT_FALSE(s.saveRecentFiles(recent).ok());
    const RecentFileList back = s.loadRecentFiles();
    EXPECT_EQ(back.entry(1), "");
    EXPECT_EQ(back.entry(2), "/a.www");
    EnvironmentSettings env;
    s.loadEnvironment(env);
    EXPECT_EQ(env.ThumbnailMaxSizeX, 150);
}

TEST_F(SettingsStoreTest, WriteThatCannotBeDoneReportsAndChangesNothing) {
    QFile blocker(dir.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore s(dir.filePath("blocker/Pictavo.ini"));  // its folder is a file
    EnvironmentSettings env;
    env.ThumbnailMaxSizeX = 77;
    EXPECT_FALSE(s.saveEnvironment(env).ok());
    EXPECT_FALSE(s.saveShowTipsAtStartup(true).ok());
    EXPECT_FALSE(s.exists());
    EnvironmentSettings loaded;
    s.loadEnvironment(loaded);
    EXPECT_EQ(loaded.ThumbnailMaxSizeX, 150);
}

}  // namespace
}  // namespace pictavo

// Writes that fail: the system's reason reaches the user, and an export
// stops at the first error that every further file would meet.
#include "CliRunner.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliWriteFailure : public ::testing::Test {
protected:
    void SetUp() override {
        album_ = cli_.path("album.www");
        ASSERT_EQ(cli_.run({"new", album_}).exitCode, 0);
    }
    CliRunner cli_;
    QString album_;
};

TEST_F(CliWriteFailure, ASaveCutShortGivesTheSystemsReasonAndKeepsTheOldFile) {
    const QByteArray before = cli_.readFile("album.www");
    ASSERT_GT(before.size(), 1024);
    // A file size limit of one block: the write is cut short, as on a full disk.
    const QString script = QStringLiteral("ulimit -f 1; trap '' XFSZ; exec \"$0\" \"$@\"");
    const CliRun run = cli_.runWrapped({"sh", "-c", script}, {"save", album_, album_});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("File too large")) << run.err.toStdString();
    EXPECT_EQ(cli_.readFile("album.www"), before);
}

TEST_F(CliWriteFailure, ASaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile) {
    const QByteArray before = cli_.readFile("album.www");
    const QString folder = cli_.path("");
    QFile::setPermissions(folder,
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const CliRun run = cli_.runWrapped(withoutRootRights(), {"save", album_, album_});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Permission denied")) << run.err.toStdString();
    EXPECT_EQ(cli_.readFile("album.www"), before);
}

TEST_F(CliWriteFailure, AnExportIntoAFolderItMayNotWriteStopsAtTheFirstFile) {
    QImage photo(64, 48, QImage::Format_RGB888);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(QDir().mkpath(cli_.path("photos")));
    for (int i = 0; i < 40; ++i)
        ASSERT_TRUE(photo.save(cli_.path(QStringLiteral("photos/p%1.png").arg(i))));
    ASSERT_EQ(cli_.run({"import", album_, cli_.path("photos")}).exitCode, 0);
    const QString site = cli_.path("site");
    ASSERT_EQ(cli_.run({"export", album_, "--to", site, "--check"}).exitCode, 0);

    // Every folder of the tree readable by all, the site's folders writable by none.
    QFile::setPermissions(cli_.path(""),
                          QFile::permissions(cli_.path("")) | QFile::ReadOther | QFile::ExeOther);
    QStringList folders = {site};
    for (QDirIterator it(site, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();)
        folders << it.next();
    const auto exportReadOnly = [&] {
        for (const QString& folder : folders)
            EXPECT_TRUE(QFile::setPermissions(
                folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        const CliRun run =
            cli_.runWrapped(withoutRootRights(), {"export", album_, "--to", site, "--force"});
        for (const QString& folder : folders)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("1 problem(s)")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("Permission denied")) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("the export stopped early")) << run.err.toStdString();
    };
    // Exported again, all image work is taken over: the first write is a
    // navigation button. Without the record of that export, it is the
    // first thumbnail.
    exportReadOnly();
    ASSERT_TRUE(QFile::remove(site + "/.pictavo-export"));
    exportReadOnly();
}

// An album whose JSON is many times the dump's piece size: it comes out
// whole, and a full output device is an error, not a success.
TEST_F(CliWriteFailure, ADumpStreamsALargeAlbumWholeAndFailsOnAFullDevice) {
    QByteArray text =
        "version=3\nobject=websiteproperty\nobject=layoutproperty\n"
        "object=folder\nid=0\ncol=0\npagecount=3000\ncaption=Index\n";
    for (int i = 0; i < 3000; ++i)
        text += "object=page\nid=" + QByteArray::number(i) + "\ncaption=Item " +
                QByteArray::number(i) + "\nurl=http://example.com/" + QByteArray::number(i) + "\n";
    cli_.writeFile("large.www", text);

    const CliRun run = cli_.run({"dump", cli_.path("large.www")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_GT(run.out.size(), 4 * 64 * 1024);
    const QJsonArray pages = QJsonDocument::fromJson(run.out)[u"root"][u"pages"].toArray();
    ASSERT_EQ(pages.size(), 3000);
    EXPECT_EQ(pages.last()[u"caption"].toString(), "Item 2999");

    const QString toFullDevice = QStringLiteral("exec \"$0\" \"$@\" >/dev/full");
    const CliRun full = cli_.runWrapped({"sh", "-c", toFullDevice}, {"dump", album_});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.toStdString();
}

}  // namespace
}  // namespace pictavo::test

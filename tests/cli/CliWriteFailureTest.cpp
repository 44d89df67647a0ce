// Writes that fail: the system's reason reaches the user, and an export
// stops at the first error that every further file would meet.
#include "CliRunner.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliWriteFailure : public testing::Test {
protected:
    CliRunner cli_;
    const QString album_ = cli_.newAlbum();
    const QByteArray saved_ = cli_.readFile("album.www");
};

TEST_F(CliWriteFailure, AFailedSaveGivesTheSystemsReasonAndKeepsTheOldFile) {
    ASSERT_GT(saved_.size(), 1024);
    // A file size limit of one block cuts the write short, as on a full disk.
    const CliRun cut = cli_.run({"save", album_, album_},
                                {"sh", "-c", "ulimit -f 1; trap '' XFSZ; exec \"$0\" \"$@\""});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_TRUE(cut.err.contains("File too large")) << cut.err.toStdString();
    EXPECT_EQ(cli_.readFile("album.www"), saved_);

    setWritable({cli_.path("")}, false);
    const CliRun readOnly = cli_.run({"save", album_, album_}, withoutRootRights());
    setWritable({cli_.path("")}, true);
    EXPECT_EQ(readOnly.exitCode, 1);
    EXPECT_TRUE(readOnly.err.contains("Permission denied")) << readOnly.err.toStdString();
    EXPECT_EQ(cli_.readFile("album.www"), saved_);
}

TEST_F(CliWriteFailure, AnExportIntoAFolderItMayNotWriteStopsAtTheFirstFile) {
    for (int i = 0; i < 40; ++i)
        cli_.writeImage(QStringLiteral("photos/p%1.png").arg(i), {64, 48});
    ASSERT_EQ(cli_.run({"import", album_, cli_.path("photos")}).exitCode, 0);
    const QString site = cli_.path("site");
    ASSERT_EQ(cli_.run({"export", album_, "--to", site, "--check"}).exitCode, 0);
    QFile::setPermissions(cli_.path(""),
                          QFile::permissions(cli_.path("")) | QFile::ReadOther | QFile::ExeOther);
    QStringList folders = {site};
    for (QDirIterator it(site, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();)
        folders << it.next();
    // Exported again, all image work is taken over: the first write is a
    // navigation button. Without the record of that export, it is the
    // first thumbnail.
    for (const bool withRecord : {true, false}) {
        if (!withRecord) {
            ASSERT_TRUE(QFile::remove(site + "/.pictavo-export"));
        }
        setWritable(folders, false);
        const CliRun run =
            cli_.run({"export", album_, "--to", site, "--force"}, withoutRootRights());
        setWritable(folders, true);
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        for (const char* part : {"1 problem(s)", "Permission denied", "the export stopped early"})
            EXPECT_TRUE(run.err.contains(part)) << run.err.toStdString();
    }
}

// An album whose JSON is many times the dump's piece size: it comes out
// whole, and a full output device is an error, not a success.
TEST_F(CliWriteFailure, ADumpStreamsALargeAlbumWholeAndFailsOnAFullDevice) {
    QByteArray text =
        "version=3\nobject=websiteproperty\nobject=layoutproperty\n"
        "object=folder\nid=0\ncol=0\npagecount=3000\ncaption=Index\n";
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("object=page\nid=%1\ncaption=Item %1\nurl=http://example.com/%1\n")
                    .arg(i)
                    .toUtf8();
    cli_.writeFile("large.www", text);
    const CliRun run = cli_.run({"dump", cli_.path("large.www")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_GT(run.out.size(), 4 * 64 * 1024);
    const QJsonArray pages = QJsonDocument::fromJson(run.out)[u"root"][u"pages"].toArray();
    ASSERT_EQ(pages.size(), 3000);
    EXPECT_EQ(pages.last()[u"caption"].toString(), "Item 2999");

    const CliRun full = cli_.run({"dump", album_}, {"sh", "-c", "exec \"$0\" \"$@\" >/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.contains("No space left on device")) << full.err.toStdString();
}

}  // namespace
}  // namespace pictavo::test

// pictavo-cli cd-export end to end: layout, folder rules, options.
#include "CliRunner.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

class CliCdExport : public ::testing::Test {
protected:
    void SetUp() override {
        QImage wide(1000, 500, QImage::Format_RGB888);
        wide.fill(Qt::darkGreen);
        ASSERT_TRUE(wide.save(cli_.path(QStringLiteral("wide.png"))));
        QImage small(40, 30, QImage::Format_RGB888);
        small.fill(Qt::darkBlue);
        ASSERT_TRUE(small.save(cli_.path(QStringLiteral("small.jpg"))));
        cli_.writeFile(QStringLiteral("notes.txt"), "not a picture");
        album_ = cli_.path(QStringLiteral("album.www"));
        ASSERT_EQ(cli_.run({"new", album_}).exitCode, 0);
        ASSERT_EQ(cli_.run({"import", album_, cli_.path(QStringLiteral("wide.png")),
                            cli_.path(QStringLiteral("notes.txt")),
                            cli_.path(QStringLiteral("small.jpg"))})
                      .exitCode,
                  0);
    }

    CliRunner cli_;
    QString album_;
};

TEST_F(CliCdExport, WritesTheCdLayoutAndShrinksLargeImages) {
    const QString cd = cli_.path(QStringLiteral("cd"));
    const CliRun run = cli_.run({"cd-export", album_, "--to", cd, "--export-max", "400x300"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out).trimmed(), cd);
    EXPECT_EQ(QImage(cd + "/image/00000000.jpg").size(), QSize(400, 300));  // the title card
    EXPECT_EQ(QImage(cd + "/image/00000001.png").size(), QSize(400, 200));
    EXPECT_EQ(QImage(cd + "/image/00000002.jpg").size(), QSize(40, 30));
}

TEST_F(CliCdExport, WithTheDefaultSettingsImagesAreCopiedUnchanged) {
    for (const QStringList& limit : {QStringList(), QStringList({"--export-max", "0x0"})}) {
        const QString name = QStringLiteral("cd%1").arg(limit.size());
        const QString cd = cli_.path(name);
        const CliRun run = cli_.run(QStringList({"cd-export", album_, "--to", cd}) + limit);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_FALSE(cli_.readFile("wide.png").isEmpty());
        EXPECT_EQ(cli_.readFile(name + "/image/00000001.png"), cli_.readFile("wide.png"));
        EXPECT_EQ(cli_.readFile(name + "/image/00000002.jpg"), cli_.readFile("small.jpg"));
        EXPECT_FALSE(QImage(cd + "/image/00000000.jpg").size().isEmpty());
    }
}

TEST_F(CliCdExport, SiteOnlyOptionsAreUsageErrors) {
    for (const char* option : {"--folder", "--thumb-size", "--threads"}) {
        const CliRun run = cli_.run({"cd-export", album_, "--to", cli_.path("cd"), option, "1"});
        EXPECT_EQ(run.exitCode, 2) << option;
    }
    EXPECT_EQ(cli_.run({"cd-export", album_}).exitCode, 2);
}

}  // namespace
}  // namespace pictavo::test

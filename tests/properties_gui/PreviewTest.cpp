// The preview: where a picture goes, which paths show only their icon, and
// a picture decoded from memory.
#include "PanelFixture.h"

#include "properties/gui/PicturePreview.h"
#include "properties/gui/PreviewPicture.h"
#include "properties/gui/PreviewPlacement.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <utility>
#include <vector>

namespace pictavo::test {
namespace {

TEST(PreviewPlacement, FitsByTheLargerRatio) {
    const struct {
        QSize picture;
        QRect area;
        bool centred;
        QRect expected;
    } rows[] = {
        // Smaller than the area: natural size, centred across, at the top.
        {{32, 32}, {0, 0, 160, 160}, false, {64, 0, 32, 32}},
        {{32, 32}, {0, 0, 160, 160}, true, {64, 64, 32, 32}},
        // Wider: the width ratio 400/160 wins.
        {{400, 300}, {8, 8, 160, 160}, true, {8, 28, 160, 120}},
        // Taller: 600/100 beats 300/200.
        {{300, 600}, {0, 0, 200, 100}, false, {75, 0, 50, 100}},
        // Larger in one direction only; sizes are cut, never rounded.
        {{150, 50}, {0, 0, 100, 100}, false, {0, 0, 100, 33}},
        // A hair-thin picture keeps one pixel.
        {{1000, 3}, {0, 0, 100, 100}, true, {0, 49, 100, 1}},
        {{0, 10}, {0, 0, 100, 100}, false, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(placePreview(row.picture, row.area, row.centred), row.expected)
            << row.picture.width() << "x" << row.picture.height();
}

TEST(PreviewIconRule, EmptyWebMissingAndLargeShowTheirIcon) {
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small.jpg"));
    const QString large = dir.filePath(QStringLiteral("large.jpg"));
    const QString justUnder = dir.filePath(QStringLiteral("under.jpg"));
    const std::vector<std::pair<QString, qint64>> files = {
        {small, 10}, {large, 5'242'880}, {justUnder, 5'242'879}};
    for (const auto& [path, size] : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(size));
    }
    for (const QString& path :
         {QString(), QStringLiteral("hTTp://x/a.jpg"), QStringLiteral("MAILTO:a@b.c"),
          dir.filePath("missing.jpg"), dir.path(), large})
        EXPECT_TRUE(previewShowsIconOnly(path)) << path.toStdString();
    EXPECT_FALSE(previewShowsIconOnly(justUnder));
    EXPECT_FALSE(previewShowsIconOnly(small));
    // A file that is no picture falls back to the icon without a scratch file.
    EXPECT_TRUE(decodePreview(small, QSize(160, 160)).image.isNull());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(PanelFixture, APngPageIsDecodedInMemoryAndDoubleClickTogglesPreviewOnly) {
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString path = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(picture.save(path));
    tree().editPage(trip, 0, [&](CSitePage& p) { p.url = path; });
    tree().setModified(false);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    showPage(0);
    PicturePreview& preview = panel->preview();
    preview.finishDecoding();
    ASSERT_TRUE(preview.showsDecodedPicture());
    EXPECT_EQ(preview.pictureRect(), QRect(8, 8, 160, 40));
    QTest::mouseDClick(&preview, Qt::LeftButton, {}, preview.pictureRect().center());
    EXPECT_TRUE(panel->isPreviewOnly());
    preview.finishDecoding();
    const QRect whole = preview.rect().adjusted(10, 10, -10, -10);
    EXPECT_EQ(preview.pictureRect(), placePreview({400, 100}, whole, true));
    QTest::mouseDClick(&preview, Qt::LeftButton, {}, preview.pictureRect().center());
    EXPECT_FALSE(panel->isPreviewOnly());
    showPage(1);  // a missing file: its icon at the top of the box
    EXPECT_FALSE(preview.showsDecodedPicture());
    EXPECT_EQ(preview.pictureRect(), QRect(72, 8, 32, 32));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_FALSE(tree().isModified());
}

}  // namespace
}  // namespace pictavo::test

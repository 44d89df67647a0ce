#include "imaging/viewer/ViewerPaths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pictavo {
namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(ViewerPaths, FilesKeepTheirOrderAndFoldersGiveTheirImagesByName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("pics"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"b.png", "a.jpg", "notes.txt", "c.gif", "d.tif"})
        touch(folder + QLatin1Char('/') + QLatin1String(name));
    const QString loose = dir.filePath(QStringLiteral("z.bmp"));
    touch(loose);

    const QStringList paths = collectViewerPaths({loose, folder});
    const QStringList expected = {loose, folder + "/a.jpg", folder + "/b.png", folder + "/c.gif",
                                  folder + "/d.tif"};
    EXPECT_EQ(paths, expected);
}

}  // namespace
}  // namespace pictavo

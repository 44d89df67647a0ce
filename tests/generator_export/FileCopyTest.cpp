// Copies of originals made with the kernel's copy: byte-identical for a
// large file, an empty one and a special file the kernel cannot copy from,
// through both copy paths (site files and atomic copies); a missing source
// is an error and leaves nothing behind.
#include "ExportTestSupport.h"
#include "core/AtomicFile.h"
#include "generator/export/SiteFileWriter.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

using namespace testing_support;

using CopyFunction = Status (*)(const QString&, const QString&);

struct CopyRow {
    const char* name;
    CopyFunction copy;
};

void PrintTo(const CopyRow& row, std::ostream* out) {
    *out << row.name;
}

class FileCopyTest : public testing::TestWithParam<CopyRow> {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    QString writeRandom(const char* name, qsizetype size) const {
        QByteArray bytes(size, Qt::Uninitialized);
        QRandomGenerator generator(7);
        for (char& byte : bytes)
            byte = char(generator.bounded(256));
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), size);
        return file.fileName();
    }

    QTemporaryDir dir_;
};

TEST_P(FileCopyTest, CopiesAreByteIdenticalAndAMissingSourceLeavesNothing) {
    const Status missing = GetParam().copy(path("gone.jpg"), path("copy.jpg"));
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().message().contains(QStringLiteral("gone.jpg")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
    // Larger than one read buffer many times over, and no multiple of a page.
    const QString large = writeRandom("large.jpg", 8 * 1024 * 1024 + 4093);
    ASSERT_TRUE(GetParam().copy(large, path("copy.jpg")).ok());
    const QByteArray copied = fileBytes(path("copy.jpg"));
    EXPECT_EQ(copied.size(), 8 * 1024 * 1024 + 4093);
    EXPECT_TRUE(copied == fileBytes(large));
    const QString empty = writeRandom("empty.txt", 0);
    ASSERT_TRUE(GetParam().copy(empty, path("empty-copy.txt")).ok());
    EXPECT_TRUE(QFileInfo::exists(path("empty-copy.txt")));
    EXPECT_EQ(QFileInfo(path("empty-copy.txt")).size(), 0);
    // Files of /proc report a size of 0 and refuse the kernel's copy.
    const QString special = QStringLiteral("/proc/version");
    ASSERT_TRUE(GetParam().copy(special, path("version")).ok());
    EXPECT_FALSE(fileBytes(path("version")).isEmpty());
    EXPECT_EQ(fileBytes(path("version")), fileBytes(special));
}

INSTANTIATE_TEST_SUITE_P(BothCopies, FileCopyTest,
                         testing::Values(CopyRow{"SiteFile", copySiteFile},
                                         CopyRow{"Atomic", copyFileAtomically}),
                         [](const testing::TestParamInfo<CopyRow>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace pictavo

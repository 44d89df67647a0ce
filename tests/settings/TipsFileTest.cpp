#include "shell/settings/TipsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pictavo {
namespace {

class TipsFileTest : public testing::Test {
protected:
    TipsFile tipsWith(const QByteArray& content) {
        const QString path = dir.filePath("tips.stp");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        return TipsFile::read(path);
    }
    QTemporaryDir dir;
};

TEST_F(TipsFileTest, ReadsCountAndTipsAndStepsThroughThem) {
    const TipsFile tips = tipsWith("3\r\nFirst tip\r\nSecond tip\r\nThird tip\r\nextra line\r\n");
    EXPECT_EQ(tips.count(), 3);
    EXPECT_EQ(tips.tip(1), "First tip");
    EXPECT_EQ(tips.tip(3), "Third tip");
    EXPECT_EQ(tips.tip(4), "");  // beyond the count
    EXPECT_EQ(tips.tip(0), "");
    // The first tip comes from the random value and Next wraps around.
    EXPECT_EQ(tips.nextIndex(2), 3);
    EXPECT_EQ(tips.nextIndex(3), 1);
    EXPECT_EQ(tips.firstIndex(5), 3);
    EXPECT_EQ(tips.firstIndex(0xFFFFFFFFu), 1);  // 4294967295 mod 3 = 0
}

TEST_F(TipsFileTest, CountIsReadLikeAtoiAndOutsideZeroToHundredGivesNoTip) {
    for (const QByteArray& count : {QByteArray("101"), QByteArray("-1"), QByteArray("0"),
                                    QByteArray("many"), QByteArray("99999999999999999999")}) {
        const TipsFile tips = tipsWith(count + "\nA tip\n");
        EXPECT_FALSE(tips.hasTips()) << count.constData();
        EXPECT_EQ(tips.firstIndex(7), 0) << count.constData();
        EXPECT_EQ(tips.tip(1), "") << count.constData();
    }
    EXPECT_EQ(tipsWith("100\nA tip\n").count(), 100);
    EXPECT_EQ(tipsWith("  2 tips follow\nA\nB\n").count(), 2);
    EXPECT_EQ(tipsWith("\xEF\xBB\xBF"
                       "2\nA\nB\n")
                  .count(),
              2);  // UTF-8 mark
    const TipsFile missing = TipsFile::read(dir.filePath("absent.stp"));
    EXPECT_FALSE(missing.hasTips());
    EXPECT_EQ(missing.nextIndex(1), 0);
}

TEST_F(TipsFileTest, LongLineArrivesAsSeveralTips) {
    const QByteArray longLine(600, 'x');
    const TipsFile tips = tipsWith("3\n" + longLine + "\nshort\n");
    EXPECT_EQ(tips.tip(1).size(), 511);
    EXPECT_EQ(tips.tip(2).size(), 600 - 511);
    EXPECT_EQ(tips.tip(3), "short");
}

TEST(ShippedTips, EnglishTipsFileIsWellFormed) {
    const TipsFile tips = TipsFile::read(PICTAVO_SOURCE_DIR "/dist/doc/english.stp");
    ASSERT_GE(tips.count(), 10);
    for (int k = 1; k <= tips.count(); ++k) {
        EXPECT_FALSE(tips.tip(k).trimmed().isEmpty()) << "tip " << k;
        EXPECT_LT(tips.tip(k).toUtf8().size(), 511) << "tip " << k;
    }
}

}  // namespace
}  // namespace pictavo

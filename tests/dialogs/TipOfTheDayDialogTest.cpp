// The Tip of the Day through its buttons and check box, on tips files and
// settings stores written by the tests.
#include "shell/dialogs/TipOfTheDayDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pictavo {
namespace {

class TipOfTheDayDialogTest : public testing::Test {
protected:
    QString tipsPath() const { return dir.filePath("doc/english.stp"); }
    void writeTips(const QByteArray& content) {
        ASSERT_TRUE(QDir(dir.path()).mkpath("doc"));
        QFile file(tipsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void open(quint32 randomValue) {
        dialog = std::make_unique<TipOfTheDayDialog>(store, tipsPath(), randomValue);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    QString next() {
        QTest::mouseClick(dialog->nextButton(), Qt::LeftButton);
        return dialog->shownTip();
    }
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("Pictavo.ini")};
    std::unique_ptr<TipOfTheDayDialog> dialog;
};

TEST_F(TipOfTheDayDialogTest, RandomValueChoosesTheFirstTipAndNextWrapsAfterTheLast) {
    writeTips("3\nOne\nTwo\nThree\n");
    open(7);  // 7 mod 3 + 1: the second tip
    EXPECT_EQ(dialog->shownTip(), "Two");
    EXPECT_EQ(next(), "Three");
    EXPECT_EQ(next(), "One");
    EXPECT_EQ(next(), "Two");
}

TEST_F(TipOfTheDayDialogTest, EmptyTipLineKeepsThePreviousTip) {
    writeTips("3\r\nOne\r\n\r\nThree\r\n");
    open(3);  // the first tip
    EXPECT_EQ(dialog->shownTip(), "One");
    EXPECT_EQ(next(), "One");
    EXPECT_EQ(next(), "Three");
    EXPECT_EQ(next(), "One");
}

// Which counts give no tip is the tips file tests' part.
TEST_F(TipOfTheDayDialogTest, WithoutTipsTheDialogShowsTipsLost) {
    writeTips("101\nOne\nTwo\n");
    open(0);
    EXPECT_EQ(dialog->shownTip(), "Tips lost");
    EXPECT_EQ(next(), "Tips lost");
    ASSERT_TRUE(QFile::remove(tipsPath()));
    open(5);
    EXPECT_EQ(dialog->shownTip(), "Tips lost");
    EXPECT_EQ(next(), "Tips lost");
}

TEST_F(TipOfTheDayDialogTest, CheckBoxStartsFromTheStoreAndTheCloseButtonWritesIt) {
    writeTips("1\nOne\n");
    for (bool stored : {true, false}) {
        ASSERT_TRUE(store.saveShowTipsAtStartup(stored).ok());
        open(0);
        EXPECT_EQ(dialog->showAtStartupBox()->isChecked(), stored);
        QTest::mouseClick(dialog->showAtStartupBox(), Qt::LeftButton);
        QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(store.showTipsAtStartup(), !stored);
    }
}

TEST_F(TipOfTheDayDialogTest, ClosingWithoutTheCloseButtonWritesNothing) {
    writeTips("1\nOne\n");
    ASSERT_TRUE(store.saveShowTipsAtStartup(true).ok());
    open(0);
    QTest::mouseClick(dialog->showAtStartupBox(), Qt::LeftButton);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(store.showTipsAtStartup());
}

}  // namespace
}  // namespace pictavo

// The "Export folder" dialog through its widgets: what OK accepts and what
// it refuses.
#include "generator/gui/ExportFolderDialog.h"

#include "ScriptedPrompts.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pictavo::test {
namespace {

void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

TEST(ExportFolderDialog, OkIsDisabledWhileTheFieldIsEmpty) {
    ScriptedPrompts prompts;
    ExportFolderDialog dialog(QString(), prompts);
    dialog.show();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    retype(dialog.folderField(), "/tmp/site");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    retype(dialog.folderField(), "   ");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    QTest::keyClick(dialog.folderField(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

class RelativeFolder : public testing::TestWithParam<const char*> {};

// Refused without being resolved against the current folder; the folder
// browser then gives a full path, which OK takes.
TEST_P(RelativeFolder, IsRefusedAndTheDialogStaysOpen) {
    ScriptedPrompts prompts;
    ExportFolderDialog dialog(GetParam(), prompts);
    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(prompts.errors, QStringList{uiText(sid::FolderNotAbsolute).arg(GetParam())});

    prompts.fileNames = {"/home/me/web"};
    QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.folderField()->text(), "/home/me/web");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.folder(), "/home/me/web");
}

INSTANTIATE_TEST_SUITE_P(Rows, RelativeFolder, testing::Values("site", "~/site", "C:\\site"));

}  // namespace
}  // namespace pictavo::test

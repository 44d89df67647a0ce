// The "Export folder" dialog through its widgets: what OK accepts, what it
// refuses, and the folder browser.
#include "generator/gui/ExportFolderDialog.h"

#include "ScriptedPrompts.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace pictavo::test {
namespace {

class ExportFolderDialogTest : public testing::Test {
protected:
    void open(const QString& proposed) {
        dialog = std::make_unique<ExportFolderDialog>(proposed, prompts);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void retype(const QString& text) {
        QLineEdit* field = dialog->folderField();
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void clickOk() { QTest::mouseClick(dialog->okButton(), Qt::LeftButton); }

    ScriptedPrompts prompts;
    std::unique_ptr<ExportFolderDialog> dialog;
};

TEST_F(ExportFolderDialogTest, ShowsTheProposedFolderWithItsTexts) {
    open("/srv/albums/Export");
    EXPECT_EQ(dialog->windowTitle(), uiText(sid::ExportFolderTitle));
    EXPECT_EQ(dialog->findChild<QLabel*>()->text(), "Files will be exported to below location:");
    EXPECT_EQ(dialog->folderField()->text(), "/srv/albums/Export");
    EXPECT_EQ(dialog->okButton()->text(), uiText(sid::Ok));
    EXPECT_EQ(dialog->cancelButton()->text(), uiText(sid::Cancel));
    EXPECT_TRUE(dialog->okButton()->isEnabled());
}

TEST_F(ExportFolderDialogTest, OkIsDisabledWhileTheFieldIsEmpty) {
    open(QString());
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    retype("/tmp/site");
    EXPECT_TRUE(dialog->okButton()->isEnabled());
    retype("   ");
    EXPECT_FALSE(dialog->okButton()->isEnabled());
    QTest::keyClick(dialog->folderField(), Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

class RelativeFolder : public ExportFolderDialogTest,
                       public testing::WithParamInterface<const char*> {};

TEST_P(RelativeFolder, IsRefusedAndTheDialogStaysOpen) {
    open("/tmp/site");
    retype(GetParam());
    clickOk();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(prompts.errors, QStringList{uiText(sid::FolderNotAbsolute).arg(GetParam())});

    retype("/tmp/site");
    clickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->folder(), "/tmp/site");
}

INSTANTIATE_TEST_SUITE_P(Rows, RelativeFolder,
                         testing::Values("site", "./site", "../up/site", "~/site", "C:\\site"));

TEST_F(ExportFolderDialogTest, TheBrowserPutsTheChosenFolderIntoTheField) {
    open("/tmp/site");
    prompts.fileNames = {"/home/me/web", ""};
    QTest::mouseClick(dialog->browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->folderField()->text(), "/home/me/web");
    // A cancelled browser keeps what the field holds.
    QTest::mouseClick(dialog->browseButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->folderField()->text(), "/home/me/web");
    clickOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

}  // namespace
}  // namespace pictavo::test

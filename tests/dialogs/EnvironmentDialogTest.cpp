// The Environment dialog through its widgets: what the user types, ticks
// and clicks, and what OK then stores.
#include "shell/dialogs/EnvironmentDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

namespace pictavo {
namespace {

EnvironmentSettings withExportLimit(int width, int height) {
    return {.ExportImgMaxSizeX = width, .ExportImgMaxSizeY = height};
}

class EnvironmentDialogTest : public testing::Test {
protected:
    void open(const EnvironmentSettings& settings) {
        dialog = std::make_unique<EnvironmentDialog>(settings);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }
    // Replaces the field's text the way a user does: select all, type.
    static void typeInto(QSpinBox* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    EnvironmentSettings clickOk() {
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        return dialog->acceptedSettings();
    }
    std::unique_ptr<EnvironmentDialog> dialog;
};

TEST_F(EnvironmentDialogTest, TickedBoxKeepsTypedExportValuesAndOkClampsThem) {
    open(withExportLimit(800, 600));
    ASSERT_TRUE(dialog->limitExportBox()->isChecked());
    typeInto(dialog->exportWidthField(), "5");
    typeInto(dialog->exportHeightField(), "20000");
    // The fields hold what was typed; only OK clamps.
    EXPECT_EQ(dialog->exportWidthField()->value(), 5);
    EXPECT_EQ(dialog->exportHeightField()->value(), 20000);
    const EnvironmentSettings stored = clickOk();
    EXPECT_EQ(stored.ExportImgMaxSizeX, 10);
    EXPECT_EQ(stored.ExportImgMaxSizeY, 10240);
}

// Which stored values tick the box is left to the rules' own tests.
TEST_F(EnvironmentDialogTest, ExportFieldsFollowTheBoxAndAClearedBoxStoresNoLimit) {
    open(EnvironmentSettings{});  // no limit: the box starts clear
    QCheckBox* box = dialog->limitExportBox();
    const auto fieldsEnabled = [&] {
        return std::pair(dialog->exportWidthField()->isEnabled(),
                         dialog->exportHeightField()->isEnabled());
    };
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(fieldsEnabled(), std::pair(false, false));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(fieldsEnabled(), std::pair(true, true));
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(fieldsEnabled(), std::pair(false, false));
    dialog.reset();
    open(withExportLimit(800, 600));
    QTest::mouseClick(dialog->limitExportBox(), Qt::LeftButton);
    ASSERT_FALSE(dialog->limitExportBox()->isChecked());
    EXPECT_EQ(dialog->exportWidthField()->value(), 800);
    const EnvironmentSettings stored = clickOk();
    EXPECT_EQ(std::pair(stored.ExportImgMaxSizeX, stored.ExportImgMaxSizeY), std::pair(0, 0));
}

TEST_F(EnvironmentDialogTest, ExportArrowsStayWithinTheExportRange) {
    open(EnvironmentSettings{});
    QTest::mouseClick(dialog->limitExportBox(), Qt::LeftButton);
    QSpinBox* width = dialog->exportWidthField();
    ASSERT_EQ(width->value(), 0);
    QTest::keyClick(width, Qt::Key_Up);  // from no value the first step is the minimum
    EXPECT_EQ(width->value(), 10);
    QTest::keyClick(width, Qt::Key_Down);
    EXPECT_EQ(width->value(), 10);
    typeInto(width, "20000");
    QTest::keyClick(width, Qt::Key_Up);
    EXPECT_EQ(width->value(), 10240);
    QTest::keyClick(width, Qt::Key_Down);
    EXPECT_EQ(width->value(), 10239);
}

TEST_F(EnvironmentDialogTest, ThumbnailSizesStayWithinTheirRange) {
    open({.ThumbnailMaxSizeY = 9999});  // out of range in the settings file
    typeInto(dialog->thumbnailWidthField(), "600");
    const EnvironmentSettings stored = clickOk();
    for (int size : {stored.ThumbnailMaxSizeX, stored.ThumbnailMaxSizeY}) {
        EXPECT_GE(size, 10);
        EXPECT_LE(size, 512);
    }
}

TEST_F(EnvironmentDialogTest, OpeningShowsTheSettingsAndOkKeepsWhatIsNotEdited) {
    open({.UseFilenameAsDefCaption = 0,
          .ExportImgMaxSizeX = 1024,
          .ExportImgMaxSizeY = 768,
          .ThumbnailMaxSizeX = 120,
          .ThumbnailMaxSizeY = 90});
    EXPECT_EQ(dialog->exportWidthField()->value(), 1024);
    EXPECT_EQ(dialog->thumbnailHeightField()->value(), 90);
    EXPECT_FALSE(dialog->fileNameCaptionBox()->isChecked());
    QTest::mouseClick(dialog->fileNameCaptionBox(), Qt::LeftButton);
    const EnvironmentSettings stored = clickOk();
    EXPECT_EQ(
        std::tuple(stored.ExportImgMaxSizeX, stored.ExportImgMaxSizeY, stored.ThumbnailMaxSizeX,
                   stored.ThumbnailMaxSizeY, stored.UseFilenameAsDefCaption),
        std::tuple(1024, 768, 120, 90, 1));
}

// runEnvironmentDialog runs the dialog modally; the user's part is played
// once the modal loop is running.
template <typename Play>
std::optional<EnvironmentSettings> runAndPlay(const EnvironmentSettings& settings, Play play) {
    bool played = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<EnvironmentDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        played = true;
        play(*dialog);
    });
    std::optional<EnvironmentSettings> result = runEnvironmentDialog(settings, nullptr);
    EXPECT_TRUE(played);
    return result;
}

TEST(RunEnvironmentDialog, CancelReturnsNothingAndOkReturnsTheStoredValues) {
    const auto typeWidth = [](EnvironmentDialog& dialog) {
        dialog.exportWidthField()->selectAll();
        QTest::keyClicks(dialog.exportWidthField(), "20000");
    };
    const auto cancelled = runAndPlay(withExportLimit(800, 600), [&](EnvironmentDialog& dialog) {
        typeWidth(dialog);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(cancelled.has_value());
    const auto accepted = runAndPlay(withExportLimit(800, 600), [&](EnvironmentDialog& dialog) {
        typeWidth(dialog);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(accepted.has_value());
    EXPECT_EQ(accepted->ExportImgMaxSizeX, 10240);
    EXPECT_EQ(accepted->ExportImgMaxSizeY, 600);
}

}  // namespace
}  // namespace pictavo

// The two property commands of the main window open their sheets over it.
#include "FrameFixture.h"

#include "properties/gui/sheets/PropertySheet.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "shell/app/SheetCommands.h"

#include <QPushButton>

namespace pictavo::test {
namespace {

class SheetCommandsTest : public FrameFixture,
                          public testing::WithParamInterface<std::pair<CommandId, int>> {};

TEST_P(SheetCommandsTest, CommandOpensItsSheetOverTheWindow) {
    registerSheetCommands(*context, *window);
    const auto [command, titleId] = GetParam();
    ASSERT_TRUE(action(command)->isEnabled());
    run(command);
    auto* sheet = window->findChild<PropertySheet*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(sheet->isModal());
    EXPECT_EQ(sheet->windowTitle(), uiText(titleId));
    sheet->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    EXPECT_FALSE(sheet->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetCommandsTest,
    testing::Values(std::pair{CommandId::WebsiteProperties, sid::WebsitePropertiesTitle},
                    std::pair{CommandId::LayoutProperties, sid::LayoutPropertiesTitle}));

}  // namespace
}  // namespace pictavo::test

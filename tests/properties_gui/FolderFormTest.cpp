// The folder form: the grid counts typed, left invalid, and "Global".
#include "PanelFixture.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QCheckBox>

#include <utility>

namespace pictavo::test {
namespace {

struct TypedCount {
    const char* typed;
    int stored;         // rows afterwards
    const char* shown;  // the edit afterwards
    int steps;          // undo steps the typing made
};

class TypedCountTest : public PanelFixture, public testing::WithParamInterface<TypedCount> {};

TEST_P(TypedCountTest, StoresOnlyWholeNumbersKeptInRange) {
    const TypedCount row = GetParam();
    showFolder(trip);
    QLineEdit* rows = edit("rowsEdit");
    retype(rows, QLatin1String(row.typed));
    EXPECT_EQ(trip->rows, row.stored);
    EXPECT_EQ(rows->text(), QLatin1String(row.shown));
    EXPECT_TRUE(prompts.errors.isEmpty()) << "nothing is said while typing";
    EXPECT_FALSE(child<QCheckBox>("globalCheck")->isChecked());
    EXPECT_EQ(undoSteps(), row.steps);
}

INSTANTIATE_TEST_SUITE_P(Rows, TypedCountTest,
                         testing::Values(TypedCount{"0", 1, "1", 1},
                                         TypedCount{"-1", -1, "-1", 1},  // "-" alone stores nothing
                                         TypedCount{"-5", 1, "1", 1}, TypedCount{"25", 25, "25", 2},
                                         TypedCount{"250", 100, "100", 3},
                                         TypedCount{"-", 3, "-", 0}));

TEST_F(PanelFixture, InvalidCountIsReportedWhenTheFieldIsLeftAndTheStoredOneComesBack) {
    showFolder(trip);
    QLineEdit* cols = edit("colsEdit");
    cols->setFocus(Qt::MouseFocusReason);
    retype(cols, QString());
    EXPECT_TRUE(prompts.errors.isEmpty());
    edit("captionEdit")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.errors, QStringList{uiText(sid::EnterInteger)});
    EXPECT_EQ(cols->text(), QStringLiteral("4"));
    EXPECT_EQ(trip->cols, 4);
    EXPECT_FALSE(tree().isModified());
    // A valid number leaves without a word.
    cols->setFocus(Qt::MouseFocusReason);
    retype(cols, QStringLiteral("9"));
    edit("captionEdit")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(trip->cols, 9);
}

TEST_F(PanelFixture, GlobalOffTakesTheLayoutGridAndOnClearsBoth) {
    showFolder(trip);
    auto* global = child<QCheckBox>("globalCheck");
    const auto grid = [&] { return std::pair(trip->rows, trip->cols); };
    const auto shown = [&] { return edit("rowsEdit")->text() + "x" + edit("colsEdit")->text(); };
    ASSERT_FALSE(global->isChecked());
    QTest::mouseClick(global, Qt::LeftButton);
    EXPECT_EQ(grid(), std::pair(-1, -1));
    EXPECT_FALSE(edit("rowsEdit")->isEnabled());
    EXPECT_FALSE(edit("colsEdit")->isEnabled());
    QTest::mouseClick(global, Qt::LeftButton);
    EXPECT_EQ(grid(), std::pair(5, 6));
    EXPECT_TRUE(edit("rowsEdit")->isEnabled());
    EXPECT_EQ(shown(), QStringLiteral("5x6"));
    // Each click was one step.
    undo();
    EXPECT_EQ(grid(), std::pair(-1, -1));
    EXPECT_TRUE(global->isChecked());
    undo();
    EXPECT_EQ(grid(), std::pair(3, 4));
    EXPECT_FALSE(global->isChecked());
    EXPECT_FALSE(tree().isModified());
}

TEST_F(PanelFixture, OneCountUnsetShowsGlobal) {
    tree().editFolder(trip, [](CSiteFolder& f) { f.rows = -1; });
    showFolder(trip);
    EXPECT_TRUE(child<QCheckBox>("globalCheck")->isChecked());
    EXPECT_FALSE(edit("colsEdit")->isEnabled());
}

}  // namespace
}  // namespace pictavo::test

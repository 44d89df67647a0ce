// The rules under the sheets' widgets: colours between the record and
// QColor, the arrows and typed numbers, the charset and alignment matching,
// and the font mapping.
#include "properties/gui/sheets/AlignmentChoice.h"
#include "properties/gui/sheets/CharsetTable.h"
#include "properties/gui/sheets/ColourValue.h"
#include "properties/gui/sheets/FontMapping.h"
#include "properties/gui/sheets/NumberRules.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

struct ColourRow {
    int value;
    int red, green, blue;
};

class ColourValueTest : public testing::TestWithParam<ColourRow> {};

TEST_P(ColourValueTest, RedIsTheLowByteBothWays) {
    const ColourRow row = GetParam();
    const QColor colour = colourFromValue(row.value);
    EXPECT_EQ(colour, QColor(row.red, row.green, row.blue));
    EXPECT_EQ(valueFromColour(QColor(row.red, row.green, row.blue, 17)), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourValueTest,
    testing::Values(ColourRow{0xB44619, 0x19, 0x46, 0xB4}, ColourRow{0xFF0000, 0, 0, 0xFF},
                    ColourRow{0x0000FF, 0xFF, 0, 0}, ColourRow{0x808000, 0, 0x80, 0x80},
                    ColourRow{0xFFFFFF, 0xFF, 0xFF, 0xFF}, ColourRow{0, 0, 0, 0}));

TEST(ColourValueTest, NoColourIsAnInvalidColour) {
    EXPECT_FALSE(colourFromValue(-1).isValid());
    EXPECT_EQ(valueFromColour(QColor()), -1);
}

struct StepRow {
    NumberRange range;
    int value;
    int steps;
    int expected;
};

class SteppedValueTest : public testing::TestWithParam<StepRow> {};

TEST_P(SteppedValueTest, ArrowsStayInTheRange) {
    const StepRow row = GetParam();
    EXPECT_EQ(steppedValue(row.range, row.value, row.steps), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SteppedValueTest,
    testing::Values(StepRow{kLoopCountRange, 0, -1, 0}, StepRow{kLoopCountRange, 9999, 1, 9999},
                    StepRow{kLoopCountRange, 41, 1, 42}, StepRow{kMarginRange, 1024, 1, 1024},
                    StepRow{kMarginRange, 2000, 1, 1024}, StepRow{kGridCountRange, 1, -1, 1},
                    StepRow{kGridCountRange, 100, 1, 100}, StepRow{kTableSizeRange, 0, -1, 0},
                    StepRow{kTableSizeRange, 7, -1, 6}));

struct TypedRow {
    NumberRange range;
    int typed;
    int stored;
};

class TypedValueTest : public testing::TestWithParam<TypedRow> {};

TEST_P(TypedValueTest, KeepsOrClampsByTheFieldsRule) {
    const TypedRow row = GetParam();
    EXPECT_EQ(typedValue(row.range, row.typed), row.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedValueTest,
    testing::Values(TypedRow{kMarginRange, 2000, 2000}, TypedRow{kLoopCountRange, 20000, 20000},
                    TypedRow{kTableSizeRange, 500, 500}, TypedRow{kGridCountRange, 0, 1},
                    TypedRow{kGridCountRange, 500, 100}, TypedRow{kGridCountRange, -4, 1},
                    TypedRow{kGridCountRange, 37, 37}));

struct CharsetRow {
    const char* save;
    int row;
};

class CharsetTableTest : public testing::TestWithParam<CharsetRow> {};

TEST_P(CharsetTableTest, MatchesTheNameExactly) {
    EXPECT_EQ(charsetRowFor(QLatin1String(GetParam().save)), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(Rows, CharsetTableTest,
                         testing::Values(CharsetRow{"", 0}, CharsetRow{"UTF-8", 11},
                                         CharsetRow{"utf-8", -1}, CharsetRow{"gb2312", 12},
                                         CharsetRow{"iso-8859-1", 16},
                                         CharsetRow{"unicodeFEFF", 18},
                                         CharsetRow{"windows-1252", -1}));

TEST(CharsetTableTest, OffersNineteenCharsets) {
    EXPECT_EQ(offeredCharsets().size(), 19u);
}

struct AlignmentRow {
    const char* align;
    int index;
};

class AlignmentChoiceTest : public testing::TestWithParam<AlignmentRow> {};

TEST_P(AlignmentChoiceTest, SelectsTheFirstItemBeginningWithTheText) {
    EXPECT_EQ(alignmentIndexFor(QLatin1String(GetParam().align)), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Rows, AlignmentChoiceTest,
                         testing::Values(AlignmentRow{"", 0}, AlignmentRow{"center", 2},
                                         AlignmentRow{"Center", 2}, AlignmentRow{"RIGHT", 3},
                                         AlignmentRow{"le", 1}, AlignmentRow{"justify", -1},
                                         AlignmentRow{"Centered", -1}));

TEST(AlignmentChoiceTest, DefaultStoresEmptyText) {
    EXPECT_EQ(alignmentValue(0), QString());
    EXPECT_EQ(alignmentValue(1), QStringLiteral("Left"));
    EXPECT_EQ(alignmentValue(3), QStringLiteral("Right"));
}

struct WeightRow {
    int weight;
    int bold;
};

class FontWeightTest : public testing::TestWithParam<WeightRow> {};

TEST_P(FontWeightTest, OnlyWeight700IsBold) {
    FontProperty font;
    FontChoice choice = fontChoiceFor(font);
    choice.weight = GetParam().weight;
    ASSERT_TRUE(applyFontChoice(font, choice));
    EXPECT_EQ(font.b, GetParam().bold);
}

INSTANTIATE_TEST_SUITE_P(Rows, FontWeightTest,
                         testing::Values(WeightRow{400, 0}, WeightRow{600, 0}, WeightRow{700, 1},
                                         WeightRow{800, 0}, WeightRow{900, 0}));

TEST(FontMappingTest, ChoiceCarriesEveryFieldBothWays) {
    FontProperty font;
    font.name = QStringLiteral("Georgia");
    font.size = 125;
    font.b = 1;
    font.s = 1;
    font.clr = 0x123456;
    const FontChoice choice = fontChoiceFor(font);
    EXPECT_EQ(choice.weight, 700);
    // Through Qt's font and back, as the font dialog hands it over.
    const FontChoice back = fontChoiceFromQFont(qFontFor(choice), choice.colour);
    FontProperty stored;
    ASSERT_TRUE(applyFontChoice(stored, back));
    EXPECT_EQ(stored.name.get(), QStringLiteral("Georgia"));
    EXPECT_EQ(stored.size, 125);
    EXPECT_EQ((std::array{stored.b, stored.i, stored.u, stored.s}), (std::array{1, 0, 0, 1}));
    EXPECT_EQ(stored.clr, 0x123456);
}

TEST(FontMappingTest, ChoiceWithoutFaceChangesNothing) {
    FontProperty font;
    FontChoice choice = fontChoiceFor(font);
    choice.family.clear();
    choice.weight = 700;
    EXPECT_FALSE(applyFontChoice(font, choice));
    EXPECT_EQ(font.b, 0);
    EXPECT_EQ(font.name.get(), QStringLiteral("Arial"));
}

struct DescriptionRow {
    const char* name;
    int b, i, u, s;
    const char* text;
};

class FontDescriptionTest : public testing::TestWithParam<DescriptionRow> {};

TEST_P(FontDescriptionTest, NamesTheFaceAndTheSetFlags) {
    const DescriptionRow row = GetParam();
    FontProperty font;
    font.name = QLatin1String(row.name);
    font.b = row.b;
    font.i = row.i;
    font.u = row.u;
    font.s = row.s;
    font.size = 300;  // never shown
    EXPECT_EQ(fontDescription(font), QLatin1String(row.text));
}

INSTANTIATE_TEST_SUITE_P(Rows, FontDescriptionTest,
                         testing::Values(DescriptionRow{"Arial", 0, 0, 0, 0, "Arial"},
                                         DescriptionRow{"Arial", 1, 0, 1, 0, "Arial B U"},
                                         DescriptionRow{"Times", 1, 1, 1, 1, "Times B I U S"},
                                         DescriptionRow{"", 0, 1, 0, 0, "(Default) I"}));

}  // namespace
}  // namespace pictavo

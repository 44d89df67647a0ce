// The rules under the sheets' widgets that the sheet tests do not reach:
// colours between the record and QColor, alignment matching, and the font
// mapping. The number ranges, charsets and bold weight are driven through
// the fields in the sheet tests.
#include "properties/gui/sheets/AlignmentChoice.h"
#include "properties/gui/sheets/ColourValue.h"
#include "properties/gui/sheets/FontMapping.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(ColourValueTest, RedIsTheLowByteBothWaysAndMinusOneIsNoColour) {
    const QColor colour = colourFromValue(0xB44619);
    EXPECT_EQ(colour, QColor(0x19, 0x46, 0xB4));
    EXPECT_EQ(valueFromColour(QColor(0x19, 0x46, 0xB4, 17)), 0xB44619);
    EXPECT_FALSE(colourFromValue(-1).isValid());
    EXPECT_EQ(valueFromColour(QColor()), -1);
}

TEST(AlignmentChoiceTest, SelectsTheFirstItemBeginningWithTheText) {
    const std::pair<const char*, int> rows[] = {
        {"", 0}, {"center", 2}, {"le", 1}, {"Centered", -1}};
    for (const auto& [align, index] : rows)
        EXPECT_EQ(alignmentIndexFor(QLatin1String(align)), index) << align;
}

TEST(FontMappingTest, ChoiceCarriesEveryFieldBothWaysAndOneWithoutFaceIsRefused) {
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
    // A choice without a face changes nothing.
    FontProperty untouched;
    FontChoice faceless = fontChoiceFor(untouched);
    faceless.family.clear();
    faceless.weight = 700;
    EXPECT_FALSE(applyFontChoice(untouched, faceless));
    EXPECT_EQ(untouched.b, 0);
    EXPECT_EQ(untouched.name.get(), QStringLiteral("Arial"));
}

TEST(FontMappingTest, DescriptionNamesTheFaceAndTheSetFlagsButNotTheSize) {
    FontProperty font;
    font.name = QString();
    font.i = 1;
    font.size = 300;
    EXPECT_EQ(fontDescription(font), QStringLiteral("(Default) I"));
    font.name = QStringLiteral("Times");
    font.b = font.u = font.s = 1;
    EXPECT_EQ(fontDescription(font), QStringLiteral("Times B I U S"));
}

}  // namespace
}  // namespace pictavo

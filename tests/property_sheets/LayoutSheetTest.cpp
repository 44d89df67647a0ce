// The Layout Properties sheet through its widgets: alignments, the grid's
// rows and columns, the table sizes, colours with their reset, the font
// dialog, and which bar each tab edits.
#include "ScriptedPrompts.h"
#include "SheetTestSupport.h"

#include "properties/LayoutProperty.h"
#include "properties/gui/sheets/FontChoiceDialog.h"
#include "properties/gui/sheets/LayoutSheet.h"
#include "properties/gui/sheets/NumberField.h"
#include "resources/StringIds.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <memory>
#include <tuple>

namespace pictavo::test {
namespace {

class LayoutSheetTest : public testing::Test {
protected:
    void open() {
        sheet.reset(makeLayoutSheet(layout, dialogs, prompts, nullptr));
        showSheet(sheet.get());
    }
    template <typename Widget>
    Widget* canvas(const char* name) {
        return control<Widget>(*sheet, sid::MainCanvasPage, name);
    }
    template <typename Widget>
    Widget* topBar(const char* name) {
        return control<Widget>(*sheet, sid::TopNavigatorBarPage, name);
    }
    void typeAndLeave(NumberField* field, const char* text) {
        typeInto(field, QLatin1String(text));
        leaveField(field);
    }
    LayoutProperty layout;
    ScriptedPrompts prompts;
    ScriptedSheetDialogs dialogs;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(LayoutSheetTest, LowerCaseCenterSelectsCenterAndDefaultStoresEmptyText) {
    open();
    EXPECT_EQ(layout.main.mainAlign.get(), QStringLiteral("center"));
    EXPECT_EQ(canvas<QComboBox>("align")->currentText(), uiText(sid::AlignCenter));
    EXPECT_EQ(control<QComboBox>(*sheet, sid::HeaderBarPage, "align")->currentText(),
              uiText(sid::AlignDefault));
    topBar<QComboBox>("align")->setCurrentIndex(0);
    EXPECT_EQ(layout.top.align.get(), QString());
    canvas<QComboBox>("align")->setCurrentIndex(1);
    EXPECT_EQ(layout.main.mainAlign.get(), QStringLiteral("Left"));
}

TEST_F(LayoutSheetTest, TypedRowsAndColumnsAreClampedWhileTableSizesAreKept) {
    open();
    auto* rows = canvas<NumberField>("rows");
    typeAndLeave(rows, "0");
    EXPECT_EQ(layout.main.rows, 1);
    EXPECT_EQ(rows->value(), 1);
    typeAndLeave(rows, "500");
    EXPECT_EQ(layout.main.rows, 100);
    EXPECT_EQ(rows->value(), 100);
    typeAndLeave(canvas<NumberField>("cols"), "7");
    EXPECT_EQ(layout.main.cols, 7);
    auto* border = control<NumberField>(*sheet, sid::TablePropertiesPage, "borderwidth");
    typeAndLeave(border, "500");
    EXPECT_EQ(layout.table.borderwidth, 500);
    border->setFocus();
    QTest::keyClick(border, Qt::Key_Up);
    EXPECT_EQ(layout.table.borderwidth, 100);
    QTest::keyClick(border, Qt::Key_Up);
    EXPECT_EQ(layout.table.borderwidth, 100);
    // Text that is no number keeps the value.
    typeAndLeave(border, "x");
    EXPECT_EQ(layout.table.borderwidth, 100);
}

TEST_F(LayoutSheetTest, ResetTurnsAPickedColourTransparent) {
    open();
    auto* colour = topBar<QWidget>("bgclr");
    auto* button = colour->findChild<QPushButton*>();
    EXPECT_EQ(button->text(), uiText(sid::Transparent));
    dialogs.colours = {0x336699};
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(layout.top.bgclr, 0x336699);
    EXPECT_NE(button->text(), uiText(sid::Transparent));
    QTest::mouseClick(colour->findChild<QToolButton*>(), Qt::LeftButton);
    EXPECT_EQ(layout.top.bgclr, -1);
    EXPECT_EQ(button->text(), uiText(sid::Transparent));
}

TEST_F(LayoutSheetTest, FontDialogChoiceIsStoredWithBoldOnlyAtWeight700) {
    layout.img.font.clr = 0x0000FF;
    open();
    auto* choose = control<QPushButton>(*sheet, sid::ImagePage, "chooseFont");
    auto* description = control<QLabel>(*sheet, sid::ImagePage, "fontDescription");
    auto* fontColour =
        control<QWidget>(*sheet, sid::ImagePage, "fontclr")->findChild<QPushButton*>();
    EXPECT_EQ(description->text(), QStringLiteral("Arial"));
    FontChoice semibold{QStringLiteral("Verdana"), 140, 600, true, false, true, 0x00FF00};
    dialogs.fonts = {semibold};
    QTest::mouseClick(choose, Qt::LeftButton);
    const FontProperty& f = layout.img.font;
    EXPECT_EQ(std::tuple(f.name.get(), f.size, f.b, f.clr),
              std::tuple(QStringLiteral("Verdana"), 140, 0, 0x00FF00));
    EXPECT_EQ(description->text(), QStringLiteral("Verdana I S"));
    FontChoice bold = semibold;
    bold.weight = 700;
    dialogs.fonts = {bold, std::nullopt};
    QTest::mouseClick(choose, Qt::LeftButton);
    EXPECT_EQ(layout.img.font.b, 1);
    EXPECT_EQ(description->text(), QStringLiteral("Verdana B I S"));
    QTest::mouseClick(choose, Qt::LeftButton);  // cancelled
    EXPECT_EQ(layout.img.font.b, 1);
    // The font colour is only shown; its reset clears it.
    QTest::mouseClick(fontColour, Qt::LeftButton);
    EXPECT_EQ(layout.img.font.clr, 0x00FF00);
    QTest::mouseClick(
        control<QWidget>(*sheet, sid::ImagePage, "fontclr")->findChild<QToolButton*>(),
        Qt::LeftButton);
    EXPECT_EQ(layout.img.font.clr, -1);
    EXPECT_EQ(fontColour->text(), uiText(sid::Transparent));
}

// The font dialog hands back what it was opened with when nothing is
// changed: the size in tenths, the effects and the colour survive Qt's font.
TEST(FontChoiceDialogTest, OkWithoutChangesGivesTheOpeningChoice) {
    ScriptedSheetDialogs colours;
    const FontChoice opening{QFont().family(), 140, 400, true, true, false, 0x336699};
    FontChoiceDialog dialog(opening, colours);
    const FontChoice c = dialog.choice();
    EXPECT_EQ(std::tuple(c.tenthsOfPoint, c.weight, c.italic, c.underline, c.strikeOut, c.colour),
              std::tuple(140, 400, true, true, false, 0x336699));
}

// Each tab writes the fields of its own bar and no other bar's.
TEST_F(LayoutSheetTest, EachTabEditsTheBarWithItsKeyPrefix) {
    const std::pair<int, const char*> tabs[] = {
        {sid::HeaderBarPage, "head."},     {sid::TopNavigatorBarPage, "top."},
        {sid::HistoryBarPage, "history."}, {sid::NextNavigatorBarPage, "next."},
        {sid::IndexBarPage, "idx."},       {sid::FooterBarPage, "footer."},
        {sid::ImagePage, "img."},          {sid::ImageNavigatorBarPage, "imgnavi."}};
    for (const auto& [captionId, keyPrefix] : tabs) {
        layout.Reset();
        open();
        control<QComboBox>(*sheet, captionId, "align")->setCurrentIndex(1);
        QStringList changed;
        for (const PropertyField& field : layout.fields())
            if (field.key.endsWith(QStringLiteral(".align")) &&
                field.key != QStringLiteral("main.align") &&
                field.text->get() == QStringLiteral("Left"))
                changed << field.key;
        EXPECT_EQ(changed, QStringList{QLatin1String(keyPrefix) + QStringLiteral("align")});
    }
}

}  // namespace
}  // namespace pictavo::test

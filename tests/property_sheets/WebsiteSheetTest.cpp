// The Website Properties sheet through its widgets: what the user clicks
// and types, and what the record then holds.
#include "ScriptedPrompts.h"
#include "SheetTestSupport.h"

#include "properties/WebsiteProperty.h"
#include "properties/gui/sheets/MetaVariableDialog.h"
#include "properties/gui/sheets/NumberField.h"
#include "properties/gui/sheets/WebsiteSheet.h"
#include "resources/StringIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <memory>

namespace pictavo::test {
namespace {

class WebsiteSheetTest : public testing::Test {
protected:
    WebsiteSheetTest() { website.Reset(true); }
    void open() {
        sheet.reset(makeWebsiteSheet(website, dialogs, prompts, nullptr));
        showSheet(sheet.get());
    }
    template <typename Widget>
    Widget* general(const char* name) {
        return control<Widget>(*sheet, sid::SheetGeneral, name);
    }
    template <typename Widget>
    Widget* background(const char* name) {
        return control<Widget>(*sheet, sid::SheetBackground, name);
    }
    WebsiteProperty website;
    ScriptedPrompts prompts;
    ScriptedSheetDialogs dialogs;
    std::unique_ptr<PropertySheet> sheet;
};

TEST_F(WebsiteSheetTest, ForeverRoundTripsAndATypedCountAboveTheArrowsIsKept) {
    open();  // a negative loop opens as Forever
    auto* foreverBox = general<QCheckBox>("forever");
    auto* loop = general<NumberField>("loop");
    EXPECT_TRUE(foreverBox->isChecked());
    EXPECT_FALSE(loop->isEnabled());
    tick(foreverBox);
    EXPECT_EQ(website.general.bgsndloop, 0);
    EXPECT_TRUE(loop->isEnabled());
    loop->setFocus();
    QTest::keyClick(loop, Qt::Key_Down);
    EXPECT_EQ(website.general.bgsndloop, 0);
    QTest::keyClick(loop, Qt::Key_Up);
    QTest::keyClick(loop, Qt::Key_Up);
    EXPECT_EQ(website.general.bgsndloop, 2);
    tick(foreverBox);
    EXPECT_EQ(website.general.bgsndloop, -1);
    EXPECT_FALSE(loop->isEnabled());
    tick(foreverBox);
    EXPECT_EQ(website.general.bgsndloop, 0);  // not the 2 held before
    EXPECT_EQ(loop->value(), 0);
    typeInto(loop, QStringLiteral("20000"));
    leaveField(loop);
    EXPECT_EQ(website.general.bgsndloop, 20000);
    website.general.bgsndloop = 5;
    open();
    EXPECT_FALSE(general<QCheckBox>("forever")->isChecked());
    EXPECT_EQ(general<NumberField>("loop")->value(), 5);
}

TEST_F(WebsiteSheetTest, ManualDisablesConvertButKeepsItsValue) {
    open();
    auto* convert = general<QCheckBox>("convert");
    tick(general<QRadioButton>("manual"));
    EXPECT_EQ(website.general.cpyfileauto, 0);
    EXPECT_FALSE(convert->isEnabled());
    EXPECT_TRUE(convert->isChecked());
    EXPECT_EQ(website.general.cntimg, 1);
    tick(general<QRadioButton>("automatic"));
    EXPECT_EQ(website.general.cpyfileauto, 1);
    EXPECT_TRUE(convert->isEnabled());
    tick(convert);
    EXPECT_EQ(website.general.cntimg, 0);
}

TEST_F(WebsiteSheetTest, BrowseStoresTheChosenFolderAndCancelKeepsTheOld) {
    website.general.location = QStringLiteral("/srv/old");
    open();
    prompts.fileNames = {QStringLiteral("/srv/site"), QString()};
    QTest::mouseClick(general<QPushButton>("browseLocation"), Qt::LeftButton);
    EXPECT_EQ(website.general.location.get(), QStringLiteral("/srv/site"));
    EXPECT_EQ(general<QLineEdit>("location")->text(), QStringLiteral("/srv/site"));
    QTest::mouseClick(general<QPushButton>("browseLocation"), Qt::LeftButton);
    EXPECT_EQ(website.general.location.get(), QStringLiteral("/srv/site"));
}

TEST_F(WebsiteSheetTest, MarginTypedAboveTheRangeIsKept) {
    open();
    auto* top = control<NumberField>(*sheet, sid::SheetMargins, "topmargin");
    EXPECT_FALSE(top->isEnabled());
    tick(control<QCheckBox>(*sheet, sid::SheetMargins, "usetopmargin"));
    EXPECT_EQ(website.margin.usetopmargin, 1);
    ASSERT_TRUE(top->isEnabled());
    typeInto(top, QStringLiteral("2000"));
    leaveField(top);
    EXPECT_EQ(website.margin.topmargin, 2000);
    EXPECT_EQ(top->value(), 2000);
    // The arrows bring it back into their range.
    top->setFocus();
    QTest::keyClick(top, Qt::Key_Up);
    EXPECT_EQ(website.margin.topmargin, 1024);
    EXPECT_EQ(website.margin.leftmargin, 0);
}

TEST_F(WebsiteSheetTest, BackgroundControlsFollowTheThreeFlags) {
    const struct {
        int custom, bgimg, defcolor;
        bool flagsEnabled, imageEnabled, coloursEnabled;
    } rows[] = {{0, 1, 0, false, false, false},
                {1, 0, 1, true, false, false},
                {1, 1, 1, true, true, false},
                {1, 0, 0, true, false, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.custom << row.bgimg << row.defcolor);
        website.background.custom = row.custom;
        website.background.bgimg = row.bgimg;
        website.background.defcolor = row.defcolor;
        open();
        EXPECT_EQ(background<QCheckBox>("bgimg")->isEnabled(), row.flagsEnabled);
        EXPECT_EQ(background<QCheckBox>("defcolor")->isEnabled(), row.flagsEnabled);
        EXPECT_EQ(background<QLineEdit>("bgimgpath")->isEnabled(), row.imageEnabled);
        EXPECT_EQ(background<QCheckBox>("watermark")->isEnabled(), row.imageEnabled);
        for (const char* colour : {"bgcolor", "txtcolor", "hlnkcolor", "vlnkcolor", "alnkcolor"})
            EXPECT_EQ(background<QWidget>(colour)->isEnabled(), row.coloursEnabled) << colour;
    }
}

TEST_F(WebsiteSheetTest, BackgroundBoxesWriteTheirFlagsAndColoursArePicked) {
    open();
    tick(background<QCheckBox>("custom"));
    tick(background<QCheckBox>("defcolor"));
    EXPECT_EQ(website.background.custom, 1);
    EXPECT_EQ(website.background.defcolor, 0);
    dialogs.colours = {0x00FF00, std::nullopt};
    auto* text = background<QWidget>("txtcolor")->findChild<QPushButton*>();
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_EQ(website.background.txtcolor, 0x00FF00);
    QTest::mouseClick(text, Qt::LeftButton);  // cancelled
    EXPECT_EQ(website.background.txtcolor, 0x00FF00);
}

TEST_F(WebsiteSheetTest, StoredCharsetIsSelectedExactlyOrNotAtAll) {
    website.language.save = QStringLiteral("UTF-8");
    open();
    auto* charsets = control<QComboBox>(*sheet, sid::SheetLanguage, "charset");
    EXPECT_EQ(charsets->currentText(), QStringLiteral("Universal (UTF-8)"));
    charsets->setCurrentIndex(charsets->findText(QStringLiteral("Traditional Chinese (Big5)")));
    EXPECT_EQ(website.language.save.get(), QStringLiteral("big5"));
    website.language.save = QStringLiteral("utf-8");
    open();
    EXPECT_EQ(control<QComboBox>(*sheet, sid::SheetLanguage, "charset")->currentIndex(), -1);
    EXPECT_EQ(website.language.save.get(), QStringLiteral("utf-8"));
}

TEST_F(WebsiteSheetTest, VariablesAreAddedModifiedAndRemovedInTheirOwnList) {
    open();
    auto* systemList = control<QTreeWidget>(*sheet, sid::SheetCustom, "systemList");
    auto* userList = control<QTreeWidget>(*sheet, sid::SheetCustom, "userList");
    ASSERT_EQ(userList->topLevelItemCount(), 1);  // GENERATOR
    auto button = [&](const char* name) {
        return control<QPushButton>(*sheet, sid::SheetCustom, name);
    };
    // Remove without a selection does nothing.
    QTest::mouseClick(button("userRemove"), Qt::LeftButton);
    EXPECT_EQ(website.metas.size(), 1u);
    dialogs.variables = {MetaText{QStringLiteral("refresh"), QStringLiteral("30")},
                         MetaText{QStringLiteral("refresh"), QStringLiteral("60")}};
    QTest::mouseClick(button("systemAdd"), Qt::LeftButton);
    QTest::mouseClick(button("systemAdd"), Qt::LeftButton);
    EXPECT_EQ(dialogs.variableTitles.value(0), uiText(sid::SystemMetaVariableTitle));
    ASSERT_EQ(website.metas.size(), 3u);
    EXPECT_EQ(website.metas[2].ifsys, 1);
    EXPECT_EQ(website.metas[2].val.get(), QStringLiteral("60"));
    EXPECT_EQ(systemList->topLevelItemCount(), 2);
    EXPECT_EQ(systemList->currentItem()->text(1), QStringLiteral("60"));
    // Removing the first system variable moves the later one up.
    systemList->setCurrentItem(systemList->topLevelItem(0));
    QTest::mouseClick(button("systemRemove"), Qt::LeftButton);
    ASSERT_EQ(website.metas.size(), 2u);
    EXPECT_EQ(website.metas[1].val.get(), QStringLiteral("60"));
    dialogs.variables = {MetaText{QStringLiteral("author"), QStringLiteral("Ann")}};
    userList->setCurrentItem(userList->topLevelItem(0));
    QTest::mouseClick(button("userModify"), Qt::LeftButton);
    EXPECT_EQ(dialogs.variableTitles.last(), uiText(sid::UserMetaVariableTitle));
    EXPECT_EQ(website.metas[0].name.get(), QStringLiteral("author"));
    EXPECT_EQ(website.metas[0].ifsys, 0);
    EXPECT_EQ(userList->topLevelItem(0)->text(0), QStringLiteral("author"));
}

TEST_F(WebsiteSheetTest, HeaderTextWithLineBreaksIsStoredWhenTheEditIsLeft) {
    open();
    auto* header = control<QPlainTextEdit>(*sheet, sid::SheetHeader, "text");
    header->setFocus();
    QTest::keyClicks(header, QStringLiteral("Welcome"));
    QTest::keyClick(header, Qt::Key_Return);
    QTest::keyClicks(header, QStringLiteral("home"));
    EXPECT_TRUE(website.headerStr.isEmpty());
    control<QLineEdit>(*sheet, sid::SheetGeneral, "title")->setFocus();
    EXPECT_EQ(website.headerStr.get(), QStringLiteral("Welcome\nhome"));
    EXPECT_TRUE(sheet->isVisible());
}

TEST(MetaVariableDialogTest, EmptyNameIsRefusedWithAMessage) {
    ScriptedPrompts prompts;
    MetaVariableDialog dialog(QStringLiteral("title"), {}, prompts);
    showSheet(&dialog);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(prompts.errors, QStringList{uiText(sid::VariableNameMissing)});
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("keywords"));
    QTest::keyClicks(dialog.valueEdit(), QStringLiteral("sea, sand"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text().name, QStringLiteral("keywords"));
    EXPECT_EQ(dialog.text().value, QStringLiteral("sea, sand"));
}

}  // namespace
}  // namespace pictavo::test

// A visit to a sheet over the open album: Cancel leaves the album exactly as
// it was, OK keeps everything typed (the field with the focus too), marks
// the album modified and makes one undo step.
#include "ScriptedPrompts.h"
#include "SheetTestSupport.h"

#include "album/file/AlbumFile.h"
#include "properties/gui/sheets/NumberField.h"
#include "properties/gui/sheets/SheetSession.h"
#include "resources/StringIds.h"
#include "shell/gui/AppContext.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

namespace pictavo::test {
namespace {

class SheetSessionTest : public testing::Test {
protected:
    SheetSessionTest()
        : context(
              std::make_unique<AppContext>(SettingsStore(dir.filePath("Pictavo.ini")), prompts)) {}
    Album& album() { return context->album(); }
    QByteArray albumBytes() { return serializeAlbum(album()); }
    static PropertySheet* shown(PropertySheet* sheet) {
        showSheet(sheet);
        return sheet;
    }
    PropertySheet* openWebsite() { return shown(openWebsiteSheet(*context, dialogs, nullptr)); }
    PropertySheet* openLayout() { return shown(openLayoutSheet(*context, dialogs, nullptr)); }
    // The user's edits on every kind of control of the website sheet.
    void editWebsite(PropertySheet& sheet) {
        auto* title = control<QLineEdit>(sheet, sid::SheetGeneral, "title");
        typeInto(title, QStringLiteral("Summer"));
        leaveField(title);
        tick(control<QCheckBox>(sheet, sid::SheetGeneral, "forever"));
        tick(control<QCheckBox>(sheet, sid::SheetMargins, "useleftmargin"));
        dialogs.variables = {MetaText{QStringLiteral("keywords"), QStringLiteral("sea")}};
        QTest::mouseClick(control<QPushButton>(sheet, sid::SheetCustom, "userAdd"), Qt::LeftButton);
        auto* users = control<QTreeWidget>(sheet, sid::SheetCustom, "userList");
        users->setCurrentItem(users->topLevelItem(0));
        QTest::mouseClick(control<QPushButton>(sheet, sid::SheetCustom, "userRemove"),
                          Qt::LeftButton);
    }
    static void click(PropertySheet* sheet, const char* button) {
        QPointer<PropertySheet> alive(sheet);
        QTest::mouseClick(sheet->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull()) << "the sheet deletes itself when closed";
    }
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    ScriptedSheetDialogs dialogs;
    std::unique_ptr<AppContext> context;
};

TEST_F(SheetSessionTest, CancelRestoresEveryWebsiteAndLayoutField) {
    album().layout.main.bgclr = 0x123456;
    const QByteArray before = albumBytes();
    PropertySheet* sheet = openWebsite();
    editWebsite(*sheet);
    ASSERT_EQ(album().website.general.title.get(), QStringLiteral("Summer"));
    ASSERT_EQ(album().website.metas.size(), 1u);
    EXPECT_EQ(album().website.metas[0].name.get(), QStringLiteral("keywords"));
    click(sheet, "cancel");
    EXPECT_EQ(albumBytes(), before);
    sheet = openLayout();
    auto* rows = control<NumberField>(*sheet, sid::MainCanvasPage, "rows");
    typeInto(rows, QStringLiteral("9"));
    leaveField(rows);
    QTest::mouseClick(
        control<QWidget>(*sheet, sid::MainCanvasPage, "bgclr")->findChild<QToolButton*>(),
        Qt::LeftButton);
    ASSERT_EQ(album().layout.main.rows, 9);
    ASSERT_EQ(album().layout.main.bgclr, -1);
    click(sheet, "cancel");
    EXPECT_EQ(albumBytes(), before);
    EXPECT_FALSE(album().tree.isModified());
    EXPECT_FALSE(context->undoStack().canUndo());
}

TEST_F(SheetSessionTest, OkKeepsTheTextOfTheFieldThatStillHasTheFocus) {
    PropertySheet* sheet = openWebsite();
    auto* title = control<QLineEdit>(*sheet, sid::SheetGeneral, "title");
    typeInto(title, QStringLiteral("Holiday"));
    auto* footer = control<QPlainTextEdit>(*sheet, sid::SheetFooter, "text");
    footer->setFocus();
    QTest::keyClicks(footer, QStringLiteral("(c) 2026"));
    ASSERT_TRUE(footer->hasFocus());
    // OK by its shortcut: the focus stays in the footer.
    sheet->okButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(album().website.general.title.get(), QStringLiteral("Holiday"));
    EXPECT_EQ(album().website.footerStr.get(), QStringLiteral("(c) 2026"));
}

TEST_F(SheetSessionTest, OkIsOneUndoStepThatMarksTheAlbumModified) {
    const QByteArray before = albumBytes();
    PropertySheet* sheet = openWebsite();
    editWebsite(*sheet);
    click(sheet, "ok");
    const QByteArray after = albumBytes();
    EXPECT_NE(after, before);
    EXPECT_EQ(album().website.general.bgsndloop, 0);
    EXPECT_EQ(album().website.margin.useleftmargin, 1);
    EXPECT_TRUE(album().tree.isModified());
    EXPECT_EQ(context->undoStack().undoName(), uiText(sid::WebsitePropertiesTitle));
    ASSERT_TRUE(context->undoStack().undo());
    EXPECT_EQ(albumBytes(), before);
    EXPECT_FALSE(context->undoStack().canUndo());
    EXPECT_FALSE(album().tree.isModified());
    ASSERT_TRUE(context->undoStack().redo());
    EXPECT_EQ(albumBytes(), after);
}

TEST_F(SheetSessionTest, OkWithoutChangesLeavesTheAlbumAndAResetColourIsSavedAsMinusOne) {
    click(openLayout(), "ok");
    EXPECT_FALSE(album().tree.isModified());
    EXPECT_FALSE(context->undoStack().canUndo());
    album().layout.footer.bgclr = 0xABCDEF;
    PropertySheet* sheet = openLayout();
    QTest::mouseClick(
        control<QWidget>(*sheet, sid::FooterBarPage, "bgclr")->findChild<QToolButton*>(),
        Qt::LeftButton);
    click(sheet, "ok");
    EXPECT_TRUE(albumBytes().contains("\r\nfooter.bgclr=-1\r\n"));
    EXPECT_EQ(context->undoStack().undoName(), uiText(sid::LayoutPropertiesTitle));
}

}  // namespace
}  // namespace pictavo::test

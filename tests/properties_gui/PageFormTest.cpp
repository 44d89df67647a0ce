// The page form: the link image rule, browsing versus typing "Link to",
// the page buttons, and the larger text editor.
#include "PanelFixture.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QToolButton>

namespace pictavo::test {
namespace {

TEST_F(PanelFixture, OnlyTypedWebLinksCarryALinkImageAndErasingOneDisablesItAgain) {
    const std::pair<const char*, bool> links[] = {
        {"hTTp:", true}, {"MAILTO:a@b.c", true}, {"http.jpg", false}, {"/photos/http:", false}};
    showPage(0);
    QLineEdit* linkImage = edit("linkImageEdit");
    ASSERT_FALSE(linkImage->isEnabled());
    for (const auto& [url, applies] : links) {
        retype(edit("linkToEdit"), QLatin1String(url));
        EXPECT_EQ(trip->page(0)->url, QLatin1String(url));
        EXPECT_EQ(linkImage->isEnabled(), applies) << url;
        EXPECT_EQ(child<QToolButton>("linkImageBrowse")->isEnabled(), applies) << url;
        EXPECT_EQ(linkImage->text(),
                  applies ? QStringLiteral("thumb-a.gif") : uiText(sid::UseThumbnailImage));
        EXPECT_EQ(trip->page(0)->lnkimg, QStringLiteral("thumb-a.gif")) << "never overwritten";
    }
    retype(edit("linkToEdit"), QStringLiteral("hTTp:"));
    retype(linkImage, QStringLiteral("button.png"));
    retype(edit("linkToEdit"), QString());
    EXPECT_FALSE(linkImage->isEnabled());
    EXPECT_EQ(linkImage->text(), uiText(sid::UseThumbnailImage));
    EXPECT_EQ(trip->page(0)->lnkimg, QStringLiteral("button.png"));
}

TEST_F(PanelFixture, BrowsingALinkSetsTheStylesTypingDoesNot) {
    showPage(0);
    const QString path = dir.filePath(QStringLiteral("b.jpg"));
    retype(edit("linkToEdit"), path);
    EXPECT_EQ(trip->page(0)->posstyle, kLeftImageRightText);
    EXPECT_EQ(trip->page(0)->lnkstyle, kTextLink);
    prompts.fileNames.push_back(path);
    QTest::mouseClick(child<QToolButton>("linkToBrowse"), Qt::LeftButton);
    EXPECT_EQ(trip->page(0)->posstyle, kTopImageBottomText);
    EXPECT_EQ(trip->page(0)->lnkstyle, kImageLink);
    EXPECT_EQ(child<QComboBox>("posStyleList")->currentIndex(), int(kTopImageBottomText));
    EXPECT_EQ(child<QComboBox>("lnkStyleList")->currentIndex(), int(kImageLink));
    // The browse result is one step; a cancelled dialog changes nothing.
    undo();
    EXPECT_EQ(trip->page(0)->posstyle, kLeftImageRightText);
    EXPECT_EQ(trip->page(0)->url, path);
    EXPECT_EQ(child<QComboBox>("posStyleList")->currentIndex(), int(kLeftImageRightText));
    QTest::mouseClick(child<QToolButton>("linkToBrowse"), Qt::LeftButton);
    EXPECT_EQ(trip->page(0)->lnkstyle, kTextLink);
}

TEST_F(PanelFixture, PageButtonsStepThroughTheFolderAndStopAtItsEnds) {
    showPage(1);
    auto click = [&](const char* name) {
        QTest::mouseClick(child<QToolButton>(name), Qt::LeftButton);
        return edit("captionEdit")->text();
    };
    EXPECT_EQ(click("nextPageButton"), QStringLiteral("c"));
    EXPECT_EQ(click("nextPageButton"), QStringLiteral("c"));
    EXPECT_EQ(click("firstPageButton"), QStringLiteral("a"));
    EXPECT_EQ(click("previousPageButton"), QStringLiteral("a"));
    EXPECT_EQ(click("lastPageButton"), QStringLiteral("c"));
    EXPECT_EQ(click("previousPageButton"), QStringLiteral("b"));
    EXPECT_EQ(context->shownItem().node().page, trip->page(1));
}

TEST_F(PanelFixture, TextEditorWritesOnCloseAndIsDroppedBySwitchingItems) {
    showPage(0);
    QTest::mouseClick(child<QToolButton>("descEditorButton"), Qt::LeftButton);
    ASSERT_TRUE(panel->isTextEditorOpen());
    QTest::keyClicks(child<QPlainTextEdit>("textEditorBox"), QStringLiteral("dropped"));
    showPage(1);
    EXPECT_FALSE(panel->isTextEditorOpen());
    EXPECT_TRUE(trip->page(0)->desc.isEmpty());
    QTest::mouseClick(child<QToolButton>("captionEditorButton"), Qt::LeftButton);
    QTest::keyClicks(child<QPlainTextEdit>("textEditorBox"), QStringLiteral(" kept"));
    QTest::mouseClick(child<QToolButton>("textEditorClose"), Qt::LeftButton);
    EXPECT_EQ(trip->page(1)->caption, QStringLiteral("b kept"));
    EXPECT_EQ(edit("captionEdit")->text(), QStringLiteral("b kept"));
    EXPECT_EQ(undoSteps(), 1);
}

}  // namespace
}  // namespace pictavo::test

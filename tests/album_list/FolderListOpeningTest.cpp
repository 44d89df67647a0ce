// Double-clicking rows of the folder list: folders open in the album
// explorer, web links and other files go to the desktop, images to the
// viewer over the folder's images.
#include "FolderListFixture.h"

#include <QSignalSpy>

namespace pictavo::test {
namespace {

class FolderListOpening : public FolderListFixture {
protected:
    void SetUp() override {
        FolderListFixture::SetUp();
        folder = addFolder(root(), "Mixed");
        sub = addFolder(folder, "Sub");
        for (const char* url : {"/photos/a.jpg", "MAILTO:me@example.org", "/docs/notes.txt",
                                "/photos/b.PNG", "   ", "hTTp://example.org/x.jpg"}) {
            auto page = std::make_unique<CSitePage>();
            page->url = QString::fromLatin1(url);
            tree().appendPage(folder, std::move(page));
        }
        startEditing();
        show(folder);
    }
    CSiteFolder* folder = nullptr;
    CSiteFolder* sub = nullptr;
};

struct OpenCase {
    const char* name;
    int page;
    bool openSucceeds;
    QStringList opened;
    QStringList errors;
    QStringList viewed;
    int viewedFrom;
};

class PageOpen : public FolderListOpening, public testing::WithParamInterface<OpenCase> {};

TEST_P(PageOpen, GoesWhereItsKindBelongs) {
    const OpenCase& c = GetParam();
    prompts.openSucceeds = c.openSucceeds;
    doubleClick(pane->model()->rowOfPage(c.page));
    EXPECT_EQ(prompts.opened, c.opened);
    EXPECT_EQ(prompts.errors, c.errors);
    EXPECT_EQ(viewed, c.viewed);
    EXPECT_EQ(viewedFrom, c.viewedFrom);
    EXPECT_FALSE(tree().isModified());
    EXPECT_EQ(context->selectedFolder(), folder);
}

const QStringList kImages = {"/photos/a.jpg", "/photos/b.PNG"};

INSTANTIATE_TEST_SUITE_P(
    Pages, PageOpen,
    testing::Values(
        OpenCase{"MailtoAnyCase", 1, true, {"MAILTO:me@example.org"}, {}, {}, -1},
        OpenCase{"WebLinkEndingInJpg", 5, true, {"hTTp://example.org/x.jpg"}, {}, {}, -1},
        OpenCase{"DesktopFails", 2, false, {"/docs/notes.txt"}, {"Cannot open file."}, {}, -1},
        OpenCase{"BlankLinkDoesNothing", 4, true, {}, {}, {}, -1},
        OpenCase{"SecondImage", 3, true, {}, {}, kImages, 1}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FolderListOpening, FolderRowOpensInTheTree) {
    QSignalSpy expand(context.get(), &AppContext::folderExpandRequested);
    doubleClick(0);
    EXPECT_EQ(context->selectedFolder(), sub);
    ASSERT_EQ(expand.size(), 1);
    EXPECT_EQ(expand.at(0).at(0).value<CSiteFolder*>(), sub);
    EXPECT_EQ(pane->model()->folder(), sub);
    EXPECT_TRUE(prompts.opened.isEmpty());
}

TEST_F(FolderListOpening, OneSelectedRowIsShownInThePropertyArea) {
    QSignalSpy shown(context.get(), &AppContext::propertyItemRequested);
    click(1);
    ASSERT_FALSE(shown.isEmpty());
    auto last = [&] { return shown.last().at(0).value<SiteNodeRef>(); };
    EXPECT_EQ(last().kind, SiteNodeKind::Page);
    EXPECT_EQ(last().page, folder->page(0));
    click(2, Qt::ControlModifier);
    EXPECT_EQ(last().kind, SiteNodeKind::None);
    click(0);
    EXPECT_EQ(last().kind, SiteNodeKind::Folder);
    EXPECT_EQ(last().folder, sub);
}

struct StepCase {
    const char* name;
    int fromRow;
    PageStep step;
    int toRow;
};

class PageStepping : public FolderListOpening, public testing::WithParamInterface<StepCase> {};

TEST_P(PageStepping, SelectsPageRowsOnly) {
    const StepCase& c = GetParam();
    click(c.fromRow);
    QSignalSpy shown(context.get(), &AppContext::propertyItemRequested);
    context->stepPage(c.step);
    EXPECT_EQ(selectedRows(), QList<int>{c.toRow});
    if (c.toRow != c.fromRow) {
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.last().at(0).value<SiteNodeRef>().page,
                  folder->page(c.toRow - pane->model()->folderRowCount()));
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, PageStepping,
                         testing::Values(StepCase{"First", 4, PageStep::First, 1},
                                         StepCase{"NoPreviousAboveFirstPage", 1, PageStep::Previous,
                                                  1},
                                         StepCase{"NextFromFolderRow", 0, PageStep::Next, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace pictavo::test

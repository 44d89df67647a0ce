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
    doubleClick(0);
    EXPECT_EQ(context->selectedFolder(), sub);
    EXPECT_EQ(pane->model()->folder(), sub);
    EXPECT_TRUE(prompts.opened.isEmpty());
}

// One selected row is shown in the property area, and a page shown there
// selects its row.
TEST_F(FolderListOpening, PropertyAreaAndSelectionFollowEachOther) {
    auto shown = [&] { return context->shownItem().node(); };
    click(1);
    EXPECT_EQ(shown().kind, SiteNodeKind::Page);
    EXPECT_EQ(shown().page, folder->page(0));
    click(2, Qt::ControlModifier);
    EXPECT_EQ(shown().kind, SiteNodeKind::None);
    click(0);
    EXPECT_EQ(shown().kind, SiteNodeKind::Folder);
    EXPECT_EQ(shown().folder, sub);
    context->shownItem().showNode(SiteNodeRef::forPage(folder, folder->page(2)));
    EXPECT_EQ(selectedRows(), QList<int>{pane->model()->folderRowCount() + 2});
    EXPECT_EQ(shown().page, folder->page(2));
}

}  // namespace
}  // namespace pictavo::test

#include "generator/pages/FolderPages.h"

#include "core/FileKind.h"
#include "generator/html/HtmlBuilders.h"
#include "generator/pages/ImagePages.h"
#include "generator/pages/PageAreas.h"

#include <algorithm>
#include <utility>

namespace pictavo {

namespace {

constexpr int kFullGridWidth = 100;
constexpr int kGridWidthBesideNavigator = 80;
constexpr int kIndexBarReach = 10;
const QString kNbsp = QStringLiteral("&nbsp");

bool isImageItem(const CSitePage& item) {
    return ClassifyFileKind(item.url) == FileKind::Image;
}

int clampGridCount(int count) {
    return std::clamp(count, kMinGridCount, kMaxGridCount);
}

QString imagePagePrefix(const CSiteFolder& folder) {
    return QStringLiteral("d%1").arg(folder.id);
}

// Everything BuildGridPages keeps while it walks the items.
struct GridRun {
    const CSiteFolder& folder;
    const FolderContext& context;
    QString prefix;
    int imageCount = 0;
    int imageIndex = 0;
};

QString imageCellContent(HtmlPageWriter& writer, GridRun& run, const CSitePage& item, int page) {
    const QString thumbnailUrl = writer.output.makeThumbnail(item.url);
    ImagePageInput input;
    input.imageUrl = PublishLinkedFile(writer, item.url);
    input.displaySize = writer.output.displaySize(item.url);
    input.pageNumber = page;
    input.imageIndex = run.imageIndex;
    input.imageCount = run.imageCount;
    input.title = run.folder.caption;
    input.topNavigator = run.context.topNavigator;
    input.historyTrail = run.context.historyTrail;
    input.prefix = run.prefix;
    input.caption = item.caption;
    input.description = item.desc;
    input.isRoot = run.context.isRoot;
    CSitePage linked = item;
    linked.url = WriteImagePage(writer, input);
    linked.lnkimg = thumbnailUrl;
    ++run.imageIndex;
    return MakeItemLink(writer, linked, true);
}

QString otherCellContent(HtmlPageWriter& writer, const CSitePage& item) {
    PublishLinkedFile(writer, item.url);
    QString content = MakeItemLink(writer, item, false);
    if (!item.desc.isEmpty())
        content += QStringLiteral("<BR>\n") + item.desc;
    return content;
}

QString cellContent(HtmlPageWriter& writer, GridRun& run, const CSitePage& item, int page) {
    return isImageItem(item) ? imageCellContent(writer, run, item, page)
                             : otherCellContent(writer, item);
}

}  // namespace

QString folderPageName(const CSiteFolder& folder, int page, bool isRoot) {
    if (!isRoot)
        return QStringLiteral("d%1p%2.htm").arg(folder.id).arg(page);
    if (page == 0)
        return QStringLiteral("index.htm");
    return QStringLiteral("main%1.htm").arg(page);
}

QString folderPageTarget(const CSiteFolder& folder, int page, bool isRoot) {
    if (isRoot && page == 0)
        return QStringLiteral("./index.htm");
    return folderPageName(folder, page, isRoot);
}

QString indexBarText(const CSiteFolder& folder, int page, int pageCount, bool isRoot) {
    QString previous;
    QString next;
    QString labels;
    for (int i = 0; i < pageCount; ++i) {
        const QString label = QString::number(i + 1);
        const QString href = folderPageTarget(folder, i, isRoot);
        if (i == page) {
            labels += label + kNbsp;
            continue;
        }
        if (i < page - kIndexBarReach || i > page + kIndexBarReach)
            continue;
        labels += MakeLink(label, href) + kNbsp;
        if (i == page - 1)
            previous = MakeLink(QStringLiteral("Previous"), href);
        if (i == page + 1)
            next = MakeLink(QStringLiteral("Next"), href);
    }
    return previous + kNbsp + labels + next;
}

std::vector<int> columnWidths(int gridWidth, int gridCols) {
    const int width = gridWidth / gridCols;
    std::vector<int> widths(static_cast<size_t>(gridCols), width);
    widths.back() = gridWidth - (gridCols - 1) * width;
    return widths;
}

QString MakeItemLink(HtmlPageWriter& writer, const CSitePage& item, bool prepared) {
    if (item.lnkimg.isEmpty() && item.caption.isEmpty())
        return {};
    const QString href = prepared ? item.url : PublishLinkedFile(writer, item.url);
    const QString imageUrl = prepared ? item.lnkimg : PublishLinkedFile(writer, item.lnkimg);
    QString image;
    if (!imageUrl.isEmpty()) {
        image = QStringLiteral("<IMG src=\"") + imageUrl +
                QStringLiteral("\" border=\"0\" align=\"center\">");
    }
    return applyLinkStyle(item.caption, image, href, !item.lnkimg.isEmpty(), item.lnkstyle,
                          item.posstyle);
}

void applyGridSize(HtmlPageWriter& writer, const CSiteFolder& folder) {
    const MainAreaProperty& main = writer.album.layout.main;
    const bool ownSize = folder.rows > 0 && folder.cols > 0;
    writer.gridRows = clampGridCount(ownSize ? folder.rows : main.rows);
    writer.gridCols = clampGridCount(ownSize ? folder.cols : main.cols);
}

QStringList BuildGridPages(HtmlPageWriter& writer, const CSiteFolder& folder,
                           const FolderContext& context, int gridWidth) {
    QStringList pages;
    const auto& items = folder.pages();
    if (items.empty())
        return pages;
    // Counts below 1 would leave every page without cells and the walk
    // without progress.
    const int gridRows = clampGridCount(writer.gridRows);
    const int gridCols = clampGridCount(writer.gridCols);
    const std::vector<int> widths = columnWidths(gridWidth, gridCols);
    GridRun run{folder, context, imagePagePrefix(folder), 0, 0};
    run.imageCount = static_cast<int>(std::count_if(
        items.begin(), items.end(), [](const auto& item) { return isImageItem(*item); }));

    auto cursor = items.begin();
    while (cursor != items.end()) {
        const int page = static_cast<int>(pages.size());
        QString pageText;
        for (int row = 0; row < gridRows; ++row) {
            QString rowText;
            for (int column = 0; column < gridCols && cursor != items.end(); ++column) {
                const QString content = cellContent(writer, run, **cursor, page);
                rowText += GridCell(writer, content, widths[static_cast<size_t>(column)]);
                ++cursor;
            }
            if (row > 0)
                pageText += QStringLiteral("<TR>\n");
            pageText += rowText + QStringLiteral("\n</TR>\n");
        }
        pages.append(pageText);
    }
    return pages;
}

void WriteFolderPages(HtmlPageWriter& writer, const CSiteFolder& folder, const QStringList& pages,
                      const FolderContext& context) {
    FolderPageParts parts;
    parts.title = folder.caption;
    parts.topNavigator = context.topNavigator;
    parts.historyTrail = context.historyTrail;
    parts.nextNavigator = context.nextNavigator;
    parts.description = folder.desc;
    parts.isRoot = context.isRoot;
    if (pages.isEmpty()) {
        const QString text = ComposePage(writer, parts);
        WritePageFile(writer, folderPageName(folder, 0, context.isRoot), text);
        return;
    }
    const int pageCount = static_cast<int>(pages.size());
    for (int page = 0; page < pageCount; ++page) {
        parts.gridRows = pages[page];
        parts.indexBar = indexBarText(folder, page, pageCount, context.isRoot);
        const QString text = ComposePage(writer, parts);
        WritePageFile(writer, folderPageName(folder, page, context.isRoot), text);
    }
}

void GenerateFolder(HtmlPageWriter& writer, const CSiteFolder& folder, QString& historyTrail) {
    FolderContext context;
    context.isRoot = &folder == writer.album.tree.root();
    const QString ownCell = historyFolderCell(writer, folder, context.isRoot);
    historyTrail = context.isRoot ? ownCell : historyTrail + historyArrowCell(writer) + ownCell;
    context.historyTrail = historyTrail;
    context.topNavigator = TopNavigatorContent(writer);
    context.nextNavigator = NextNavigatorContent(writer, folder);
    applyGridSize(writer, folder);
    const bool besideNavigator = !context.nextNavigator.isEmpty() && !context.isRoot;
    const int gridWidth = besideNavigator ? kGridWidthBesideNavigator : kFullGridWidth;
    const QStringList pages = BuildGridPages(writer, folder, context, gridWidth);
    WriteFolderPages(writer, folder, pages, context);
}

void GenerateFolderTree(HtmlPageWriter& writer, const CSiteFolder& folder,
                        const QString& historyTrail) {
    // Pre-order with an explicit stack, so a deeply nested album cannot
    // exhaust the call stack. Each entry carries the trail its parent left.
    std::vector<std::pair<const CSiteFolder*, QString>> pending{{&folder, historyTrail}};
    while (!pending.empty()) {
        auto [current, trail] = std::move(pending.back());
        pending.pop_back();
        GenerateFolder(writer, *current, trail);
        const auto& children = current->children();
        for (auto child = children.rbegin(); child != children.rend(); ++child) {
            if ((*child)->url.isEmpty())
                pending.emplace_back(child->get(), trail);
        }
    }
}

}  // namespace pictavo

#pragma once
// The folder pages of a generated site: the walk over the album tree, the
// splitting of a folder's items into grid pages, the grid cells (thumbnails
// linking to image pages, item links for everything else), the index bar of
// page numbers and the page names. The page frame is ComposePage
// (PageAreas.h); image pages are ImagePages.h.

#include "album/SiteNodes.h"
#include "generator/pages/HtmlPageWriter.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace pictavo {

// What every page of one folder shares besides its grid.
struct FolderContext {
    QString topNavigator;
    QString historyTrail;
    QString nextNavigator;
    bool isRoot = false;
};

// The range the grid counts are kept in: the editors' range, also applied
// to values read from an album file.
inline constexpr int kMinGridCount = 1;
inline constexpr int kMaxGridCount = 100;

// File name of page n of a folder: "index.htm", "main<n>.htm" for the root,
// "d<id>p<n>.htm" for any other folder.
QString folderPageName(const CSiteFolder& folder, int page, bool isRoot);
// The same page as an index bar links to it ("./index.htm" for the root's
// first page).
QString folderPageTarget(const CSiteFolder& folder, int page, bool isRoot);
// The index bar of page `page` of pageCount: Previous, the page numbers
// within ten of the current one, Next.
QString indexBarText(const CSiteFolder& folder, int page, int pageCount, bool isRoot);
// Column widths in percent that add up to gridWidth.
std::vector<int> columnWidths(int gridWidth, int gridCols);

// The link of an item in a grid cell. A prepared item carries its final
// href in url and its image URL in lnkimg; otherwise both are published.
QString MakeItemLink(HtmlPageWriter& writer, const CSitePage& item, bool prepared);

// Sets the writer's grid counts for folder: its own rows and cols when both
// are positive, else main.rows and main.cols; kept within the grid range.
void applyGridSize(HtmlPageWriter& writer, const CSiteFolder& folder);
// The grid rows of each page of the folder in the writer's grid counts (kept
// within the grid range), writing its image pages on the way; empty for a
// folder without items.
QStringList BuildGridPages(HtmlPageWriter& writer, const CSiteFolder& folder,
                           const FolderContext& context, int gridWidth);
// Composes and writes every folder page; one page for an empty list.
void WriteFolderPages(HtmlPageWriter& writer, const CSiteFolder& folder, const QStringList& pages,
                      const FolderContext& context);

// Generates one folder's pages. historyTrail comes in as the parent's trail
// (empty for the root) and leaves as this folder's.
void GenerateFolder(HtmlPageWriter& writer, const CSiteFolder& folder, QString& historyTrail);
// Generates folder and, in pre-order, every descendant folder without a url
// of its own; each child starts from the trail its parent left.
void GenerateFolderTree(HtmlPageWriter& writer, const CSiteFolder& folder,
                        const QString& historyTrail);

}  // namespace pictavo

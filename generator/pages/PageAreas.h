#pragma once
// The page areas of a generated page: the row builder of each bar (header,
// top navigator, history, description, next navigator, grid cell, index,
// footer), ComposePage that puts a folder page together from ready-made
// contents, and the contents of the navigation areas built from the album
// tree: folder links, the top and next navigators and the history trail.
// Every builder takes the pass's HtmlPageWriter and publishes the files it
// refers to through it, in the order its text is written.

#include "album/SiteNodes.h"
#include "generator/pages/HtmlPageWriter.h"
#include "properties/LayoutProperty.h"

#include <QString>

namespace pictavo {

// The attribute pieces of an area cell. align carries its leading space;
// the others are empty when not set.
struct AreaAttributes {
    QString align;        // ` align="Center"`
    QString background;   // `background="url"`
    QString bgcolor;      // `bgcolor=#RRGGBB`
    QString bordercolor;  // `bordercolor=#RRGGBB` from table.lineclr
};

// The pieces of area, aligned by alignValue (the area's own align, or
// main.align for the main canvas).
AreaAttributes buildAreaAttributes(HtmlPageWriter& writer, const AreaProperty& area,
                                   const QString& alignValue);
// The same with the area's own align field.
AreaAttributes buildAreaAttributes(HtmlPageWriter& writer, const AreaProperty& area);

// --- area rows
QString HeaderBarRow(HtmlPageWriter& writer);
QString TopNavigatorRow(HtmlPageWriter& writer, const QString& topNavigator);
QString HistoryBarRow(HtmlPageWriter& writer, const QString& historyTrail);
QString DescriptionRow(HtmlPageWriter& writer, const QString& description);
QString NextNavigatorCell(HtmlPageWriter& writer, const QString& nextNavigator);
QString GridCell(HtmlPageWriter& writer, const QString& content, int widthPercent);
QString IndexBarRow(HtmlPageWriter& writer, const QString& indexBar);
QString FooterBarRow(HtmlPageWriter& writer);

// The index bar of a folder with a single page; it stands for "no index bar".
inline const QString kSinglePageIndexBar = QStringLiteral("&nbsp1&nbsp");

// The ready-made contents of one folder page.
struct FolderPageParts {
    QString title;
    QString topNavigator;
    QString historyTrail;
    QString nextNavigator;
    QString description;
    QString gridRows;  // rows of the grid; empty for an empty folder
    QString indexBar;
    bool isRoot = false;
};

// The whole text of a folder page. Sets extraColumns and extraRows of the
// writer for this page.
QString ComposePage(HtmlPageWriter& writer, const FolderPageParts& parts);

// --- links
// text and image placed by posstyle; the non-empty one alone when either is
// empty.
QString CombineTextAndImage(const QString& text, const QString& image, int posstyle);
// The link of a folder or item by its link style: text, image or both
// linked to href. hasLinkImage tells whether the node has a link image set
// (the image text may still be empty when it published to nothing).
QString applyLinkStyle(QString text, QString image, const QString& href, bool hasLinkImage,
                       int lnkstyle, int posstyle);
// The link of a folder as the navigators show it.
QString MakeFolderLink(HtmlPageWriter& writer, const CSiteFolder& folder, bool isRoot,
                       bool centred);

// --- navigators
// One-row table of links to the root's child folders.
QString TopNavigatorContent(HtmlPageWriter& writer);
// Links to folder's child folders, one per line.
QString NextNavigatorContent(HtmlPageWriter& writer, const CSiteFolder& folder);
// History trail cells.
QString historyFolderCell(HtmlPageWriter& writer, const CSiteFolder& folder, bool isRoot);
QString historyArrowCell(const HtmlPageWriter& writer);
// The trail of selected's ancestors from the root down to its parent, as a
// whole-album run would have carried it; empty for the root.
QString ancestorTrail(HtmlPageWriter& writer, const CSiteFolder& selected);

}  // namespace pictavo

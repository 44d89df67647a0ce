#pragma once
// The page of one image item: the image at its display size with caption
// and description, under a row of five navigation buttons (back to the
// folder page, first, previous, next, last image of the folder). Written
// while the folder's grid is built, one per image item in item order.

#include "generator/pages/HtmlPageWriter.h"

#include <QSize>
#include <QString>

namespace pictavo {

// The file names of the five navigation buttons, shipped in the program's
// button folder and copied into files/image of every site.
inline constexpr const char* kBackButton = "pctvnavt.gif";
inline constexpr const char* kFirstButton = "pctvnavf.gif";
inline constexpr const char* kPreviousButton = "pctvnavp.gif";
inline constexpr const char* kNextButton = "pctvnavn.gif";
inline constexpr const char* kLastButton = "pctvnavl.gif";

// Everything one image page shows, supplied by the folder's grid builder.
struct ImagePageInput {
    int pageNumber = 0;  // the folder page that holds the image's cell
    int imageIndex = 0;  // among the folder's image items
    int imageCount = 0;
    QString title;  // the folder's caption
    QString topNavigator;
    QString historyTrail;
    QString prefix;  // "d<folder id>"
    QString imageUrl;
    QString caption;
    QString description;
    QSize displaySize{0, 0};  // (0, 0): no size attributes
    bool isRoot = false;
};

// "<prefix>i<index>.htm", lower-cased.
QString imagePageName(const QString& prefix, int imageIndex);
// The folder page the back button leads to.
QString backToFolderTarget(const ImagePageInput& input);
// The five buttons, each followed by a line break.
QString imageNavigatorButtons(const ImagePageInput& input);
// The whole text of the page.
QString imagePageText(HtmlPageWriter& writer, const ImagePageInput& input);
// Writes the page and gives its file name.
QString WriteImagePage(HtmlPageWriter& writer, const ImagePageInput& input);

}  // namespace pictavo

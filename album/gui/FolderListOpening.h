#pragma once
// What double-clicking a page row of the album folder list does, decided
// from the page's url alone: nothing for a blank url; the desktop's default
// program for a web link ("http:", "ftp:", "mailto:" in any letter case) and
// for any file that is not an image (documents, sound, video, archives);
// the image viewer for an image, over the folder's image pages in list order.

#include <QString>
#include <QStringList>

namespace pictavo {

class CSiteFolder;

struct PageOpening {
    enum class Kind { Nothing, Desktop, Viewer };
    Kind kind = Kind::Nothing;
    QString target;          // Desktop: the trimmed url
    QStringList imagePaths;  // Viewer: every image page of the folder
    int startIndex = -1;     // Viewer: the clicked page in imagePaths
};

PageOpening pageOpening(const CSiteFolder& folder, int pageIndex);

}  // namespace pictavo

#include "album/gui/FolderListOpening.h"

#include "album/SiteNodes.h"
#include "core/FileKind.h"

namespace pictavo {

namespace {

bool isImage(const QString& url) {
    return !url.isEmpty() && ClassifyFileKind(url) == FileKind::Image;
}

}  // namespace

PageOpening pageOpening(const CSiteFolder& folder, int pageIndex) {
    PageOpening opening;
    if (pageIndex < 0 || pageIndex >= folder.pageListSize())
        return opening;
    const QString url = folder.page(pageIndex)->url.trimmed();
    if (url.isEmpty())
        return opening;
    if (!isImage(url)) {
        opening.kind = PageOpening::Kind::Desktop;
        opening.target = url;
        return opening;
    }
    opening.kind = PageOpening::Kind::Viewer;
    for (int index = 0; index < folder.pageListSize(); ++index) {
        const QString path = folder.page(index)->url.trimmed();
        if (!isImage(path))
            continue;
        if (index == pageIndex)
            opening.startIndex = static_cast<int>(opening.imagePaths.size());
        opening.imagePaths << path;
    }
    return opening;
}

}  // namespace pictavo

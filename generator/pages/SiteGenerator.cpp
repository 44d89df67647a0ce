#include "generator/pages/SiteGenerator.h"

#include "generator/pages/FolderPages.h"
#include "generator/pages/PageAreas.h"

namespace pictavo {

void generateSite(HtmlPageWriter& writer, const CSiteFolder* start) {
    if (!start)
        return;
    const bool wholeAlbum = start == writer.album.tree.root();
    const QString trail = wholeAlbum ? QString() : ancestorTrail(writer, *start);
    GenerateFolderTree(writer, *start, trail);
}

}  // namespace pictavo

#pragma once
// HtmlPageWriter: the state of one pass of page building over an album: the
// album it reads, the SiteOutput that publishes files and writes pages, the
// output folder, and the grid counts of the page being built. Builders read
// the album's properties afresh on every call; nothing is cached.
//
// A generation run makes a new writer for each pass (planning, writing), so
// both passes start from the same state. Used by one thread.

#include "album/Album.h"
#include "generator/SiteOutput.h"

#include <QString>

namespace pictavo {

class HtmlPageWriter {
public:
    HtmlPageWriter(const Album& sourceAlbum, SiteOutput& siteOutput, QString siteFolder)
        : album(sourceAlbum),
          output(siteOutput),
          outputFolder(std::move(siteFolder)),
          gridRows(sourceAlbum.layout.main.rows),
          gridCols(sourceAlbum.layout.main.cols) {}

    const Album& album;
    SiteOutput& output;
    QString outputFolder;  // absolute, without a trailing separator
    int extraColumns = 0;  // 1 when a next-navigator column stands beside the grid
    int extraRows = 0;     // full-width rows the next-navigator column also spans
    int gridRows;
    int gridCols;
};

}  // namespace pictavo

#pragma once
// The link check of a written site: reads every page (.htm and .html files,
// in any letter case, in the folder and below) and looks up each local
// file its href, src and background attributes point to. Web links are
// listed, never fetched. Pages are read in path order, so the report is
// the same on every run.
//
// Runs on the calling thread; reads the disk only.

#include "core/Result.h"

#include <QString>

#include <vector>

namespace pictavo {

struct LinkFinding {
    QString page;  // relative to the site folder, "/" separators
    int line = 0;
    QString reference;  // as the page writes it (character references decoded)
};

struct UnreadablePage {
    QString page;
    QString reason;
};

struct SiteCheckReport {
    int pages = 0;       // pages read
    int localLinks = 0;  // references looked up on disk
    std::vector<LinkFinding> broken;
    std::vector<LinkFinding> webLinks;
    std::vector<UnreadablePage> unreadable;

    bool allFound() const { return broken.empty() && unreadable.empty(); }
};

// An error when siteFolder is not a folder that can be read.
Result<SiteCheckReport> checkSite(const QString& siteFolder);

}  // namespace pictavo

#pragma once
// The page-building walk of a site generation: the folder pages of start and
// of every descendant folder without a url of its own, with their image
// pages. For a start below the root the history trail of its ancestors is
// built first, so its pages carry the full trail from the root.

#include "generator/pages/HtmlPageWriter.h"

namespace pictavo {

void generateSite(HtmlPageWriter& writer, const CSiteFolder* start);

}  // namespace pictavo

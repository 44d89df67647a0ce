#pragma once
// How pictavo-cli shows a link check: one line per broken link and per web
// link, as "PAGE:LINE: broken link: REFERENCE" and "PAGE:LINE: web link,
// not checked: URL", then the summary "checked P pages and L local links:
// B broken, W web links not checked". Pages that could not be read are
// listed as "cannot read PAGE: REASON".

#include "generator/check/SiteCheck.h"

namespace pictavo::cli {

// Prints the report with print (printOut or printError).
void printSiteCheck(const SiteCheckReport& report, void (*print)(const QString&));

}  // namespace pictavo::cli

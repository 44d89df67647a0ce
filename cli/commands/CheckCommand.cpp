// pictavo-cli check: lists the broken links of a written site.
#include "cli/Command.h"
#include "cli/SiteCheckOutput.h"

namespace pictavo::cli {

namespace {

const char kName[] = "check";

int run(const ParsedArgs& args) {
    if (args.positional().size() != 1)
        return usageError(kName, QStringLiteral("expected one site folder"));
    const Result<SiteCheckReport> report = checkSite(args.positional().first());
    if (!report)
        return failure(report.error().message());
    printSiteCheck(report.value(), printOut);
    return report->allFound() ? kSuccess : kFailure;
}

}  // namespace

extern const Command kCheckCommand{
    kName,
    "list the broken links of a written site",
    "usage: pictavo-cli check SITE_FOLDER\n"
    "\n"
    "Reads every page of a written site (the .htm and .html files in\n"
    "SITE_FOLDER and below) and looks up the file each href, src and background\n"
    "attribute points to. References are percent-decoded and matched letter case\n"
    "and all against the disk; #anchors and ?queries are ignored. Web links\n"
    "(http:, https:, ftp:, mailto: and other schemes) are listed, not fetched.\n"
    "\n"
    "Prints one line per link found:\n"
    "  PAGE:LINE: broken link: REFERENCE\n"
    "  PAGE:LINE: web link, not checked: URL\n"
    "and a summary line:\n"
    "  checked P pages and L local links: B broken, W web links not checked\n"
    "\n"
    "Exit status: 0 every local link names an existing file; 1 some link is\n"
    "broken, a page cannot be read or SITE_FOLDER is not a folder; 2 usage error.",
    {},
    run};

}  // namespace pictavo::cli

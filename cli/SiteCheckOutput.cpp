#include "cli/SiteCheckOutput.h"

namespace pictavo::cli {

namespace {

QString findingLine(const LinkFinding& finding, const char* what) {
    return QStringLiteral("%1:%2: %3: %4")
        .arg(finding.page)
        .arg(finding.line)
        .arg(QLatin1String(what), finding.reference);
}

}  // namespace

void printSiteCheck(const SiteCheckReport& report, void (*print)(const QString&)) {
    for (const UnreadablePage& page : report.unreadable)
        print(QStringLiteral("cannot read %1: %2").arg(page.page, page.reason));
    for (const LinkFinding& finding : report.broken)
        print(findingLine(finding, "broken link"));
    for (const LinkFinding& finding : report.webLinks)
        print(findingLine(finding, "web link, not checked"));
    print(QStringLiteral("checked %1 pages and %2 local links: %3 broken, %4 web links not checked")
              .arg(report.pages)
              .arg(report.localLinks)
              .arg(report.broken.size())
              .arg(report.webLinks.size()));
}

}  // namespace pictavo::cli

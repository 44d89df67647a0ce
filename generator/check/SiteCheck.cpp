#include "generator/check/SiteCheck.h"

#include "generator/check/DiskNames.h"
#include "generator/check/LinkTarget.h"
#include "generator/check/PageLinks.h"
#include "generator/check/PageText.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace pictavo {

namespace {

// The pages below folder, relative to it, in path order.
QStringList pagesBelow(const QDir& folder) {
    QStringList pages;
    QDirIterator it(folder.path(), {QStringLiteral("*.htm"), QStringLiteral("*.html")},
                    QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << folder.relativeFilePath(it.next());
    pages.sort();
    return pages;
}

// The absolute, clean path a file link of a page in pageFolder names.
QString linkedPath(const QString& pageFolder, const QString& path) {
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(pageFolder + QLatin1Char('/') + path);
}

class SiteChecker {
public:
    explicit SiteChecker(const QDir& site) : site_(site) {}

    SiteCheckReport run() {
        for (const QString& page : pagesBelow(site_))
            checkPage(page);
        return std::move(report_);
    }

private:
    void checkPage(const QString& page) {
        QFile file(site_.filePath(page));
        if (!file.open(QIODevice::ReadOnly)) {
            report_.unreadable.push_back({page, file.errorString()});
            return;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            report_.unreadable.push_back({page, file.errorString()});
            return;
        }
        ++report_.pages;
        const QString pageFolder = QFileInfo(file.fileName()).absolutePath();
        for (PageLink& link : findPageLinks(decodePageText(bytes))) {
            const LinkTarget target = resolveLinkTarget(link.reference);
            if (target.kind == LinkKind::Web) {
                report_.webLinks.push_back({page, link.line, std::move(link.reference)});
            } else if (target.kind == LinkKind::File) {
                ++report_.localLinks;
                if (!disk_.exists(linkedPath(pageFolder, target.path)))
                    report_.broken.push_back({page, link.line, std::move(link.reference)});
            }
        }
    }

    QDir site_;
    DiskNames disk_;
    SiteCheckReport report_;
};

}  // namespace

Result<SiteCheckReport> checkSite(const QString& siteFolder) {
    const QFileInfo info(siteFolder);
    if (!info.isDir())
        return Error(QStringLiteral("%1 is not a folder").arg(siteFolder));
    const QDir site(info.absoluteFilePath());
    if (!site.isReadable())
        return Error(QStringLiteral("cannot read the folder %1").arg(siteFolder));
    return SiteChecker(site).run();
}

}  // namespace pictavo

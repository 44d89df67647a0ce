#pragma once
// A SiteOutput for page-building tests: answers with URLs derived from the
// path alone, records every call in order and keeps the written pages.

#include "generator/SiteOutput.h"

#include <QMap>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

namespace pictavo::test {

class FakeSiteOutput : public SiteOutput {
public:
    // "./site/" + the file name of the path; empty for paths listed in
    // unpublishable.
    QString publishLinkedFile(const QString& sourcePath) override {
        calls << QStringLiteral("publish ") + sourcePath;
        if (unpublishable.contains(sourcePath))
            return {};
        return QStringLiteral("./site/") + fileName(sourcePath);
    }
    QString makeThumbnail(const QString& sourcePath) override {
        calls << QStringLiteral("thumbnail ") + sourcePath;
        return QStringLiteral("./files/thumbnail/Thumbnail%1.jpg").arg(thumbnailCounter++);
    }
    QSize displaySize(const QString& sourcePath) override {
        calls << QStringLiteral("size ") + sourcePath;
        return displaySizes.value(sourcePath, QSize(0, 0));
    }
    void writePage(const QString& name, const QString& html) override {
        calls << QStringLiteral("write ") + name;
        pages.insert(name, html);
    }

    QStringList calls;
    QMap<QString, QString> pages;
    QMap<QString, QSize> displaySizes;
    QSet<QString> unpublishable;
    int thumbnailCounter = 0;

private:
    static QString fileName(const QString& path) {
        const qsizetype slash = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
        return path.mid(slash + 1);
    }
};

}  // namespace pictavo::test

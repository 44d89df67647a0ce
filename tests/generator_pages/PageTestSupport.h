#pragma once
// Shared pieces of the page-building tests: a fake output, an album with a
// writer over it, item makers and the golden-page comparison.

#include "album/Album.h"
#include "generator/SiteOutput.h"
#include "generator/pages/HtmlPageWriter.h"
#include "generator/pages/SiteGenerator.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QSet>
#include <QSize>
#include <QStringList>

#include <memory>
#include <ostream>

// Lets GoogleTest show QString values as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pictavo::test {

// Answers with URLs derived from the path alone ("./site/" + its file name;
// empty for unpublishable paths), records every call in order and keeps the
// written pages.
class FakeSiteOutput : public SiteOutput {
public:
    QString publishLinkedFile(const QString& sourcePath) override {
        calls << "publish " + sourcePath;
        const qsizetype slash = std::max(sourcePath.lastIndexOf('/'), sourcePath.lastIndexOf('\\'));
        return unpublishable.contains(sourcePath) ? QString()
                                                  : "./site/" + sourcePath.mid(slash + 1);
    }
    QString makeThumbnail(const QString& sourcePath) override {
        calls << "thumbnail " + sourcePath;
        return QStringLiteral("./files/thumbnail/Thumbnail%1.jpg").arg(thumbnailCounter++);
    }
    QSize displaySize(const QString& sourcePath) override {
        calls << "size " + sourcePath;
        return displaySizes.value(sourcePath, QSize(0, 0));
    }
    void writePage(const QString& name, const QString& html) override {
        calls << "write " + name;
        pages.insert(name, html);
    }

    QStringList calls;
    QMap<QString, QString> pages;
    QMap<QString, QSize> displaySizes;
    QSet<QString> unpublishable;
    int thumbnailCounter = 0;
};

// A fresh album (root "Index", default properties) and a writer over a fake
// output. Make the writer after setting up the layout when the initial grid
// counts matter.
struct PageFixture {
    Album album;
    FakeSiteOutput output;
    std::unique_ptr<HtmlPageWriter> writerPtr;

    HtmlPageWriter& writer() {
        if (!writerPtr)
            writerPtr = std::make_unique<HtmlPageWriter>(album, output, "/out");
        return *writerPtr;
    }
    CSiteFolder* root() { return album.tree.root(); }
    CSiteFolder* addFolder(CSiteFolder* parent, const QString& caption) {
        return album.tree.insertFolder(parent, caption);
    }
    void addItem(CSiteFolder* folder, const QString& url, const QString& caption,
                 const QString& desc = {}) {
        auto item = std::make_unique<CSitePage>();
        item->url = url;
        item->caption = caption;
        item->desc = desc;
        album.tree.appendPage(folder, std::move(item));
    }
    // Generates the whole album and returns the names of the written pages.
    QStringList generate() {
        generateSite(writer(), root());
        return output.pages.keys();
    }
    QString page(const QString& name) const { return output.pages.value(name); }
};

inline QByteArray testData(const QString& name) {
    QFile file(QStringLiteral(PICTAVO_TEST_DATA "/generator_pages/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

// The section of expected_parts.txt after its "== name ==" line.
inline QString expected(const QString& name) {
    const QString all = QString::fromUtf8(testData("expected_parts.txt"));
    const QString marker = "== " + name + " ==\n";
    const qsizetype start = all.indexOf(marker) + marker.size();
    if (start < marker.size())
        return "<no section " + name + ">";
    return all.mid(start, all.indexOf("\n== ", start) - start);
}

// Compares a page with its golden file byte for byte; as standard strings,
// so that a mismatch is reported as a line diff.
inline void expectGolden(const QString& golden, const QString& actual) {
    EXPECT_EQ(testData(golden).toStdString(), actual.toUtf8().toStdString())
        << golden.toStdString();
}

}  // namespace pictavo::test

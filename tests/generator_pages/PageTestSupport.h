#pragma once
// Shared pieces of the page-building tests: an album with a writer over a
// fake output, item makers and the golden-page comparison.

#include "album/Album.h"
#include "generator/pages/HtmlPageWriter.h"
#include "tests/generator_pages/FakeSiteOutput.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QString>

#include <memory>
#include <ostream>

// Lets GoogleTest show QString values as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace pictavo::test {

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
    CSitePage* addItem(CSiteFolder* folder, const QString& url, const QString& caption,
                       const QString& desc = {}) {
        auto item = std::make_unique<CSitePage>();
        item->url = url;
        item->caption = caption;
        item->desc = desc;
        return album.tree.appendPage(folder, std::move(item));
    }
};

inline QString readGolden(const QString& name) {
    QFile file(QStringLiteral(PICTAVO_TEST_DATA "/generator_pages/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing golden ") + name + ">";
    return QString::fromUtf8(file.readAll());
}

// Compares a page with its golden file byte for byte; as standard strings,
// so that a mismatch is reported as a line diff.
inline void expectGolden(const QString& golden, const QString& actual) {
    EXPECT_EQ(readGolden(golden).toStdString(), actual.toStdString()) << golden.toStdString();
}

}  // namespace pictavo::test

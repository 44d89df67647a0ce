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

// Compares a page with its golden file byte for byte; on a mismatch reports
// the first differing line.
inline void expectGolden(const QString& golden, const QString& actual) {
    const QString expected = readGolden(golden);
    if (expected == actual)
        return;
    const QStringList expectedLines = expected.split('\n');
    const QStringList actualLines = actual.split('\n');
    const qsizetype common = std::min(expectedLines.size(), actualLines.size());
    qsizetype line = 0;
    while (line < common && expectedLines[line] == actualLines[line])
        ++line;
    ADD_FAILURE() << golden.toStdString() << " differs at line " << line + 1 << "\nexpected: "
                  << (line < expectedLines.size() ? expectedLines[line] : "<end>").toStdString()
                  << "\nactual:   "
                  << (line < actualLines.size() ? actualLines[line] : "<end>").toStdString();
}

}  // namespace pictavo::test

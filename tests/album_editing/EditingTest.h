#pragma once
// The fixture of the editing tests: an album with its editor, and short
// ways to add folders and pages.

#include "album/editing/AlbumEditor.h"
#include "tests/album_model/TreeText.h"

#include <gtest/gtest.h>

#include <set>

namespace pictavo::test {

class EditingTest : public ::testing::Test {
protected:
    CSiteFolder* root() { return album.tree.root(); }
    CSiteFolder* add(CSiteFolder* parent, const char* caption) {
        return album.tree.insertFolder(parent, QString::fromLatin1(caption));
    }
    void addPages(CSiteFolder* folder, std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            album.tree.appendPage(folder, makePage(QString::fromLatin1(caption)));
    }
    bool idsUnique() {
        std::set<int> ids;
        bool unique = true;
        album.tree.walk([&](CSiteFolder* folder, int) { unique &= ids.insert(folder->id).second; });
        return unique;
    }

    Album album;
    AlbumEditor editor{album};
};

}  // namespace pictavo::test

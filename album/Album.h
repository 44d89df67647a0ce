#pragma once
// Album: the open document. The folder tree with its album-wide state and
// the website and layout property records, which the album file stores
// together and the generator reads together. One Album lives for the whole
// run; New and Open refill it rather than replace it, so views may keep a
// reference to it.

#include "album/AlbumTree.h"
#include "properties/LayoutProperty.h"
#include "properties/WebsiteProperty.h"

namespace pictavo {

class Album {
public:
    Album() { makeNew(); }

    // New album: fresh root, default properties with the GENERATOR meta
    // variable, not modified, both change flags set.
    void makeNew() {
        tree.reset();
        website.Reset(true);
        layout.Reset(true);
    }

    AlbumTree tree;
    WebsiteProperty website;
    LayoutProperty layout;
};

}  // namespace pictavo

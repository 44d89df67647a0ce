#pragma once
// The album as JSON for `pictavo-cli dump`: the website properties, the
// meta variables, the layout properties and the folder tree, every record's
// keys in album-file order. Numbers and texts are given as the album holds
// them (col and pagecount included, not recomputed).

#include "album/Album.h"

#include <QByteArray>

namespace pictavo {

QByteArray albumToJson(Album& album);

}  // namespace pictavo

#pragma once
// The album as JSON for `pictavo-cli dump`: the website properties, the
// meta variables, the layout properties and the folder tree, every record's
// keys in album-file order. Numbers and texts are given as the album holds
// them (col and pagecount included, not recomputed).

#include "album/Album.h"
#include "album/json/JsonWriter.h"

#include <QByteArray>

namespace pictavo {

// Writes the JSON text to sink piece by piece, as it is made.
void writeAlbumJson(Album& album, const JsonWriter::Sink& sink);

}  // namespace pictavo

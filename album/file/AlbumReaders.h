#pragma once
// The two readers behind parseAlbum. Both fill an Album whose property
// records the caller has already reset.

#include "album/Album.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace pictavo {

// Reads the records of a version-3 file from its decoded text (the version
// line included). Never fails: unknown keys and damaged lines leave the
// defaults in place.
void readTextAlbum(Album& album, const QString& text);

// Reads a file of the older fixed-layout binary format. Fails with
// "Unkown version!" for a version other than 1 or 2, and with a reason when
// the settings blocks are cut short or no folder can be read.
Status readLegacyAlbum(Album& album, const QByteArray& bytes);

}  // namespace pictavo

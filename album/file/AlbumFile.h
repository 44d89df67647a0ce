#pragma once
// Reading and writing .www album files, and the New/Open/Save flows on an
// Album. Parsing is a pure function of bytes; the file functions are thin
// wrappers around it.

#include "album/Album.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace pictavo {

// The whole album as the bytes of a version-3 file (UTF-8, CRLF lines).
// Recomputes every folder's col (its depth) as a side effect.
QByteArray serializeAlbum(Album& album);

// The version named by the first line of an album file ("version=3", the
// key matched without regard to case or surrounding blanks), or -1 when the
// first line is missing or is not a version line.
int albumFileVersion(const QByteArray& bytes);

// Fills album from the bytes of an album file of either format. On failure
// the album is reset to a new album and the error says why.
Status parseAlbum(Album& album, const QByteArray& bytes);

// Save flow: writes atomically; on success the album is marked not
// modified. A failed save leaves the existing file untouched and the
// modified flag as it was.
Status saveAlbumFile(Album& album, const QString& path);

// True when path names an album file by its suffix (".www", any case).
bool isAlbumFilePath(const QString& path);

// Open flow: resets the properties, reads the file and replaces the album.
// A file that cannot be opened leaves the album as it was; a file that
// cannot be parsed leaves a new album.
Status openAlbumFile(Album& album, const QString& path);

}  // namespace pictavo

#pragma once
// Turns the relative file paths an album holds into absolute ones. Album
// files store full paths; an album written by hand (such as the bundled
// sample) may name its files relative to a base folder instead, and this
// makes such an album usable from anywhere.

#include "album/Album.h"

#include <QString>

namespace pictavo {

// Rewrites every page url and link image, folder link image, website
// background image and sound, and layout area background image that is a
// relative path naming an existing file under baseFolder, as the absolute
// path of that file ("/" separators). Link targets (http://...) and absolute
// paths are left alone. Returns the number of values changed.
int makePathsAbsolute(Album& album, const QString& baseFolder);

}  // namespace pictavo

#pragma once
// Path helpers. Album files written on Windows hold paths with "\" and those
// written here hold "/", so every split accepts both separators. Paths are
// written in native ("/") form.

#include <QString>

namespace pictavo::path {

// Index of the last "/" or "\" in path, or -1.
qsizetype lastSeparator(const QString& path);

// Text after the last separator (the whole text when there is none).
QString fileName(const QString& path);

// Text up to and including the last separator (empty when there is none).
QString folderWithSeparator(const QString& path);

// Text after the last "." of the file name; empty when the name has no ".".
QString extension(const QString& path);

// File name up to (not including) its last "."; the whole name without a ".".
QString baseName(const QString& path);

// Replaces every "\" by "/".
QString toNative(const QString& path);

// Joins a folder and a relative name with exactly one "/".
QString join(const QString& folder, const QString& name);

// True when child lies inside folder by whole path components: /out/site/a
// is inside /out/site, /out/site2 is not, and a folder is not inside itself.
// Both paths are compared after cleaning ("." and ".." and doubled
// separators), case-sensitively.
bool isInside(const QString& child, const QString& folder);

}  // namespace pictavo::path

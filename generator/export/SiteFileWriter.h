#pragma once
// Writes one file of a site under a temporary name in its own folder
// (".<name>.<unique>.part") and renames it over the final name, so a reader
// sees either the old file or the whole new one, and a failed, cancelled or
// killed run never leaves a partial file under a final name.
//
// Unlike core/AtomicFile, no fsync is done: a site is regenerated at will
// and syncing every thumbnail and page would triple the cost of an export of
// a photo collection. Thread-safe.

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace pictavo {

Status writeSiteFile(const QString& path, const QByteArray& data);

// The same, but a file that already holds exactly data is left as it is
// (its time stamps too, so that a copy tool syncing the site skips it).
Status replaceSiteFileIfChanged(const QString& path, const QByteArray& data);

// Copies source to destination the same way, with the kernel's copy (see
// core/FileCopy.h): an original published unchanged never passes through
// this process's memory.
Status copySiteFile(const QString& source, const QString& destination);

}  // namespace pictavo

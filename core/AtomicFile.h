#pragma once
// Writes a whole file under a temporary name and renames it over the target,
// so an interrupted or failed write never leaves a damaged file behind.

#include "core/Result.h"

#include <QByteArray>
#include <QString>

namespace pictavo {

Status writeFileAtomically(const QString& path, const QByteArray& data);

// Copies a file the same way: the kernel copies the bytes into a
// temporary (see core/FileCopy.h), which is renamed over the target.
Status copyFileAtomically(const QString& source, const QString& destination);

}  // namespace pictavo

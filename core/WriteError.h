#pragma once
// The error of a failed file write: "cannot write PATH: REASON" with the
// system's reason, marked Error::affectsEveryFile when every other file
// written beside it would fail the same way (disk or quota full, read-only
// file system, no permission on the folder).

#include "core/Result.h"

#include <QString>

namespace pictavo {

// systemError is errno read right after the failing call; reason is used
// when it is 0.
Error writeFailure(const QString& path, int systemError, const QString& reason = {});

}  // namespace pictavo

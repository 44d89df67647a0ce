#pragma once
// The list of pictures the stand-alone viewer shows: files as given, in the
// given order; a folder stands for its image files (those whose extension the
// image layer knows) in name order.

#include <QStringList>

namespace pictavo {

QStringList collectViewerPaths(const QStringList& arguments);

}  // namespace pictavo

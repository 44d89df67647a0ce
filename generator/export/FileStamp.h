#pragma once
// FileStamp: what the file system says about a file without reading it:
// its size, its modification time and its status-change time (both in
// nanoseconds). Replacing a file's content changes at least one of them,
// even when the modification time is set back by hand, so an unchanged
// stamp means an unchanged file for the incremental export.
//
// Thread-safe.

#include <QString>

#include <cstdint>

namespace pictavo {

struct FileStamp {
    std::int64_t size = -1;  // -1: no such regular file
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;

    bool exists() const { return size >= 0; }
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of a regular file (following symbolic links); size -1 when the
// path names nothing or something else than a regular file.
FileStamp stampOf(const QString& path);

}  // namespace pictavo

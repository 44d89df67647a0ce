#pragma once
// Copies the bytes of one open file into another with the kernel's own copy
// (copy_file_range: no trip through user space, and a reflink on file
// systems that share blocks, such as Btrfs and XFS). Where the kernel cannot
// copy between the two files (another file system on older kernels, a
// kernel without the call, special files), the rest is copied with read and
// write. The output is byte-identical either way.
//
// Thread-safe: works on the descriptors it is given only.

#include <optional>

namespace pictavo {

struct FileCopyFailure {
    enum class Side { Reading, Writing };
    Side side;
    int systemError;  // errno of the failed read or write
};

// Copies from the current offset of source to its end, writing at the
// current offset of destination; both offsets move on. Nothing on success.
std::optional<FileCopyFailure> copyFileData(int source, int destination);

}  // namespace pictavo

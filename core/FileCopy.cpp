#include "core/FileCopy.h"

#include <unistd.h>
#include <cerrno>
#include <cstddef>
#include <memory>

namespace pictavo {

namespace {

// Large enough that a photograph goes in one call, small enough that a
// single call never runs for long.
constexpr std::size_t kKernelChunk = std::size_t(1) << 30;
constexpr std::size_t kBufferSize = std::size_t(1) << 17;

// Copies with copy_file_range until the end of source or the first
// refusal. Any failure leaves the offsets after the last byte copied, so
// the read-and-write copy goes on from there and reports a real error
// (a full disk, say) itself.
void copyInKernel(int source, int destination) {
    for (;;) {
        const ssize_t copied =
            ::copy_file_range(source, nullptr, destination, nullptr, kKernelChunk, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied <= 0)
            return;
    }
}

bool writeAll(int destination, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(destination, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

std::optional<FileCopyFailure> copyThroughBuffer(int source, int destination) {
    const auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    for (;;) {
        const ssize_t got = ::read(source, buffer.get(), kBufferSize);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return FileCopyFailure{FileCopyFailure::Side::Reading, errno};
        if (got == 0)
            return std::nullopt;
        if (!writeAll(destination, buffer.get(), std::size_t(got)))
            return FileCopyFailure{FileCopyFailure::Side::Writing, errno};
    }
}

}  // namespace

std::optional<FileCopyFailure> copyFileData(int source, int destination) {
    copyInKernel(source, destination);
    // At the end of source this is one read that returns 0.
    return copyThroughBuffer(source, destination);
}

}  // namespace pictavo

#include "generator/export/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

namespace pictavo {

namespace {

std::int64_t nanoseconds(const timespec& time) {
    return std::int64_t(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

}  // namespace

FileStamp stampOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return {std::int64_t(info.st_size), nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

}  // namespace pictavo

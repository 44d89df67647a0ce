#include "generator/export/SiteFileWriter.h"

#include "core/PathUtil.h"
#include "core/WriteError.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pictavo {

namespace {

QString temporaryNameFor(const QString& path) {
    static std::atomic<unsigned> counter{0};
    return path::folderWithSeparator(path) + QLatin1Char('.') + path::fileName(path) +
           QStringLiteral(".%1-%2.part").arg(getpid()).arg(counter++);
}

Error systemError(const QString& path) {
    return writeFailure(path, errno);
}

bool writeAll(int fd, const char* data, qsizetype size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, std::size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

}  // namespace

Status writeSiteFile(const QString& path, const QByteArray& data) {
    const QByteArray temporary = QFile::encodeName(temporaryNameFor(path));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemError(path);
    const bool written = writeAll(fd, data.constData(), data.size());
    const int writeErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        if (!written)
            errno = writeErrno;
        const Error failure = systemError(path);
        ::unlink(temporary.constData());
        return failure;
    }
    if (std::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const Error renameFailure = systemError(path);
        ::unlink(temporary.constData());
        return renameFailure;
    }
    return Status::success();
}

}  // namespace pictavo

#include "generator/export/SiteFileWriter.h"

#include "core/FileCopy.h"
#include "core/PathUtil.h"
#include "core/WriteError.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

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

// Makes the temporary file, lets fill write it (fill gives the error when
// it fails) and renames it over path.
template <typename Fill>
Status writeThroughPartFile(const QString& path, Fill&& fill) {
    const QByteArray temporary = QFile::encodeName(temporaryNameFor(path));
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemError(path);
    std::optional<Error> fillFailure = fill(fd);
    const int closeErrno = ::close(fd) == 0 ? 0 : errno;
    if (!fillFailure && closeErrno != 0)
        fillFailure = writeFailure(path, closeErrno);
    if (fillFailure) {
        ::unlink(temporary.constData());
        return *fillFailure;
    }
    if (std::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0) {
        const Error renameFailure = systemError(path);
        ::unlink(temporary.constData());
        return renameFailure;
    }
    return Status::success();
}

QString readFailure(const QString& source, int error) {
    return QStringLiteral("cannot read %1: %2")
        .arg(source, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

Status writeSiteFile(const QString& path, const QByteArray& data) {
    return writeThroughPartFile(path, [&](int fd) -> std::optional<Error> {
        if (writeAll(fd, data.constData(), data.size()))
            return std::nullopt;
        return systemError(path);
    });
}

Status replaceSiteFileIfChanged(const QString& path, const QByteArray& data) {
    QFile existing(path);
    if (existing.size() == data.size() && existing.open(QIODevice::ReadOnly) &&
        existing.readAll() == data)
        return Status::success();
    return writeSiteFile(path, data);
}

Status copySiteFile(const QString& source, const QString& destination) {
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return Error(readFailure(source, errno));
    const Status status = writeThroughPartFile(destination, [&](int out) -> std::optional<Error> {
        const std::optional<FileCopyFailure> failure = copyFileData(in, out);
        if (!failure)
            return std::nullopt;
        if (failure->side == FileCopyFailure::Side::Reading)
            return Error(readFailure(source, failure->systemError));
        return writeFailure(destination, failure->systemError);
    });
    ::close(in);
    return status;
}

}  // namespace pictavo

#include "core/AtomicFile.h"

#include "core/FileCopy.h"
#include "core/WriteError.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace pictavo {

namespace {

// Unbuffered: a buffered QSaveFile reports success when the system accepts
// only part of the data (file size limit, full disk) and commits a cut-off
// file; unbuffered, write() returns the short count and the save is
// cancelled.
constexpr QIODevice::OpenMode kWriteMode = QIODevice::WriteOnly | QIODevice::Unbuffered;

// The write error of file, with the system's reason when there is one (a
// short write leaves Qt's error string at "Unknown error").
Error writeError(const QString& path, const QFileDevice& file, int error) {
    return writeFailure(path, error, file.errorString());
}

// Writes all of data, going on after a short write so that the system
// reports why the rest does not fit.
bool writeAll(QSaveFile& file, const char* data, qint64 size) {
    while (size > 0) {
        errno = 0;
        const qint64 written = file.write(data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

Status failed(QSaveFile& file, const QString& path) {
    const int error = errno;
    const Error failure = writeError(path, file, error);
    file.cancelWriting();
    return failure;
}

Status commit(QSaveFile& file, const QString& path) {
    errno = 0;
    if (!file.commit())
        return writeError(path, file, errno);
    return Status::success();
}

bool openForWriting(QSaveFile& file) {
    errno = 0;
    return file.open(kWriteMode);
}

}  // namespace

Status writeFileAtomically(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!openForWriting(file))
        return writeError(path, file, errno);
    if (!writeAll(file, data.constData(), data.size()))
        return failed(file, path);
    return commit(file, path);
}

Status copyFileAtomically(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Error(QStringLiteral("cannot read %1: %2").arg(source, in.errorString()));
    QSaveFile out(destination);
    if (!openForWriting(out))
        return writeError(destination, out, errno);
    if (const std::optional<FileCopyFailure> failure = copyFileData(in.handle(), out.handle())) {
        out.cancelWriting();
        if (failure->side == FileCopyFailure::Side::Reading)
            return Error(
                QStringLiteral("cannot read %1: %2")
                    .arg(source, QString::fromLocal8Bit(std::strerror(failure->systemError))));
        return writeFailure(destination, failure->systemError);
    }
    return commit(out, destination);
}

}  // namespace pictavo

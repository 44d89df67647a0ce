// parseAlbum picks the reader by the first line and the text decoding by the
// bytes; saveAlbumFile and openAlbumFile add the file around them.

#include "album/file/AlbumFile.h"

#include "album/file/AlbumFileFormat.h"
#include "album/file/AlbumReaders.h"
#include "album/file/TextDecoding.h"

#include "core/AtomicFile.h"

#include <QFile>
#include <QFileInfo>

namespace pictavo {

namespace {

using namespace albumfile;

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Splits a raw line at its first '=' into a lower-cased, stripped key and a
// stripped value; keys are ASCII, so Latin-1 is enough to look at them.
bool splitRawLine(QByteArrayView line, QString& key, QByteArrayView& value) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return false;
    key = trimBlanks(QString::fromLatin1(line.first(equals))).toString().toLower();
    value = line.sliced(equals + 1).trimmed();
    return true;
}

// The value of the last lan.save line, found before the file is decoded.
QByteArray findLanSave(const QByteArray& bytes) {
    QByteArray found;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QString key;
        QByteArrayView value;
        if (splitRawLine(QByteArrayView(bytes).sliced(start, end - start), key, value) &&
            key == QLatin1String("lan.save"))
            found = value.toByteArray();
        start = end + 1;
    }
    return found;
}

QString decodeAlbumText(const QByteArray& bytes) {
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return TextDecoder::choose(false, findLanSave(bytes)).decode(bytes);
}

}  // namespace

int albumFileVersion(const QByteArray& bytes) {
    QByteArrayView first(bytes);
    if (first.startsWith(kUtf8Bom))
        first = first.sliced(kUtf8Bom.size());
    const qsizetype end = first.indexOf('\n');
    if (end >= 0)
        first = first.first(end);
    QString key;
    QByteArrayView value;
    if (!splitRawLine(first, key, value) || key != QLatin1String("version"))
        return -1;
    return parseDecimal(QString::fromLatin1(value));
}

Status parseAlbum(Album& album, const QByteArray& bytes) {
    album.website.Reset(false);
    album.layout.Reset(false);
    if (albumFileVersion(bytes) == kTextVersion) {
        readTextAlbum(album, decodeAlbumText(bytes));
        return Status::success();
    }
    const Status status = readLegacyAlbum(album, bytes);
    if (!status)
        album.makeNew();
    return status;
}

Status saveAlbumFile(Album& album, const QString& path) {
    const Status written = writeFileAtomically(path, serializeAlbum(album));
    if (!written)
        return written.error().withContext(QStringLiteral("cannot save the album"));
    album.tree.setModified(false);
    return Status::success();
}

bool isAlbumFilePath(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("www"), Qt::CaseInsensitive) == 0;
}

Status openAlbumFile(Album& album, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error(QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    return parseAlbum(album, bytes);
}

}  // namespace pictavo

#pragma once
// Image files written by the tests of the shared widgets, through the
// image layer, and files that must not give a thumbnail.

#include <QByteArray>
#include <QString>

namespace pictavo::test {

// A width x height picture of two colours written as type (kImagePng,
// kImageJpeg, ...); false when the file could not be written.
bool writePicture(const QString& path, int width, int height, int type);

bool writeBytes(const QString& path, const QByteArray& bytes);
QByteArray readBytes(const QString& path);  // empty when unreadable

// Sets the file's modification time ten minutes back: another file to a cache.
bool makeOlder(const QString& path);

// A BMP header that declares width x height pixels at 24 bits and holds
// no pixel data.
QByteArray bmpHeaderOnly(int width, int height);

}  // namespace pictavo::test

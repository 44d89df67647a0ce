#pragma once
// Helpers of the album file tests: text and legacy album files built in
// memory, fixture files, a compact tree text, and a field by field
// comparison of two albums.

#include "album/Album.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace pictavo::test {

// "version=3" followed by lines, every line ending in CRLF.
QByteArray textAlbum(std::initializer_list<const char*> lines);

// The bytes of tests/data/album_file/<name>.
QByteArray fixture(const char* name);

// The folders in walk order as "caption:depth:id", separated by blanks.
QString treeText(const AlbumTree& tree);

// Every property field, meta variable, folder field and page of a and b
// agree, with the same tree shape.
void expectSameAlbum(Album& a, Album& b);

// Pieces of a legacy binary album file.
namespace legacy {
QByteArray int32(qint32 value);
QByteArray text(const QByteArray& bytes);  // length then bytes
// Version word and the background, general, language and margin blocks.
QByteArray settingsHead(qint32 version, const QByteArray& lanSave = "windows-1252");
QByteArray layoutBlock();
QByteArray folder(qint32 col, qint32 pageCount, const QByteArray& caption, const QByteArray& desc);
QByteArray page(qint32 id, const QByteArray& caption, const QByteArray& desc,
                const QByteArray& path);
// A whole file: settings, header "<b>Hi</b>", footer "bye", two metas,
// the layout block, folders Root(0) > [Child(1) with two pages, Second(1)].
QByteArray sampleFile(qint32 version);
// Size of everything up to the first folder record of sampleFile.
qsizetype sampleSettingsSize();
}  // namespace legacy

}  // namespace pictavo::test

#pragma once
// FileKind: what kind of file an album item refers to, told by its
// extension or by a web-address prefix. Decides the subfolder of the site's
// files tree a linked file is published into, and the defaults of an
// imported page.

#include <QString>

namespace pictavo {

enum class FileKind : int {
    Image = 0,
    Document = 1,
    Audio = 2,
    Video = 3,
    Archive = 4,
    Other = 5,
    WebLink = 6,
};

FileKind ClassifyFileKind(const QString& text);

// Subfolder of "files" for a kind ("image", "doc", ...); empty for web links.
QString fileKindSubfolder(FileKind kind);

}  // namespace pictavo

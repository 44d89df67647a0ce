#pragma once
// The icons the lists show for files by their type: folder, image, web
// link, document, audio, video, archive and any other file, drawn by the
// program at the size asked (the lists use 16 and 32 pixels). Each picture
// is drawn once per kind and size; the kind of a name is remembered per
// extension. The thumbnail style shows the 32-pixel icon centred in a tile
// for files without a thumbnail.
//
// Threading: GUI thread only (pixmaps).

#include <QHash>
#include <QPixmap>
#include <QString>

namespace pictavo {

enum class FileIconKind : int { Folder, Image, WebLink, Document, Audio, Video, Archive, Other };

// A web address ("http:", "https:", "ftp:", "mailto:", any letter case) is
// a web link whatever its ending; otherwise the extension decides.
FileIconKind fileIconKind(const QString& path, bool isFolder);

class FileIconCache {
public:
    // The program's one cache.
    static FileIconCache& instance();

    QPixmap icon(FileIconKind kind, int size);
    QPixmap iconFor(const QString& path, bool isFolder, int size) {
        return icon(kindFor(path, isFolder), size);
    }
    // The 32-pixel icon centred on a transparent square of tileSide.
    QPixmap tile(FileIconKind kind, int tileSide);

    FileIconKind kindFor(const QString& path, bool isFolder);

private:
    QHash<quint64, QPixmap> pixmaps_;
    QHash<QString, FileIconKind> kindByExtension_;
};

}  // namespace pictavo

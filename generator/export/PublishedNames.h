#pragma once
// Published names: where a file an album refers to lands in the site and the
// URL a page uses for it. Pure functions of the path, the output folder and
// the album's two publishing switches; nothing here touches the disk.
//
// Rules:
// - an empty path gives an empty URL;
// - a path inside the output folder (by whole path components) is used where
//   it is, with the URL relative to the site root ("files/image/a.jpg");
//   an image that would be converted is also converted beside itself;
// - web links (http:, https:, ftp:, mailto:) are used as they stand;
// - images go to files/image, converted to base + "_" + ext + ".jpg" when
//   both switches are set and the format is neither JPEG nor GIF, otherwise
//   copied; other kinds are copied into their files/<subfolder>; copied and
//   converted names are lower-cased;
// - with copying off, nothing is written and the URL keeps the name as
//   written.
// Characters with a meaning in URLs are percent-encoded in the URL only; the
// file on disk keeps its name.

#include <QString>

namespace pictavo {

struct PublishSwitches {
    bool copyFiles = true;      // gen.cpyfileauto
    bool convertImages = true;  // gen.cntimg
};

enum class PublishAction {
    None,     // the URL refers to the file as it is (or to nothing)
    Copy,     // copy source to destination, replacing
    Convert,  // convert source to a JPEG at destination, same pixel size
};

struct PublishedFile {
    QString url;  // what the page links to
    PublishAction action = PublishAction::None;
    QString source;       // the file on disk ("/" separators)
    QString destination;  // absolute target of the copy or conversion
};

PublishedFile planPublishedFile(const QString& sourcePath, const QString& outputFolder,
                                PublishSwitches switches);

// Percent-encodes the characters of one path component that would change a
// URL's meaning or break the attribute holding it: control characters,
// space is kept, and '"', '#', '%', '&', '<', '>', '?' are encoded.
QString encodeUrlComponent(const QString& name);

// True when an image of this path is converted to JPEG by publishing (the
// format named by its extension is one the converter reads and is neither
// JPEG nor GIF).
bool isConvertedImageType(const QString& path);

// The name a converted image gets: base + "_" + extension + ".jpg", lower-cased.
QString convertedImageName(const QString& fileName);

}  // namespace pictavo

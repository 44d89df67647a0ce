#pragma once
// ImageType: the small integer that names an image format everywhere, and
// the extension lookup that gives it.

#include <QString>

namespace pictavo {

enum ImageType : int {
    kImageUnknown = 0,  // detect from content
    kImageBmp = 1,
    kImageGif = 2,
    kImageJpeg = 3,
    kImagePng = 4,
    kImageIco = 5,
    kImageTiff = 6,
    kImageTga = 7,
    kImagePcx = 8,
    kImageWbmp = 9,
    kImageWmf = 10,
    // The JPEG-2000 family, reached by content detection only.
    kImageJp2 = 11,  // JP2 file (box structure)
    kImageJpc = 12,  // raw J2K codestream
    kImageJ2kReserved13 = 13,
    kImageJ2kReserved14 = 14,
    kImageJ2kReserved15 = 15,
    kImageEmf = 99,
};

// The type of the extension of path (text after the last ".", compared in
// lower case); false with type -1 for an unknown or empty extension.
bool GetImageTypeFromPath(const QString& path, int& type);

// Convenience form: the type, or -1.
int imageTypeFromPath(const QString& path);

}  // namespace pictavo

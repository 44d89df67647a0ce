#include "core/FileKind.h"

#include <QSet>

namespace pictavo {

namespace {

bool isWebLink(const QString& upper) {
    // "HTTPS:" is a web link as well as "HTTP:": such pages are linked as they
    // stand, never copied.
    for (const char* prefix : {"HTTP:", "HTTPS:", "FTP:", "MAILTO:"}) {
        if (upper.startsWith(QLatin1String(prefix))) return true;
    }
    return false;
}

}  // namespace

FileKind ClassifyFileKind(const QString& text) {
    static const QSet<QString> kImage = {"GIF", "JPG", "JPEG", "BMP", "DIB", "WMF", "EMF",
                                         "PCX", "PIC", "TIF", "ICO", "PNG", "TGA", "TIFF"};
    static const QSet<QString> kDocument = {"TXT", "WRI", "DOC", "DOT", "XLS", "PPT", "MDB",
                                            "PDF", "HTM", "HTML", "XML", "CHM", "EML"};
    static const QSet<QString> kAudio = {"WAV", "MID", "MIDI", "MP3", "M3U",
                                         "AIF", "AIFC", "AIFF", "AU", "CDA"};
    static const QSet<QString> kVideo = {"RM", "RAM", "AVI", "MPG", "MPEG", "WMV", "DAT"};
    static const QSet<QString> kArchive = {"ZIP", "Z",   "GZ",  "TZ",  "TAZ", "TGZ",
                                           "LZH", "ARJ", "ARC", "TAR", "CAB"};

    const QString upper = text.toUpper();
    if (isWebLink(upper)) return FileKind::WebLink;
    const qsizetype dot = upper.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? upper : upper.mid(dot + 1);
    if (kImage.contains(extension)) return FileKind::Image;
    if (kDocument.contains(extension)) return FileKind::Document;
    if (kAudio.contains(extension)) return FileKind::Audio;
    if (kVideo.contains(extension)) return FileKind::Video;
    if (kArchive.contains(extension)) return FileKind::Archive;
    return FileKind::Other;
}

QString fileKindSubfolder(FileKind kind) {
    switch (kind) {
        case FileKind::Image: return QStringLiteral("image");
        case FileKind::Document: return QStringLiteral("doc");
        case FileKind::Audio: return QStringLiteral("audio");
        case FileKind::Video: return QStringLiteral("video");
        case FileKind::Archive: return QStringLiteral("zip");
        case FileKind::Other: return QStringLiteral("others");
        case FileKind::WebLink: return QString();
    }
    return QString();
}

}  // namespace pictavo

#pragma once
// Converting one image file to another format, with the outcome spelled
// out for callers that report it (the conversion batch, the command line);
// ConvertImageFile is the boolean form of the same work.

#include <QString>

namespace pictavo {

enum class FileConversionOutcome {
    Converted,        // decoded (or drawn) and written in the new format
    CopiedUnchanged,  // not decodable: the source bytes were copied
    Failed,           // nothing could be written
};

struct FileConversion {
    FileConversionOutcome outcome = FileConversionOutcome::Failed;
    QString error;  // why decoding or writing failed (empty after success)
};

// Types 5 (icon) and 99 (enhanced metafile) are drawn by RenderPictureFile;
// other sources are loaded with their type (falling back to detection),
// turned upright by their EXIF orientation, flattened to 24-bit RGB and
// saved as destinationType. An undecodable source is copied unchanged,
// replacing an existing destination.
FileConversion convertImageFileWithOutcome(const QString& source, const QString& destination,
                                           int sourceType, int destinationType);

// True unless nothing could be written.
bool ConvertImageFile(const QString& source, const QString& destination, int sourceType,
                      int destinationType);

}  // namespace pictavo

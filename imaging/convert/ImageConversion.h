#pragma once
// The batch conversion of image files into one target format: the fixed
// table of target formats and the walk over a list of paths that converts
// every image among them into a destination folder. No user interface: the
// Convert dialog and the command line both call convertImages().
//
// Runs on the caller's thread; files are converted one after another.

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

namespace pictavo {

// One row of the target table: the type written, its extension and the
// text the Convert dialog lists.
struct ConversionTarget {
    int type;
    const char* extension;
    const char* listText;
};

// The six targets in table order: BMP, JPG, PNG, TGA, PCX, TIFF.
std::span<const ConversionTarget> conversionTargets();

// The target whose extension is extension (lower case, "tif" for TIFF), or
// null.
const ConversionTarget* findConversionTarget(const QString& extension);

enum class ConversionOutcome {
    NotAnImage,       // the name maps to no image type: ignored
    SameFormat,       // already of the target type: skipped
    Converted,        // written in the target format
    CopiedUnchanged,  // not decodable: copied under the new name as it was
    Failed,           // nothing could be written (folder missing, ...)
};

struct ConversionResult {
    QString source;
    QString destination;  // empty for NotAnImage and SameFormat
    ConversionOutcome outcome = ConversionOutcome::NotAnImage;
    QString detail;  // the decode or write error, when there is one
};

// The destination of source: inside folderText (with or without a trailing
// separator), the file name up to and including its last "." + extension.
QString conversionDestination(const QString& source, const QString& folderText,
                              const QString& extension);

// Converts every image among paths, in order, into folderText with the
// target's type and extension; one result per path.
std::vector<ConversionResult> convertImages(const QStringList& paths, const QString& folderText,
                                            const ConversionTarget& target);

}  // namespace pictavo

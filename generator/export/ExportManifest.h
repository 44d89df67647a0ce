#pragma once
// ExportManifest: the record an export leaves in its output folder of what
// it wrote and what each output was made from, so that the next export into
// the same folder redoes only what changed and removes only files an export
// wrote.
//
// The manifest is a UTF-8 text file, one tab-separated line per record:
//
//   pictavo-export <TAB> 1                        format and version
//   fingerprint <TAB> <hex>                       the program that wrote it
//   <kind> <TAB> <output> <TAB> <source> <TAB> <source size, mtime, ctime>
//          <TAB> <shape> <TAB> <result> <TAB> <output size, mtime, ctime>
//   end <TAB> <SHA-256 of every byte before this line>
//
// Outputs are relative to the output folder ("files/image/a.jpg"); a field
// holding "%", a tab or a line break has them percent-encoded. Parsing and
// writing are pure functions of the text; anything not exactly in this form
// (another version, a damaged line, a wrong checksum, an output that leaves
// the folder) gives no manifest at all.

#include "generator/export/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pictavo {

enum class RecordKind {
    Written,      // a file an export wrote (a page, or work not to reuse)
    Copy,         // a source copied unchanged
    Convert,      // a source converted to JPEG
    Thumbnail,    // a thumbnail; result is its number
    DisplaySize,  // the size an image page shows a source at; no output
};

struct ExportRecord {
    RecordKind kind = RecordKind::Written;
    QString output;  // relative to the output folder; empty for a display size
    QString source;  // absolute, "/" separators; empty for Written
    FileStamp sourceStamp;
    QString shape;   // the settings that shaped it, e.g. the thumbnail box
    QString result;  // the thumbnail number, or the display size "WxH"
    FileStamp outputStamp;
};

struct ExportManifest {
    QString fingerprint;
    std::vector<ExportRecord> records;
};

// True for a relative output path that stays inside the output folder
// (clean, no ".." component): the only kind a manifest may name.
bool isSafeOutput(const QString& output);

QByteArray serializeManifest(const ExportManifest& manifest);
std::optional<ExportManifest> parseManifest(const QByteArray& text);

}  // namespace pictavo

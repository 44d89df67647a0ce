#pragma once
// LanguageFile: reads a language module and applies it to a string table.
//
// A module is a UTF-8 text file (an optional byte order mark, LF or CR LF
// line ends) of lines
//     # a comment
//     414 = 新建(&N)\tCtrl+N
// Blank lines and lines whose first non-blank character is '#' are comments.
// The text after '=' loses its surrounding blanks and may use the escapes
// \n (line break), \t (tab) and \\ (backslash); any other backslash stays.
//
// A module is data from outside the program and may be hostile: a file over
// kMaxLanguageFileSize is not read, a line over kMaxLanguageLineLength is
// refused, and a translation is refused unless it has the same placeholders
// (%1..%99, counted with repeats, in any order) as the built-in English text,
// so that QString::arg fills a translation exactly as it fills the English.
// A refused line leaves the text it names as it was.

#include "resources/StringTable.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace pictavo {

inline constexpr qsizetype kMaxLanguageFileSize = 1024 * 1024;
inline constexpr qsizetype kMaxLanguageLineLength = 4096;  // bytes, without the line end

enum class LanguageFileStatus {
    Read,        // the file was read; its lines are in the report
    Unreadable,  // missing, a folder, or not readable: nothing applied
    TooLarge,    // over kMaxLanguageFileSize: nothing applied
};

enum class LanguageLineFault {
    Malformed,            // not "number = text"
    TooLong,              // over kMaxLanguageLineLength
    NotUtf8,              // not valid UTF-8, or holds control characters
    UnknownId,            // the number names no text of the table
    DuplicateId,          // an earlier line already translated the number; it stays
    EmptyText,            // nothing after '='
    PlaceholderMismatch,  // placeholders differ from the English text's
};

struct RefusedLanguageLine {
    int line = 0;  // 1-based
    LanguageLineFault fault = LanguageLineFault::Malformed;
    int id = 0;  // the number the line gives; 0 when it gives none
};

struct LanguageReport {
    LanguageFileStatus status = LanguageFileStatus::Read;
    int applied = 0;  // texts replaced in the table
    QList<RefusedLanguageLine> refused;
};

// Applies the module held in content to table.
LanguageReport applyLanguageText(QByteArrayView content, StringTable& table);
// Reads the module at path and applies it to table; a file that cannot be
// read or is too large leaves table unchanged.
LanguageReport applyLanguageFile(const QString& path, StringTable& table);

// The placeholder numbers of text (%0..%99 as QString::arg reads them,
// "%L1" included), sorted, repeats kept. A placeholder written with digits
// outside ASCII counts as kForeignDigitPlaceholder.
inline constexpr int kForeignDigitPlaceholder = -1;
QList<int> textPlaceholders(const QString& text);

}  // namespace pictavo

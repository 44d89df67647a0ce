#pragma once
// Turning the bytes of an album file's texts into Unicode. Albums are written
// in UTF-8; older files hold texts in a Windows code page, normally the one
// their lan.save names. A decoder is chosen once per file and then applied to
// each text (the legacy format) or to the whole file (the text format).
// Stateless apart from its choice; safe to use from any thread.

#include <QByteArray>
#include <QString>

namespace pictavo {

// True when bytes is well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(const QByteArray& bytes);

// Windows-1252, every byte mapped: the five bytes the code page leaves
// undefined become the C1 control characters of the same value, so nothing
// is dropped.
QString decodeWindows1252(const QByteArray& bytes);

class TextDecoder {
public:
    // UTF-8 when the file's texts are all valid UTF-8; otherwise the
    // charset named by charsetName (the raw lan.save value) when glibc's
    // iconv knows it and it keeps ASCII as ASCII; otherwise Windows-1252.
    static TextDecoder choose(bool allUtf8, const QByteArray& charsetName);

    // Decodes one text. A text the chosen charset cannot decode falls back
    // to Windows-1252 so that no byte is lost.
    QString decode(const QByteArray& bytes) const;

    // The iconv name in use; empty for UTF-8 and for Windows-1252.
    const QByteArray& charset() const { return charset_; }
    bool isUtf8() const { return utf8_; }

private:
    bool utf8_ = false;
    QByteArray charset_;
};

}  // namespace pictavo

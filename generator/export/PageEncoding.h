#pragma once
// Turns page text (Unicode, "\n" line breaks) into the bytes of a page file:
// line breaks become CR LF and the text is encoded in the character set the
// album names (lan.save), so that a browser reading the page's Content-Type
// line decodes every character as written.
//
// The charset name is looked up the way a browser looks up a meta charset
// label (case and surrounding blanks ignored) and the page is encoded, with
// glibc iconv, in the encoding the browser will decode it with (for example
// "iso-8859-1" is read by browsers as windows-1252, so "€" survives). Every
// character that encoding cannot carry is written as a decimal character
// reference "&#N;". A name browsers do not know, or an empty name, gives
// ASCII with every other character as a reference, which any browser reads
// correctly whatever encoding it then assumes.
//
// Thread-safe (each call opens its own converter).

#include <QByteArray>
#include <QString>

namespace pictavo {

// The iconv name of the encoding a browser uses for a charset label, or
// empty when browsers do not know the label (or it is not ASCII-compatible).
QString browserEncodingFor(const QString& charsetLabel);

// Encodes text in the encoding of charsetLabel (see above); no line-break
// translation.
QByteArray encodeForCharset(const QString& text, const QString& charsetLabel);

// The bytes of a page file: "\n" becomes "\r\n", then encodeForCharset.
QByteArray pageFileBytes(const QString& html, const QString& charsetLabel);

}  // namespace pictavo

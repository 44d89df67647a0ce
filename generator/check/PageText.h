#pragma once
// The text of a page file, decoded as a browser decodes it: in the charset
// its meta tag names (<meta charset=...> or the Content-Type meta line),
// looked up as a browser looks up the label. A page without one, or with a
// label browsers do not know, is read as UTF-8 when it is valid UTF-8 and
// as windows-1252 otherwise. Bytes the encoding cannot decode become
// U+FFFD. A pure function of the bytes; thread-safe.

#include <QByteArray>
#include <QString>

namespace pictavo {

// The charset label of the page's meta tag, or empty.
QString declaredCharset(const QByteArray& page);

QString decodePageText(const QByteArray& page);

}  // namespace pictavo

#pragma once
// Shared rules of the version-3 album file: the record types, the extended
// key form for texts the plain form cannot carry, and the white space the
// reader strips. Used by the writer and the text reader.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

namespace pictavo::albumfile {

inline constexpr int kTextVersion = 3;

inline const QString kObjectKey = QStringLiteral("object");
inline const QString kWebsiteRecord = QStringLiteral("websiteproperty");
inline const QString kMetaRecord = QStringLiteral("meta");
inline const QString kLayoutRecord = QStringLiteral("layoutproperty");
inline const QString kFolderRecord = QStringLiteral("folder");
inline const QString kPageRecord = QStringLiteral("page");

// A key followed by this marker carries a percent-encoded value.
inline constexpr QChar kExtendedMarker = QLatin1Char('*');

// The white space stripped around keys and values: ASCII only, so that
// characters such as U+00A0 survive as part of a value.
inline bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

QStringView trimBlanks(QStringView text);

// True when "key=value" reads back as exactly value: no control character
// other than a tab, and no white space at either end.
bool fitsPlainForm(const QString& value);

// Percent-encodes '%', every control character and the white space at
// either end; everything else (non-ASCII included) stays as UTF-8.
QByteArray encodeExtendedValue(const QString& value);
QString decodeExtendedValue(QStringView encoded);

}  // namespace pictavo::albumfile

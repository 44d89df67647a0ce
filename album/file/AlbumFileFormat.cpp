#include "album/file/AlbumFileFormat.h"

namespace pictavo::albumfile {

namespace {

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

int hexValue(char u) {
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

}  // namespace

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

bool fitsPlainForm(const QString& value) {
    if (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back())))
        return false;
    for (const QChar c : value) {
        if (isControl(c) && c != QLatin1Char('\t'))
            return false;
    }
    return true;
}

QByteArray encodeExtendedValue(const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    // Blanks at the ends are encoded so that the reader's stripping keeps them.
    qsizetype firstKept = 0;
    qsizetype lastKept = utf8.size();
    while (firstKept < lastKept && isBlank(QLatin1Char(utf8.at(firstKept))))
        ++firstKept;
    while (lastKept > firstKept && isBlank(QLatin1Char(utf8.at(lastKept - 1))))
        --lastKept;
    QByteArray out;
    out.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8.at(i));
        const bool atEdge = i < firstKept || i >= lastKept;
        if (byte == '%' || byte < 0x20 || byte == 0x7F || atEdge) {
            out.append('%');
            out.append("0123456789ABCDEF"[byte >> 4]);
            out.append("0123456789ABCDEF"[byte & 0xF]);
        } else {
            out.append(static_cast<char>(byte));
        }
    }
    return out;
}

QString decodeExtendedValue(QStringView encoded) {
    // '%' and hex digits are ASCII, so the escapes can be undone on UTF-8.
    const QByteArray utf8 = encoded.toUtf8();
    QByteArray bytes;
    bytes.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const int high = i + 2 < utf8.size() ? hexValue(utf8.at(i + 1)) : -1;
        const int low = i + 2 < utf8.size() ? hexValue(utf8.at(i + 2)) : -1;
        if (utf8.at(i) == '%' && high >= 0 && low >= 0) {
            bytes.append(static_cast<char>(high * 16 + low));
            i += 2;
        } else {
            bytes.append(utf8.at(i));
        }
    }
    return QString::fromUtf8(bytes);
}

}  // namespace pictavo::albumfile

#include "album/file/TextDecoding.h"

#include <QStringDecoder>

#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#include <optional>

namespace pictavo {

namespace {

// Windows-1252 bytes 0x80..0x9F; the undefined ones map to the C1 control of
// the same value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Charset names passed to iconv are plain names only: no "//" options, no
// paths, nothing long.
bool isPlainCharsetName(const QByteArray& name) {
    if (name.isEmpty() || name.size() > 40)
        return false;
    for (const char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
        if (!ok)
            return false;
    }
    return true;
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle openToUtf8(const QByteArray& charset) {
    iconv_t cd = iconv_open("UTF-8", charset.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(cd);
}

// Converts bytes from charset to Unicode; nothing when the bytes are not
// valid in that charset.
std::optional<QString> iconvDecode(const QByteArray& charset, const QByteArray& bytes) {
    IconvHandle handle = openToUtf8(charset);
    if (!handle)
        return std::nullopt;
    auto* cd = static_cast<iconv_t>(handle.get());
    QByteArray out;
    QByteArray input = bytes;  // iconv wants a non-const input pointer
    char* in = input.data();
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[4096];
    // The final call with a null input flushes a stateful charset.
    for (bool flushing = false;;) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = flushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                   : iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
        if (rc == static_cast<size_t>(-1)) {
            if (errno != E2BIG)
                return std::nullopt;  // invalid or incomplete input
            continue;
        }
        if (flushing)
            break;
        flushing = true;
    }
    return QString::fromUtf8(out);
}

// A charset is usable for an album file only if it reads ASCII as ASCII,
// since keys, numbers and line breaks are ASCII.
bool keepsAscii(const QByteArray& charset) {
    QByteArray probe("\t\r\n");
    for (char c = 0x20; c < 0x7F; ++c)
        probe.append(c);
    const std::optional<QString> decoded = iconvDecode(charset, probe);
    return decoded && *decoded == QString::fromLatin1(probe);
}

}  // namespace

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(kWindows1252High[byte - 0x80]));
        else
            text.append(QChar(byte));
    }
    return text;
}

TextDecoder TextDecoder::choose(bool allUtf8, const QByteArray& charsetName) {
    TextDecoder decoder;
    if (allUtf8) {
        decoder.utf8_ = true;
        return decoder;
    }
    const QByteArray name = charsetName.trimmed();
    if (isPlainCharsetName(name) && keepsAscii(name))
        decoder.charset_ = name;
    return decoder;
}

QString TextDecoder::decode(const QByteArray& bytes) const {
    if (utf8_)
        return QString::fromUtf8(bytes);
    if (!charset_.isEmpty()) {
        if (std::optional<QString> text = iconvDecode(charset_, bytes))
            return *std::move(text);
    }
    return decodeWindows1252(bytes);
}

}  // namespace pictavo

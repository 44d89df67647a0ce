#include "generator/export/PageEncoding.h"

#include <QHash>

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace pictavo {

namespace {

struct EncodingLabels {
    const char* iconvName;
    const char* labels;  // space-separated, lower case
};

// The encodings browsers decode pages with and the charset labels that name
// them (those an album is likely to carry), with the iconv name of the same
// encoding.
constexpr EncodingLabels kBrowserEncodings[] = {
    {"UTF-8", "unicode-1-1-utf-8 utf-8 utf8"},
    {"IBM866", "866 cp866 csibm866 ibm866"},
    {"ISO-8859-2",
     "csisolatin2 iso-8859-2 iso-ir-101 iso8859-2 iso88592 iso_8859-2 "
     "iso_8859-2:1987 l2 latin2"},
    {"ISO-8859-3",
     "csisolatin3 iso-8859-3 iso-ir-109 iso8859-3 iso88593 iso_8859-3 "
     "iso_8859-3:1988 l3 latin3"},
    {"ISO-8859-4",
     "csisolatin4 iso-8859-4 iso-ir-110 iso8859-4 iso88594 iso_8859-4 "
     "iso_8859-4:1988 l4 latin4"},
    {"ISO-8859-5",
     "csisolatincyrillic cyrillic iso-8859-5 iso-ir-144 iso8859-5 iso88595 "
     "iso_8859-5 iso_8859-5:1988"},
    {"ISO-8859-6",
     "arabic asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 "
     "iso-8859-6 iso-8859-6-e iso-8859-6-i iso-ir-127 iso8859-6 iso88596 "
     "iso_8859-6 iso_8859-6:1987"},
    {"ISO-8859-7",
     "csisolatingreek ecma-118 elot_928 greek greek8 iso-8859-7 iso-ir-126 "
     "iso8859-7 iso88597 iso_8859-7 iso_8859-7:1987 sun_eu_greek"},
    {"ISO-8859-8",
     "csiso88598e csisolatinhebrew hebrew iso-8859-8 iso-8859-8-e iso-ir-138 "
     "iso8859-8 iso88598 iso_8859-8 iso_8859-8:1988 visual csiso88598i "
     "iso-8859-8-i logical"},
    {"ISO-8859-10", "csisolatin6 iso-8859-10 iso-ir-157 iso8859-10 iso885910 l6 latin6"},
    {"ISO-8859-13", "iso-8859-13 iso8859-13 iso885913"},
    {"ISO-8859-14", "iso-8859-14 iso8859-14 iso885914"},
    {"ISO-8859-15", "csisolatin9 iso-8859-15 iso8859-15 iso885915 iso_8859-15 l9"},
    {"ISO-8859-16", "iso-8859-16"},
    {"KOI8-R", "cskoi8r koi koi8 koi8-r koi8_r"},
    {"KOI8-U", "koi8-ru koi8-u"},
    {"MACINTOSH", "csmacintosh mac macintosh x-mac-roman"},
    {"MAC-CYRILLIC", "x-mac-cyrillic x-mac-ukrainian"},
    {"CP874", "dos-874 iso-8859-11 iso8859-11 iso885911 tis-620 windows-874"},
    {"CP1250", "cp1250 windows-1250 x-cp1250"},
    {"CP1251", "cp1251 windows-1251 x-cp1251"},
    {"CP1252",
     "ansi_x3.4-1968 ascii cp1252 cp819 csisolatin1 ibm819 iso-8859-1 iso-ir-100 "
     "iso8859-1 iso88591 iso_8859-1 iso_8859-1:1987 l1 latin1 us-ascii "
     "windows-1252 x-cp1252"},
    {"CP1253", "cp1253 windows-1253 x-cp1253"},
    {"CP1254",
     "cp1254 csisolatin5 iso-8859-9 iso-ir-148 iso8859-9 iso88599 iso_8859-9 "
     "iso_8859-9:1989 l5 latin5 windows-1254 x-cp1254"},
    {"CP1255", "cp1255 windows-1255 x-cp1255"},
    {"CP1256", "cp1256 windows-1256 x-cp1256"},
    {"CP1257", "cp1257 windows-1257 x-cp1257"},
    {"CP1258", "cp1258 windows-1258 x-cp1258"},
    {"GBK", "chinese csgb2312 csiso58gb231280 gb2312 gb_2312 gb_2312-80 gbk iso-ir-58 x-gbk"},
    {"GB18030", "gb18030"},
    {"BIG5-HKSCS", "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
    {"EUC-JP", "cseucpkdfmtjapanese euc-jp x-euc-jp"},
    {"ISO-2022-JP", "csiso2022jp iso-2022-jp"},
    {"CP932", "csshiftjis ms932 ms_kanji shift-jis shift_jis sjis windows-31j x-sjis"},
    {"CP949",
     "cseuckr csksc56011987 euc-kr iso-ir-149 korean ks_c_5601-1987 "
     "ks_c_5601-1989 ksc5601 ksc_5601 windows-949"},
};

const QHash<QString, QString>& labelTable() {
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const EncodingLabels& e : kBrowserEncodings) {
            for (const QString& label :
                 QString::fromLatin1(e.labels).split(QLatin1Char(' '), Qt::SkipEmptyParts))
                t.insert(label, QString::fromLatin1(e.iconvName));
        }
        return t;
    }();
    return table;
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Converter = std::unique_ptr<void, IconvCloser>;

Converter openConverter(const QString& encoding) {
    if (encoding.isEmpty())
        return nullptr;
    iconv_t cd = iconv_open(encoding.toLatin1().constData(), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return Converter(cd);
}

void appendReference(QByteArray& out, char32_t codePoint) {
    out += "&#";
    out += QByteArray::number(quint32(codePoint));
    out += ';';
}

// Length of the UTF-8 sequence that starts with byte lead (1 for a stray
// byte, which cannot occur in QString::toUtf8 output).
int utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

char32_t decodeUtf8(const unsigned char* p, int length) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = p[0] & kLeadMask[length];
    for (int i = 1; i < length; ++i)
        cp = (cp << 6) | (p[i] & 0x3F);
    return cp;
}

QByteArray asciiWithReferences(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t cp : text.toUcs4()) {
        if (cp < 0x80)
            out += char(cp);
        else
            appendReference(out, cp);
    }
    return out;
}

QByteArray convertWithReferences(void* cd, const QByteArray& utf8) {
    auto* conv = static_cast<iconv_t>(cd);
    QByteArray out(utf8.size() * 2 + 16, Qt::Uninitialized);
    std::size_t used = 0;
    auto* in = reinterpret_cast<const unsigned char*>(utf8.constData());
    std::size_t inLeft = std::size_t(utf8.size());

    auto ensureRoom = [&](std::size_t room) {
        if (std::size_t(out.size()) - used < room)
            out.resize(qsizetype((used + room) * 2));
    };
    while (true) {
        ensureRoom(64);
        char* inPtr = const_cast<char*>(reinterpret_cast<const char*>(in));
        char* outPtr = out.data() + used;
        std::size_t outLeft = std::size_t(out.size()) - used;
        const std::size_t rc = iconv(conv, inLeft ? &inPtr : nullptr, &inLeft, &outPtr, &outLeft);
        used = std::size_t(outPtr - out.data());
        in = reinterpret_cast<const unsigned char*>(inPtr);
        if (rc != std::size_t(-1)) {
            if (inLeft == 0)
                break;
            continue;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2);
        } else {
            // EILSEQ (or EINVAL): the next character has no form in the
            // target encoding; write it as a reference. A stateful encoding
            // is first returned to its initial (ASCII) state.
            ensureRoom(64);
            char* resetPtr = out.data() + used;
            std::size_t resetLeft = std::size_t(out.size()) - used;
            iconv(conv, nullptr, nullptr, &resetPtr, &resetLeft);
            used = std::size_t(resetPtr - out.data());
            const int length = std::min<int>(utf8Length(*in), int(inLeft));
            QByteArray reference;
            appendReference(reference, decodeUtf8(in, length));
            ensureRoom(std::size_t(reference.size()));
            std::memcpy(out.data() + used, reference.constData(), std::size_t(reference.size()));
            used += std::size_t(reference.size());
            in += length;
            inLeft -= std::size_t(length);
        }
    }
    // Return a stateful encoding to its initial state at the end.
    ensureRoom(64);
    char* endPtr = out.data() + used;
    std::size_t endLeft = std::size_t(out.size()) - used;
    iconv(conv, nullptr, nullptr, &endPtr, &endLeft);
    used = std::size_t(endPtr - out.data());
    out.truncate(qsizetype(used));
    return out;
}

}  // namespace

QString browserEncodingFor(const QString& charsetLabel) {
    return labelTable().value(charsetLabel.trimmed().toLower());
}

QByteArray encodeForCharset(const QString& text, const QString& charsetLabel) {
    const Converter converter = openConverter(browserEncodingFor(charsetLabel));
    if (!converter)
        return asciiWithReferences(text);
    return convertWithReferences(converter.get(), text.toUtf8());
}

QByteArray pageFileBytes(const QString& html, const QString& charsetLabel) {
    QString text = html;
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return encodeForCharset(text, charsetLabel);
}

}  // namespace pictavo

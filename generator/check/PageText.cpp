#include "generator/check/PageText.h"

#include "generator/export/PageEncoding.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace pictavo {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Decoder = std::unique_ptr<void, IconvCloser>;

Decoder openDecoder(const QString& encoding) {
    iconv_t cd = iconv_open("UTF-8", encoding.toLatin1().constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return Decoder(cd);
}

// The bytes as UTF-8, each undecodable byte replaced by U+FFFD.
QByteArray toUtf8(void* decoder, const QByteArray& bytes) {
    auto* cd = static_cast<iconv_t>(decoder);
    static const QByteArray kReplacement("\xEF\xBF\xBD");
    QByteArray out(bytes.size() * 3 + 16, Qt::Uninitialized);
    std::size_t used = 0;
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = std::size_t(bytes.size());
    while (inLeft > 0) {
        if (std::size_t(out.size()) - used < 16)
            out.resize(out.size() * 2);
        char* outPtr = out.data() + used;
        std::size_t outLeft = std::size_t(out.size()) - used;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        used = std::size_t(outPtr - out.data());
        if (rc != std::size_t(-1) || errno == E2BIG)
            continue;
        // EILSEQ or EINVAL (a sequence cut off by the end): one byte is lost.
        out.truncate(qsizetype(used));
        out += kReplacement;
        used = std::size_t(out.size());
        out.resize(out.size() + qsizetype(inLeft) * 3 + 16);
        ++in;
        --inLeft;
    }
    out.truncate(qsizetype(used));
    return out;
}

QString decodeWithoutLabel(const QByteArray& page) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(page);
    if (!utf8.hasError())
        return text;
    if (Decoder cp1252 = openDecoder(QStringLiteral("CP1252")))
        return QString::fromUtf8(toUtf8(cp1252.get(), page));
    return QString::fromLatin1(page);
}

}  // namespace

QString declaredCharset(const QByteArray& page) {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\b[^>]*?charset\\s*=\\s*[\"']?\\s*([^\\s\"';>/]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = meta.match(QString::fromLatin1(page));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString decodePageText(const QByteArray& page) {
    const QString encoding = browserEncodingFor(declaredCharset(page));
    if (encoding.isEmpty())
        return decodeWithoutLabel(page);
    if (Decoder decoder = openDecoder(encoding))
        return QString::fromUtf8(toUtf8(decoder.get(), page));
    return decodeWithoutLabel(page);
}

}  // namespace pictavo

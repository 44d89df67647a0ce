// Page files in the album's charset, with references for what it cannot carry.
#include "generator/export/PageEncoding.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

const QString kZurich = QString::fromUtf8("Zürich");
const QString kHouse = QString::fromUtf8("Дом");
const QString kTokyo = QString::fromUtf8("東京");
const QString kAll = kZurich + QStringLiteral(" ") + kTokyo + QString::fromUtf8("😀");

TEST(PageEncoding, EachCharsetWritesItsBytesAndReferencesForTheRest) {
    const struct {
        QString text;
        const char* charset;
        QByteArray bytes;
    } cases[] = {
        {kZurich + kHouse + kTokyo, "UTF-8", (kZurich + kHouse + kTokyo).toUtf8()},
        {kTokyo, " utf8 ", kTokyo.toUtf8()},
        {kZurich + kHouse, "iso-8859-1", "Z\xFCrich&#1044;&#1086;&#1084;"},
        // Browsers read iso-8859-1 as windows-1252, so the euro sign is one byte.
        {QString::fromUtf8("€"), "ISO-8859-1", "\x80"},
        {kHouse, "windows-1251", "\xC4\xEE\xEC"},
        {kHouse + kTokyo, "koi8-r", "\xE4\xCF\xCD&#26481;&#20140;"},
        {kTokyo, "shift_jis", "\x93\x8C\x8B\x9E"},
        {kTokyo, "EUC-JP", "\xC5\xEC\xB5\xFE"},
        // Browsers read gb2312 as GBK, which has the traditional 東 (and ü).
        {kTokyo + QString::fromUtf8("üש"), "gb2312", "\x96\x7C\xBE\xA9\xA8\xB9&#1513;"},
        // No charset, an unknown one, or one browsers do not know: ASCII.
        {kAll, "", "Z&#252;rich &#26481;&#20140;&#128512;"},
        {kAll, "no-such-charset", "Z&#252;rich &#26481;&#20140;&#128512;"},
        {kAll, "CP437", "Z&#252;rich &#26481;&#20140;&#128512;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(encodeForCharset(c.text, QString::fromLatin1(c.charset)), c.bytes) << c.charset;
    EXPECT_TRUE(browserEncodingFor(QStringLiteral("utf-16")).isEmpty());
    // A stateful encoding returns to ASCII before a reference.
    const QByteArray jis = encodeForCharset(kTokyo + kZurich, QStringLiteral("iso-2022-jp"));
    EXPECT_TRUE(jis.endsWith("\x1B(BZ&#252;rich")) << jis.toHex().constData();
}

TEST(PageEncoding, PageFileBytesUseCrLf) {
    EXPECT_EQ(pageFileBytes(QStringLiteral("<HTML>\n") + kZurich + QStringLiteral("\n"),
                            QStringLiteral("windows-1252")),
              QByteArray("<HTML>\r\nZ\xFCrich\r\n"));
}

}  // namespace
}  // namespace pictavo
